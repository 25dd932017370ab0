// The rules of the game on stand-ins: start-up, play, the match clock, leaving and a new game.
#include "game.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zarvento::testing {
namespace {

using C = Control;
using V = FormVariables;

void tick(Game &game, int times = 1)
{
    for (int i = 0; i < times; ++i)
        game.tavola.timerTicked(Timer::Timer1);
}

// ---- Start-up: the name box, the greeting, the record line, the countdown and the first deal

TEST(StartUp, GreetsTheNameAsTypedShowsTheStoredRecordAndIsReadyToPlay)
{
    // The name typed, and the record stored before the start (none at a first start).
    for (const auto &[name, score, holder] :
         {std::tuple<QString, QByteArray, QByteArray>{QString(), "", ""},
          {QStringLiteral("  Lia "), "12\r\n", "Marco\r\n"}}) {
        Game game;
        if (!score.isEmpty())
            game.writeRecord(score, holder);
        game.start(name);
        EXPECT_EQ(game.storedScore(), score); // a first start leaves two empty files
        EXPECT_EQ(game.storedName(), holder);
        EXPECT_EQ(game.caption(C::lblpunti), QString::fromUtf8(score));
        EXPECT_EQ(game.caption(C::lblnome), QString::fromUtf8(holder));
        EXPECT_EQ(game.dialogs.boxes.at(0).text,
                  QLatin1Char(' ') + name + QStringLiteral(" vediamo se sei un vero campione  "));
        EXPECT_EQ(game.caption(C::lblnome1), name);
        EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:15:00"));
        EXPECT_EQ(game.vars().secondsLeft, 900);
        EXPECT_EQ(game.caption(C::Punteggio), QStringLiteral("0"));
        EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer1));
        EXPECT_FALSE(game.form.isTimerEnabled(Timer::Timer2));
        // One question from the initialization's activation, one from the activation on showing.
        EXPECT_EQ(game.form.paintings.size(), 2u);
    }
}

TEST(StartUp, DealsTargetNumbersOfTheirKindAndRangeThatVaryAlthoughReseededFromZero)
{
    const std::tuple<C, int, int> deals[] = {{C::disparicmd, 3, 201},  {C::disparicmd1, 3, 201},
                                             {C::disparicmd2, 3, 201}, {C::paricmd, 2, 200},
                                             {C::paricmd1, 2, 1000},   {C::paricmd2, 2, 600}};
    std::map<C, std::set<int>> seen;
    Game game;
    for (int run = 0; run < 200; ++run) {
        if (run < 2) // the lowest draw, then the highest
            game.random.script = QList<float>(6, run == 0 ? 0.0f : 0.9999f);
        game.random.reseeds.clear();
        game.tavola.formActivate(); // what every start and new game does
        for (const auto &[button, low, high] : deals) {
            const int n = game.caption(button).toInt();
            ASSERT_TRUE(n >= low && n <= high && n % 2 == low % 2) << n;
            seen[button].insert(n);
        }
        ASSERT_EQ(std::count(game.random.reseeds.begin(), game.random.reseeds.begin() + 5, 0), 5);
    }
    for (const auto &[button, low, high] : deals)
        EXPECT_TRUE(seen[button].count(low) && seen[button].count(high) &&
                    seen[button].size() > 50);
}

TEST(StartUp, RecordsFolderThatCannotBeCreatedReportsTheErrorAndNothingRunsAfter)
{
    Game game;
    const QString folder = game.recordsFolder().chopped(1);
    game.writeRecord("", ""); // then a regular file takes the folder's place
    ASSERT_TRUE(QDir(folder).removeRecursively() && QFile(folder).open(QIODevice::WriteOnly));
    game.start();
    EXPECT_EQ(game.system.endings, std::vector<int>{1});
    ASSERT_EQ(game.dialogs.boxes.size(), 2u); // the greeting, then the report
    EXPECT_TRUE(game.dialogs.boxes[1].text.contains(folder));
    EXPECT_TRUE(game.form.paintings.empty()); // no deal and no question after the report
}

// ---- Play: the click on the bare window, the motion's six rows, the targets and the score

class Play : public ::testing::Test {
protected:
    void SetUp() override { game.start(); }
    // One tick of the motion with its case number scripted, then the given draws.
    void tickRow(int row, QList<float> draws)
    {
        game.random.script = QList<float>{drawFor(row - 1, 6)} + draws;
        game.tavola.timerTicked(Timer::Timer2);
    }

    Game game;
};

TEST_F(Play, WindowClickAsksItsOwnQuestionPlaysTheLaserAndTicksAtOnce)
{
    const auto question = std::pair(game.vars().num1, game.vars().num2);
    // A first factor of 0 is drawn again; then row 2 of the motion, which shows paricmd.
    game.random.script = {drawFor(0, 10), drawFor(4, 10), drawFor(6, 10), drawFor(1, 6)};
    game.tavola.windowClicked();
    EXPECT_EQ(game.caption(C::lblNum1) + game.caption(C::lblNum2), QStringLiteral("46"));
    EXPECT_EQ(std::pair(game.vars().num1, game.vars().num2), question);
    EXPECT_EQ(game.sounds.played, QStringList{QStringLiteral("/opt/gioco/suoni/laser.wav")});
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));
    EXPECT_TRUE(game.form.isVisible(C::paricmd));
}

TEST_F(Play, EachRowShowsHidesAndRenumbersItsTargetsAfterTheTicksOwnShowing)
{
    const C targets[] = {C::paricmd,    C::paricmd1,    C::paricmd2,
                         C::disparicmd, C::disparicmd1, C::disparicmd2};
    // Per target above: S shown, H hidden, - as before; the number of moves; the odd target
    // given a new number, reseeded from and kept in its variable.
    const std::tuple<const char *, int, C, std::int16_t V::*> rows[] = {
        {"SHS-HH", 4, C::paricmd, nullptr},          {"SS--SS", 4, C::disparicmd1, &V::shownNum3},
        {"HH-HSS", 5, C::disparicmd, &V::shownNum2}, {"-SSSSH", 4, C::paricmd, nullptr},
        {"HH-HSH", 5, C::paricmd, nullptr},          {"-H--HS", 6, C::disparicmd2, &V::shownNum4}};
    for (int row = 1; row <= 6; ++row) {
        const auto &[shown, moves, renumbered, kept] = rows[row - 1];
        for (bool before : {false, true}) {
            for (C c : targets) // all hidden by a hit just before, or all shown
                before ? game.form.setVisible(c, true) : game.tavola.controlClicked(c);
            const std::int16_t reseed = kept ? game.vars().*kept : 0;
            tickRow(row, QList<float>(moves, 0.5f) << (before ? 0.9999f : 0.0f));
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(game.form.isVisible(targets[i]),
                          shown[i] == '-' ? before : shown[i] == 'S')
                    << "row " << row << " target " << i;
            if (kept) { // the lowest draw gives 3, the highest 1801
                EXPECT_EQ(game.random.reseeds.back(), reseed);
                EXPECT_EQ(game.vars().*kept, before ? 1801 : 3);
                EXPECT_EQ(game.caption(renumbered), QString::number(game.vars().*kept));
            }
        }
    }
}

TEST_F(Play, MovesDrawInOrderAndLandInTheirRanges)
{
    // Row 4: disparicmd left 1 + R(300), top 1 + R(1000); paricmd1 top R(500), left R(300).
    tickRow(4, {0.0f, 0.9999f, drawFor(250, 500), drawFor(7, 300)});
    EXPECT_EQ(game.form.at(C::disparicmd).left, 1.0f);
    EXPECT_EQ(game.form.at(C::disparicmd).top, 1000.0f);
    EXPECT_EQ(game.form.at(C::paricmd1).top, 250.0f);
    EXPECT_EQ(game.form.at(C::paricmd1).left, 7.0f);
}

TEST_F(Play, EveryHitScoresRenumbersWithinItsRangeAndAsksOneNewQuestion)
{
    // Button, score before and after, Punteggio, warning, new number's range, flash's end.
    const std::tuple<C, std::int16_t, std::int16_t, const char *, const char *, int, int, int>
        hits[] = {{C::paricmd, 0, 1, " 1", nullptr, 2, 200, 20001},
                  {C::disparicmd, 0, -4, "-4", "Attenzione!  ", 3, 201, 10001},
                  {C::paricmd1, -4, -3, " -3", nullptr, 2, 200, 20001},
                  {C::disparicmd1, 1, -3, "-3", "Attenzione! Hai sbagliato:  ", 3, 201, 10001},
                  {C::paricmd2, 32767, 32767, " 32767", nullptr, 2, 600, 20001},
                  {C::disparicmd2, -32765, -32768, "-32768", "Attenzione!  ", 3, 201, 10001}};
    // A tick while the warning is open runs, and finds the score of before the hit.
    std::pair<std::int16_t, QString> whileOpen;
    game.dialogs.whileOpen.emplace_back(QStringLiteral("Attenzione"), [&] {
        game.tavola.timerTicked(Timer::Timer1);
        whileOpen = {game.vars().score, game.caption(C::Punteggio)};
    });
    for (const auto &[button, from, to, shown, warning, low, high, flashEnd] : hits) {
        for (const auto &[draw, number] : {std::pair(0.0f, low), std::pair(0.9999f, high)}) {
            game.vars().score = from;
            game.vars().shownNum1 = game.vars().shownNum4 = -1;
            game.form.setCaption(button, QStringLiteral("63"));
            const auto before = std::pair(from, game.caption(C::Punteggio));
            game.form.log.clear();
            game.random.script = {draw};
            game.tavola.controlClicked(button);

            EXPECT_EQ(game.vars().score, to);
            EXPECT_EQ(game.caption(C::Punteggio), QLatin1String(shown));
            if (warning) {
                EXPECT_EQ(game.dialogs.boxes.back().text,
                          warning + QStringLiteral("63 è  un numero dispari"));
                EXPECT_EQ(whileOpen, before);
            }
            EXPECT_EQ(game.vars().flashStep, flashEnd);
            EXPECT_EQ(game.caption(button), QString::number(number));
            EXPECT_EQ(game.vars().shownNum1, button == C::paricmd2 ? number : -1);
            EXPECT_EQ(game.vars().shownNum4, button == C::disparicmd2 ? number : -1);
            // cmdNext's question once, after the new number is on the button.
            const QString numbered = QStringLiteral("caption %1").arg(static_cast<int>(button));
            EXPECT_EQ(game.form.log.count(QStringLiteral("paint")), 1);
            EXPECT_LT(game.form.log.lastIndexOf(numbered),
                      game.form.log.indexOf(QStringLiteral("paint")));
        }
    }
    EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:14:54")); // a tick a warning
}

// ---- Leaving with the record, the end, and a new game

TEST(Ending, OnlyABetterScoreReplacesTheRecordAndIsCongratulated)
{
    // The stored score (none: the files are created empty at the start) and the match's.
    const std::tuple<const char *, const char *, bool> cases[] = {
        {nullptr, "-4", true},    {"12\r\n", "13", true},  {"12\r\n", " 30", true},
        {" 12\r\n", " 9", false}, {"12\r\n", "12", false}, {"12\r\n", "-4", false},
        {"-4\r\n", "0", true},    {"garbage", " 3", true}, {"  \r\n", "-8", true}};
    for (const auto &[stored, score, replaced] : cases) {
        Game game;
        if (stored)
            game.writeRecord(stored, "Marco\r\n");
        const QString name = stored ? QStringLiteral("Anna") : QString();
        game.start(name);
        game.form.setCaption(C::Punteggio, QString::fromUtf8(score));
        game.tavola.controlClicked(C::cmdExit);
        EXPECT_EQ(game.dialogs.boxes.at(1).text, QStringLiteral("Ciao a presto. Ore 900"));
        EXPECT_EQ(game.dialogs.boxes.at(1).title, QStringLiteral("Data 06/12/26"));
        EXPECT_EQ(game.dialogs.boxes.back().text.startsWith(QStringLiteral("Ok ho registrato")),
                  replaced)
            << score;
        EXPECT_EQ(game.storedScore(), replaced ? score + QByteArray("\r\n") : QByteArray(stored));
        EXPECT_EQ(game.storedName(), replaced ? name.toUtf8() + "\r\n" : "Marco\r\n");
    }
}

TEST(Ending, AReplacementFailingHalfWayKeepsTheOldScoreAndReportsTheError)
{
    Game game;
    game.writeRecord("-9\r\n", "Marco\r\n"); // which the score of 0 beats
    game.start();
    ASSERT_TRUE(QFile::remove(game.namePath()) && QDir().mkdir(game.namePath()));
    game.tavola.controlClicked(C::cmdExit);
    EXPECT_EQ(game.storedScore(), QByteArray("-9\r\n"));
    EXPECT_EQ(game.system.endings, std::vector<int>{1});
    EXPECT_TRUE(game.dialogs.boxes.back().text.contains(game.namePath()));
}

TEST(Ending, CountdownBorrowsAndNothingRunsAfterLeavingOnThe901stTickInsideAnotherBox)
{
    for (bool duringWarning : {true, false}) { // or during the new-game question, answered Yes
        Game game;
        game.start();
        for (const auto &[ticks, clock] :
             {std::pair(1, "00:14:59"), {59, "00:14:00"}, {1, "00:13:59"}, {839, "00:00:00"}}) {
            tick(game, ticks);
            EXPECT_EQ(game.caption(C::lblconto), QLatin1String(clock));
        }
        EXPECT_EQ(game.vars().secondsLeft, 0);
        EXPECT_TRUE(game.system.endings.empty());

        game.dialogs.answers = {MsgBoxAnswer::Ok, MsgBoxAnswer::Ok, MsgBoxAnswer::Yes};
        qsizetype logged = -1;
        const auto tickNow = [&] { tick(game); };
        // Ticks go on while the goodbye box is open too: the leaving runs once. The
        // congratulation is the last thing before the end.
        game.dialogs.whileOpen = {
            {duringWarning ? QStringLiteral("Attenzione") : QStringLiteral("INIZIAMO"), tickNow},
            {QStringLiteral("Ciao"), tickNow},
            {QStringLiteral("Ok ho"), [&] { logged = game.form.log.size(); }}};
        duringWarning ? game.tavola.controlClicked(C::disparicmd)
                      : game.tavola.menuChosen(MenuItem::Next);
        game.tavola.timerTicked(Timer::Timer2);
        game.tavola.windowClicked();
        EXPECT_EQ(game.system.endings, std::vector<int>{0});
        EXPECT_EQ(game.storedScore(), QByteArray("0\r\n")); // the score before the hit
        EXPECT_EQ(game.form.log.size(), logged);            // no caption, number or question
        // The greeting, the box left open, the goodbye and the congratulation; no name asked.
        EXPECT_EQ(game.dialogs.boxes.size(), 4u);
        EXPECT_EQ(game.dialogs.prompts.size(), 1);
    }
}

TEST(Ending, MinimizedCaptionNoAndYesToANewGameAndClosingThatStoresNothing)
{
    Game game;
    game.start();
    tick(game, 40);
    game.form.minimized = true;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:20"));
    tick(game); // kept current while minimized
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:19"));
    game.form.minimized = false;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("Giocare con i numeri pari e dispari"));

    game.tavola.controlClicked(C::paricmd);
    const auto shownNums = {&V::shownNum2, &V::shownNum3, &V::shownNum4};
    for (auto kept : shownNums)
        game.vars().*kept = 77;
    const auto logged = game.form.log.size();
    game.dialogs.answers = {MsgBoxAnswer::No, MsgBoxAnswer::Yes};
    game.tavola.menuChosen(MenuItem::Next);
    EXPECT_EQ(game.form.log.size(), logged);
    EXPECT_EQ(game.vars().score, 1);

    game.dialogs.names << QStringLiteral("Bruno");
    game.tavola.menuChosen(MenuItem::Next);
    EXPECT_EQ(game.caption(C::lblnome1), QStringLiteral("Bruno"));
    EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:15:00"));
    EXPECT_EQ(game.caption(C::Punteggio), QStringLiteral("0"));
    EXPECT_EQ(game.vars().score, 0);
    for (auto kept : shownNums)
        EXPECT_EQ(game.vars().*kept, 77);
    game.tavola.closed();
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(game.storedScore(), QByteArray()); // neither the abandoned match nor closing
}

} // namespace
} // namespace zarvento::testing
