// The match clock, leaving the game with its record, and a new game.
#include "game.h"

#include <gtest/gtest.h>

#include <QDir>

namespace zarvento::testing {
namespace {

const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");

class Ending : public ::testing::Test {
protected:
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            game.tavola.timerTicked(Timer::Timer1);
    }
    bool congratulated() const
    {
        return std::any_of(game.dialogs.boxes.begin(), game.dialogs.boxes.end(),
                           [](const auto &box) { return box.text == congratulation; });
    }
    int boxesStartingWith(const QString &start) const
    {
        return static_cast<int>(
            std::count_if(game.dialogs.boxes.begin(), game.dialogs.boxes.end(),
                          [&](const auto &box) { return box.text.startsWith(start); }));
    }

    Game game;
};

TEST_F(Ending, CountdownBorrowsAndLeavesOnThe901stTick)
{
    game.start();
    const struct {
        int ticks;
        const char *shows;
    } steps[] = {{1, "00:14:59"}, {59, "00:14:00"}, {1, "00:13:59"}, {839, "00:00:00"}};
    for (const auto &s : steps) {
        tick(s.ticks);
        EXPECT_EQ(game.caption(Control::lblconto), QLatin1String(s.shows));
    }
    EXPECT_EQ(game.vars().secondsLeft, 0);
    EXPECT_FALSE(game.tavola.ended());
    tick();
    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.dialogs.boxes[1].text, QStringLiteral("Ciao a presto. Ore 0"));
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}

TEST_F(Ending, GoodbyeNamesTheSecondsLeftAndTheDate)
{
    game.start();
    tick(55);
    game.tavola.controlClicked(Control::cmdExit);
    const auto &goodbye = game.dialogs.boxes[1];
    EXPECT_EQ(goodbye.text, QStringLiteral("Ciao a presto. Ore 845"));
    EXPECT_EQ(goodbye.title, QStringLiteral("Data 06/12/26"));
    EXPECT_EQ(goodbye.style, MsgBox::OkOnly);
    EXPECT_EQ(game.vars().waitStep, 1001);
    EXPECT_TRUE(game.tavola.ended());
}

struct RecordCase {
    QByteArray stored;
    QString score;
    bool replaced;
};

class Records : public Ending, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(Records, OnlyABetterScoreReplacesTheRecordAndIsCongratulated)
{
    const RecordCase &c = GetParam();
    game.writeRecord(c.stored, "Marco\r\n");
    game.start(QStringLiteral("Anna"));
    game.form.setCaption(Control::Punteggio, c.score);
    game.tavola.cmdExitClick();

    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.tavola.exitStatus(), 0);
    EXPECT_EQ(congratulated(), c.replaced);
    if (c.replaced) {
        EXPECT_EQ(game.storedScore(), c.score.toUtf8() + "\r\n");
        EXPECT_EQ(game.storedName(), QByteArray("Anna\r\n"));
    } else {
        EXPECT_EQ(game.storedScore(), c.stored);
        EXPECT_EQ(game.storedName(), QByteArray("Marco\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(Leaving, Records,
                         ::testing::Values(RecordCase{"", QStringLiteral("0"), true},
                                           RecordCase{"12\r\n", QStringLiteral("13"), true},
                                           RecordCase{"12\r\n", QStringLiteral(" 30"), true},
                                           RecordCase{" 12\r\n", QStringLiteral(" 9"), false},
                                           RecordCase{"12\r\n", QStringLiteral("12"), false},
                                           RecordCase{"12\r\n", QStringLiteral("-4"), false},
                                           RecordCase{"-4\r\n", QStringLiteral("0"), true},
                                           RecordCase{"garbage", QStringLiteral(" 3"), true},
                                           RecordCase{"  \r\n", QStringLiteral("-8"), true}));

TEST_F(Ending, AnEmptyNameIsStoredAsAnEmptyLine)
{
    game.start(QString());
    game.form.setCaption(Control::Punteggio, QStringLiteral("-4"));
    game.tavola.cmdExitClick();
    EXPECT_EQ(game.storedScore(), QByteArray("-4\r\n"));
    EXPECT_EQ(game.storedName(), QByteArray("\r\n"));
}

TEST_F(Ending, AFailedReplacementKeepsTheOldPairAndReportsTheError)
{
    game.writeRecord("12\r\n", "Marco\r\n");
    game.start();
    game.form.setCaption(Control::Punteggio, QStringLiteral(" 40"));
    // The name file can no longer be replaced: a folder stands in its place.
    QFile::remove(game.namePath());
    ASSERT_TRUE(QDir().mkdir(game.namePath()));
    game.tavola.cmdExitClick();

    EXPECT_EQ(game.storedScore(), QByteArray("12\r\n"));
    EXPECT_EQ(game.tavola.exitStatus(), 1);
    EXPECT_FALSE(congratulated());
    EXPECT_EQ(game.dialogs.boxes.back().style, MsgBox::Critical);
    EXPECT_TRUE(game.dialogs.boxes.back().text.contains(game.namePath()));
}

TEST_F(Ending, TicksDuringTheGoodbyeDoNotLeaveASecondTime)
{
    game.start();
    tick(900);
    game.dialogs.whileOpen.emplace_back(QStringLiteral("Ciao"), [&] { tick(5); });
    tick();
    EXPECT_EQ(boxesStartingWith(QStringLiteral("Ciao a presto")), 1);
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}

TEST_F(Ending, NothingRunsAfterTheEndReachedFromATickDuringTheWarning)
{
    game.start();
    tick(900);
    game.form.setVisible(Control::disparicmd, true);
    const QString number = game.caption(Control::disparicmd);
    game.dialogs.whileOpen.emplace_back(QStringLiteral("Attenzione"), [&] { tick(); });
    const auto paintings = game.form.paintings.size();
    game.tavola.controlClicked(Control::disparicmd);

    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.vars().score, 0);
    EXPECT_EQ(game.storedScore(), QByteArray("0\r\n"));
    EXPECT_TRUE(game.form.isVisible(Control::disparicmd));
    EXPECT_EQ(game.caption(Control::disparicmd), number);
    EXPECT_EQ(game.form.paintings.size(), paintings);
    EXPECT_EQ(game.dialogs.boxes.back().text, congratulation);
    // Later events are ignored too.
    game.tavola.timerTicked(Timer::Timer2);
    game.tavola.windowClicked();
    game.tavola.menuChosen(MenuItem::Next);
    EXPECT_EQ(game.form.paintings.size(), paintings);
    EXPECT_EQ(game.dialogs.boxes.back().text, congratulation);
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}

TEST_F(Ending, NothingRunsAfterTheEndReachedDuringTheNewGameQuestion)
{
    game.start();
    tick(900);
    game.dialogs.whileOpen.emplace_back(QStringLiteral("INIZIAMO"), [&] { tick(); });
    game.dialogs.answers = {MsgBox::Ok, MsgBox::Ok, MsgBox::Yes};
    game.tavola.menuChosen(MenuItem::Next);
    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.form.loads, 1);
    EXPECT_EQ(game.dialogs.prompts.size(), 1);
}

TEST_F(Ending, NoToTheNewGameChangesNothing)
{
    game.start();
    game.tavola.windowClicked();
    tick(3);
    game.tavola.controlClicked(Control::paricmd);
    const FakeForm before = game.form;
    game.dialogs.answers = {MsgBox::No};
    game.tavola.menuChosen(MenuItem::Next);

    const auto &question = game.dialogs.boxes.back();
    EXPECT_EQ(question.text, QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"));
    EXPECT_EQ(question.title, QStringLiteral("INIZIARE NUOVA GARA"));
    EXPECT_EQ(question.style, 292);
    EXPECT_EQ(game.form.loads, 1);
    for (int c = 0; c < controlCount; ++c) {
        EXPECT_EQ(game.form.controls[c].caption, before.controls[c].caption) << c;
        EXPECT_EQ(game.form.controls[c].visible, before.controls[c].visible) << c;
    }
    EXPECT_EQ(game.vars().score, 1);
}

TEST_F(Ending, YesStartsANewGameThatKeepsTheMotionsReseedValues)
{
    game.writeRecord("7\r\n", "Lia\r\n");
    game.start();
    game.tavola.windowClicked();
    for (int i = 0; i < 30; ++i)
        game.tavola.timer2Tick();
    tick(40);
    game.tavola.controlClicked(Control::paricmd2);
    const FormVariables kept = game.vars();
    ASSERT_NE(kept.shownNum2 + kept.shownNum3 + kept.shownNum4, 0);

    game.dialogs.answers = {MsgBox::Yes};
    game.dialogs.names.push_back(QStringLiteral("Bruno"));
    game.tavola.menuChosen(MenuItem::Next);

    EXPECT_EQ(game.form.loads, 2);
    EXPECT_TRUE(game.form.shown);
    EXPECT_EQ(game.dialogs.prompts.size(), 2);
    EXPECT_EQ(game.caption(Control::lblnome1), QStringLiteral("Bruno"));
    EXPECT_EQ(game.caption(Control::lblconto), QStringLiteral("00:15:00"));
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral("0"));
    EXPECT_EQ(game.caption(Control::lblpunti), QStringLiteral("7\r\n"));
    EXPECT_EQ(game.vars().score, 0);
    EXPECT_EQ(game.vars().secondsLeft, 900);
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer1));
    EXPECT_FALSE(game.form.isTimerEnabled(Timer::Timer2));
    EXPECT_EQ(game.vars().shownNum1, kept.shownNum1);
    EXPECT_EQ(game.vars().shownNum2, kept.shownNum2);
    EXPECT_EQ(game.vars().shownNum3, kept.shownNum3);
    EXPECT_EQ(game.vars().shownNum4, kept.shownNum4);
    // The abandoned match stored nothing.
    EXPECT_EQ(game.storedScore(), QByteArray("7\r\n"));
}

TEST_F(Ending, MinimizedCaptionShowsTheTimeLeftAndKeepsItCurrent)
{
    game.start();
    tick(55);
    game.form.minimized = true;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:05"));
    tick();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:04"));
    game.form.minimized = false;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("Giocare con i numeri pari e dispari"));
    tick();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("Giocare con i numeri pari e dispari"));
}

TEST_F(Ending, ClosingTheWindowEndsWithoutTouchingTheRecord)
{
    game.writeRecord("5\r\n", "Lia\r\n");
    game.start();
    game.tavola.controlClicked(Control::paricmd);
    game.tavola.closed();
    EXPECT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.tavola.exitStatus(), 0);
    EXPECT_EQ(game.storedScore(), QByteArray("5\r\n"));
    EXPECT_EQ(game.storedName(), QByteArray("Lia\r\n"));
}

} // namespace
} // namespace zarvento::testing
