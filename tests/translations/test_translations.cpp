// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the player's language: which language it picks, and what the player then reads.
#include "game.h"
#include "runtime/qtdialogs.h"
#include "runtime/qtsystem.h"
#include "runtime/translations.h"
#include "table/tavola.h"
#include "window/tavolawindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zarvento;

namespace {

struct ChoiceCase {
    const char *name;
    QStringList uiLanguages; // as QLocale::system().uiLanguages() gives them
    QString stored;          // the choice made in an earlier game; empty for none
    QString language;        // the code of the language the game speaks
};

void PrintTo(const ChoiceCase &c, std::ostream *out)
{
    *out << c.name;
}

void storeChoice(const QString &code)
{
    QSettings(QStringLiteral("zarvento"), QStringLiteral("zarvento"))
        .setValue(QStringLiteral("language"), code);
}

class Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, TheStoredChoiceElseTheFirstItalianOrTranslatedLanguageElseItalian)
{
    storeChoice(GetParam().stored);
    const Translations translations(GetParam().uiLanguages);
    EXPECT_EQ(QLocale::languageToCode(translations.language().language()), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Choice,
    ::testing::ValuesIn(std::vector<ChoiceCase>{
        {"CLocale", {"C"}, {}, "it"},
        {"NoLanguageAtAll", {}, {}, "it"},
        {"SwissItalian", {"it-CH", "it-Latn-CH"}, {}, "it"},
        {"UntranslatedLanguage", {"pt", "pt-Latn-BR", "pt-BR"}, {}, "it"},
        {"French", {"fr", "fr-Latn-FR", "fr-FR"}, {}, "fr"},
        {"AustrianGermanWithoutThePlainCode", {"de-AT", "de-Latn-AT"}, {}, "de"},
        {"MexicanSpanish", {"es-MX", "es-Latn-MX", "es"}, {}, "es"},
        {"BritishEnglish", {"en-GB", "en-Latn-GB", "en"}, {}, "en"},
        {"UntranslatedFirstThenFrench", {"pt", "pt-BR", "fr", "fr-FR"}, {}, "fr"},
        {"ItalianPreferredToFrench", {"it", "it-IT", "fr", "fr-FR"}, {}, "it"},
        {"FrenchPreferredToItalian", {"fr", "it"}, {}, "fr"},
        {"ChosenAlbanianOverTheComputersGerman", {"de-AT"}, "sq", "sq"},
        {"ChosenItalianOverTheComputersFrench", {"fr"}, "it", "it"},
        {"ChosenChineseUnderCLocale", {"C"}, "zh_CN", "zh"},
        {"ChoiceNoLongerOfferedGivesTheComputersGerman", {"de-AT"}, "tlh", "de"},
    }),
    [](const auto &row) { return std::string(row.param.name); });

struct LanguageCase {
    const char *name;
    QStringList uiLanguages;
    // In order: the name prompt, the greeting, the warning of an odd hit, the goodbye as
    // "title|text", the congratulation, the window's caption and its "total points" label.
    QStringList read;
    QStringList buttons; // of the new-game question and of the name box
    QString dateFormat;  // the short date of the goodbye's title
    QString qtCancel;    // Qt's own word for Cancel, in its other boxes: its translation or English
};

void PrintTo(const LanguageCase &c, std::ostream *out)
{
    *out << c.name;
}

// Settings that say nothing: the computer's language is spoken.
struct NoStoredChoice {
    NoStoredChoice() { storeChoice(QString()); }
};

// The game's own texts, byte for byte, blanks included.
const QStringList italian = {"Come ti chiami?",
                             " Anna vediamo se sei un vero campione  ",
                             "Attenzione! Hai sbagliato:  63 è  un numero dispari",
                             "Data 06/12/26|Ciao a presto. Ore 900",
                             "Ok ho registrato il tuo record, C A M P I O N E\"",
                             "Giocare con i numeri pari e dispari",
                             "Punti complessivi"};
const QStringList italianButtons = {"Sì", "No", "OK", "Annulla"};

class Language : public ::testing::TestWithParam<LanguageCase> {
protected:
    NoStoredChoice noStoredChoice;
    const Translations translations{GetParam().uiLanguages};
};

TEST_P(Language, BoxesAndLabelsReadInIt)
{
    zarvento::testing::Game game;
    game.start(QStringLiteral("Anna"));
    game.form.setVisible(Control::disparicmd1, true);
    game.form.setCaption(Control::disparicmd1, QStringLiteral("63"));
    game.tavola.controlClicked(Control::disparicmd1);
    game.tavola.controlClicked(Control::cmdExit); // the first record here: congratulated

    QStringList read = game.dialogs.prompts;
    for (const auto &box : game.dialogs.boxes)
        read << (box.title.isEmpty() ? box.text : box.title + u'|' + box.text);
    TavolaWindow window;
    window.load();
    read << game.form.windowCaption << window.caption(Control::Label6);
    EXPECT_EQ(read, GetParam().read);
}

TEST_P(Language, StandardButtonsAndTodaysDateReadInIt)
{
    QtDialogs dialogs;
    QStringList seen;
    const auto noteButtonsAndClose = [&seen] {
        QTimer::singleShot(0, [&seen] {
            QWidget *box = QApplication::activeModalWidget();
            for (const QDialogButtonBox *buttons : box->findChildren<QDialogButtonBox *>()) {
                for (const QAbstractButton *button : buttons->buttons())
                    seen << button->text();
            }
            box->close();
        });
    };
    noteButtonsAndClose();
    dialogs.messageBox("?", {MsgBoxStyle::Buttons::YesNo}, "T");
    noteButtonsAndClose();
    dialogs.inputBox("?");
    QStringList expected = GetParam().buttons;
    expected.sort(); // the order is the platform's
    seen.sort();
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(QtSystem().shortDate(), QDate::currentDate().toString(GetParam().dateFormat));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), GetParam().qtCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Language,
    ::testing::ValuesIn(std::vector<LanguageCase>{
        // The game's own language reads as it always has, whatever the locale says.
        {"CLocale", {"C"}, italian, italianButtons, "dd/MM/yy", "Annulla"},
        {"Portuguese", {"pt-BR", "pt"}, italian, italianButtons, "dd/MM/yy", "Annulla"},
        // Qt has no Romanian: the boxes' buttons are the game's own.
        {"Romanian",
         {"ro-RO", "ro"},
         {"Cum te cheamă?", " Anna hai să vedem dacă ești un campion adevărat ",
          "Atenție! Ai greșit: 63 este un număr impar", "Data 06/12/26|Pa, pe curând. Timp 900",
          "Gata, ți-am salvat recordul, C A M P I O N U L E!",
          "Ne jucăm cu numerele pare și impare", "Puncte în total"},
         {"Da", "Nu", "OK", "Anulează"},
         "dd.MM.yyyy",
         "Cancel"},
    }),
    [](const auto &row) { return std::string(row.param.name); });

// The language menu during a match: every word on screen and the next box change at once, the
// places, the clock and the rules' own captions stay, and the choice outlives the game.
TEST(LanguageMenu, SwitchesWhatIsOnScreenAndTheNextBoxAndIsRememberedForTheNextGame)
{
    NoStoredChoice noStoredChoice;
    zarvento::testing::Game game; // its stand-ins for the boxes, sounds and records
    {
        Translations translations({QStringLiteral("C")});
        TavolaWindow window;
        window.offerLanguages(translations);
        Tavola tavola(window, game.dialogs, game.random, game.sounds, game.system);
        window.setEvents(&tavola);
        game.dialogs.names << QStringLiteral("Anna");
        tavola.formInitialize();
        tavola.showWindow();
        ASSERT_EQ(window.windowTitle(), QStringLiteral("Giocare con i numeri pari e dispari"));
        QStringList listed;
        for (const QAction *entry : window.menuBar()->actions().last()->menu()->actions())
            listed << entry->text();
        EXPECT_EQ(listed,
                  QStringList({"Lingua del computer", "Italiano", "English", "Français", "Español",
                               "Deutsch", "Română", "Shqip", "العربية", "中文", "Українська"}));
        EXPECT_TRUE(window.languageAction(QString())->isChecked());
        const QRect exitPlace = window.widget(Control::cmdExit)->geometry();

        window.languageAction(QStringLiteral("uk"))->trigger();
        QCoreApplication::processEvents();
        const QMenuBar *bar = window.menuBar();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Граємо з парними і непарними числами"));
        EXPECT_EQ(window.caption(Control::Label6), QStringLiteral("Усього балів"));
        EXPECT_EQ(window.caption(Control::cmdExit), QStringLiteral("Вихід (&X)"));
        EXPECT_EQ(window.widget(Control::lblTime)->toolTip(),
                  QStringLiteral("Клацни під мною, щоб запустити таймер"));
        EXPECT_EQ(window.widget(Control::txtAnswer)->accessibleName(), QStringLiteral("Результат"));
        EXPECT_EQ(window.menuAction(MenuItem::Next)->text(), QStringLiteral("Нова гра"));
        EXPECT_EQ(bar->actions().last()->text(), QStringLiteral("Мова"));
        EXPECT_EQ(window.languageAction(QString())->text(), QStringLiteral("Мова комп'ютера"));
        EXPECT_TRUE(window.languageAction(QStringLiteral("uk"))->isChecked());
        EXPECT_FALSE(window.languageAction(QString())->isChecked());
        // The rules' captions and the match itself are left as they were.
        EXPECT_EQ(window.caption(Control::lblnome1), QStringLiteral("Anna"));
        EXPECT_EQ(window.caption(Control::Punteggio), QStringLiteral("0"));
        EXPECT_TRUE(window.isTimerEnabled(Timer::Timer1));
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);

        window.setVisible(Control::disparicmd, true);
        window.setCaption(Control::disparicmd, QStringLiteral("63"));
        tavola.controlClicked(Control::disparicmd);
        ASSERT_FALSE(game.dialogs.boxes.empty());
        EXPECT_EQ(game.dialogs.boxes.back().text, QStringLiteral("Увага! 63 — це непарне число"));

        // Back to the computer's language: under the C locale, the game's own Italian.
        window.languageAction(QString())->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(window.caption(Control::Label6), QStringLiteral("Punti complessivi"));

        // Arabic reads from the right; the board is a picture and keeps its places.
        window.languageAction(QStringLiteral("ar"))->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("نلعب بالأعداد الزوجية والفردية"));
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(window.widget(Control::cmdExit)->geometry(), exitPlace);
        window.setEvents(nullptr);
    }
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);

    // The next game, on a computer that speaks Italian, comes back in Arabic.
    Translations translations({QStringLiteral("it-IT")});
    EXPECT_EQ(translations.choice(), QStringLiteral("ar"));
    EXPECT_EQ(translations.language().language(), QLocale::Arabic);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    TavolaWindow window;
    window.offerLanguages(translations);
    EXPECT_TRUE(window.languageAction(QStringLiteral("ar"))->isChecked());
    EXPECT_EQ(window.menuBar()->actions().last()->text(), QStringLiteral("اللغة"));
}

} // namespace
