// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game speaks: its own translation, Qt's translation of the standard buttons,
// and the locale of the dates it shows.
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace zarvento {

// The game's own language, the one its texts are written in.
inline const QLocale gameItalian{QLocale::Italian, QLocale::Italy};

// The locale of the first interface language that is Italian or one of the translated languages
// ("fr", "de"...), in the order the user prefers them; Italian when there is none, as under the
// C and POSIX locales.
QLocale chooseLanguage(const QStringList &uiLanguages, const QStringList &translated);

// The languages the game carries a translation for, as their codes ("en", "fr"...).
QStringList translatedLanguages();

// Speaks the chosen language for as long as it lives: installs the translators and makes the
// language's locale the default one (the goodbye's date), and puts everything back when it goes.
class Translations {
public:
    explicit Translations(const QStringList &uiLanguages = QLocale::system().uiLanguages());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    QLocale language() const { return language_; }

private:
    QLocale language_;
    QLocale previousDefault_;
    QTranslator game_;
    QTranslator qt_;
};

} // namespace zarvento
