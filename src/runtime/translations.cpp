// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game speaks: its own translation, Qt's translation of the standard buttons,
// and the locale of the dates it shows.
#include "runtime/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLoggingCategory>

namespace zarvento {

namespace {

Q_LOGGING_CATEGORY(lcTranslations, "zarvento.translations")

// Where the build embeds the compiled translations, zarvento_fr.qm and the others.
const QString catalogFolder = QStringLiteral(":/i18n");
const QString catalogPrefix = QStringLiteral("zarvento_");
const QString catalogSuffix = QStringLiteral(".qm");

} // namespace

QLocale chooseLanguage(const QStringList &uiLanguages, const QStringList &translated)
{
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::Italian)
            return locale;
        for (const QString &code : translated) {
            if (locale.language() == QLocale(code).language())
                return locale;
        }
    }
    return gameItalian;
}

QStringList translatedLanguages()
{
    QStringList codes;
    const QStringList catalogs =
        QDir(catalogFolder).entryList({catalogPrefix + u'*' + catalogSuffix}, QDir::Files);
    for (const QString &catalog : catalogs)
        codes << catalog.mid(catalogPrefix.size(),
                             catalog.size() - catalogPrefix.size() - catalogSuffix.size());
    return codes;
}

Translations::Translations(const QStringList &uiLanguages)
    : language_(chooseLanguage(uiLanguages, translatedLanguages())), previousDefault_(QLocale())
{
    QLocale::setDefault(language_);
    const QString code = QLocale::languageToCode(language_.language());
    // Italian is the language the texts are written in: it needs no translation of its own.
    if (language_.language() != QLocale::Italian && game_.load(catalogPrefix + code, catalogFolder))
        QCoreApplication::installTranslator(&game_);

    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt_.load(QStringLiteral("qtbase_") + code, qtFolder))
        QCoreApplication::installTranslator(&qt_);
    else
        qCWarning(lcTranslations).noquote()
            << "Qt's translation" << QStringLiteral("qtbase_") + code << "is not in" << qtFolder
            << "- the boxes' buttons will read in English";
}

Translations::~Translations()
{
    // The translators take themselves out of the application as they go.
    QLocale::setDefault(previousDefault_);
}

} // namespace zarvento
