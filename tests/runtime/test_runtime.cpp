// The generator, the number formats, and the Qt boxes as a player meets them.
#include "runtime/numbers.h"
#include "runtime/qtdialogs.h"
#include "runtime/random.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

using namespace zarvento;

TEST(Runtime, DrawsVaryBelowOneNumbersShowPlainDigitsAndScoresStopAtTheirBounds)
{
    MixingRandom random;
    std::set<float> seen;
    for (int i = 0; i < 1000; ++i) {
        random.reseed(0); // as the handlers do before every draw
        seen.insert(random.draw());
    }
    EXPECT_TRUE(*seen.begin() >= 0 && *seen.rbegin() < 1 && seen.size() > 900);
    EXPECT_EQ(MixingRandom(7).draw(), MixingRandom(7).draw());
    EXPECT_EQ(QStringList({decimal(-3), decimal(1801), formatHash0(0), format00(7), format00(123),
                           decimal(saturatingAdd(32767, 1)), decimal(saturatingAdd(-32765, -4))}),
              QStringList({"-3", "1801", "0", "07", "123", "32767", "-32768"}));
}

TEST(QtDialogs, BoxesShowPlainTextAnswerAsAskedAndLetTimersTick)
{
    QStringList shown;
    // A while after the next box opens: notes what it shows, types into it, and presses key.
    const auto answerSoon = [&shown](Qt::Key key, const QString &typed) {
        QTimer::singleShot(50, [key, typed, &shown] {
            QWidget *box = QApplication::activeModalWidget();
            for (const char *property : {"windowTitle", "text", "textFormat"})
                shown << box->property(property).toString();
            QTest::keyClicks(box->focusWidget(), typed);
            QTest::keyClick(box, key);
        });
    };
    QTimer timer;
    QSignalSpy ticks(&timer, &QTimer::timeout);
    timer.start(5);
    answerSoon(Qt::Key_Return, {});
    const MsgBoxStyle noByDefault{MsgBoxStyle::Buttons::YesNo, MsgBoxStyle::Icon::None,
                                  MsgBoxStyle::Default::Second};
    EXPECT_EQ(QtDialogs().messageBox("<b>x", noByDefault, "T"), MsgBoxAnswer::No);
    answerSoon(Qt::Key_Return, {});
    EXPECT_EQ(QtDialogs().messageBox("<b>x", {MsgBoxStyle::Buttons::YesNo}, {}), MsgBoxAnswer::Yes);
    answerSoon(Qt::Key_Return, " Anna ");
    EXPECT_EQ(QtDialogs().inputBox("?"), " Anna ");
    answerSoon(Qt::Key_Escape, "Anna");
    EXPECT_EQ(QtDialogs().inputBox("?"), "");
    EXPECT_GE(ticks.count(), 10) << "while the boxes were open";
    EXPECT_EQ(shown, QStringList({"T", "<b>x", "PlainText", "Zarvento", "<b>x", "PlainText",
                                  "Zarvento", "", "", "Zarvento", "", ""}));
}
