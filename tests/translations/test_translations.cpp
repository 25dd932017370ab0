// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the player's language: which language it picks, and what the player then reads.
#include "game.h"
#include "runtime/qtdialogs.h"
#include "runtime/qtsystem.h"
#include "runtime/translations.h"
#include "window/tavolawindow.h"

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
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
    const ChoiceCase &c = GetParam();
    const QLocale chosen = chooseLanguage(c.uiLanguages, {"en", "fr", "es", "de"});
    EXPECT_EQ(QLocale::languageToCode(chosen.language()), c.language);
}

INSTANTIATE_TEST_SUITE_P(Languages, Choice,
                         ::testing::ValuesIn(std::vector<ChoiceCase>{
                             {"CLocale", {"C"}, "it"},
                             {"NoLanguageAtAll", {}, "it"},
                             {"Italian", {"it-IT", "it-Latn-IT", "it"}, "it"},
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

TEST(Translations, EveryShippedLanguageIsEmbeddedInTheProgram)
{
    QStringList codes = translatedLanguages();
    codes.sort();
    EXPECT_EQ(codes, QStringList({"de", "en", "es", "fr"}));
}

// What a player reads under a language beyond the game's own texts: the boxes' buttons and the
// short date of the goodbye's title.
struct SpeechCase {
    const char *name;
    QStringList uiLanguages;
    QStringList yesNo;   // the buttons of the new-game question
    QStringList okOnly;  // the button of every other message box
    QStringList nameBox; // the buttons of the name box
    QString seventhOfDecember2026;
    QString today; // the pattern of today's date as the game writes it
};

void PrintTo(const SpeechCase &c, std::ostream *out)
{
    *out << c.name;
}

const QString italianDate = QStringLiteral(R"(^\d\d/\d\d/\d\d$)");

class Speech : public ::testing::TestWithParam<SpeechCase> {};

TEST_P(Speech, ButtonsAndDateInTheLanguage)
{
    const SpeechCase &c = GetParam();
    const Translations translations(c.uiLanguages);
    QtDialogs qtDialogs;
    Dialogs &dialogs = qtDialogs;

    QStringList seen;
    const auto noteButtons = [&seen] {
        QTimer::singleShot(0, [&seen] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QStringList texts;
            for (const QDialogButtonBox *buttons : box->findChildren<QDialogButtonBox *>()) {
                for (const QAbstractButton *button : buttons->buttons())
                    texts << button->text();
            }
            texts.sort(); // the order is the platform's
            seen << texts.join(u'|');
            box->close();
        });
    };
    noteButtons();
    dialogs.messageBox(
        "?",
        {MsgBoxStyle::Buttons::YesNo, MsgBoxStyle::Icon::Question, MsgBoxStyle::Default::Second},
        "T");
    noteButtons();
    dialogs.messageBox("!");
    noteButtons();
    dialogs.inputBox("?");
    const auto sorted = [](QStringList texts) {
        texts.sort();
        return texts.join(u'|');
    };
    EXPECT_EQ(seen, QStringList({sorted(c.yesNo), sorted(c.okOnly), sorted(c.nameBox)}));
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 7), QLocale::ShortFormat),
              c.seventhOfDecember2026);
    const QString today = QtSystem().shortDate();
    EXPECT_TRUE(QRegularExpression(c.today).match(today).hasMatch()) << today.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Speech,
    ::testing::ValuesIn(std::vector<SpeechCase>{
        // The game's own language reads as it always has, whatever the locale says.
        {"CLocale", {"C"}, {"Sì", "No"}, {"OK"}, {"OK", "Annulla"}, "07/12/26", italianDate},
        {"Italian",
         {"it-IT", "it"},
         {"Sì", "No"},
         {"OK"},
         {"OK", "Annulla"},
         "07/12/26",
         italianDate},
        {"Portuguese",
         {"pt-BR", "pt"},
         {"Sì", "No"},
         {"OK"},
         {"OK", "Annulla"},
         "07/12/26",
         italianDate},
        {"French",
         {"fr-FR", "fr"},
         {"Oui", "Non"},
         {"OK"},
         {"OK", "Annuler"},
         "07/12/2026",
         R"(^\d\d/\d\d/\d\d\d\d$)"},
        {"Spanish",
         {"es-ES", "es"},
         {"Sí", "No"},
         {"Aceptar"},
         {"Aceptar", "Cancelar"},
         "7/12/26",
         R"(^\d\d?/\d\d?/\d\d$)"},
        {"German",
         {"de-DE", "de"},
         {"Ja", "Nein"},
         {"OK"},
         {"OK", "Abbrechen"},
         "07.12.26",
         R"(^\d\d\.\d\d\.\d\d$)"},
        {"AmericanEnglish",
         {"en-US", "en"},
         {"Yes", "No"},
         {"OK"},
         {"OK", "Cancel"},
         "12/7/26",
         R"(^\d\d?/\d\d?/\d\d$)"},
    }),
    [](const auto &row) { return std::string(row.param.name); });

// What a player reads through a whole match: every box, in order, as "title|text" (boxes without a
// title of their own show the program's), and the window's caption, labels, buttons and menu.
struct MatchCase {
    const char *name;
    QStringList uiLanguages;
    QString namePrompt;
    QStringList boxes; // greeting, two warnings, new-game question, goodbye, congratulation
    QString playingCaption;
    QStringList window; // Label6, Label11, Label14, Label12, Label13, cmdExit, cmdExit's tooltip
    QStringList menu;   // copy, Next, h, Ciao
};

void PrintTo(const MatchCase &c, std::ostream *out)
{
    *out << c.name;
}

class Match : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Match, EveryBoxAndLabelInTheLanguage)
{
    using zarvento::testing::Game;
    const MatchCase &c = GetParam();
    const Translations translations(c.uiLanguages);

    Game game;
    game.start(QStringLiteral("Anna"));
    for (Control odd : {Control::disparicmd, Control::disparicmd1}) {
        game.form.setVisible(odd, true);
        game.form.setCaption(odd, QStringLiteral("63"));
        game.tavola.controlClicked(odd);
    }
    game.dialogs.answers << MsgBoxAnswer::No;
    game.tavola.menuChosen(MenuItem::Next);
    game.tavola.controlClicked(Control::cmdExit); // the first record here: congratulated

    QStringList boxes;
    for (const auto &box : game.dialogs.boxes)
        boxes << (box.title.isEmpty() ? QStringLiteral("Zarvento") : box.title) + u'|' + box.text;
    EXPECT_EQ(game.dialogs.prompts, QStringList({c.namePrompt}));
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(game.form.windowCaption, c.playingCaption);

    TavolaWindow window;
    window.load();
    QStringList shown;
    for (Control control :
         {Control::Label6, Control::Label11, Control::Label14, Control::Label12, Control::Label13})
        shown << window.caption(control);
    shown << qobject_cast<QAbstractButton *>(window.widget(Control::cmdExit))->text()
          << window.widget(Control::cmdExit)->toolTip();
    EXPECT_EQ(shown, c.window);
    QStringList menu;
    for (MenuItem item : {MenuItem::copy, MenuItem::Next, MenuItem::h, MenuItem::Ciao})
        menu << window.menuAction(item)->text();
    EXPECT_EQ(menu, c.menu);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Match,
    ::testing::ValuesIn(std::vector<MatchCase>{
        // The game's own texts, byte for byte, blanks included.
        {"CLocale",
         {"C"},
         "Come ti chiami?",
         {"Zarvento| Anna vediamo se sei un vero campione  ",
          "Zarvento|Attenzione!  63 è  un numero dispari",
          "Zarvento|Attenzione! Hai sbagliato:  63 è  un numero dispari",
          "INIZIARE NUOVA GARA|INIZIAMO UNA NUOVA GARA  ?", "Data 06/12/26|Ciao a presto. Ore 900",
          "Zarvento|Ok ho registrato il tuo record, C A M P I O N E\""},
         "Giocare con i numeri pari e dispari",
         {"Punti complessivi", "Tempo restante", "Sfidante", "Il record  è di ", "con punti",
          "E&xit", "Ti prego resta ancora, forse riuscirai a farmi uscire "},
         {"Zarvento - gli autori", "Nuovo gioco", "Help",
          "Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 "
          "punti."}},
        {"English",
         {"en-GB", "en"},
         "What's your name?",
         {"Zarvento| Anna let's see if you're a real champion",
          "Zarvento|Watch out! 63 is an odd number",
          "Zarvento|Watch out! Wrong one: 63 is an odd number",
          "START A NEW MATCH|SHALL WE START A NEW MATCH?",
          "Date 06/12/26|Bye, see you soon. Time 900",
          "Zarvento|OK, I've saved your record, C H A M P I O N!"},
         "Playing with even and odd numbers",
         {"Total points", "Time left", "Player", "Record by ", "scoring", "E&xit",
          "Please stay a little longer, maybe you'll manage to get me out"},
         {"Zarvento - the authors", "New game", "Help",
          "Hi champion, careful with Zarvento! Every odd number you hit costs you 4 points."}},
        {"French",
         {"fr-FR", "fr"},
         "Comment tu t'appelles ?",
         {"Zarvento| Anna voyons si tu es un vrai champion",
          "Zarvento|Attention ! 63 est un nombre impair",
          "Zarvento|Attention ! Tu t'es trompé : 63 est un nombre impair",
          "COMMENCER UNE NOUVELLE PARTIE|ON COMMENCE UNE NOUVELLE PARTIE ?",
          "Date 06/12/26|Salut, à bientôt. Temps 900",
          "Zarvento|OK, j'ai enregistré ton record, C H A M P I O N !"},
         "Jouer avec les nombres pairs et impairs",
         {"Points en tout", "Temps restant", "Joueur", "Record : ", "points :", "&Quitter",
          "Reste encore un peu, s'il te plaît, tu arriveras peut-être à me faire sortir"},
         {"Zarvento - les auteurs", "Nouvelle partie", "Aide",
          "Salut, champion, attention avec Zarvento ! Chaque nombre impair touché te fait perdre 4 "
          "points."}},
        {"Spanish",
         {"es-ES", "es"},
         "¿Cómo te llamas?",
         {"Zarvento| Anna veamos si eres un auténtico campeón",
          "Zarvento|¡Cuidado! 63 es un número impar",
          "Zarvento|¡Cuidado! Te has equivocado: 63 es un número impar",
          "EMPEZAR UNA NUEVA PARTIDA|¿EMPEZAMOS UNA NUEVA PARTIDA?",
          "Fecha 06/12/26|Adiós, hasta pronto. Tiempo 900",
          "Zarvento|Vale, he guardado tu récord, ¡C A M P E Ó N!"},
         "Jugar con los números pares e impares",
         {"Puntos totales", "Tiempo restante", "Retador", "Récord de ", "puntos:", "&Salir",
          "Por favor, quédate un poco más, quizá consigas hacerme salir"},
         {"Zarvento - los autores", "Nueva partida", "Ayuda",
          "Hola, campeón, ¡cuidado con Zarvento! Cada número impar que tocas te quita 4 puntos."}},
        {"German",
         {"de-AT"},
         "Wie heißt du?",
         {"Zarvento| Anna mal sehen, ob du ein echter Champion bist",
          "Zarvento|Achtung! 63 ist eine ungerade Zahl",
          "Zarvento|Achtung! Das war falsch: 63 ist eine ungerade Zahl",
          "NEUES SPIEL BEGINNEN|FANGEN WIR EIN NEUES SPIEL AN?",
          "Datum 06/12/26|Tschüss, bis bald. Zeit 900",
          "Zarvento|OK, ich habe deinen Rekord gespeichert, C H A M P I O N!"},
         "Spielen mit geraden und ungeraden Zahlen",
         {"Punkte insgesamt", "Restzeit", "Spieler", "Rekord von ", "Punkte:", "&Beenden",
          "Bitte bleib noch ein bisschen, vielleicht schaffst du es, mich rauszuholen"},
         {"Zarvento - die Autoren", "Neues Spiel", "Hilfe",
          "Hallo Champion, pass auf bei Zarvento! Jede getroffene ungerade Zahl kostet dich 4 "
          "Punkte."}},
    }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
