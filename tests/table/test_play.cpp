// Play: the click on the bare window, the motion's six rows, the six targets and the score.
#include "game.h"
#include "table/motion.h"
#include "table/targets.h"

#include <gtest/gtest.h>

#include <set>

namespace zarvento::testing {
namespace {

const std::vector<Control> allTargets{Control::paricmd,    Control::paricmd1,
                                      Control::paricmd2,   Control::disparicmd,
                                      Control::disparicmd1, Control::disparicmd2};

class Play : public ::testing::Test {
protected:
    void SetUp() override { game.start(); }

    void hit(Control button) { game.tavola.controlClicked(button); }
    void tickRow(int row) // one tick of the motion with its case number scripted
    {
        game.random.script.push_front(drawFor(row - 1, 6));
        game.tavola.timer2Tick();
    }
    int number(Control button) const { return game.caption(button).toInt(); }

    Game game;
};

TEST_F(Play, WindowClickStartsTheMotionWithANewQuestionAndTheLaser)
{
    const auto paintings = game.form.paintings.size();
    const auto num1 = game.vars().num1;
    const auto num2 = game.vars().num2;
    game.form.at(Control::lblMessage).caption = QStringLiteral("x");
    game.random.script = {drawFor(0, 10), drawFor(4, 10), drawFor(6, 10), drawFor(1, 6)};
    game.tavola.windowClicked();

    EXPECT_EQ(game.caption(Control::lblMessage), QString());
    EXPECT_EQ(game.caption(Control::lblNum1), QStringLiteral("4"));
    EXPECT_EQ(game.caption(Control::lblNum2), QStringLiteral("6"));
    EXPECT_EQ(game.form.paintings.size(), paintings + 1);
    EXPECT_EQ(game.form.paintings.back(), std::make_pair(4, 6));
    // The window's own question leaves the factors of the last cmdNext question alone.
    EXPECT_EQ(game.vars().num1, num1);
    EXPECT_EQ(game.vars().num2, num2);
    EXPECT_EQ(game.sounds.played, QStringList{QStringLiteral("/opt/gioco/suoni/laser.wav")});
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));
    // Row 2 ran at once: it shows paricmd, paricmd1, disparicmd1 and disparicmd2.
    for (Control c : {Control::paricmd, Control::paricmd1, Control::disparicmd1,
                      Control::disparicmd2})
        EXPECT_TRUE(game.form.isVisible(c));
}

TEST_F(Play, EachRowLeavesItsTargetsShownOrHiddenAndTheRestAsTheyWere)
{
    for (int row = 1; row <= 6; ++row) {
        for (bool before : {false, true}) {
            for (Control c : allTargets)
                game.form.setVisible(c, before);
            tickRow(row);
            const MotionRow &r = motionRows[static_cast<std::size_t>(row - 1)];
            for (Control c : allTargets) {
                bool expected = before;
                if (std::count(shownEveryTick.begin(), shownEveryTick.end(), c))
                    expected = true;
                if (std::count(r.shown.begin(), r.shown.end(), c))
                    expected = true;
                if (std::count(r.hidden.begin(), r.hidden.end(), c))
                    expected = false;
                EXPECT_EQ(game.form.isVisible(c), expected)
                    << "row " << row << " control " << static_cast<int>(c);
            }
        }
    }
}

TEST_F(Play, RowsHideWhatTheTickFirstShowedAndShowAJustHitTarget)
{
    tickRow(1);
    for (Control c : {Control::paricmd1, Control::disparicmd1, Control::disparicmd2})
        EXPECT_FALSE(game.form.isVisible(c));
    EXPECT_TRUE(game.form.isVisible(Control::paricmd2));

    game.form.setVisible(Control::paricmd2, true);
    hit(Control::paricmd2);
    ASSERT_FALSE(game.form.isVisible(Control::paricmd2));
    tickRow(4);
    EXPECT_TRUE(game.form.isVisible(Control::paricmd2));
}

TEST_F(Play, MovesDrawInOrderAndLandInTheirRanges)
{
    // Row 4: disparicmd left 1 + R(300), top 1 + R(1000); paricmd1 top R(500), left R(300).
    game.random.script = {drawFor(3, 6), 0.0f, 0.99999f, drawFor(250, 500), drawFor(7, 300)};
    game.tavola.timer2Tick();
    EXPECT_EQ(game.form.at(Control::disparicmd).left, 1.0f);
    EXPECT_EQ(game.form.at(Control::disparicmd).top, 1000.0f);
    EXPECT_EQ(game.form.at(Control::paricmd1).top, 250.0f);
    EXPECT_EQ(game.form.at(Control::paricmd1).left, 7.0f);
    // Every tick reseeds from the clock before its case number.
    EXPECT_EQ(game.random.reseeds.back(), std::nullopt);
}

TEST_F(Play, RenumberedOddTargetsChainTheirReseedsThroughTheirVariables)
{
    const struct {
        int row;
        Control button;
        std::int16_t FormVariables::*kept;
    } renumbering[] = {{2, Control::disparicmd1, &FormVariables::shownNum3},
                       {3, Control::disparicmd, &FormVariables::shownNum2},
                       {6, Control::disparicmd2, &FormVariables::shownNum4}};
    for (const auto &r : renumbering) {
        std::set<int> seen;
        for (int i = 0; i < 200; ++i) {
            const std::int16_t before = game.vars().*r.kept;
            game.random.reseeds.clear();
            tickRow(r.row);
            const int n = game.vars().*r.kept;
            ASSERT_EQ(game.random.reseeds.back(), std::optional<std::int16_t>(before));
            ASSERT_EQ(number(r.button), n);
            ASSERT_GE(n, 3);
            ASSERT_LE(n, 1801);
            ASSERT_EQ(n % 2, 1);
            seen.insert(n);
        }
        EXPECT_GT(seen.size(), 100u) << "row " << r.row;
    }
    // The extremes: k = 1 gives 3, k = 900 gives 1801.
    game.random.script = {drawFor(1, 6), 0.0f};
    game.random.script.insert(game.random.script.begin() + 1, 4, 0.5f); // row 2's four moves
    game.tavola.timer2Tick();
    EXPECT_EQ(number(Control::disparicmd1), 3);
}

TEST_F(Play, ScoreTextsAfterEvenAndOddHits)
{
    hit(Control::paricmd);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral(" 1"));
    game.tavola.formActivate(); // back to 0
    hit(Control::disparicmd);
    EXPECT_EQ(game.vars().score, -4);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral("-4"));
    hit(Control::paricmd1);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral(" -3"));

    game.vars().score = 2;
    for (int i = 0; i < 3; ++i)
        hit(Control::disparicmd2);
    EXPECT_EQ(game.vars().score, -10);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral("-10"));
}

TEST_F(Play, ScoreStopsAtTheBoundsOfItsSixteenBits)
{
    game.vars().score = 32767;
    hit(Control::paricmd);
    EXPECT_EQ(game.vars().score, 32767);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral(" 32767"));
    EXPECT_FALSE(game.tavola.ended());

    game.vars().score = -32765;
    hit(Control::disparicmd);
    EXPECT_EQ(game.vars().score, -32768);
    hit(Control::disparicmd);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral("-32768"));
    EXPECT_FALSE(game.tavola.ended());
}

TEST_F(Play, WarningsQuoteTheCaptionAtTheClick)
{
    const struct {
        Control button;
        QString warning;
    } cases[] = {
        {Control::disparicmd, QStringLiteral("Attenzione!  63 è  un numero dispari")},
        {Control::disparicmd1, QStringLiteral("Attenzione! Hai sbagliato:  63 è  un numero dispari")},
        {Control::disparicmd2, QStringLiteral("Attenzione!  63 è  un numero dispari")},
    };
    for (const auto &c : cases) {
        game.form.setCaption(c.button, QStringLiteral("63"));
        hit(c.button);
        EXPECT_EQ(game.dialogs.boxes.back().text, c.warning);
        EXPECT_EQ(game.dialogs.boxes.back().style, MsgBox::OkOnly);
        EXPECT_EQ(game.dialogs.boxes.back().title, QString());
    }
}

TEST_F(Play, EveryHitFlashesHidesRenumbersAndAsksANewQuestionOnce)
{
    const struct {
        Control button;
        bool even;
        int low, high, flashes;
        const char *sound;
    } cases[] = {
        {Control::paricmd, true, 2, 200, 20000, "sparo"},
        {Control::paricmd1, true, 2, 200, 20000, "sparo"},
        {Control::paricmd2, true, 2, 600, 20000, "sparo"},
        {Control::disparicmd, false, 3, 201, 10000, "esplosi"},
        {Control::disparicmd1, false, 3, 201, 10000, "esplosi"},
        {Control::disparicmd2, false, 3, 201, 10000, "esplosi"},
    };
    for (const auto &c : cases) {
        std::set<int> seen;
        for (int i = 0; i < 150; ++i) {
            game.form.setVisible(c.button, true);
            game.form.log.clear();
            const int sets = game.form.backColourSets;
            const auto paintings = game.form.paintings.size();
            hit(c.button);

            ASSERT_EQ(game.vars().flashStep, c.flashes + 1);
            // The flash, the cyan given back, and cmdNext's cyan for paricmd2.
            ASSERT_EQ(game.form.backColourSets - sets, c.flashes + 2);
            ASSERT_EQ(game.form.at(c.button).backColour, 0xFFFF00u);
            ASSERT_FALSE(game.form.isVisible(c.button));
            const int n = number(c.button);
            ASSERT_GE(n, c.low);
            ASSERT_LE(n, c.high);
            ASSERT_EQ(n % 2, c.even ? 0 : 1);
            seen.insert(n);
            ASSERT_EQ(game.form.paintings.size(), paintings + 1);
            // The new number is in place before the question's bands are painted.
            const QString numberCaption = QStringLiteral("caption %1").arg(static_cast<int>(c.button));
            ASSERT_LT(game.form.log.lastIndexOf(numberCaption),
                      game.form.log.indexOf(QStringLiteral("paint")));
            ASSERT_TRUE(game.sounds.played.back().endsWith(QLatin1String(c.sound) + ".wav"));
        }
        EXPECT_GT(seen.size(), 40u) << static_cast<int>(c.button);
    }
}

TEST_F(Play, OnlyTheirOwnButtonsWriteShownNum1AndShownNum4)
{
    for (const TargetRow &row : targetRows) {
        game.vars().shownNum1 = -1;
        game.vars().shownNum4 = -1;
        hit(row.button);
        EXPECT_EQ(game.vars().shownNum1 != -1, row.button == Control::paricmd2);
        EXPECT_EQ(game.vars().shownNum4 != -1, row.button == Control::disparicmd2);
        if (row.button == Control::paricmd2) {
            EXPECT_EQ(number(row.button), game.vars().shownNum1);
        }
        if (row.button == Control::disparicmd2) {
            EXPECT_EQ(number(row.button), game.vars().shownNum4);
            EXPECT_EQ(game.random.reseeds[game.random.reseeds.size() - 2],
                      std::optional<std::int16_t>(-1));
        }
    }
}

TEST_F(Play, TicksGoOnWhileTheWarningIsOpenAndTheScoreWaitsForIt)
{
    game.tavola.windowClicked();
    game.form.setVisible(Control::disparicmd, true);
    std::int16_t scoreWhileOpen = 1;
    QString textWhileOpen;
    game.dialogs.whileOpen.emplace_back(QStringLiteral("Attenzione"), [&] {
        game.tavola.timerTicked(Timer::Timer2);
        game.tavola.timerTicked(Timer::Timer1);
        scoreWhileOpen = game.vars().score;
        textWhileOpen = game.caption(Control::Punteggio);
    });
    hit(Control::disparicmd);
    EXPECT_EQ(scoreWhileOpen, 0);
    EXPECT_EQ(textWhileOpen, QStringLiteral("0"));
    EXPECT_EQ(game.caption(Control::lblconto), QStringLiteral("00:14:59"));
    EXPECT_EQ(game.vars().score, -4);
}

TEST_F(Play, ClicksOnOtherControlsDoNothing)
{
    const auto boxes = game.dialogs.boxes.size();
    const auto paintings = game.form.paintings.size();
    for (Control c : {Control::cmdNext, Control::Inizio, Control::lblScore, Control::Label6})
        game.tavola.controlClicked(c);
    EXPECT_EQ(game.dialogs.boxes.size(), boxes);
    EXPECT_EQ(game.form.paintings.size(), paintings);
    EXPECT_EQ(game.vars().score, 0);
}

} // namespace
} // namespace zarvento::testing
