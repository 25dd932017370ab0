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
const QString goodbye = QStringLiteral("Data 06/12/26|Ciao a presto. Ore ");

// A draw that makes floor(draw x n) come out as value.
float drawFor(int value, int n)
{
    return (static_cast<float>(value) + 0.5f) / static_cast<float>(n);
}

// Every box as the player reads it, "title|text" when it has a title of its own. Every box but
// the new-game question has only OK, no icon, and OK for Enter.
QStringList read(const Game &game)
{
    QStringList texts;
    for (const ScriptedDialogs::Box &box : game.dialogs.boxes) {
        texts << (box.title.isEmpty() ? box.text : box.title + u'|' + box.text);
        EXPECT_TRUE(box.style.buttons == Style::Buttons::OkOnly &&
                    box.style.icon == Style::Icon::None &&
                    box.style.defaultButton == Style::Default::First)
            << box.text.toStdString();
    }
    return texts;
}

// What every load of the window leaves: the name asked and greeted, the stored record, the score
// 0 and the countdown running from 00:15:00 with the targets still.
void expectFreshMatch(Game &game, const QString &name, const QString &record)
{
    EXPECT_EQ(game.dialogs.prompts.back(), QStringLiteral("Come ti chiami?"));
    EXPECT_EQ(game.dialogs.boxes.back().text, " " + name + " vediamo se sei un vero campione  ");
    EXPECT_EQ(game.caption(C::lblnome1), name);
    EXPECT_EQ(game.caption(C::lblpunti) + game.caption(C::lblnome), record);
    EXPECT_EQ(game.caption(C::Punteggio) + game.caption(C::lblconto), "000:15:00");
    EXPECT_TRUE(game.form.timers == (std::array<bool, 2>{true, false}));
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
    const char *firstNumbers[2][6] = {{"2", "2", "2", "3", "3", "3"},
                                      {"200", "1000", "600", "201", "201", "201"}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(game.caption(targets[i]), firstNumbers[c.draw == highest][i]);
    EXPECT_EQ(read(game).size(), 1);
    expectFreshMatch(game, c.typed, QString::fromUtf8(c.score) + QString::fromUtf8(c.holder));
    // A first start creates both files empty.
    EXPECT_EQ(game.storedScore() + game.storedName(), QByteArray(c.score) + QByteArray(c.holder));
    EXPECT_EQ(game.form.windowCaption, playing);
    EXPECT_EQ(game.form.paintings.size(), 2u) << "a question from each activation";
}
INSTANTIATE_TEST_SUITE_P(Starts, StartUp, ::testing::ValuesIn(starts), rowName);

// cmdNext asks a new question; a click on the bare window asks its own, plays the laser and
// starts the motion at once (row 2 of it here, which shows paricmd).
TEST(Question, FirstFactorOneToNineSecondZeroToNineAndBandsOfThoseFactors)
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
        for (Control c : targets)
            game.form.at(c) = {QStringLiteral("?"), before, -1, -1, {}};
        game.random.script =
            QList<float>{drawFor(m.row - 1, 6)} + QList<float>(8, before ? highest : lowest);
        game.tavola.timerTicked(Timer::Timer2);
        for (Control c : targets) {
            SCOPED_TRACE(int(c));
            Jump moved{c, none, none};
            for (const Jump &jump : m.jumps)
                moved = jump.button == c ? jump : moved;
            EXPECT_EQ(game.form.at(c).left, before ? moved.left.to : moved.left.from);
            EXPECT_EQ(game.form.at(c).top, before ? moved.top.to : moved.top.from);
            EXPECT_EQ(game.form.isVisible(c), has(m.shown, c) || (before && !has(m.hidden, c)));
            EXPECT_EQ(game.caption(c), c != m.renumbered ? "?" : before ? "1801" : "3");
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
    const char *score;      // Punteggio after the hit
    QString warning;        // in front of the number hit; empty: none
    const char *low, *high; // the new number from the lowest and the highest draw
};
const QString warn = QStringLiteral("Attenzione!  ");
// clang-format off
const TargetCase targetRows[] = {
    {"paricmd", C::paricmd, green, "sparo.wav", 0, " 1", {}, "2", "200"},
    {"paricmd1", C::paricmd1, green, "sparo.wav", -4, " -3", {}, "2", "200"},
    {"paricmd2", C::paricmd2, green, "sparo.wav", 32767, " 32767", {}, "2", "600"},
    {"disparicmd", C::disparicmd, red, "esplosi.wav", 0, "-4", warn, "3", "201"},
    {"disparicmd1", C::disparicmd1, red, "esplosi.wav", -6, "-10", "Attenzione! Hai sbagliato:  ", "3", "201"},
    {"disparicmd2", C::disparicmd2, red, "esplosi.wav", -32765, "-32768", warn, "3", "201"},
};
// clang-format on

class Hit : public ::testing::TestWithParam<TargetCase> {};

TEST_P(Hit, FlashesScoresWarnsAndHidesTheTargetWithANewNumberThenAsksANewQuestion)
{
    const TargetCase &row = GetParam();
    Game game;
    game.start();
    // What a player sees while the warning is open: the red target and the score from before the
    // hit; a tick also runs meanwhile.
    QString whileOpen;
    game.dialogs.whileOpen.emplace_back(QStringLiteral("Attenzione"), [&] {
        whileOpen = QString::number(game.form.at(row.button).colours.back(), 16) + u'|' +
                    game.caption(C::Punteggio);
        game.tick();
    });
    for (const auto &[draw, number] : {std::pair(lowest, row.low), std::pair(highest, row.high)}) {
        SCOPED_TRACE(number);
        game.form.setCaption(row.button, QStringLiteral("63"));
        game.form.setVisible(row.button, true);
        game.form.at(row.button).colours.clear();
        game.form.setCaption(C::Punteggio,
                             QString::number(game.tavola.variables().score = row.before));
        game.dialogs.boxes.clear();
        game.sounds.played.clear();
        game.random.script = {draw};
        const auto paintings = game.form.paintings.size();
        game.tavola.controlClicked(row.button);

        EXPECT_EQ(game.form.at(row.button).colours, (std::vector<Colour>{row.flash, cyan}));
        EXPECT_EQ(game.sounds.played, QStringList{QStringLiteral("/opt/gioco/suoni/") + row.sound});
        EXPECT_EQ(game.caption(C::Punteggio), QLatin1String(row.score));
        EXPECT_EQ(read(game).join(""),
                  row.warning.isEmpty() ? "" : row.warning + "63 è  un numero dispari");
        EXPECT_EQ(game.form.isVisible(row.button), false);
        EXPECT_EQ(game.caption(row.button), number);
        EXPECT_EQ(game.form.paintings.size(), paintings + 1) << "one new question";
    }
    if (!row.warning.isEmpty()) {
        EXPECT_EQ(whileOpen, "ff|" + QString::number(row.before));
        EXPECT_EQ(game.caption(C::lblconto), QStringLiteral("00:14:58")) << "ticks while open";
    }
}
INSTANTIATE_TEST_SUITE_P(Targets, Hit, ::testing::ValuesIn(targetRows), rowName);

// While the window is minimized its caption shows the time left, kept current.
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
    game.form.minimized = true;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("00:15:00"));
    int ticked = 0;
    for (const ClockCase &c : cases) {
        game.tick(c.ticks - std::exchange(ticked, c.ticks));
        EXPECT_EQ(game.caption(C::lblconto) + game.form.windowCaption,
                  QString::fromLatin1(c.display).repeated(2))
            << c.name;
    }
    game.form.minimized = false;
    game.tavola.resized();
    EXPECT_EQ(game.form.windowCaption, playing);
    EXPECT_EQ(game.dialogs.boxes.size(), 1u);
    game.tick();
    EXPECT_EQ(read(game).at(1), goodbye + "0");
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
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
    const QString congratulation = "Ok ho registrato il tuo record, C A M P I O N E\"";
    EXPECT_EQ(read(game).mid(1).join('/'),
              goodbye + "845" + (c.beaten ? '/' + congratulation : ""));
    EXPECT_EQ(game.storedScore(), c.beaten ? c.score + QByteArray("\r\n") : QByteArray(c.stored));
    EXPECT_EQ(game.storedName(), c.beaten ? name.toUtf8() + "\r\n" : "Marco\r\n");
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}
INSTANTIATE_TEST_SUITE_P(Records, Record, ::testing::ValuesIn(records), rowName);

TEST(ErrorReport, SaysWhatFailedOnWhichFileAndThatTheGameCloses)
{
    struct ReportCase {
        FileError::Action action;
        const char *failed;
    };
    const ReportCase cases[] = {{FileError::Action::Create, "creare la cartella"},
                                {FileError::Action::Open, "aprire il file"},
                                {FileError::Action::Read, "leggere il file"},
                                {FileError::Action::Write, "scrivere il file"}};
    for (const ReportCase &c : cases)
        EXPECT_EQ(errorReportText({c.action, QStringLiteral("/r"), QStringLiteral("No")}),
                  "Impossibile " + QString::fromUtf8(c.failed) +
                      QStringLiteral(" dei record «/r»: No.\n\nIl gioco verrà chiuso."));
}

// The time running out inside another box (a warning, or the new-game question answered Yes)
// leaves once, stores the score from before, and nothing runs after.
TEST(Leaving, TheTimeRunningOutInsideAnotherBoxLeavesOnceAndNothingRunsAfter)
{
    for (const bool duringWarning : {true, false}) {
        SCOPED_TRACE(duringWarning);
        Game game;
        game.start();
        game.tick(900);
        game.dialogs.answers = {MsgBoxAnswer::Ok, MsgBoxAnswer::Ok, MsgBoxAnswer::Yes};
        const auto look = [&] {
            QStringList seen{QString::number(game.form.paintings.size())};
            for (const FakeForm::State &control : game.form.controls)
                seen << control.caption;
            return seen;
        };
        QStringList atTheEnd;
        game.dialogs.whileOpen = {{duringWarning ? "Attenzione" : "INIZIAMO", [&] { game.tick(); }},
                                  {QStringLiteral("Ciao"), [&] { game.tick(); }},
                                  {QStringLiteral("Ok ho"), [&] { atTheEnd = look(); }}};
        duringWarning ? game.tavola.controlClicked(C::disparicmd)
                      : game.tavola.menuChosen(MenuItem::Next);
        game.tavola.timerTicked(Timer::Timer2);
        game.tavola.windowClicked();
        EXPECT_EQ(game.system.endings, std::vector<int>{0});
        EXPECT_EQ(game.storedScore(), QByteArray("0\r\n"));
        EXPECT_EQ(look(), atTheEnd);
        // The greeting, the box left open, goodbye and record; one name box.
        EXPECT_EQ(game.dialogs.boxes.size(), 4u);
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
    EXPECT_EQ(question.title + '|' + question.text,
              "INIZIARE NUOVA GARA|INIZIAMO UNA NUOVA GARA  ?");
    EXPECT_TRUE(question.style.buttons == Style::Buttons::YesNo &&
                question.style.icon == Style::Icon::Question &&
                question.style.defaultButton == Style::Default::Second);
    EXPECT_EQ(game.caption(C::Punteggio) + game.caption(C::lblconto), " 100:14:20");
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));

    game.writeRecord("5\r\n", "Ugo\r\n"); // by another game meanwhile
    game.dialogs.answers = {MsgBoxAnswer::Yes};
    game.dialogs.names << QStringLiteral("Bruno");
    game.tavola.menuChosen(MenuItem::Next);
    expectFreshMatch(game, QStringLiteral("Bruno"), QStringLiteral("5\r\nUgo\r\n"));
    EXPECT_EQ(game.dialogs.prompts.size(), 2);

    game.tavola.closed();
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(game.storedScore(), QByteArray("5\r\n")); // neither the abandoned match nor closing
}

} // namespace
} // namespace zarvento::testing
