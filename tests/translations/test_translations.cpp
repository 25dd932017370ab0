// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language: which language it picks, what the player then reads in it,
// and the language menu during a match.
#include "game.h"
#include "runtime/qtdialogs.h"
#include "runtime/qtsystem.h"
#include "runtime/translations.h"
#include "window/tavolawindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zarvento::testing {
namespace {

// The choice made in an earlier game; empty for none.
void storeChoice(const QString &code)
{
    QSettings(QStringLiteral("zarvento"), QStringLiteral("zarvento"))
        .setValue(QStringLiteral("language"), code);
}

struct ChoiceCase {
    const char *name;
    QStringList uiLanguages; // as QLocale::system().uiLanguages() gives them
    QString stored;          // the choice made in an earlier game
    const char *language;    // the code of the language the game speaks
};
// clang-format off
const ChoiceCase choices[] = {
    {"CLocale", {"C"}, {}, "it"},
    {"NoLanguageAtAll", {}, {}, "it"},
    {"SwissItalian", {"it-CH", "it-Latn-CH"}, {}, "it"},
    {"UntranslatedLanguage", {"pt", "pt-Latn-BR", "pt-BR"}, {}, "it"},
    {"French", {"fr", "fr-Latn-FR", "fr-FR"}, {}, "fr"},
    {"AustrianGermanWithoutThePlainCode", {"de-AT", "de-Latn-AT"}, {}, "de"},
    {"MexicanSpanish", {"es-MX", "es-Latn-MX", "es"}, {}, "es"},
    {"BritishEnglish", {"en-GB"}, {}, "en"},
    {"UntranslatedFirstThenFrench", {"pt", "pt-BR", "fr", "fr-FR"}, {}, "fr"},
    {"ItalianPreferredToFrench", {"it", "it-IT", "fr", "fr-FR"}, {}, "it"},
    {"FrenchPreferredToItalian", {"fr", "it"}, {}, "fr"},
    {"ChosenAlbanianOverTheComputersGerman", {"de-AT"}, "sq", "sq"},
    {"ChosenItalianOverTheComputersFrench", {"fr"}, "it", "it"},
    {"ChosenChineseUnderCLocale", {"C"}, "zh_CN", "zh"},
    {"ChoiceNoLongerOfferedGivesTheComputersGerman", {"de-AT"}, "tlh", "de"},
};
// clang-format on

class Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, TheStoredChoiceElseTheFirstItalianOrTranslatedLanguageElseItalian)
{
    storeChoice(GetParam().stored);
    const Translations translations(GetParam().uiLanguages);
    EXPECT_EQ(QLocale::languageToCode(translations.language().language()), GetParam().language);
}
INSTANTIATE_TEST_SUITE_P(Languages, Choice, ::testing::ValuesIn(choices), rowName);

struct LanguageCase {
    const char *name;
    QStringList uiLanguages;
    // In order: the name prompt, the greeting, the warning of an odd hit, the goodbye as
    // "title|text", the congratulation, the window's caption, its "total points" label, the
    // buttons of the new-game question and of the name box (sorted: their order is the
    // platform's), and Qt's own word for Cancel in its other boxes.
    QStringList read;
    const char *dateFormat; // the short date of the goodbye's title
};
// clang-format off
const LanguageCase languages[] = {
    // The game's own language, byte for byte, whatever the locale says.
    {"Italian", {"C"}, {"Come ti chiami?", " Anna vediamo se sei un vero campione  ", "Attenzione! Hai sbagliato:  63 è  un numero dispari", "Data 06/12/26|Ciao a presto. Ore 900", "Ok ho registrato il tuo record, C A M P I O N E\"", "Giocare con i numeri pari e dispari", "Punti complessivi", "Annulla", "No", "OK", "Sì", "Annulla"}, "dd/MM/yy"},
    // Qt has no Romanian: the boxes' buttons are the game's own.
    {"Romanian", {"ro-RO", "ro"}, {"Cum te cheamă?", " Anna hai să vedem dacă ești un campion adevărat ", "Atenție! Ai greșit: 63 este un număr impar", "Data 06/12/26|Pa, pe curând. Timp 900", "Gata, ți-am salvat recordul, C A M P I O N U L E!", "Ne jucăm cu numerele pare și impare", "Puncte în total", "Anulează", "Da", "Nu", "OK", "Cancel"}, "dd.MM.yyyy"},
};
// clang-format on

class Language : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(Language, BoxesLabelsButtonsAndTodaysDateReadInIt)
{
    storeChoice(QString());
    const Translations translations(GetParam().uiLanguages);
    Game game;
    game.start(QStringLiteral("Anna"));
    game.form.setVisible(Control::disparicmd1, true);
    game.form.setCaption(Control::disparicmd1, QStringLiteral("63"));
    game.tavola.controlClicked(Control::disparicmd1);
    game.tavola.controlClicked(Control::cmdExit); // the first record here: congratulated
    QStringList read = game.dialogs.prompts;
    for (const ScriptedDialogs::Box &box : game.dialogs.boxes)
        read << (box.title.isEmpty() ? box.text : box.title + u'|' + box.text);
    TavolaWindow window;
    window.load();
    read << game.form.windowCaption << window.caption(Control::Label6);
    QStringList buttons;
    const auto noteButtonsAndClose = [&buttons] {
        QTimer::singleShot(0, [&buttons] {
            QWidget *box = QApplication::activeModalWidget();
            for (const QAbstractButton *button : box->findChild<QDialogButtonBox *>()->buttons())
                buttons << button->text();
            box->close();
        });
    };
    noteButtonsAndClose();
    QtDialogs().messageBox("?", {MsgBoxStyle::Buttons::YesNo}, "T");
    noteButtonsAndClose();
    QtDialogs().inputBox("?");
    buttons.sort();
    read << buttons << QCoreApplication::translate("QPlatformTheme", "Cancel");
    EXPECT_EQ(read, GetParam().read);
    EXPECT_EQ(QtSystem().shortDate(), QDate::currentDate().toString(GetParam().dateFormat));

    // Alt+X, as the README promises, and the translated button's own key both end the game.
    struct Exits final : FormEvents {
        int count = 0;
        void controlClicked(Control control) override { count += control == Control::cmdExit; }
        void windowClicked() override {}
        void timerTicked(Timer) override {}
        void resized() override {}
        void menuChosen(MenuItem) override {}
        void closed() override {}
    } exits;
    window.setEvents(&exits);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const QKeySequence &key : {QKeySequence(Qt::ALT | Qt::Key_X),
                                    QKeySequence::mnemonic(window.caption(Control::cmdExit))})
        QTest::keySequence(&window, key);
    EXPECT_EQ(exits.count, 2);
    window.setEvents(nullptr);
}
INSTANTIATE_TEST_SUITE_P(Languages, Language, ::testing::ValuesIn(languages), rowName);

// The language menu during a match: every word on screen and the next box change at once, the
// places, the clock and the rules' own captions stay, and the choice outlives the game.
TEST(LanguageMenu, SwitchesWhatIsOnScreenAndTheNextBoxAndIsRememberedForTheNextGame)
{
    storeChoice(QString());
    Game game; // its stand-ins for the boxes, sounds and records
    {
        Translations translations({QStringLiteral("C")});
        TavolaWindow window;
        window.offerLanguages(translations);
        Tavola tavola(window, game.dialogs, game.random, game.sounds, game.system);
        window.setEvents(&tavola);
        game.dialogs.names << QStringLiteral("Anna");
        tavola.formInitialize();
        tavola.showWindow();
        const QMenu *menu = window.menuBar()->actions().last()->menu();
        QStringList listed;
        for (const QAction *entry : menu->actions())
            listed << entry->text() + (entry->isChecked() ? "*" : "");
        EXPECT_EQ(listed,
                  QStringList({"Lingua del computer*", "Italiano", "English", "Français", "Español",
                               "Deutsch", "Română", "Shqip", "العربية", "中文", "Українська"}));
        const QRect exitPlace = window.widget(Control::cmdExit)->geometry();
        const auto onScreen = [&] {
            return QStringList{window.windowTitle(),
                               window.caption(Control::Label6),
                               window.caption(Control::cmdExit),
                               window.widget(Control::lblTime)->toolTip(),
                               window.widget(Control::txtAnswer)->accessibleName(),
                               window.menuAction(MenuItem::Next)->text(),
                               menu->title(),
                               window.languageAction(QString())->text(),
                               window.caption(Control::lblnome1),
                               window.caption(Control::Punteggio)};
        };
        const QStringList inItalian = onScreen();
        EXPECT_EQ(inItalian.first(), "Giocare con i numeri pari e dispari");

        window.languageAction(QStringLiteral("uk"))->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(onScreen(),
                  QStringList({"Граємо з парними і непарними числами", "Усього балів", "Вихід (&X)",
                               "Клацни під мною, щоб запустити таймер", "Результат", "Нова гра",
                               "Мова", "Мова комп'ютера", "Anna", "0"}));
        EXPECT_TRUE(window.languageAction(QStringLiteral("uk"))->isChecked() &&
                    !window.languageAction(QString())->isChecked());
        EXPECT_TRUE(window.isTimerEnabled(Timer::Timer1));
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        window.setVisible(Control::disparicmd, true);
        window.setCaption(Control::disparicmd, QStringLiteral("63"));
        tavola.controlClicked(Control::disparicmd);
        EXPECT_EQ(game.dialogs.boxes.back().text, QStringLiteral("Увага! 63 — це непарне число"));

        // Back to the computer's language: under the C locale, the game's own Italian.
        window.languageAction(QString())->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(onScreen().mid(0, 8), inItalian.mid(0, 8));

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
} // namespace zarvento::testing
