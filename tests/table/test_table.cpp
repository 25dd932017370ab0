// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the game on stand-ins: start-up, the question, the motion, the six targets, the
// clock, leaving and a new game.
#include "game.h"

#include <gtest/gtest.h>

namespace zarvento::testing {
namespace {

using C = Control;
using Style = MsgBoxStyle;

constexpr Colour green = 0x00FF00, red = 0x0000FF, cyan = 0xFFFF00;
constexpr float lowest = 0.0f, highest = 0.9999f; // the draws at both ends of a range
const Control targets[] = {C::paricmd,    C::paricmd1,    C::paricmd2,
                           C::disparicmd, C::disparicmd1, C::disparicmd2};
const QString playing = QStringLiteral("Giocare con i numeri pari e dispari");
const QString goodbye845 = QStringLiteral("Ciao a presto. Ore 845");
const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");

// A draw that makes floor(draw x n) come out as value.
float drawFor(int value, int n)
{
    return (static_cast<float>(value) + 0.5f) / static_cast<float>(n);
}

QString greeting(const QString &name)
{
    return QLatin1Char(' ') + name + QStringLiteral(" vediamo se sei un vero campione  ");
}

// Every box but the new-game question has only OK, no icon, and OK for Enter.
void expectOkOnlyBoxes(const Game &game)
{
    for (const ScriptedDialogs::Box &box : game.dialogs.boxes)
        EXPECT_TRUE(box.style.buttons == Style::Buttons::OkOnly &&
                    box.style.icon == Style::Icon::None &&
                    box.style.defaultButton == Style::Default::First)
            << box.text.toStdString();
}

// What every load of the window leaves: the name asked and greeted, the stored record, the score
// 0 and the countdown running from 00:15:00 with the targets still.
void expectFreshMatch(Game &game, const QString &name, const QString &record)
{
    EXPECT_EQ(game.dialogs.prompts.back(), QStringLiteral("Come ti chiami?"));
    EXPECT_EQ(game.dialogs.texts.back(), greeting(name));
    EXPECT_EQ(game.caption(C::lblnome1), name);
    EXPECT_EQ(game.caption(C::lblpunti) + game.caption(C::lblnome), record);
    EXPECT_EQ(game.caption(C::Punteggio), QStringLiteral("0"));
    EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:15:00"));
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer1));
    EXPECT_FALSE(game.form.isTimerEnabled(Timer::Timer2));
    for (Control c : targets)
        EXPECT_FALSE(game.form.isVisible(c));
}

struct StartCase {
    const char *name;
    QString typed;     // into the name box; empty is also what Cancel gives
    const char *score; // the record files before the start; none: a first start
    const char *holder;
    float draw; // for every target's first number
};
// clang-format off
const StartCase starts[] = {
    {"FirstStartCancelledName", {}, nullptr, nullptr, lowest},
    {"NameWithBlanksAndARecord", QStringLiteral("  Lia "), "12\r\n", "Marco\r\n", highest},
    {"NamesThatLookLikeMarkup", QStringLiteral("<b>Ugo</b>"), " 7\r\n", "<i>Eva</i>\r\n", lowest},
};
// clang-format on

class StartUp : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUp, AsksTheNameGreetsItAndShowsRecordScoreAndCountdown)
{
    const StartCase &c = GetParam();
    Game game;
    if (c.score)
        game.writeRecord(c.score, c.holder);
    // Each activation deals six numbers, then asks the question 1 x 1.
    const QList<float> activation = QList<float>(6, c.draw) << drawFor(1, 10) << drawFor(1, 10);
    game.random.script = activation + activation;
    game.start(c.typed);
    struct Deal {
        Control button;
        int low, high;
    };
    const Deal deals[] = {{C::disparicmd, 3, 201},  {C::disparicmd1, 3, 201},
                          {C::disparicmd2, 3, 201}, {C::paricmd, 2, 200},
                          {C::paricmd1, 2, 1000},   {C::paricmd2, 2, 600}};
    for (const Deal &deal : deals)
        EXPECT_EQ(game.caption(deal.button).toInt(), c.draw == lowest ? deal.low : deal.high);
    EXPECT_EQ(game.dialogs.texts.size(), 1);
    expectFreshMatch(game, c.typed, QString::fromUtf8(c.score) + QString::fromUtf8(c.holder));
    expectOkOnlyBoxes(game);
    // A first start creates both files empty.
    EXPECT_EQ(game.storedScore() + game.storedName(), QByteArray(c.score) + QByteArray(c.holder));
    EXPECT_EQ(game.form.windowCaption, playing);
    EXPECT_EQ(game.form.paintings.size(), 2u) << "a question from each activation";
}
INSTANTIATE_TEST_SUITE_P(Starts, StartUp, ::testing::ValuesIn(starts), rowName);

TEST(Question, FirstFactorOneToNineSecondZeroToNineAndBandsOfThoseFactors)
{
    struct QuestionCase {
        const char *name;
        QList<float> draws;
        int first, second;
    };
    // clang-format off
    const QuestionCase questions[] = {
        {"FirstFactorZeroIsDrawnAgain", {lowest, lowest, drawFor(4, 10), drawFor(6, 10)}, 4, 6},
        {"Lowest", {drawFor(1, 10), lowest}, 1, 0},
        {"Highest", {highest, highest}, 9, 9},
    };
    // clang-format on
    Game game;
    game.start();
    for (const QuestionCase &q : questions) {
        game.form.setCaption(C::lblMessage, QStringLiteral("?"));
        game.form.setBackColour(C::paricmd2, green);
        game.random.script = q.draws;
        game.tavola.cmdNextClick();
        EXPECT_EQ(game.caption(C::lblNum1) + game.caption(C::lblNum2),
                  QString::number(q.first) + QString::number(q.second))
            << q.name;
        EXPECT_EQ(game.form.paintings.back(), std::pair(q.first, q.second)) << q.name;
        EXPECT_EQ(game.caption(C::lblMessage), QString()) << q.name;
        EXPECT_EQ(game.form.at(C::paricmd2).colours.back(), cyan) << q.name;
    }
}

TEST(WindowClick, PaintsItsOwnQuestionPlaysTheLaserAndStartsTheMotionAtOnce)
{
    Game game;
    game.start();
    game.form.setCaption(C::lblMessage, QStringLiteral("?"));
    game.form.at(C::paricmd2).colours.clear();
    // The question 4 x 6, then row 2 of the motion, which shows paricmd.
    game.random.script = {drawFor(4, 10), drawFor(6, 10), drawFor(1, 6)};
    game.tavola.windowClicked();
    EXPECT_EQ(game.caption(C::lblNum1) + game.caption(C::lblNum2), QStringLiteral("46"));
    EXPECT_EQ(game.form.paintings.back(), std::pair(4, 6));
    EXPECT_EQ(game.caption(C::lblMessage), QString());
    EXPECT_TRUE(game.form.at(C::paricmd2).colours.empty()) << "only cmdNext gives it cyan";
    EXPECT_EQ(game.sounds.played, QStringList{QStringLiteral("/opt/gioco/suoni/laser.wav")});
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));
    EXPECT_TRUE(game.form.isVisible(C::paricmd));
}

// Where a tick may put a button: from..to on each side it moves; none on a side it leaves.
struct Span {
    float from = -1, to = -1;
};
const Span none;
struct Jump {
    Control button;
    Span left, top;
};
struct MotionCase {
    const char *name;
    int row;
    std::vector<Jump> jumps;
    std::vector<Control> shown, hidden; // at the end of the tick; the others keep theirs
    std::optional<Control> renumbered;  // given an odd number from 3 to 1801
};
// clang-format off
const MotionCase motionRows[] = {
    {"Row1", 1, {{C::disparicmd, {0, 449}, {0, 1099}}, {C::paricmd1, {0, 299}, none}, {C::paricmd, none, {0, 599}}}, {C::paricmd, C::paricmd2}, {C::paricmd1, C::disparicmd1, C::disparicmd2}, std::nullopt},
    {"Row2", 2, {{C::paricmd, {0, 799}, {0, 799}}, {C::paricmd1, {0, 299}, {0, 299}}}, {C::paricmd, C::paricmd1, C::disparicmd1, C::disparicmd2}, {}, C::disparicmd1},
    {"Row3", 3, {{C::paricmd2, none, {0, 149}}, {C::paricmd1, none, {0, 299}}, {C::disparicmd1, none, {0, 299}}, {C::disparicmd2, {0, 49}, {0, 149}}}, {C::disparicmd1, C::disparicmd2}, {C::paricmd, C::paricmd1, C::disparicmd}, C::disparicmd},
    {"Row4", 4, {{C::disparicmd, {1, 300}, {1, 1000}}, {C::paricmd1, {0, 299}, {0, 499}}}, {C::paricmd1, C::paricmd2, C::disparicmd, C::disparicmd1}, {C::disparicmd2}, std::nullopt},
    {"Row5", 5, {{C::paricmd2, none, {0, 199}}, {C::paricmd1, none, {0, 299}}, {C::disparicmd1, none, {0, 899}}, {C::disparicmd2, none, {0, 499}}, {C::disparicmd, none, {0, 299}}}, {C::disparicmd1}, {C::paricmd, C::paricmd1, C::disparicmd, C::disparicmd2}, std::nullopt},
    {"Row6", 6, {{C::paricmd, none, {0, 199}}, {C::paricmd2, none, {0, 29}}, {C::disparicmd, none, {0, 899}}, {C::disparicmd1, {0, 299}, {0, 69}}, {C::disparicmd2, none, {0, 249}}}, {C::disparicmd2}, {C::paricmd1, C::disparicmd1}, C::disparicmd2},
};
// clang-format on

class Motion : public ::testing::TestWithParam<MotionCase> {};

TEST_P(Motion, MovesShowsHidesAndRenumbersWhatItsRowNamesAndNothingElse)
{
    const MotionCase &m = GetParam();
    const auto has = [](const std::vector<Control> &set, Control c) {
        return std::find(set.begin(), set.end(), c) != set.end();
    };
    Game game;
    game.start();
    // All hidden with the lowest draws, then all shown with the highest.
    for (const bool before : {false, true}) {
        const float draw = before ? highest : lowest;
        for (Control c : targets)
            game.form.at(c) = {QStringLiteral("?"), before, -1, -1, {}};
        game.random.script = QList<float>{drawFor(m.row - 1, 6)} + QList<float>(8, draw);
        game.tavola.timerTicked(Timer::Timer2);
        for (Control c : targets) {
            const auto jump = std::find_if(m.jumps.begin(), m.jumps.end(),
                                           [c](const Jump &j) { return j.button == c; });
            const Span left = jump == m.jumps.end() ? none : jump->left;
            const Span top = jump == m.jumps.end() ? none : jump->top;
            SCOPED_TRACE(int(c));
            EXPECT_EQ(game.form.at(c).left, before ? left.to : left.from);
            EXPECT_EQ(game.form.at(c).top, before ? top.to : top.from);
            EXPECT_EQ(game.form.isVisible(c), has(m.shown, c) || (before && !has(m.hidden, c)));
            EXPECT_EQ(game.caption(c), c != m.renumbered ? QStringLiteral("?")
                                       : before          ? QStringLiteral("1801")
                                                         : QStringLiteral("3"));
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, Motion, ::testing::ValuesIn(motionRows), rowName);

struct TargetCase {
    const char *name;
    Control button;
    Colour flash;
    const char *sound; // in the suoni folder
    std::int16_t before;
    const char *score; // Punteggio after the hit
    QString warning;   // in front of the number hit; empty: none
    int low, high;     // of the new number
};
const QString warn = QStringLiteral("Attenzione!  ");
// clang-format off
const TargetCase targetRows[] = {
    {"paricmd", C::paricmd, green, "sparo.wav", 0, " 1", {}, 2, 200},
    {"paricmd1", C::paricmd1, green, "sparo.wav", -4, " -3", {}, 2, 200},
    {"paricmd2", C::paricmd2, green, "sparo.wav", 32767, " 32767", {}, 2, 600},
    {"disparicmd", C::disparicmd, red, "esplosi.wav", 0, "-4", warn, 3, 201},
    {"disparicmd1", C::disparicmd1, red, "esplosi.wav", -6, "-10", "Attenzione! Hai sbagliato:  ", 3, 201},
    {"disparicmd2", C::disparicmd2, red, "esplosi.wav", -32765, "-32768", warn, 3, 201},
};
// clang-format on

class Hit : public ::testing::TestWithParam<TargetCase> {};

TEST_P(Hit, FlashesScoresWarnsAndHidesTheTargetWithANewNumberThenAsksANewQuestion)
{
    const TargetCase &row = GetParam();
    Game game;
    game.start();
    // What a player could see while the warning is open; a tick also runs meanwhile.
    Colour colourWhileOpen = 0;
    QString scoreWhileOpen;
    game.dialogs.whileOpen.emplace_back(QStringLiteral("Attenzione"), [&] {
        colourWhileOpen = game.form.at(row.button).colours.back();
        scoreWhileOpen = game.caption(C::Punteggio);
        game.tick();
    });
    for (const auto &[draw, number] : {std::pair(lowest, row.low), std::pair(highest, row.high)}) {
        SCOPED_TRACE(number);
        game.form.setCaption(row.button, QStringLiteral("63"));
        game.form.setVisible(row.button, true);
        for (Control c : targets)
            game.form.at(c).colours.clear();
        game.vars().score = row.before;
        const QString score = game.caption(C::Punteggio);
        const auto paintings = game.form.paintings.size();
        game.dialogs.texts.clear();
        game.sounds.played.clear();
        game.random.script = {draw};
        game.tavola.controlClicked(row.button);

        EXPECT_EQ(game.form.at(row.button).colours, (std::vector<Colour>{row.flash, cyan}));
        EXPECT_EQ(game.sounds.played, QStringList{QStringLiteral("/opt/gioco/suoni/") + row.sound});
        EXPECT_EQ(game.caption(C::Punteggio), QLatin1String(row.score));
        if (row.warning.isEmpty()) {
            EXPECT_TRUE(game.dialogs.texts.isEmpty());
        } else {
            EXPECT_EQ(game.dialogs.texts,
                      QStringList{row.warning + QStringLiteral("63 è  un numero dispari")});
            EXPECT_EQ(colourWhileOpen, red);
            EXPECT_EQ(scoreWhileOpen, score) << "the score from before the hit";
        }
        EXPECT_FALSE(game.form.isVisible(row.button));
        EXPECT_EQ(game.caption(row.button), QString::number(number));
        EXPECT_EQ(game.form.paintings.size(), paintings + 1) << "one new question";
    }
    expectOkOnlyBoxes(game);
    if (!row.warning.isEmpty()) {
        EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:14:58")) << "ticks while open";
    }
}
INSTANTIATE_TEST_SUITE_P(Targets, Hit, ::testing::ValuesIn(targetRows), rowName);

TEST(Clock, CountsFifteenMinutesDownAndThe901stTickSaysGoodbye)
{
    struct ClockCase {
        const char *name;
        int ticks; // since the start
        const char *display;
    };
    // clang-format off
    const ClockCase cases[] = {
        {"FirstTick", 1, "00:14:59"},
        {"OneDigit", 53, "00:14:07"},
        {"SixtiethTick", 60, "00:14:00"},
        {"MinuteBorrow", 61, "00:13:59"},
        {"LastTick", 900, "00:00:00"},
    };
    // clang-format on
    Game game;
    game.start();
    int ticked = 0;
    for (const ClockCase &c : cases) {
        game.tick(c.ticks - ticked);
        ticked = c.ticks;
        EXPECT_EQ(game.caption(C::lblconto), QLatin1String(c.display)) << c.name;
    }
    EXPECT_EQ(game.dialogs.texts.size(), 1);
    game.tick();
    EXPECT_EQ(game.dialogs.texts.at(1), QStringLiteral("Ciao a presto. Ore 0"));
    EXPECT_EQ(game.dialogs.boxes.at(1).title, QStringLiteral("Data 06/12/26"));
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}

TEST(Clock, CaptionShowsTheTimeLeftWhileMinimizedAndTheTitleOtherwise)
{
    Game game;
    game.start();
    game.tick(40);
    game.form.minimized = true;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:20"));
    game.tick();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:14:19")) << "kept current";
    game.form.minimized = false;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, playing);
}

struct RecordCase {
    const char *name;
    const char *stored; // none: the files were created empty at the start
    const char *score;  // Punteggio when leaving
    bool beaten;
};
// clang-format off
const RecordCase records[] = {
    {"FirstRunOnTheMachine", nullptr, "-4", true},
    {"OddHitAbove", "12\r\n", "13", true},
    {"EvenHitAbove", "12\r\n", " 30", true},
    {"EvenHitBelow", " 12\r\n", " 9", false},
    {"Equal", "12\r\n", "12", false},
    {"Negative", "12\r\n", "-4", false},
    {"ZeroAboveNegative", "-4\r\n", "0", true},
    {"UnreadableRecord", "garbage", " 3", true},
    {"BlankRecord", "  \r\n", "-8", true},
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
    game.tick(55);
    game.form.setCaption(C::Punteggio, QString::fromUtf8(c.score));
    game.tavola.controlClicked(C::cmdExit);
    QStringList texts{greeting(name), goodbye845};
    if (c.beaten)
        texts << congratulation;
    EXPECT_EQ(game.dialogs.texts, texts);
    EXPECT_EQ(game.dialogs.boxes.at(1).title, QStringLiteral("Data 06/12/26"));
    expectOkOnlyBoxes(game);
    EXPECT_EQ(game.storedScore(), c.beaten ? c.score + QByteArray("\r\n") : QByteArray(c.stored));
    EXPECT_EQ(game.storedName(), c.beaten ? name.toUtf8() + "\r\n" : "Marco\r\n");
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}
INSTANTIATE_TEST_SUITE_P(Records, Record, ::testing::ValuesIn(records), rowName);

TEST(ErrorReport, SaysWhatFailedOnWhichFileAndThatTheGameCloses)
{
    struct ReportCase {
        FileError::Action action;
        const char *text;
    };
    // clang-format off
    const ReportCase cases[] = {
        {FileError::Action::Create, "Impossibile creare la cartella dei record «/r»: No."},
        {FileError::Action::Open, "Impossibile aprire il file dei record «/r»: No."},
        {FileError::Action::Read, "Impossibile leggere il file dei record «/r»: No."},
        {FileError::Action::Write, "Impossibile scrivere il file dei record «/r»: No."},
    };
    // clang-format on
    for (const ReportCase &c : cases)
        EXPECT_EQ(errorReportText({c.action, QStringLiteral("/r"), QStringLiteral("No")}),
                  QString::fromUtf8(c.text) + QStringLiteral("\n\nIl gioco verrà chiuso."));
}

TEST(Leaving, TheTimeRunningOutInsideAnotherBoxLeavesOnceAndNothingRunsAfter)
{
    for (bool duringWarning : {true, false}) { // or during the new-game question, answered Yes
        SCOPED_TRACE(duringWarning ? "warning" : "new-game question");
        Game game;
        game.start();
        game.tick(900);
        game.dialogs.answers = {MsgBoxAnswer::Ok, MsgBoxAnswer::Ok, MsgBoxAnswer::Yes};
        // What the window shows when the last box opens, and what it must still show at the end.
        const auto look = [&] {
            QStringList seen{QString::number(game.form.paintings.size())};
            for (const FakeForm::State &control : game.form.controls)
                seen << control.caption;
            return seen;
        };
        QStringList atTheEnd;
        game.dialogs.whileOpen = {
            {duringWarning ? QStringLiteral("Attenzione") : QStringLiteral("INIZIAMO"),
             [&] { game.tick(); }},
            {QStringLiteral("Ciao"), [&] { game.tick(); }},
            {QStringLiteral("Ok ho"), [&] { atTheEnd = look(); }}};
        duringWarning ? game.tavola.controlClicked(C::disparicmd)
                      : game.tavola.menuChosen(MenuItem::Next);
        game.tavola.timerTicked(Timer::Timer2);
        game.tavola.windowClicked();
        EXPECT_EQ(game.system.endings, std::vector<int>{0});
        EXPECT_EQ(game.storedScore(), QByteArray("0\r\n")); // the score before the hit
        EXPECT_EQ(look(), atTheEnd);
        EXPECT_EQ(game.dialogs.texts.size(), 4); // greeting, the box left open, goodbye, record
        EXPECT_EQ(game.dialogs.prompts.size(), 1);
    }
}

TEST(NewGame, NoKeepsTheMatchYesStartsAfreshAndClosingStoresNothing)
{
    Game game;
    game.start();
    game.tick(40);
    game.tavola.windowClicked();
    game.tavola.controlClicked(C::paricmd);

    game.dialogs.answers = {MsgBoxAnswer::No};
    game.tavola.menuChosen(MenuItem::Next);
    const ScriptedDialogs::Box &question = game.dialogs.boxes.back();
    EXPECT_EQ(question.text, QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"));
    EXPECT_EQ(question.title, QStringLiteral("INIZIARE NUOVA GARA"));
    EXPECT_TRUE(question.style.buttons == Style::Buttons::YesNo &&
                question.style.icon == Style::Icon::Question &&
                question.style.defaultButton == Style::Default::Second);
    EXPECT_EQ(game.caption(C::Punteggio) + game.caption(C::lblconto), " 100:14:20");
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));

    game.writeRecord("5\r\n", "Ugo\r\n"); // by another game meanwhile
    game.dialogs.answers = {MsgBoxAnswer::Yes};
    game.dialogs.names << QStringLiteral("Bruno");
    game.tavola.menuChosen(MenuItem::Next);
    EXPECT_EQ(game.dialogs.prompts.size(), 2);
    expectFreshMatch(game, QStringLiteral("Bruno"), QStringLiteral("5\r\nUgo\r\n"));

    game.tavola.closed();
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(game.storedScore(), QByteArray("5\r\n")); // neither the abandoned match nor closing
}

} // namespace
} // namespace zarvento::testing
