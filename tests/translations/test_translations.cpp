// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language: which language it picks, what the player then reads in it,
// and the language menu during a match.
#include "game.h"
#include "runtime/qtdialogs.h"
#include "runtime/qtsystem.h"
#include "runtime/translations.h"
#include "window/tavolawindow.h"

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zarvento::testing {
namespace {

struct ChoiceCase {
    const char *name;
    QStringList uiLanguages; // as QLocale::system().uiLanguages() gives them
    QString stored;          // the choice made in an earlier game
    const char *language;    // the code of the language the game speaks
};
// clang-format off
const ChoiceCase choices[] = {
    {"CLocale", {"C"}, {}, "it"},
    {"SwissItalian", {"it-CH", "it-Latn-CH"}, {}, "it"},
    {"UntranslatedLanguage", {"pt", "pt-Latn-BR", "pt-BR"}, {}, "it"},
    {"French", {"fr", "fr-Latn-FR", "fr-FR"}, {}, "fr"},
    {"AustrianGermanWithoutThePlainCode", {"de-AT", "de-Latn-AT"}, {}, "de"},
    {"UntranslatedFirstThenFrench", {"pt", "pt-BR", "fr", "fr-FR"}, {}, "fr"},
    {"ItalianPreferredToFrench", {"it", "it-IT", "fr", "fr-FR"}, {}, "it"},
    {"ChosenAlbanianOverTheComputersGerman", {"de-AT"}, "sq", "sq"},
    {"ChosenChineseUnderCLocale", {"C"}, "zh_CN", "zh"},
    {"ChoiceNoLongerOfferedGivesTheComputersGerman", {"de-AT"}, "tlh", "de"},
};
// clang-format on

class Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, TheStoredChoiceElseTheFirstItalianOrTranslatedLanguageElseItalian)
{
    QSettings("zarvento", "zarvento").setValue("language", GetParam().stored);
    const Translations translations(GetParam().uiLanguages);
    EXPECT_EQ(QLocale::languageToCode(translations.language().language()), GetParam().language);
}
INSTANTIATE_TEST_SUITE_P(Languages, Choice, ::testing::ValuesIn(choices), rowName);

// Romanian on a Romanian computer, from the name box to the boxes' buttons and today's date;
// then, through the language menu mid-match, the game's own Italian byte for byte, the name and
// the clock kept; Arabic from the right with the board's places kept; and the last choice in the
// next game. Alt+X ends the game in every language, beside the exit button's translated key.
TEST(Language, RomanianEndToEndThenItalianAndArabicFromTheMenuAndTheChoiceRemembered)
{
    QSettings("zarvento", "zarvento").remove("language"); // no choice made yet
    Game game; // its stand-ins for the boxes, sounds and records
    {
        Translations translations({QStringLiteral("ro-RO"), QStringLiteral("ro")});
        QStringList read; // as listed below
        QTimer::singleShot(0, [&read] {
            QWidget *box = QApplication::activeModalWidget();
            read << box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text();
            box->close();
        });
        QtDialogs().inputBox("?");
        TavolaWindow window;
        window.offerLanguages(translations);
        Tavola tavola(window, game.dialogs, game.random, game.sounds, game.system);
        window.setEvents(&tavola);
        game.dialogs.names << QStringLiteral("Anna");
        tavola.formInitialize();
        tavola.showWindow();
        const QRect exitPlace = window.widget(Control::cmdExit)->geometry();
        const QMenu *menu = window.menuBar()->actions().last()->menu();
        for (const QAction *entry : menu->actions()) // "*" after the one ticked
            read << entry->text() + (entry->isChecked() ? "*" : "");
        QSignalSpy exits(window.widget(Control::cmdExit), SIGNAL(clicked()));
        const auto playAndRead = [&] {
            window.setVisible(Control::disparicmd1, true);
            window.setCaption(Control::disparicmd1, QStringLiteral("63"));
            tavola.controlClicked(Control::disparicmd1);
            read << window.windowTitle() << window.caption(Control::Label6)
                 << window.caption(Control::cmdExit) << window.widget(Control::lblTime)->toolTip()
                 << menu->title() << window.caption(Control::lblnome1)
                 << QString::number(window.isTimerEnabled(Timer::Timer1)) << QtSystem().shortDate()
                 << QCoreApplication::translate("QPlatformTheme", "Cancel");
            window.setEvents(nullptr); // the exit keys counted, the match goes on
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            for (const QKeySequence &key :
                 {QKeySequence(Qt::ALT | Qt::Key_X),
                  QKeySequence::mnemonic(window.caption(Control::cmdExit))})
                QTest::keySequence(&window, key);
            window.setEvents(&tavola);
        };
        playAndRead();
        window.languageAction(QStringLiteral("it"))->trigger();
        QCoreApplication::processEvents();
        playAndRead();
        read << game.dialogs.prompts;
        for (const ScriptedDialogs::Box &box : game.dialogs.boxes)
            read << box.text;
        // clang-format off
        EXPECT_EQ(read, QStringList({
            "Anulează", // Qt has no Romanian: the game's own word, Qt's own in English below
            "Limba calculatorului*", "Italiano", "English", "Français", "Español", "Deutsch", "Română", "Shqip", "العربية", "中文", "Українська",
            "Ne jucăm cu numerele pare și impare", "Puncte în total", "&Ieșire", "Apasă sub mine ca să pornești ceasul", "Limba", "Anna", "1", QDate::currentDate().toString("dd.MM.yyyy"), "Cancel",
            "Giocare con i numeri pari e dispari", "Punti complessivi", "E&xit", "Clicca sotto di me per attivare il Timer", "Lingua", "Anna", "1", QDate::currentDate().toString("dd/MM/yy"), "Annulla",
            "Cum te cheamă?", " Anna hai să vedem dacă ești un campion adevărat ", "Atenție! Ai greșit: 63 este un număr impar", "Attenzione! Hai sbagliato:  63 è  un numero dispari"}));
        // clang-format on
        EXPECT_EQ(exits.size(), 4);

        window.languageAction(QStringLiteral("ar"))->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(window.widget(Control::cmdExit)->geometry(), exitPlace);
        window.setEvents(nullptr);
    }
    // The next game, on a computer that speaks Italian, comes back in Arabic.
    EXPECT_EQ(Translations({QStringLiteral("it-IT")}).language().language(), QLocale::Arabic);
}

} // namespace
} // namespace zarvento::testing
