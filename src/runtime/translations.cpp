// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game speaks: its own translation, Qt's translation of its dialogs, the locale
// of the dates it shows and the direction its texts read in.
#include "runtime/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QSettings>

#include <algorithm>

namespace zarvento {

namespace {

Q_LOGGING_CATEGORY(lcTranslations, "zarvento.translations")

// Where the build embeds the compiled translations, zarvento_fr.qm and the others.
const QString catalogFolder = QStringLiteral(":/i18n");
const QString catalogPrefix = QStringLiteral("zarvento_");
const QString catalogSuffix = QStringLiteral(".qm");

// The player's choice lives in ~/.config/zarvento/zarvento.conf.
const QString settingsFolder = QStringLiteral("zarvento");
const QString settingsName = QStringLiteral("zarvento");
const QString choiceKey = QStringLiteral("language");

// In the order the menu lists them: the game's own language, the first ones it was translated
// into, then the languages of the children who arrive in its classes.
const QList<OfferedLanguage> ownNames = {
    {QStringLiteral("it"), QStringLiteral("Italiano")},
    {QStringLiteral("en"), QStringLiteral("English")},
    {QStringLiteral("fr"), QStringLiteral("Français")},
    {QStringLiteral("es"), QStringLiteral("Español")},
    {QStringLiteral("de"), QStringLiteral("Deutsch")},
    {QStringLiteral("ro"), QStringLiteral("Română")},
    {QStringLiteral("sq"), QStringLiteral("Shqip")},
    {QStringLiteral("ar"), QStringLiteral("العربية")},
    {QStringLiteral("zh_CN"), QStringLiteral("中文")},
    {QStringLiteral("uk"), QStringLiteral("Українська")},
};

bool isOffered(const QString &code)
{
    const QList<OfferedLanguage> offered = offeredLanguages();
    return std::any_of(offered.begin(), offered.end(),
                       [&code](const OfferedLanguage &language) { return language.code == code; });
}

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

QList<OfferedLanguage> offeredLanguages()
{
    const QStringList translated = translatedLanguages();
    QList<OfferedLanguage> offered;
    for (const OfferedLanguage &language : ownNames) {
        if (language.code == u"it" || translated.contains(language.code))
            offered << language;
    }
    return offered;
}

Translations::Translations(const QStringList &uiLanguages)
    : uiLanguages_(uiLanguages), previousDefault_(QLocale()),
      previousDirection_(QGuiApplication::layoutDirection())
{
    const QString stored = QSettings(settingsFolder, settingsName).value(choiceKey).toString();
    if (isOffered(stored))
        choice_ = stored;
    else if (!stored.isEmpty())
        qCInfo(lcTranslations).noquote()
            << "The language chosen before," << stored
            << "is no longer offered: the computer's language is spoken";
    speak(choice_.isEmpty() ? chooseLanguage(uiLanguages_, translatedLanguages())
                            : QLocale(choice_));
}

Translations::~Translations()
{
    // The translators take themselves out of the application as they go.
    QLocale::setDefault(previousDefault_);
    QGuiApplication::setLayoutDirection(previousDirection_);
}

void Translations::choose(const QString &code)
{
    choice_ = isOffered(code) ? code : QString();
    QSettings(settingsFolder, settingsName).setValue(choiceKey, choice_);
    speak(choice_.isEmpty() ? chooseLanguage(uiLanguages_, translatedLanguages())
                            : QLocale(choice_));
}

void Translations::speak(const QLocale &language)
{
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
    language_ = language;
    QLocale::setDefault(language_);
    // Arabic reads from the right: its texts, menus and boxes; the board keeps its places.
    QGuiApplication::setLayoutDirection(language_.textDirection());

    // Italian is the language the texts are written in: it needs no translation of its own.
    if (language_.language() != QLocale::Italian &&
        game_.load(language_, catalogPrefix.chopped(1), QStringLiteral("_"), catalogFolder))
        QCoreApplication::installTranslator(&game_);

    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt_.load(language_, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder))
        QCoreApplication::installTranslator(&qt_);
    else
        qCInfo(lcTranslations).noquote()
            << "Qt has no translation of its dialogs into" << language_.name() << "in" << qtFolder
            << "- the boxes' buttons are the game's own, the rest of Qt's texts read in English";
}

} // namespace zarvento
