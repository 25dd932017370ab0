// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the game on stand-ins: start-up, the question, the motion, the six targets, the
// clock, leaving and a new game.
#include "game.h"

#include <gtest/gtest.h>

namespace zarvento::testing {
namespace {

using C = Control;
constexpr Colour green = 0x00FF00, red = 0x0000FF, cyan = 0xFFFF00;
constexpr float lowest = 0.0f, highest = 0.9999f; // the draws at both ends of a range
const Control targets[] = {C::paricmd,    C::paricmd1,    C::paricmd2,
                           C::disparicmd, C::disparicmd1, C::disparicmd2};

// A draw that makes floor(draw x n) come out as value.
const auto drawFor = [](int value, int n) { return (value + 0.5f) / n; };

// Every box as the player reads it, "title|text" when it has a title of its own. The new-game
// question has Yes and No, its icon, and No for Enter; every other box only OK, no icon.
QStringList read(const Game &game)
{
    using S = MsgBoxStyle;
    QStringList texts;
    for (const ScriptedDialogs::Box &box : game.dialogs.boxes) {
        const bool question = box.title == QStringLiteral("INIZIARE NUOVA GARA");
        texts << (box.title.isEmpty() ? box.text : box.title + u'|' + box.text);
        EXPECT_TRUE(box.style.buttons == (question ? S::Buttons::YesNo : S::Buttons::OkOnly) &&
                    box.style.icon == (question ? S::Icon::Question : S::Icon::None) &&
                    box.style.defaultButton == (question ? S::Default::Second : S::Default::First));
    }
    return texts;
}

// What every load of the window leaves: the name asked and greeted, the stored record, the score
// 0 and the countdown running from 00:15:00 with the targets still.
void expectFreshMatch(Game &game, const QString &name, const QString &record)
{
    EXPECT_EQ(game.dialogs.prompts.back() + '|' + game.dialogs.boxes.back().text,
              "Come ti chiami?| " + name + " vediamo se sei un vero campione  ");
    EXPECT_EQ(game.caption(C::lblnome1) + '|' + game.caption(C::lblpunti) +
                  game.caption(C::lblnome) + game.caption(C::Punteggio) + game.caption(C::lblconto),
              name + '|' + record + "000:15:00");
    EXPECT_TRUE(game.form.timers == (std::array<bool, 2>{true, false}));
    for (Control c : targets)
        EXPECT_FALSE(game.form.isVisible(c));
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("Giocare con i numeri pari e dispari"));
}

TEST(StartUp, AsksTheNameGreetsItAndShowsRecordScoreAndCountdown)
{
    struct StartCase {
        const char *name;
        QString typed;       // into the name box; empty is also what Cancel gives
        float draw;          // for every target's first number
        const char *numbers; // the six targets' first numbers from that draw
    };
    // clang-format off
    const StartCase starts[] = {
        {"CancelledName", {}, lowest, "2 2 2 3 3 3"},
        {"NameWithBlanks", QStringLiteral("  Lia "), highest, "200 1000 600 201 201 201"},
    };
    // clang-format on
    for (const StartCase &c : starts) {
        SCOPED_TRACE(c.name);
        Game game;
        // Each activation deals six numbers, then asks the question 1 x 1.
        const QList<float> activation = QList<float>(6, c.draw) << drawFor(1, 10) << drawFor(1, 10);
        game.random.script = activation + activation;
        game.start(c.typed);
        QStringList numbers;
        for (Control t : targets)
            numbers << game.caption(t);
        EXPECT_EQ(numbers.join(' '), c.numbers);
        EXPECT_EQ(read(game).size(), 1);
        expectFreshMatch(game, c.typed, {});
        // A first start creates both files empty.
        EXPECT_EQ(game.storedScore() + game.storedName(), "");
        EXPECT_EQ(game.form.paintings.size(), 2u) << "a question from each activation";
    }
}

// cmdNext asks a new question; a click on the bare window asks its own, plays the laser and
// starts the motion at once (row 2 of it here, which shows paricmd). Each tick of the motion then
// moves, shows, hides and renumbers what its row names and nothing else.
TEST(QuestionAndMotion, FactorsOneToNineAndZeroToNineBandsOfThoseAndTheSixRowsOfTheMotion)
{
    struct QuestionCase {
        const char *name;
        bool byWindow;
        QList<float> draws;
        int first, second;
    };
    // clang-format off
    const QuestionCase questions[] = {
        {"FirstFactorZeroIsDrawnAgain", false, {lowest, lowest, drawFor(4, 10), drawFor(6, 10)}, 4, 6},
        {"Lowest", false, {drawFor(1, 10), lowest}, 1, 0},
        {"Highest", false, {highest, highest}, 9, 9},
        {"WindowClick", true, {drawFor(4, 10), drawFor(6, 10), drawFor(1, 6)}, 4, 6},
    };
    // clang-format on
    Game game;
    game.start();
    for (const QuestionCase &q : questions) {
        SCOPED_TRACE(q.name);
        game.form.setCaption(C::lblMessage, QStringLiteral("?"));
        game.form.at(C::paricmd2).colours = {green};
        game.random.script = q.draws;
        q.byWindow ? game.tavola.windowClicked() : game.tavola.cmdNextClick();
        EXPECT_EQ(game.caption(C::lblNum1) + game.caption(C::lblNum2) + game.caption(C::lblMessage),
                  QString::number(q.first) + QString::number(q.second));
        EXPECT_EQ(game.form.paintings.back(), std::pair(q.first, q.second));
        EXPECT_EQ(game.form.at(C::paricmd2).colours.back(), q.byWindow ? green : cyan);
        EXPECT_EQ(game.sounds.played.join(""), q.byWindow ? "/opt/gioco/suoni/laser.wav" : "");
        EXPECT_EQ(game.form.isVisible(C::paricmd), q.byWindow);
    }
    struct MotionCase {
        int row;
        struct Jump {
            Control button;
            float leftFrom, leftTo, topFrom, topTo; // -1: a side it leaves
        };
        std::vector<Jump> jumps;
        // Shown or hidden at the end of the tick; the others keep theirs.
        QList<Control> shown, hidden;      // at the end of the tick; the others keep theirs
        std::optional<Control> renumbered; // given an odd number from 3 to 1801
    };
    // clang-format off
    const MotionCase motionRows[] = {
        {1, {{C::disparicmd, 0, 449, 0, 1099}, {C::paricmd1, 0, 299, -1, -1}, {C::paricmd, -1, -1, 0, 599}}, {C::paricmd, C::paricmd2}, {C::paricmd1, C::disparicmd1, C::disparicmd2}, std::nullopt},
        {2, {{C::paricmd, 0, 799, 0, 799}, {C::paricmd1, 0, 299, 0, 299}}, {C::paricmd, C::paricmd1, C::disparicmd1, C::disparicmd2}, {}, C::disparicmd1},
        {3, {{C::paricmd2, -1, -1, 0, 149}, {C::paricmd1, -1, -1, 0, 299}, {C::disparicmd1, -1, -1, 0, 299}, {C::disparicmd2, 0, 49, 0, 149}}, {C::disparicmd1, C::disparicmd2}, {C::paricmd, C::paricmd1, C::disparicmd}, C::disparicmd},
        {4, {{C::disparicmd, 1, 300, 1, 1000}, {C::paricmd1, 0, 299, 0, 499}}, {C::paricmd1, C::paricmd2, C::disparicmd, C::disparicmd1}, {C::disparicmd2}, std::nullopt},
        {5, {{C::paricmd2, -1, -1, 0, 199}, {C::paricmd1, -1, -1, 0, 299}, {C::disparicmd1, -1, -1, 0, 899}, {C::disparicmd2, -1, -1, 0, 499}, {C::disparicmd, -1, -1, 0, 299}}, {C::disparicmd1}, {C::paricmd, C::paricmd1, C::disparicmd, C::disparicmd2}, std::nullopt},
        {6, {{C::paricmd, -1, -1, 0, 199}, {C::paricmd2, -1, -1, 0, 29}, {C::disparicmd, -1, -1, 0, 899}, {C::disparicmd1, 0, 299, 0, 69}, {C::disparicmd2, -1, -1, 0, 249}}, {C::disparicmd2}, {C::paricmd1, C::disparicmd1}, C::disparicmd2},
    };
    // clang-format on
    // All hidden with the lowest draws, then all shown with the highest.
    for (const MotionCase &m : motionRows) {
        for (const bool before : {false, true}) {
            for (Control c : targets)
                game.form.at(c) = {QStringLiteral("?"), before, -1, -1, {}};
            game.random.script =
                QList<float>{drawFor(m.row - 1, 6)} + QList<float>(8, before ? highest : lowest);
            game.tavola.timerTicked(Timer::Timer2);
            for (Control c : targets) {
                MotionCase::Jump to{c, -1, -1, -1, -1};
                for (const MotionCase::Jump &jump : m.jumps)
                    to = jump.button == c ? jump : to;
                const FakeForm::State &now = game.form.at(c);
                EXPECT_EQ(
                    QList<float>({now.left, now.top, float(now.visible)}),
                    QList<float>({before ? to.leftTo : to.leftFrom, before ? to.topTo : to.topFrom,
                                  float(m.shown.contains(c) || (before && !m.hidden.contains(c)))}))
                    << "row " << m.row << " button " << int(c);
                EXPECT_EQ(now.caption, c != m.renumbered ? "?" : before ? "1801" : "3") << m.row;
            }
        }
    }
}

TEST(Hit, FlashesScoresWarnsAndHidesTheTargetWithANewNumberThenAsksANewQuestion)
{
    struct TargetCase {
        Control button;
        Colour flash;
        const char *sound;
        std::int16_t before;
        const char *score; // Punteggio after the hit
        QString warning;   // the whole box; empty: none
        // The new number from the lowest and the highest draw.
        const char *low, *high;
    };
    // clang-format off
    const TargetCase targetRows[] = {
        {C::paricmd, green, "/opt/gioco/suoni/sparo.wav", 0, " 1", {}, "2", "200"},
        {C::paricmd1, green, "/opt/gioco/suoni/sparo.wav", -4, " -3", {}, "2", "200"},
        {C::paricmd2, green, "/opt/gioco/suoni/sparo.wav", 32767, " 32767", {}, "2", "600"},
        {C::disparicmd, red, "/opt/gioco/suoni/esplosi.wav", 0, "-4", "Attenzione!  63 è  un numero dispari", "3", "201"},
        {C::disparicmd1, red, "/opt/gioco/suoni/esplosi.wav", -6, "-10", "Attenzione! Hai sbagliato:  63 è  un numero dispari", "3", "201"},
        {C::disparicmd2, red, "/opt/gioco/suoni/esplosi.wav", -32765, "-32768", "Attenzione!  63 è  un numero dispari", "3", "201"},
    };
    // clang-format on
    for (const TargetCase &t : targetRows) {
        for (const auto &[draw, number] : {std::pair(lowest, t.low), std::pair(highest, t.high)}) {
            Game game;
            game.start();
            game.form.at(t.button) = {"63", true, -1, -1, {}};
            game.form.setCaption(C::Punteggio,
                                 QString::number(game.tavola.variables().score = t.before));
            game.random.script = {draw};
            game.tavola.controlClicked(t.button);
            EXPECT_EQ(game.form.at(t.button).colours, (std::vector<Colour>{t.flash, cyan}));
            EXPECT_EQ(QStringList({read(game).mid(1).join(""), game.caption(C::Punteggio),
                                   game.caption(t.button), game.sounds.played.join("")}),
                      QStringList({t.warning, t.score, number, t.sound}));
            EXPECT_FALSE(game.form.isVisible(t.button)) << number;
        }
    }
}

TEST(Clock, CountsFifteenMinutesDownAndThe901stTickLeavesOnceEvenInsideAWarning)
{
    struct ClockCase {
        int ticks; // since the start
        const char *display;
    };
    const ClockCase cases[] = {{0, "00:15:00"},  {1, "00:14:59"},  {53, "00:14:07"},
                               {60, "00:14:00"}, {61, "00:13:59"}, {900, "00:00:00"}};
    Game game;
    game.form.minimized = true; // from the first sight of the window
    game.start();
    int ticked = 0;
    for (const ClockCase &c : cases) {
        game.tick(c.ticks - std::exchange(ticked, c.ticks));
        EXPECT_EQ(game.caption(C::lblconto) + game.form.windowCaption,
                  QString::fromLatin1(c.display).repeated(2));
    }
    game.dialogs.whileOpen = {{QStringLiteral("Attenzione"), [&] { game.tick(2); }}};
    game.form.at(C::disparicmd) = {QStringLiteral("63"), true, -1, -1, {}};
    game.tavola.controlClicked(C::disparicmd);
    game.tavola.timerTicked(Timer::Timer2);
    game.tavola.windowClicked();
    EXPECT_EQ(read(game), QStringList({" Anna vediamo se sei un vero campione  ",
                                       "Attenzione!  63 è  un numero dispari",
                                       "Data 06/12/26|Ciao a presto. Ore 0",
                                       "Ok ho registrato il tuo record, C A M P I O N E\""}));
    EXPECT_EQ(game.caption(C::Punteggio) + '|' + game.storedScore(), "0|0\r\n");
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(game.form.paintings.size(), 2u) << "no question after the end";
}

TEST(ErrorReport, SaysWhatFailedOnWhichFileAndThatTheGameCloses)
{
    using A = FileError::Action;
    const auto said = [](A action) { return errorReportText({action, "/r", "No"}); };
    const QString end = QStringLiteral(" dei record «/r»: No.\n\nIl gioco verrà chiuso.");
    EXPECT_EQ(
        QStringList({said(A::Create), said(A::Open), said(A::Read), said(A::Write)}),
        QStringList({"Impossibile creare la cartella" + end, "Impossibile aprire il file" + end,
                     "Impossibile leggere il file" + end, "Impossibile scrivere il file" + end}));
}

TEST(NewGame, NoKeepsTheMatchYesStartsAfreshAndClosingStoresNothing)
{
    Game game;
    game.start();
    game.tick(40);
    game.tavola.windowClicked();
    game.tavola.controlClicked(C::paricmd);
    game.dialogs.answers = {MsgBoxAnswer::No, MsgBoxAnswer::Yes};
    game.tavola.menuChosen(MenuItem::Next);
    EXPECT_EQ(read(game).last(), "INIZIARE NUOVA GARA|INIZIAMO UNA NUOVA GARA  ?");
    EXPECT_EQ(game.caption(C::Punteggio) + game.caption(C::lblconto), " 100:14:20");
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));

    game.writeRecord("5\r\n", "Ugo\r\n"); // by another game meanwhile
    game.dialogs.names << QStringLiteral("Bruno");
    game.tavola.menuChosen(MenuItem::Next);
    expectFreshMatch(game, QStringLiteral("Bruno"), QStringLiteral("5\r\nUgo\r\n"));
    game.tavola.closed();
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    // Neither the abandoned match nor closing is stored.
    EXPECT_EQ(game.storedScore(), QByteArray("5\r\n"));
}

} // namespace
} // namespace zarvento::testing
