// Start-up: the name box, the greeting, the record line, the countdown and the first deal.
#include "game.h"
#include "table/bands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <set>

namespace zarvento::testing {
namespace {

TEST(StartUp, FirstStartCreatesEmptyRecordFilesAndShowsEmptyRecord)
{
    Game game;
    game.start();
    ASSERT_FALSE(game.tavola.ended());
    EXPECT_EQ(game.storedScore(), QByteArray());
    EXPECT_EQ(game.storedName(), QByteArray());
    EXPECT_EQ(game.caption(Control::lblpunti), QString());
    EXPECT_EQ(game.caption(Control::lblnome), QString());
}

TEST(StartUp, StoredRecordIsShownWithItsLineEndAndLoadingLeavesTheFilesAlone)
{
    Game game;
    game.writeRecord("12\r\n", "Marco\r\n");
    game.start();
    EXPECT_EQ(game.caption(Control::lblpunti), QStringLiteral("12\r\n"));
    EXPECT_EQ(game.caption(Control::lblnome), QStringLiteral("Marco\r\n"));
    EXPECT_EQ(game.storedScore(), QByteArray("12\r\n"));
    EXPECT_EQ(game.storedName(), QByteArray("Marco\r\n"));
}

TEST(StartUp, GreetingAndChallengerKeepTheNameExactlyAsTyped)
{
    const struct {
        QString name;
        QString greeting;
    } cases[] = {
        {QStringLiteral("Anna"), QStringLiteral(" Anna vediamo se sei un vero campione  ")},
        {QString(), QStringLiteral("  vediamo se sei un vero campione  ")},
        {QStringLiteral("  Lia "), QStringLiteral("   Lia  vediamo se sei un vero campione  ")},
        {QStringLiteral("<b>x</b>"),
         QStringLiteral(" <b>x</b> vediamo se sei un vero campione  ")},
    };
    for (const auto &c : cases) {
        Game game;
        game.start(c.name);
        ASSERT_EQ(game.dialogs.prompts, QStringList{QStringLiteral("Come ti chiami?")});
        ASSERT_FALSE(game.dialogs.boxes.empty());
        EXPECT_EQ(game.dialogs.boxes.front().text, c.greeting);
        EXPECT_EQ(game.dialogs.boxes.front().style, MsgBox::OkOnly);
        EXPECT_EQ(game.dialogs.boxes.front().title, QString());
        EXPECT_EQ(game.caption(Control::lblnome1), c.name);
    }
}

TEST(StartUp, WindowIsReadyToPlayAtFirstSight)
{
    Game game;
    game.start();
    EXPECT_EQ(game.caption(Control::lblconto), QStringLiteral("00:15:00"));
    EXPECT_EQ(game.vars().secondsLeft, 900);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral("0"));
    EXPECT_EQ(game.vars().score, 0);
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer1));
    EXPECT_FALSE(game.form.isTimerEnabled(Timer::Timer2));
    EXPECT_TRUE(game.form.shown);
    EXPECT_EQ(game.form.windowCaption, QStringLiteral("Giocare con i numeri pari e dispari"));
    for (const TargetRow &row : targetRows)
        EXPECT_FALSE(game.form.isVisible(row.button));
}

TEST(StartUp, LoadsOnFirstTouchInsideTheFirstActivationAndAsksQuestionTwice)
{
    Game game;
    game.start();
    const QStringList &log = game.form.log;
    ASSERT_GE(log.size(), 3);
    EXPECT_EQ(log.front(), QStringLiteral("load"));
    EXPECT_EQ(game.form.loads, 1);
    // The two activations each end in one question and its bands; the second comes after show.
    EXPECT_EQ(game.form.paintings.size(), 2u);
    const auto firstPaint = log.indexOf(QStringLiteral("paint"));
    const auto show = log.indexOf(QStringLiteral("show"));
    EXPECT_LT(firstPaint, show);
    EXPECT_GT(log.lastIndexOf(QStringLiteral("paint")), show);
}

TEST(StartUp, ActivationReseedsFromZeroFiveTimesThenFromTheNumberOfParicmd1)
{
    Game game;
    game.start();
    game.random.reseeds.clear();
    game.tavola.formActivate();
    const auto &reseeds = game.random.reseeds;
    ASSERT_EQ(reseeds.size(), 7u); // six deals, then the question's reseed from the clock
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(reseeds[i], std::optional<std::int16_t>(0)) << i;
    EXPECT_EQ(reseeds[5], std::optional<std::int16_t>(game.caption(Control::paricmd1).toShort()));
    EXPECT_EQ(reseeds[6], std::nullopt);
}

TEST(StartUp, DealsNumbersOfTheRightKindAndRangeThatVaryFromStartToStart)
{
    const struct {
        Control button;
        int low, high, parity;
    } deals[] = {
        {Control::disparicmd, 3, 201, 1}, {Control::disparicmd1, 3, 201, 1},
        {Control::disparicmd2, 3, 201, 1}, {Control::paricmd, 2, 200, 0},
        {Control::paricmd1, 2, 1000, 0},  {Control::paricmd2, 2, 600, 0},
    };
    std::map<Control, std::set<int>> seen;
    Game game;
    game.start();
    for (int run = 0; run < 300; ++run) {
        game.tavola.formActivate(); // every activation deals afresh
        for (const auto &d : deals) {
            bool ok = false;
            const int n = game.caption(d.button).toInt(&ok);
            ASSERT_TRUE(ok);
            ASSERT_GE(n, d.low);
            ASSERT_LE(n, d.high);
            ASSERT_EQ(n % 2, d.parity);
            seen[d.button].insert(n);
        }
    }
    for (const auto &d : deals)
        EXPECT_GT(seen[d.button].size(), 50u) << static_cast<int>(d.button);
}

TEST(StartUp, RecordsFolderThatCannotBeCreatedReportsTheErrorAndEnds)
{
    Game game;
    // A regular file stands where the records folder should be.
    const QString folder = game.recordsFolder().chopped(1);
    QDir().mkpath(QFileInfo(folder).path());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    game.start();
    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.tavola.exitStatus(), 1);
    EXPECT_EQ(game.system.endings, std::vector<int>{1});
    const auto &report = game.dialogs.boxes.back();
    EXPECT_EQ(report.style, MsgBox::Critical);
    EXPECT_EQ(report.title, QStringLiteral("Zarvento"));
    EXPECT_TRUE(report.text.contains(folder)) << report.text.toStdString();
    EXPECT_TRUE(report.text.startsWith(QStringLiteral("Impossibile creare")));
    // Nothing after the report: no caption of the activation, no question, no window.
    EXPECT_TRUE(game.form.paintings.empty());
    EXPECT_FALSE(game.form.shown);
    EXPECT_EQ(game.caption(Control::Punteggio), QStringLiteral("0"));
}

TEST(Bands, ColoursRunFromTheQuestionsRedAndGreenToFullBlue)
{
    EXPECT_EQ(bandColour(0, 9, 9), 0xB4B4u);
    EXPECT_EQ(bandColour(255, 9, 9), 0xFFB4B4u);
    EXPECT_EQ(bandColour(0, 1, 0), 0x14u);
    EXPECT_EQ(bandColour(255, 1, 0), 0xFF0014u);
}

TEST(Question, EveryQuestionHasAFirstFactorFrom1To9AndASecondFrom0To9)
{
    Game game;
    game.start();
    // A draw that would give 0 for the first factor is drawn again.
    game.random.script = {drawFor(0, 10), drawFor(0, 10), drawFor(7, 10), drawFor(0, 10)};
    game.tavola.cmdNextClick();
    EXPECT_EQ(game.vars().num1, 7);
    EXPECT_EQ(game.vars().num2, 0);
    EXPECT_EQ(game.caption(Control::lblNum1), QStringLiteral("7"));
    EXPECT_EQ(game.caption(Control::lblNum2), QStringLiteral("0"));
    EXPECT_EQ(game.form.paintings.back(), std::make_pair(7, 0));
    EXPECT_EQ(game.caption(Control::lblMessage), QString());
    EXPECT_EQ(game.form.at(Control::paricmd2).backColour, 0xFFFF00u);
}

} // namespace
} // namespace zarvento::testing
