// The generator, the number formats, and the Qt boxes as a player meets them.
#include "runtime/numbers.h"
#include "runtime/qtdialogs.h"
#include "runtime/random.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace zarvento {
namespace {

TEST(Random, DrawsStayInTheUnitIntervalAndSpreadEvenly)
{
    MixingRandom random(1);
    std::array<int, 10> buckets{};
    for (int i = 0; i < 100000; ++i) {
        const float r = random.draw();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[static_cast<std::size_t>(r * 10)];
    }
    for (int count : buckets)
        EXPECT_NEAR(count, 10000, 600);
}

TEST(Random, ReseedingFromTheSameNumberStillGivesVaryingDraws)
{
    MixingRandom random;
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        random.reseed(0);
        seen.insert(oneTo(random, 100));
    }
    EXPECT_GT(seen.size(), 80u);
}

TEST(Random, ClockReseedsWithinOneSecondStillVary)
{
    MixingRandom random;
    std::set<int> seen;
    for (int i = 0; i < 100; ++i) {
        random.reseedFromClock();
        seen.insert(below(random, 6));
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(Random, WholeNumbersCoverTheirRangesExactly)
{
    struct Fixed : Random {
        float value = 0;
        void reseedFromClock() override {}
        void reseed(std::int16_t) override {}
        float draw() override { return value; }
    } fixed;
    fixed.value = 0.0f;
    EXPECT_EQ(oneTo(fixed, 100), 1);
    EXPECT_EQ(below(fixed, 6), 0);
    fixed.value = 0.99999994f; // the largest float below 1
    EXPECT_EQ(oneTo(fixed, 100), 100);
    EXPECT_EQ(oneTo(fixed, 900), 900);
    EXPECT_EQ(below(fixed, 6), 5);
    EXPECT_EQ(below(fixed, 1100), 1099);
}

TEST(Numbers, FormatsAndSaturation)
{
    EXPECT_EQ(decimal(-3), QStringLiteral("-3"));
    EXPECT_EQ(decimal(1801), QStringLiteral("1801"));
    EXPECT_EQ(formatHash0(0), QStringLiteral("0"));
    EXPECT_EQ(format00(0), QStringLiteral("00"));
    EXPECT_EQ(format00(7), QStringLiteral("07"));
    EXPECT_EQ(format00(59.0f), QStringLiteral("59"));
    EXPECT_EQ(format00(123), QStringLiteral("123"));
    EXPECT_EQ(saturatingAdd(32767, 1), 32767);
    EXPECT_EQ(saturatingAdd(-32765, -4), -32768);
    EXPECT_EQ(saturatingAdd(-3, 4), 1);
}

// Runs answer on the box once it is open, then gives back what the box returned.
template <typename Show>
auto withOpenBox(Show show, std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        answer(box);
    });
    return show();
}

TEST(QtDialogs, MarkupFromANameIsShownAsTyped)
{
    QtDialogs dialogs;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QString title;
    withOpenBox([&] { return dialogs.messageBox(QStringLiteral(" <img src=x> ciao"), 0, {}); },
                [&](QWidget *w) {
                    auto *box = qobject_cast<QMessageBox *>(w);
                    ASSERT_NE(box, nullptr);
                    shown = box->text();
                    format = box->textFormat();
                    title = box->windowTitle();
                    box->accept();
                });
    EXPECT_EQ(shown, QStringLiteral(" <img src=x> ciao"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(title, QStringLiteral("Zarvento"));
}

TEST(QtDialogs, EnterOnTheNewGameQuestionAnswersNo)
{
    QtDialogs dialogs;
    const int answer = withOpenBox(
        [&] { return dialogs.messageBox(QStringLiteral("?"), 292, QStringLiteral("T")); },
        [](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(answer, MsgBox::No);

    const int yes = withOpenBox(
        [&] { return dialogs.messageBox(QStringLiteral("?"), 292, QStringLiteral("T")); },
        [](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            box->button(QMessageBox::Yes)->click();
        });
    EXPECT_EQ(yes, MsgBox::Yes);
}

TEST(QtDialogs, InputBoxGivesTheTextOrNothingOnCancel)
{
    QtDialogs dialogs;
    const QString typed = withOpenBox([&] { return dialogs.inputBox(QStringLiteral("Come ti chiami?")); },
                                      [](QWidget *box) {
                                          auto *edit = box->findChild<QLineEdit *>();
                                          QTest::keyClicks(edit, QStringLiteral(" Anna "));
                                          QTest::keyClick(box, Qt::Key_Return);
                                      });
    EXPECT_EQ(typed, QStringLiteral(" Anna "));

    const QString cancelled =
        withOpenBox([&] { return dialogs.inputBox(QStringLiteral("Come ti chiami?")); },
                    [](QWidget *box) {
                        QTest::keyClicks(box->findChild<QLineEdit *>(), QStringLiteral("Anna"));
                        QTest::keyClick(box, Qt::Key_Escape);
                    });
    EXPECT_EQ(cancelled, QString());
}

TEST(QtDialogs, TimersKeepTickingWhileABoxIsOpen)
{
    QtDialogs dialogs;
    int ticks = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    withOpenBox([&] { return dialogs.messageBox(QStringLiteral("x"), 0, {}); },
                [&](QWidget *box) {
                    QTimer::singleShot(120, box, [box] {
                        qobject_cast<QMessageBox *>(box)->accept();
                    });
                });
    EXPECT_GE(ticks, 3);
}

} // namespace
} // namespace zarvento
