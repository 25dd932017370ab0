// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting and leaving while another copy of the game, or another program, holds the record: the
// game waits with its window alive, tells the player after about a second, and stores the match.
#include "game.h"
#include "heldelsewhere.h"
#include "runtime/qtsystem.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace zarvento::testing {
namespace {

const QString toldText =
    "Un'altra copia del gioco sta salvando il record.\n\n"
    "Premi Riprova per aspettare che finisca, o Annulla per chiudere il gioco senza aspettare.";
// Enter waits on: the score is kept.
const MsgBoxStyle toldStyle{MsgBoxStyle::Buttons::RetryCancel, MsgBoxStyle::Icon::Warning,
                            MsgBoxStyle::Default::First};

enum class Moment { Start, Leaving };

struct WaitCase {
    const char *name;
    Moment moment;
    const char *file; // held by the second process
    Hold hold;
    int letGoAfterPauses;
    QList<MsgBoxAnswer> answers; // to the boxes that tell the record is busy
    int told;                    // how many of those boxes are shown
    bool goesOn;                 // the start shows the window; the leaving stores the match
};

class WaitingForRecord : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitingForRecord, KeepsTheWindowAliveTellsAfterASecondAndGoesOnOnceFree)
{
    const WaitCase &c = GetParam();
    Game game;
    if (c.moment == Moment::Start)
        game.writeRecord("12\r\n", "Ada\r\n");
    else
        game.start();
    game.form.setCaption(Control::Punteggio, " 7");
    const QString lockFolder = game.recordsFolder();
    ASSERT_TRUE(QDir().mkpath(lockFolder));
    HeldElsewhere other(lockFolder + c.file, c.hold);
    ASSERT_TRUE(other.holds());

    // The countdown runs on while the leaving waits; before the window is up it waits too.
    int pauses = 0;
    bool countdownRan = false, countdownStopped = false;
    game.system.duringPause = [&] {
        countdownRan = countdownRan || game.form.timers[0];
        countdownStopped = countdownStopped || !game.form.timers[0];
        if (game.form.timers[0])
            game.tavola.timerTicked(Timer::Timer1);
        if (++pauses == c.letGoAfterPauses)
            other.letGo();
    };
    game.dialogs.answers = QList<MsgBoxAnswer>{MsgBoxAnswer::Ok} + c.answers;
    game.dialogs.boxes.clear();
    if (c.moment == Moment::Start)
        game.start();
    else
        game.tavola.controlClicked(Control::cmdExit);

    EXPECT_EQ(pauses, c.goesOn ? c.letGoAfterPauses : 19 * c.told);
    EXPECT_TRUE(c.moment == Moment::Start ? countdownStopped && !countdownRan
                                          : countdownRan && !countdownStopped);
    int told = 0;
    for (const ScriptedDialogs::Box &box : game.dialogs.boxes)
        told += box.text == toldText && box.style.buttons == toldStyle.buttons &&
                box.style.icon == toldStyle.icon &&
                box.style.defaultButton == toldStyle.defaultButton && box.title.isEmpty();
    EXPECT_EQ(told, c.told);

    if (c.moment == Moment::Start) {
        EXPECT_EQ(game.system.endings, c.goesOn ? std::vector<int>{} : std::vector<int>{1});
        EXPECT_EQ(game.caption(Control::lblpunti), c.goesOn ? "12\r\n" : "0");
        EXPECT_EQ(game.form.timers[0], c.goesOn);
    } else {
        EXPECT_EQ(game.system.endings, std::vector<int>{c.goesOn ? 0 : 1});
        EXPECT_NE(game.caption(Control::lblconto), "00:15:00");
        EXPECT_EQ(game.storedScore() + game.storedName(), c.goesOn ? " 7\r\nAnna\r\n" : "");
    }
}

const auto byName = [](const auto &row) { return std::string(row.param.name); };

INSTANTIATE_TEST_SUITE_P(
    Records, WaitingForRecord,
    ::testing::ValuesIn(std::vector<WaitCase>{
        {"StartLockFreedWithinASecond", Moment::Start, "record.lock", Hold::Lock, 5, {}, 0, true},
        {"StartLockHeldLongerRetried",
         Moment::Start,
         "record.lock",
         Hold::Lock,
         30,
         {MsgBoxAnswer::Retry},
         1,
         true},
        {"StartLockHeldGivenUp",
         Moment::Start,
         "record.lock",
         Hold::Lock,
         30,
         {MsgBoxAnswer::Cancel},
         1,
         false},
        {"StartLeaseOnTheScore", Moment::Start, "apari.txt", Hold::Lease, 5, {}, 0, true},
        {"LeavingLockFreedWithinASecond",
         Moment::Leaving,
         "record.lock",
         Hold::Lock,
         5,
         {},
         0,
         true},
        {"LeavingLockHeldLongerRetriedTwice",
         Moment::Leaving,
         "record.lock",
         Hold::Lock,
         45,
         {MsgBoxAnswer::Retry, MsgBoxAnswer::Retry},
         2,
         true},
        {"LeavingLockHeldGivenUp",
         Moment::Leaving,
         "record.lock",
         Hold::Lock,
         30,
         {MsgBoxAnswer::Cancel},
         1,
         false},
        {"LeavingBoxClosedWithoutAnAnswer",
         Moment::Leaving,
         "record.lock",
         Hold::Lock,
         30,
         {MsgBoxAnswer::None},
         1,
         false},
        {"LeavingLeaseOnTheScore", Moment::Leaving, "apari.txt", Hold::Lease, 5, {}, 0, true}}),
    byName);

// A widget that notes when it is painted.
struct PaintedWidget final : QWidget {
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::cyan);
        paints.push_back(clock.elapsed());
    }
    QElapsedTimer clock;
    std::vector<qint64> paints;
};

qint64 longestGap(const std::vector<qint64> &times)
{
    qint64 longest = 0;
    for (std::size_t i = 1; i < times.size(); ++i)
        longest = std::max(longest, times[i] - times[i - 1]);
    return longest;
}

// On the real event loop: the lock held for a second and a half, a window that repaints on every
// tick of a 50 ms timer. It goes on ticking and repainting throughout, and the match is stored.
TEST(WaitingForRecordOnTheEventLoop, NeverLeavesTheWindowASecondWithoutRepaintingOrTicking)
{
    Game game;
    QtSystem system;
    Tavola tavola(game.form, game.dialogs, game.random, game.sounds, system);
    game.dialogs.names << "Anna";
    tavola.formInitialize();
    tavola.showWindow();
    tavola.variables().secondsLeft = 845;
    game.form.setCaption(Control::Punteggio, "13");

    HeldElsewhere other(game.recordsFolder() + "record.lock", Hold::Lock);
    ASSERT_TRUE(other.holds());
    PaintedWidget window;
    window.resize(200, 100);
    window.show();
    std::vector<qint64> ticks;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ticks.push_back(window.clock.elapsed());
        window.update();
    });
    window.clock.start();
    ticker.start(50);
    QTimer::singleShot(1500, [&] { other.letGo(); });
    game.dialogs.answers = {MsgBoxAnswer::Ok, MsgBoxAnswer::Retry};
    tavola.controlClicked(Control::cmdExit);
    const qint64 waited = window.clock.elapsed();

    EXPECT_GE(waited, 1500);
    EXPECT_GE(ticks.size(), 20u);
    EXPECT_GE(window.paints.size(), 20u);
    EXPECT_LT(longestGap(ticks), 1000);
    EXPECT_LT(longestGap(window.paints), 1000);
    RecordProperty("longestGapBetweenTicksMs", static_cast<int>(longestGap(ticks)));
    RecordProperty("longestGapBetweenPaintsMs", static_cast<int>(longestGap(window.paints)));
    EXPECT_EQ(game.storedScore() + game.storedName(), "13\r\nAnna\r\n");
    EXPECT_TRUE(tavola.ended());
    EXPECT_EQ(tavola.exitStatus(), 0);
}

} // namespace
} // namespace zarvento::testing
