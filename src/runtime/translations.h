// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game speaks: its own translation, Qt's translation of its dialogs, the locale
// of the dates it shows and the direction its texts read in; chosen by the computer's language or
// by the player in the game.
#pragma once

#include <QList>
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

// The languages the game carries a translation for, as their codes ("en", "fr", "zh_CN"...).
QStringList translatedLanguages();

// A language the player can choose in the game, named in itself so that a child finds it.
struct OfferedLanguage {
    QString code;
    QString ownName;
};

// Italian, then every translated language.
QList<OfferedLanguage> offeredLanguages();

// Speaks the chosen language for as long as it lives: installs the translators, makes the
// language's locale the default one (the goodbye's date) and sets the reading direction, and
// puts everything back when it goes.
class Translations {
public:
    // The language the player chose in an earlier game, else the computer's language.
    explicit Translations(const QStringList &uiLanguages = QLocale::system().uiLanguages());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    QLocale language() const { return language_; }
    // The code of the language the player chose; empty while the computer's language is spoken.
    QString choice() const { return choice_; }
    // Speaks the offered language code from now on, or the computer's language when code is
    // empty (or not offered), and remembers the choice for this user's next games.
    void choose(const QString &code);

private:
    void speak(const QLocale &language);

    QStringList uiLanguages_;
    QString choice_;
    QLocale language_;
    QLocale previousDefault_;
    Qt::LayoutDirection previousDirection_;
    QTranslator game_;
    QTranslator qt_;
};

} // namespace zarvento
