// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the player's language: which language it picks, and what the player then reads.
#include "runtime/qtdialogs.h"
#include "runtime/translations.h"

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
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
};

void PrintTo(const SpeechCase &c, std::ostream *out)
{
    *out << c.name;
}

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
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Speech,
    ::testing::ValuesIn(std::vector<SpeechCase>{
        // The game's own language reads as it always has, whatever the locale says.
        {"CLocale", {"C"}, {"Sì", "No"}, {"OK"}, {"OK", "Annulla"}, "07/12/26"},
        {"Italian", {"it-IT", "it"}, {"Sì", "No"}, {"OK"}, {"OK", "Annulla"}, "07/12/26"},
        {"Portuguese", {"pt-BR", "pt"}, {"Sì", "No"}, {"OK"}, {"OK", "Annulla"}, "07/12/26"},
        {"French", {"fr-FR", "fr"}, {"Oui", "Non"}, {"OK"}, {"OK", "Annuler"}, "07/12/2026"},
        {"Spanish", {"es-ES", "es"}, {"Sí", "No"}, {"Aceptar"}, {"Aceptar", "Cancelar"}, "7/12/26"},
        {"German", {"de-DE", "de"}, {"Ja", "Nein"}, {"OK"}, {"OK", "Abbrechen"}, "07.12.26"},
        {"AmericanEnglish", {"en-US", "en"}, {"Yes", "No"}, {"OK"}, {"OK", "Cancel"}, "12/7/26"},
    }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
