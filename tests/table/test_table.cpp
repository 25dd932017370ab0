// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the game on stand-ins, in tables that read like the game's own: start-up, the
// question, the motion, the six targets, the clock, leaving and a new game.
#include "game.h"
#include "runtime/errorreport.h"

#include <gtest/gtest.h>

namespace zarvento::testing {
namespace {

using C = Control;
using V = FormVariables;
using Box = ScriptedDialogs::Box;
using ColourRun = FakeForm::ColourRun;
using Style = MsgBoxStyle;

constexpr Colour green = 0x00FF00, red = 0x0000FF, cyan = 0xFFFF00;
constexpr float lowest = 0.0f, highest = 0.9999f; // the draws at both ends of a range
const Control targets[] = {C::paricmd,    C::paricmd1,    C::paricmd2,
                           C::disparicmd, C::disparicmd1, C::disparicmd2};
const QString playing = QStringLiteral("Giocare con i numeri pari e dispari");
// A box with only an OK button, no icon, and OK for Enter.
const MsgBoxStyle okOnly{Style::Buttons::OkOnly, Style::Icon::None, Style::Default::First};

// A row of a table prints as its name, and names its test.
template <typename Row> auto operator<<(std::ostream &os, const Row &row) -> decltype(row.name, os)
{
    return os << row.name;
}
template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

void tick(Game &game, int times = 1)
{
    for (int i = 0; i < times; ++i)
        game.tavola.timerTicked(Timer::Timer1);
}

Box greeting(const QString &name)
{
    return {
        QLatin1Char(' ') + name + QStringLiteral(" vediamo se sei un vero campione  "), okOnly, {}};
}

// What every load of the window leaves: the name asked and greeted, the stored record, the score
// 0 and the countdown running from 00:15:00 with the targets still.
void expectFreshMatch(Game &game, const QString &name, const QString &record)
{
    EXPECT_EQ(game.dialogs.prompts.back(), QStringLiteral("Come ti chiami?"));
    EXPECT_EQ(game.dialogs.boxes.back(), greeting(name));
    EXPECT_EQ(game.caption(C::lblnome1), name);
    EXPECT_EQ(game.caption(C::lblpunti) + game.caption(C::lblnome), record);
    EXPECT_EQ(game.caption(C::Punteggio), QStringLiteral("0"));
    EXPECT_EQ(game.vars().score, 0);
    EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:15:00"));
    EXPECT_EQ(game.vars().secondsLeft, 900);
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer1));
    EXPECT_FALSE(game.form.isTimerEnabled(Timer::Timer2));
}

// ---- Start-up: the name box, the greeting, the record line, the countdown -----------------

struct StartCase {
    const char *name;
    QString typed;     // into the name box; empty is also what Cancel gives
    const char *score; // the record files before the start; none: a first start
    const char *holder;
};

// clang-format off
const StartCase starts[] = {
    {"FirstStartCancelledName",  {},                          nullptr, nullptr},
    {"NameWithBlanksAndARecord", QStringLiteral("  Lia "),     "12\r\n", "Marco\r\n"},
    {"NamesThatLookLikeMarkup",  QStringLiteral("<b>Ugo</b>"), " 7\r\n", "<i>Eva</i>\r\n"},
};
// clang-format on

class StartUp : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUp, AsksTheNameGreetsItAndShowsRecordScoreAndCountdown)
{
    const StartCase &c = GetParam();
    Game game;
    if (c.score)
        game.writeRecord(c.score, c.holder);
    game.start(c.typed);
    EXPECT_EQ(game.dialogs.boxes.size(), 1u);
    expectFreshMatch(game, c.typed, QString::fromUtf8(c.score) + QString::fromUtf8(c.holder));
    // A first start creates both files empty.
    EXPECT_EQ(game.storedScore() + game.storedName(), QByteArray(c.score) + QByteArray(c.holder));
    EXPECT_EQ(game.form.windowCaption, playing);
    // A question from the initialization's activation, and one from the activation on showing.
    EXPECT_EQ(game.form.paintings.size(), 2u);
}
INSTANTIATE_TEST_SUITE_P(Starts, StartUp, ::testing::ValuesIn(starts), rowName<StartCase>);

struct DealCase {
    const char *name;
    Control button;
    int low, high;
};
// clang-format off
const DealCase deals[] = {
    {"disparicmd",  C::disparicmd,  3, 201},
    {"disparicmd1", C::disparicmd1, 3, 201},
    {"disparicmd2", C::disparicmd2, 3, 201},
    {"paricmd",     C::paricmd,     2, 200},
    {"paricmd1",    C::paricmd1,    2, 1000},
    {"paricmd2",    C::paricmd2,    2, 600},
};
// clang-format on

TEST(Activation, DealsEveryTargetANumberOfItsKindAndRangeAndZeroesTheScore)
{
    for (float draw : {lowest, highest}) {
        Game game;
        game.start();
        game.vars().score = 5;
        game.random.script = QList<float>(6, draw);
        game.random.reseeds.clear();
        game.tavola.formActivate();
        for (const DealCase &deal : deals)
            EXPECT_EQ(game.caption(deal.button).toInt(), draw == lowest ? deal.low : deal.high)
                << deal.name;
        // Five fresh locals, then the number just dealt to paricmd1; then the question's clock.
        const std::int16_t paricmd1 = draw == lowest ? 2 : 1000;
        EXPECT_EQ(game.random.reseeds,
                  (std::vector<std::optional<std::int16_t>>{0, 0, 0, 0, 0, paricmd1, {}}));
        EXPECT_EQ(game.vars().score, 0);
        EXPECT_EQ(game.caption(C::Punteggio), QStringLiteral("0"));
    }
}

// ---- The question and its bands ------------------------------------------------------------

TEST(Question, FirstFactorOneToNineSecondZeroToNineAndBandsOfThoseFactors)
{
    struct QuestionCase {
        const char *name;
        QList<float> draws;
        int first, second;
    };
    const QuestionCase questions[] = {
        {"FirstFactorZeroIsDrawnAgain", {lowest, lowest, drawFor(4, 10), drawFor(6, 10)}, 4, 6},
        {"Lowest", {drawFor(1, 10), lowest}, 1, 0},
        {"Highest", {highest, highest}, 9, 9},
    };
    Game game;
    game.start();
    for (const QuestionCase &q : questions) {
        SCOPED_TRACE(q.name);
        game.form.setCaption(C::lblMessage, QStringLiteral("?"));
        game.form.setBackColour(C::paricmd2, green);
        game.random.script = q.draws;
        game.tavola.cmdNextClick();
        EXPECT_EQ(game.vars().num1, q.first);
        EXPECT_EQ(game.vars().num2, q.second);
        EXPECT_EQ(game.caption(C::lblNum1), QString::number(q.first));
        EXPECT_EQ(game.caption(C::lblNum2), QString::number(q.second));
        EXPECT_EQ(game.form.paintings.back(), std::pair(q.first, q.second));
        EXPECT_EQ(game.caption(C::lblMessage), QString());
        EXPECT_EQ(game.form.backColour(C::paricmd2), cyan);
    }
}

// ---- Start of play: the click on the bare window, and the motion's six rows ----------------

TEST(WindowClick, AsksItsOwnQuestionPlaysTheLaserAndStartsTheMotionAtOnce)
{
    Game game;
    game.start();
    const auto question = std::pair(game.vars().num1, game.vars().num2);
    game.form.setCaption(C::lblMessage, QStringLiteral("?"));
    game.form.at(C::paricmd2).colours.clear();
    // The question 4 x 6, then row 2 of the motion, which shows paricmd.
    game.random.script = {drawFor(4, 10), drawFor(6, 10), drawFor(1, 6)};
    game.tavola.windowClicked();
    EXPECT_EQ(game.caption(C::lblNum1), QStringLiteral("4"));
    EXPECT_EQ(game.caption(C::lblNum2), QStringLiteral("6"));
    EXPECT_EQ(game.form.paintings.back(), std::pair(4, 6));
    EXPECT_EQ(game.caption(C::lblMessage), QString());
    EXPECT_EQ(std::pair(game.vars().num1, game.vars().num2), question);
    EXPECT_TRUE(game.form.at(C::paricmd2).colours.empty()) << "only cmdNext gives it cyan";
    EXPECT_EQ(game.sounds.played, QStringList{QStringLiteral("/opt/gioco/suoni/laser.wav")});
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));
    EXPECT_TRUE(game.form.isVisible(C::paricmd));
}

enum class Side { Left, Top };
struct Move {
    Control button;
    Side side;
    int range; // lands at offset + floor(r x range)
    int offset = 0;
};
struct MotionCase {
    const char *name;
    int row;
    std::vector<Move> moves;
    std::vector<Control> shown, hidden; // at the end of the tick; the others keep theirs
    std::optional<Control> renumbered;  // given a new odd number, reseeded from and kept in:
    std::int16_t V::*kept;
};

constexpr Side L = Side::Left, T = Side::Top;
// clang-format off
const MotionCase motionRows[] = {
    {"Row1", 1,
     {{C::disparicmd, L, 450}, {C::disparicmd, T, 1100}, {C::paricmd1, L, 300}, {C::paricmd, T, 600}},
     {C::paricmd, C::paricmd2},
     {C::paricmd1, C::disparicmd1, C::disparicmd2}, std::nullopt, nullptr},
    {"Row2", 2,
     {{C::paricmd, L, 800}, {C::paricmd, T, 800}, {C::paricmd1, L, 300}, {C::paricmd1, T, 300}},
     {C::paricmd, C::paricmd1, C::disparicmd1, C::disparicmd2},
     {}, C::disparicmd1, &V::shownNum3},
    {"Row3", 3,
     {{C::paricmd2, T, 150}, {C::paricmd1, T, 300}, {C::disparicmd1, T, 300},
      {C::disparicmd2, T, 150}, {C::disparicmd2, L, 50}},
     {C::disparicmd1, C::disparicmd2},
     {C::paricmd, C::paricmd1, C::disparicmd}, C::disparicmd, &V::shownNum2},
    {"Row4", 4,
     {{C::disparicmd, L, 300, 1}, {C::disparicmd, T, 1000, 1}, {C::paricmd1, T, 500},
      {C::paricmd1, L, 300}},
     {C::paricmd1, C::paricmd2, C::disparicmd, C::disparicmd1},
     {C::disparicmd2}, std::nullopt, nullptr},
    {"Row5", 5,
     {{C::paricmd2, T, 200}, {C::paricmd1, T, 300}, {C::disparicmd1, T, 900},
      {C::disparicmd2, T, 500}, {C::disparicmd, T, 300}},
     {C::disparicmd1},
     {C::paricmd, C::paricmd1, C::disparicmd, C::disparicmd2}, std::nullopt, nullptr},
    {"Row6", 6,
     {{C::paricmd, T, 200}, {C::paricmd2, T, 30}, {C::disparicmd, T, 900},
      {C::disparicmd1, T, 70}, {C::disparicmd2, T, 250}, {C::disparicmd1, L, 300}},
     {C::disparicmd2},
     {C::paricmd1, C::disparicmd1}, C::disparicmd2, &V::shownNum4},
};
// clang-format on

class Motion : public ::testing::TestWithParam<MotionCase> {};

TEST_P(Motion, MovesShowsHidesAndRenumbersWhatItsRowNamesAndNothingElse)
{
    const MotionCase &m = GetParam();
    const auto contains = [](const std::vector<Control> &set, Control c) {
        return std::find(set.begin(), set.end(), c) != set.end();
    };
    Game game;
    game.start();
    // All hidden with the lowest draws, then all shown with the highest.
    for (const auto &[before, draw] : {std::pair(false, lowest), std::pair(true, highest)}) {
        SCOPED_TRACE(before ? "shown before, highest draws" : "hidden before, lowest draws");
        for (Control c : targets) {
            game.form.at(c) = {QStringLiteral("?"), before, -1, -1, {}};
        }
        game.vars().shownNum2 = 42, game.vars().shownNum3 = 43, game.vars().shownNum4 = 44;
        const FormVariables old = game.vars();
        game.random.script = QList<float>{drawFor(m.row - 1, 6)} +
                             QList<float>(static_cast<qsizetype>(m.moves.size()) + 1, draw);
        game.random.reseeds.clear();
        game.tavola.timerTicked(Timer::Timer2);

        for (Control c : targets) {
            const int i = static_cast<int>(c);
            float left = -1, top = -1;
            for (const Move &move : m.moves)
                if (move.button == c)
                    (move.side == L ? left : top) =
                        static_cast<float>(move.offset + (draw == lowest ? 0 : move.range - 1));
            EXPECT_EQ(game.form.at(c).left, left) << i;
            EXPECT_EQ(game.form.at(c).top, top) << i;
            EXPECT_EQ(game.form.isVisible(c),
                      contains(m.shown, c) || (before && !contains(m.hidden, c)))
                << i;
            const int number = draw == lowest ? 3 : 1801;
            EXPECT_EQ(game.caption(c),
                      c == m.renumbered ? QString::number(number) : QStringLiteral("?"))
                << i;
        }
        for (auto kept : {&V::shownNum2, &V::shownNum3, &V::shownNum4})
            EXPECT_EQ(game.vars().*kept,
                      kept == m.kept ? game.caption(*m.renumbered).toInt() : old.*kept);
        // The row drawn from the clock; a new number from the value its variable held.
        std::vector<std::optional<std::int16_t>> reseeds{std::nullopt};
        if (m.kept)
            reseeds.emplace_back(old.*m.kept);
        EXPECT_EQ(game.random.reseeds, reseeds);
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, Motion, ::testing::ValuesIn(motionRows), rowName<MotionCase>);

// ---- The six targets -------------------------------------------------------------------------

struct TargetCase {
    const char *name;
    Control button;
    Colour flash;
    int flashSets;
    const char *sound; // in the suoni folder
    int points;
    QString warning;               // in front of the number hit; empty: none
    int low, high;                 // of the new number
    std::int16_t V::*reseededFrom; // none: a fresh local, 0
    std::int16_t V::*keptIn;       // none: that local
};

const QString warn = QStringLiteral("Attenzione!  ");
const QString warn1 = QStringLiteral("Attenzione! Hai sbagliato:  ");
// clang-format off
const TargetCase targetRows[] = {
    {"paricmd",     C::paricmd,     green, 20000, "sparo.wav",   1,  {},    2, 200, nullptr,       nullptr},
    {"paricmd1",    C::paricmd1,    green, 20000, "sparo.wav",   1,  {},    2, 200, nullptr,       nullptr},
    {"paricmd2",    C::paricmd2,    green, 20000, "sparo.wav",   1,  {},    2, 600, nullptr,       &V::shownNum1},
    {"disparicmd",  C::disparicmd,  red,   10000, "esplosi.wav", -4, warn,  3, 201, nullptr,       nullptr},
    {"disparicmd1", C::disparicmd1, red,   10000, "esplosi.wav", -4, warn1, 3, 201, nullptr,       nullptr},
    {"disparicmd2", C::disparicmd2, red,   10000, "esplosi.wav", -4, warn,  3, 201, &V::shownNum4, &V::shownNum4},
};
// clang-format on

class Hit : public ::testing::TestWithParam<TargetCase> {
protected:
    void SetUp() override
    {
        game.start();
        game.form.setCaption(row.button, QStringLiteral("63"));
        game.form.setVisible(row.button, true);
        game.vars().shownNum1 = 55;
        game.vars().shownNum4 = 77;
        for (Control c : targets)
            game.form.at(c).colours.clear();
        // What a player could see while the warning is open; a tick also runs meanwhile.
        game.dialogs.whileOpen.emplace_back(QStringLiteral("Attenzione"), [this] {
            colourWhileOpen = game.form.backColour(row.button);
            scoreWhileOpen = {game.vars().score, game.caption(C::Punteggio)};
            tick(game);
        });
    }
    void hit(float draw = 0.5f)
    {
        game.random.script = {draw};
        game.random.reseeds.clear();
        game.form.log.clear();
        game.tavola.controlClicked(row.button);
    }

    const TargetCase &row = GetParam();
    const bool odd = !row.warning.isEmpty();
    Game game;
    Colour colourWhileOpen = 0;
    std::pair<int, QString> scoreWhileOpen;
};

TEST_P(Hit, FlashesItsColourTheCountedTimesAndEndsCyan)
{
    hit();
    const std::vector<ColourRun> &runs = game.form.at(row.button).colours;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs.front(), (ColourRun{row.flash, row.flashSets}));
    EXPECT_EQ(runs.back().colour, cyan);
    EXPECT_EQ(game.vars().flashStep, row.flashSets + 1);
    if (odd) {
        EXPECT_EQ(colourWhileOpen, red) << "while its warning is open";
    }
}

TEST_P(Hit, PlaysItsSoundScoresAndWarnsWithTheNumberHit)
{
    hit();
    EXPECT_EQ(game.sounds.played, QStringList{QStringLiteral("/opt/gioco/suoni/") + row.sound});
    EXPECT_EQ(game.vars().score, row.points);
    std::vector<Box> boxes{greeting(QStringLiteral("Anna"))};
    if (odd) {
        boxes.push_back({row.warning + QStringLiteral("63 è  un numero dispari"), okOnly, {}});
        EXPECT_EQ(scoreWhileOpen, (std::pair(0, QStringLiteral("0"))));
        EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:14:59"));
    }
    EXPECT_EQ(game.dialogs.boxes, boxes);
}

TEST_P(Hit, HidesTheTargetWithANewNumberOfItsKindThenAsksOneNewQuestion)
{
    for (const auto &[draw, number] : {std::pair(lowest, row.low), std::pair(highest, row.high)}) {
        game.form.setBackColour(C::paricmd2, green);
        game.form.setCaption(C::lblMessage, QStringLiteral("?"));
        const auto paintings = game.form.paintings.size();
        hit(draw);
        EXPECT_FALSE(game.form.isVisible(row.button));
        EXPECT_EQ(game.caption(row.button), QString::number(number));
        EXPECT_EQ(game.random.reseeds.front(), row.reseededFrom ? 77 : 0);
        for (auto kept : {&V::shownNum1, &V::shownNum4})
            EXPECT_EQ(game.vars().*kept, kept == row.keptIn      ? number
                                         : kept == &V::shownNum1 ? 55
                                                                 : 77);
        game.vars().shownNum4 = 77;
        // cmdNext, once, after the button has its new number.
        EXPECT_EQ(game.form.paintings.size(), paintings + 1);
        EXPECT_LT(game.form.log.lastIndexOf(
                      QStringLiteral("caption %1").arg(static_cast<int>(row.button))),
                  game.form.log.indexOf(QStringLiteral("paint")));
        EXPECT_EQ(game.form.backColour(C::paricmd2), cyan);
        EXPECT_EQ(game.caption(C::lblMessage), QString());
    }
}
INSTANTIATE_TEST_SUITE_P(Targets, Hit, ::testing::ValuesIn(targetRows), rowName<TargetCase>);

TEST(Score, EvenHitsWriteABlankBeforeTheScoreOddHitsNoneAndTheScoreStopsAtItsBounds)
{
    struct ScoreCase {
        const char *name;
        std::int16_t before;
        Control hit;
        std::int16_t after;
        const char *shown;
    };
    // clang-format off
    const ScoreCase cases[] = {
        {"EvenFromZero",    0,      C::paricmd,     1,      " 1"},
        {"OddFromZero",     0,      C::disparicmd,  -4,     "-4"},
        {"EvenBelowZero",   -4,     C::paricmd1,    -3,     " -3"},
        {"ThirdOddFromTwo", -6,     C::disparicmd1, -10,    "-10"},
        {"EvenAtTheTop",    32767,  C::paricmd2,    32767,  " 32767"},
        {"OddAtTheBottom",  -32765, C::disparicmd2, -32768, "-32768"},
    };
    // clang-format on
    Game game;
    game.start();
    for (const ScoreCase &c : cases) {
        game.vars().score = c.before;
        game.tavola.controlClicked(c.hit);
        EXPECT_EQ(game.vars().score, c.after) << c.name;
        EXPECT_EQ(game.caption(C::Punteggio), QLatin1String(c.shown)) << c.name;
    }
}

// ---- The match clock ---------------------------------------------------------------------------

TEST(Clock, CountsFifteenMinutesDownAndThe901stTickSaysGoodbye)
{
    struct ClockCase {
        const char *name;
        int ticks; // since the start
        const char *display;
        int secondsLeft;
    };
    // clang-format off
    const ClockCase cases[] = {
        {"FirstTick",    1,   "00:14:59", 899},
        {"OneDigit",     53,  "00:14:07", 847},
        {"SixtiethTick", 60,  "00:14:00", 840},
        {"MinuteBorrow", 61,  "00:13:59", 839},
        {"LastTick",     900, "00:00:00", 0},
    };
    // clang-format on
    Game game;
    game.start();
    int ticked = 0;
    for (const ClockCase &c : cases) {
        tick(game, c.ticks - ticked);
        ticked = c.ticks;
        EXPECT_EQ(game.caption(C::lblconto), QLatin1String(c.display)) << c.name;
        EXPECT_EQ(game.vars().secondsLeft, c.secondsLeft) << c.name;
    }
    EXPECT_EQ(game.dialogs.boxes.size(), 1u);
    tick(game);
    EXPECT_EQ(game.dialogs.boxes.at(1), (Box{QStringLiteral("Ciao a presto. Ore 0"), okOnly,
                                             QStringLiteral("Data 06/12/26")}));
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}

TEST(Clock, CaptionShowsTheTimeLeftWhileMinimizedAndTheTitleOtherwise)
{
    Game game;
    game.start();
    tick(game, 40);
    game.form.minimized = true;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:20"));
    tick(game);
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:19")) << "kept current";
    game.form.minimized = false;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, playing);
}

// ---- Leaving, the record and the error report ---------------------------------------------------

struct RecordCase {
    const char *name;
    const char *stored; // none: the files were created empty at the start
    const char *score;  // Punteggio when leaving
    bool beaten;
};

// clang-format off
const RecordCase records[] = {
    {"FirstRunOnTheMachine", nullptr,  "-4",  true},
    {"OddHitAbove",          "12\r\n",  "13",  true},
    {"EvenHitAbove",         "12\r\n",  " 30", true},
    {"EvenHitBelow",         " 12\r\n", " 9",  false},
    {"Equal",                "12\r\n",  "12",  false},
    {"Negative",             "12\r\n",  "-4",  false},
    {"ZeroAboveNegative",    "-4\r\n",  "0",   true},
    {"UnreadableRecord",     "garbage", " 3",  true},
    {"BlankRecord",          "  \r\n",  "-8",  true},
};
// clang-format on

class Record : public ::testing::TestWithParam<RecordCase> {};

TEST_P(Record, SaysGoodbyeAndOnlyABetterScoreIsStoredAndCongratulated)
{
    const RecordCase &c = GetParam();
    Game game;
    if (c.stored)
        game.writeRecord(c.stored, "Marco\r\n");
    const QString name = c.stored ? QStringLiteral("Anna") : QString();
    game.start(name);
    tick(game, 55);
    game.form.setCaption(C::Punteggio, QString::fromUtf8(c.score));
    game.tavola.controlClicked(C::cmdExit);
    std::vector<Box> boxes{
        greeting(name),
        {QStringLiteral("Ciao a presto. Ore 845"), okOnly, QStringLiteral("Data 06/12/26")}};
    if (c.beaten)
        boxes.push_back(
            {QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\""), okOnly, {}});
    EXPECT_EQ(game.dialogs.boxes, boxes);
    EXPECT_EQ(game.storedScore(), c.beaten ? c.score + QByteArray("\r\n") : QByteArray(c.stored));
    EXPECT_EQ(game.storedName(), c.beaten ? name.toUtf8() + "\r\n" : "Marco\r\n");
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}
INSTANTIATE_TEST_SUITE_P(Records, Record, ::testing::ValuesIn(records), rowName<RecordCase>);

TEST(ErrorReport, SaysWhatFailedOnWhichFileAndThatTheGameCloses)
{
    struct ReportCase {
        FileError::Action action;
        const char *text;
    };
    // clang-format off
    const ReportCase cases[] = {
        {FileError::Action::Create, "Impossibile creare la cartella dei record «/r»: No.\n\nIl gioco verrà chiuso."},
        {FileError::Action::Open,   "Impossibile aprire il file dei record «/r»: No.\n\nIl gioco verrà chiuso."},
        {FileError::Action::Read,   "Impossibile leggere il file dei record «/r»: No.\n\nIl gioco verrà chiuso."},
        {FileError::Action::Write,  "Impossibile scrivere il file dei record «/r»: No.\n\nIl gioco verrà chiuso."},
    };
    // clang-format on
    for (const ReportCase &c : cases)
        EXPECT_EQ(errorReportText({c.action, QStringLiteral("/r"), QStringLiteral("No")}),
                  QString::fromUtf8(c.text));
}

// ---- Leaving from inside another box, a new game, closing ---------------------------------------

TEST(Leaving, TheTimeRunningOutInsideAnotherBoxLeavesOnceAndNothingRunsAfter)
{
    for (bool duringWarning : {true, false}) { // or during the new-game question, answered Yes
        SCOPED_TRACE(duringWarning ? "warning" : "new-game question");
        Game game;
        game.start();
        tick(game, 900);
        game.dialogs.answers = {MsgBoxAnswer::Ok, MsgBoxAnswer::Ok, MsgBoxAnswer::Yes};
        qsizetype logged = -1;
        // Ticks go on while the goodbye box is open too. The congratulation comes last.
        game.dialogs.whileOpen = {
            {duringWarning ? QStringLiteral("Attenzione") : QStringLiteral("INIZIAMO"),
             [&] { tick(game); }},
            {QStringLiteral("Ciao"), [&] { tick(game); }},
            {QStringLiteral("Ok ho"), [&] { logged = game.form.log.size(); }}};
        duringWarning ? game.tavola.controlClicked(C::disparicmd)
                      : game.tavola.menuChosen(MenuItem::Next);
        game.tavola.timerTicked(Timer::Timer2);
        game.tavola.windowClicked();
        EXPECT_EQ(game.system.endings, std::vector<int>{0});
        EXPECT_EQ(game.storedScore(), QByteArray("0\r\n")); // the score before the hit
        EXPECT_EQ(game.form.log.size(), logged);            // no caption, number or question
        EXPECT_EQ(game.dialogs.boxes.size(), 4u); // greeting, the box left open, goodbye, record
        EXPECT_EQ(game.dialogs.prompts.size(), 1);
    }
}

TEST(NewGame, NoKeepsTheMatchYesStartsAfreshKeepingOnlyTheMotionsNumbers)
{
    Game game;
    game.start();
    tick(game, 40);
    game.tavola.windowClicked();
    game.tavola.controlClicked(C::paricmd);
    for (auto kept : {&V::shownNum2, &V::shownNum3, &V::shownNum4})
        game.vars().*kept = 77;
    const Box question{QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"),
                       {Style::Buttons::YesNo, Style::Icon::Question, Style::Default::Second},
                       QStringLiteral("INIZIARE NUOVA GARA")};

    const auto logged = game.form.log.size();
    game.dialogs.answers = {MsgBoxAnswer::No};
    game.tavola.menuChosen(MenuItem::Next);
    EXPECT_EQ(game.dialogs.boxes.back(), question);
    EXPECT_EQ(game.form.log.size(), logged);
    EXPECT_EQ(game.vars().score, 1);
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));

    game.writeRecord("5\r\n", "Ugo\r\n"); // by another game meanwhile
    game.dialogs.answers = {MsgBoxAnswer::Yes};
    game.dialogs.names << QStringLiteral("Bruno");
    game.tavola.menuChosen(MenuItem::Next);
    EXPECT_EQ(game.dialogs.prompts.size(), 2);
    expectFreshMatch(game, QStringLiteral("Bruno"), QStringLiteral("5\r\nUgo\r\n"));
    for (Control c : targets)
        EXPECT_FALSE(game.form.isVisible(c));
    for (auto kept : {&V::shownNum2, &V::shownNum3, &V::shownNum4})
        EXPECT_EQ(game.vars().*kept, 77);

    game.tavola.closed();
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(game.storedScore(), QByteArray("5\r\n")); // neither the abandoned match nor closing
}

} // namespace
} // namespace zarvento::testing
