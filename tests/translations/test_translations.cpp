// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the player's language: which language it picks, and what the player then reads.
#include "game.h"
#include "runtime/qtdialogs.h"
#include "runtime/qtsystem.h"
#include "runtime/translations.h"
#include "window/tavolawindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zarvento;

namespace {

struct ChoiceCase {
    const char *name;
    QStringList uiLanguages; // as QLocale::system().uiLanguages() gives them
    QString language;        // the code of the language the game speaks
};

void PrintTo(const ChoiceCase &c, std::ostream *out)
{
    *out << c.name;
}

class Choice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, TheFirstItalianOrTranslatedLanguageElseItalian)
{
    const QLocale chosen = chooseLanguage(GetParam().uiLanguages, translatedLanguages());
    EXPECT_EQ(QLocale::languageToCode(chosen.language()), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(Languages, Choice,
                         ::testing::ValuesIn(std::vector<ChoiceCase>{
                             {"CLocale", {"C"}, "it"},
                             {"NoLanguageAtAll", {}, "it"},
                             {"SwissItalian", {"it-CH", "it-Latn-CH"}, "it"},
                             {"UntranslatedLanguage", {"pt", "pt-Latn-BR", "pt-BR"}, "it"},
                             {"French", {"fr", "fr-Latn-FR", "fr-FR"}, "fr"},
                             {"AustrianGermanWithoutThePlainCode", {"de-AT", "de-Latn-AT"}, "de"},
                             {"MexicanSpanish", {"es-MX", "es-Latn-MX", "es"}, "es"},
                             {"BritishEnglish", {"en-GB", "en-Latn-GB", "en"}, "en"},
                             {"UntranslatedFirstThenFrench", {"pt", "pt-BR", "fr", "fr-FR"}, "fr"},
                             {"ItalianPreferredToFrench", {"it", "it-IT", "fr", "fr-FR"}, "it"},
                             {"FrenchPreferredToItalian", {"fr", "it"}, "fr"},
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
};

void PrintTo(const LanguageCase &c, std::ostream *out)
{
    *out << c.name;
}

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
    const QKeySequence ownKey = QKeySequence::mnemonic(window.caption(Control::cmdExit));
    for (const QKeySequence &key : {QKeySequence(Qt::ALT | Qt::Key_X), ownKey})
        QTest::keySequence(&window, key);
    EXPECT_EQ(exits.count, 2);
    window.setEvents(nullptr);
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
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Language,
    ::testing::ValuesIn(std::vector<LanguageCase>{
        // The game's own language reads as it always has, whatever the locale says.
        {"CLocale", {"C"}, italian, italianButtons, "dd/MM/yy"},
        {"Portuguese", {"pt-BR", "pt"}, italian, italianButtons, "dd/MM/yy"},
        {"French",
         {"fr-FR", "fr"},
         {"Comment tu t'appelles ?", " Anna voyons si tu es un vrai champion",
          "Attention ! Tu t'es trompé : 63 est un nombre impair",
          "Date 06/12/26|Salut, à bientôt. Temps 900",
          "OK, j'ai enregistré ton record, C H A M P I O N !",
          "Jouer avec les nombres pairs et impairs", "Points en tout"},
         {"Oui", "Non", "OK", "Annuler"},
         "dd/MM/yyyy"},
        {"Spanish",
         {"es-ES", "es"},
         {"¿Cómo te llamas?", " Anna veamos si eres un auténtico campeón",
          "¡Cuidado! Te has equivocado: 63 es un número impar",
          "Fecha 06/12/26|Adiós, hasta pronto. Tiempo 900",
          "Vale, he guardado tu récord, ¡C A M P E Ó N!", "Jugar con los números pares e impares",
          "Puntos totales"},
         {"Sí", "No", "Aceptar", "Cancelar"},
         "d/M/yy"},
        {"German",
         {"de-AT"},
         {"Wie heißt du?", " Anna mal sehen, ob du ein echter Champion bist",
          "Achtung! Das war falsch: 63 ist eine ungerade Zahl",
          "Datum 06/12/26|Tschüss, bis bald. Zeit 900",
          "OK, ich habe deinen Rekord gespeichert, C H A M P I O N!",
          "Spielen mit geraden und ungeraden Zahlen", "Punkte insgesamt"},
         {"Ja", "Nein", "OK", "Abbrechen"},
         "dd.MM.yy"},
        {"AmericanEnglish",
         {"en-US", "en"},
         {"What's your name?", " Anna let's see if you're a real champion",
          "Watch out! Wrong one: 63 is an odd number", "Date 06/12/26|Bye, see you soon. Time 900",
          "OK, I've saved your record, C H A M P I O N!", "Playing with even and odd numbers",
          "Total points"},
         {"Yes", "No", "OK", "Cancel"},
         "M/d/yy"},
    }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
