// A whole match at full speed on the real rules and generator, checked at every step: every tick
// of the fifteen minutes, thousands of clicks, and the invariants of the game after each of them.
#include "game.h"
#include "table/targets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace zarvento::testing {
namespace {

// The numbers each target may carry: its first deal, its hits and the motion's renumbering.
struct Bounds {
    Control target;
    int low;
    int high;
};
constexpr Bounds targetBounds[] = {
    {Control::paricmd, 2, 200},      {Control::paricmd1, 2, 1000},
    {Control::paricmd2, 2, 600},     {Control::disparicmd, 3, 1801},
    {Control::disparicmd1, 3, 1801}, {Control::disparicmd2, 3, 1801},
};

bool isEven(Control target)
{
    return targetRow(target)->parity == Parity::Even;
}

// The number a caption shows, when it is plain decimal text and nothing else.
std::optional<int> decimalIn(const QString &caption)
{
    bool ok = false;
    const int value = caption.toInt(&ok);
    if (!ok || QString::number(value) != caption)
        return std::nullopt;
    return value;
}

std::string clockText(int secondsLeft)
{
    return QString::asprintf("%02d:%02d:%02d", secondsLeft / 3600, secondsLeft / 60 % 60,
                             secondsLeft % 60)
        .toStdString();
}

struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row> &row) const
    {
        return row.param.name;
    }
};

struct SoakCase {
    std::string name;
    std::uint64_t seed;
    std::int16_t firstScore; // set after the start, to reach the bounds of the score
    double evenShare;        // how often a click picks an even target when one is visible
    QByteArray storedScore;  // the record before the match, beside the name Marco
    bool reachesBound;       // the score must stop at a bound on the way
};

void PrintTo(const SoakCase &c, std::ostream *os)
{
    *os << c.name;
}

class Soak : public ::testing::TestWithParam<SoakCase> {
protected:
    void SetUp() override
    {
        const SoakCase &c = GetParam();
        game.random = ScriptedRandom(c.seed);
        clicks.seed(c.seed);
        game.writeRecord(c.storedScore, "Marco\r\n");
        game.start(QStringLiteral("Anna"));
        ASSERT_FALSE(game.tavola.ended());
        game.vars().score = c.firstScore;
        score = c.firstScore;
    }

    int boxesStartingWith(const QString &start) const
    {
        return static_cast<int>(std::count_if(
            game.dialogs.boxes.begin(), game.dialogs.boxes.end(),
            [&](const ScriptedDialogs::Box &box) { return box.text.startsWith(start); }));
    }

    QString soundPath(const char *file) const
    {
        return game.system.programFolder() + QStringLiteral("/suoni/") + QLatin1String(file);
    }

    // What must hold between any two steps of a running match.
    void checkInvariants(const char *step)
    {
        SCOPED_TRACE(step);
        ASSERT_FALSE(game.tavola.ended());
        for (const Bounds &b : targetBounds) {
            const QString caption = game.caption(b.target);
            const std::optional<int> number = decimalIn(caption);
            ASSERT_TRUE(number) << static_cast<int>(b.target) << ": " << caption.toStdString();
            EXPECT_EQ(*number % 2, isEven(b.target) ? 0 : 1) << *number;
            EXPECT_GE(*number, b.low) << static_cast<int>(b.target);
            EXPECT_LE(*number, b.high) << static_cast<int>(b.target);
        }
        const std::optional<int> first = decimalIn(game.caption(Control::lblNum1));
        const std::optional<int> second = decimalIn(game.caption(Control::lblNum2));
        ASSERT_TRUE(first && second);
        EXPECT_TRUE(*first >= 1 && *first <= 9) << *first;
        EXPECT_TRUE(*second >= 0 && *second <= 9) << *second;
        ASSERT_FALSE(game.form.paintings.empty());
        EXPECT_EQ(game.form.paintings.back(), std::make_pair(*first, *second));
        EXPECT_EQ(game.vars().score, score);
        EXPECT_EQ(game.vars().secondsLeft, 900 - countdownTicks);
        EXPECT_EQ(game.caption(Control::lblconto).toStdString(), clockText(900 - countdownTicks));
        EXPECT_EQ(boxesStartingWith(QStringLiteral("Ciao")), 0);
    }

    void clickTheWindow()
    {
        game.tavola.windowClicked();
        EXPECT_EQ(game.sounds.played.back(), soundPath("laser.wav"));
        EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));
        ++windowClicks;
    }

    void hit(Control target)
    {
        const bool even = isEven(target);
        const QString number = game.caption(target);
        const auto warnings = boxesStartingWith(QStringLiteral("Attenzione"));
        game.tavola.controlClicked(target);

        score = static_cast<std::int16_t>(std::clamp(score + (even ? 1 : -4), -32768, 32767));
        reachedBound = reachedBound || score == 32767 || score == -32768;
        const QString scoreText = QString::number(score);
        EXPECT_EQ(game.caption(Control::Punteggio).toStdString(),
                  (even ? QLatin1Char(' ') + scoreText : scoreText).toStdString());
        EXPECT_EQ(game.vars().flashStep, even ? 20001 : 10001);
        EXPECT_FALSE(game.form.isVisible(target));
        EXPECT_EQ(game.sounds.played.back(), soundPath(even ? "sparo.wav" : "esplosi.wav"));
        EXPECT_EQ(boxesStartingWith(QStringLiteral("Attenzione")), warnings + (even ? 0 : 1));
        if (!even) {
            EXPECT_TRUE(game.dialogs.boxes.back().text.endsWith(
                number + QStringLiteral(" è  un numero dispari")));
        }
        ++(even ? evenHits : oddHits);
    }

    // A click on a visible target of the kind drawn by the case's share, or on the bare window
    // now and then and whenever no target of that kind is visible.
    void clickSomewhere()
    {
        std::vector<Control> evens;
        std::vector<Control> odds;
        for (const Bounds &b : targetBounds)
            if (game.form.isVisible(b.target))
                (isEven(b.target) ? evens : odds).push_back(b.target);
        const bool pickEven = std::bernoulli_distribution(GetParam().evenShare)(clicks);
        const std::vector<Control> &from = pickEven ? evens : odds;
        if (from.empty() || std::uniform_int_distribution(0, 9)(clicks) == 0)
            clickTheWindow();
        else
            hit(from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(clicks)]);
    }

    Game game;
    std::mt19937_64 clicks;
    std::int16_t score = 0;
    int countdownTicks = 0;
    int evenHits = 0;
    int oddHits = 0;
    int windowClicks = 0;
    int motionTicks = 0;
    bool reachedBound = false;
};

TEST_P(Soak, AWholeMatchKeepsEveryInvariantAndLeavesOnceWithAWholePair)
{
    const SoakCase &c = GetParam();
    clickTheWindow();
    ASSERT_NO_FATAL_FAILURE(checkInvariants("first click"));
    for (int second = 0; second < 900; ++second) {
        const int clicksThisSecond = std::uniform_int_distribution(0, 8)(clicks);
        for (int i = 0; i < clicksThisSecond; ++i) {
            clickSomewhere();
            ASSERT_NO_FATAL_FAILURE(checkInvariants("click"));
        }
        game.tavola.timerTicked(Timer::Timer2);
        ++motionTicks;
        ASSERT_NO_FATAL_FAILURE(checkInvariants("motion tick"));
        // Minimized now and then: the caption then shows the same time as the countdown.
        game.form.minimized = second % 120 >= 100;
        game.tavola.timerTicked(Timer::Timer1);
        ++countdownTicks;
        ASSERT_NO_FATAL_FAILURE(checkInvariants("countdown tick"));
        if (game.form.minimized) {
            EXPECT_EQ(game.form.windowCaption.toStdString(), clockText(900 - countdownTicks));
        }
        game.tavola.resized();
        if (!game.form.minimized) {
            EXPECT_EQ(game.form.windowCaption, playingCaption);
        }
        if (::testing::Test::HasFailure())
            FAIL() << "at second " << second << " of seed " << c.seed;
    }
    EXPECT_GE(evenHits + oddHits, 1000);
    EXPECT_EQ(reachedBound, c.reachesBound) << "final score " << score;
    RecordProperty("hits", evenHits + oddHits);
    RecordProperty("windowClicks", windowClicks);

    // The 901st countdown tick finds the time up and leaves, once.
    const QString finalScore = game.caption(Control::Punteggio);
    game.tavola.timerTicked(Timer::Timer1);
    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(boxesStartingWith(QStringLiteral("Ciao a presto. Ore 0")), 1);
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    const bool record = score > c.storedScore.trimmed().toInt();
    EXPECT_EQ(boxesStartingWith(QStringLiteral("Ok ho registrato")), record ? 1 : 0);
    EXPECT_EQ(game.storedScore().toStdString(),
              record ? (finalScore.toUtf8() + "\r\n").toStdString() : c.storedScore.toStdString());
    EXPECT_EQ(game.storedName().toStdString(), record ? "Anna\r\n" : "Marco\r\n");

    // Nothing more happens once the game has ended.
    const auto boxes = game.dialogs.boxes.size();
    game.tavola.timerTicked(Timer::Timer1);
    game.tavola.timerTicked(Timer::Timer2);
    game.tavola.windowClicked();
    game.tavola.controlClicked(Control::cmdExit);
    EXPECT_EQ(game.dialogs.boxes.size(), boxes);
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
}

INSTANTIATE_TEST_SUITE_P(
    Robustness, Soak,
    ::testing::Values(SoakCase{"Mixed", 1, 0, 0.5, "12\r\n", false},
                      SoakCase{"EvenOnlyToTheTop", 0x5eed, 32700, 1.0, "12\r\n", true},
                      SoakCase{"OddOnlyToTheBottom", 424242, -32700, 0.0, "-5\r\n", true},
                      SoakCase{"MostlyEven", 20261206, 0, 0.8, " 3\r\n", false}),
    RowName());

} // namespace
} // namespace zarvento::testing
