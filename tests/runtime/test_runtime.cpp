// The generator, the number formats, and the Qt boxes as a player meets them.
#include "keys.h"
#include "runtime/heldkeys.h"
#include "runtime/numbers.h"
#include "runtime/qtdialogs.h"
#include "runtime/random.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace zarvento;
namespace keys = zarvento::testing;

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

// Runs `inBox` on the next box as soon as it opens.
void whenTheBoxOpens(const std::function<void(QWidget *box)> &inBox, int delay = 0)
{
    QTimer::singleShot(delay, [inBox] { inBox(QApplication::activeModalWidget()); });
}

// The name box at start, before there is a window, opens mid-screen; the others over the window.
TEST(QtDialogs, BoxesShowPlainTextOverTheGameAnswerAsAskedNotToAHeldKeyAndLetTimersTick)
{
    QWidget game;
    game.setGeometry(40, 30, 608, 700);
    QtDialogs dialogs(&game);
    QStringList shown;
    QList<QWidget *> parents;
    // A while after the next box opens: notes it, holds key as if from before it opened (the
    // exit button opens the goodbye on a press), which must not answer it, types and presses key.
    const auto answer = [&](Qt::Key key, const QString &typed) {
        whenTheBoxOpens(
            [&, key, typed](QWidget *box) {
                for (const char *property : {"windowTitle", "text", "textFormat"})
                    shown << box->property(property).toString();
                parents << box->parentWidget();
                const QPoint offCentre = box->geometry().center() - game.frameGeometry().center();
                EXPECT_TRUE(!box->parentWidget() || offCentre.manhattanLength() <= 4);
                keys::sendAll(box->focusWidget(), key, keys::heldFrom(1000));
                EXPECT_EQ(QApplication::activeModalWidget(), box) << "answered by a held key";
                QTest::keyClicks(box->focusWidget(), typed);
                QTest::keyClick(box, key);
            },
            50);
    };
    QTimer timer;
    QSignalSpy ticks(&timer, &QTimer::timeout);
    timer.start(5);
    answer(Qt::Key_Escape, "Anna");
    EXPECT_EQ(dialogs.inputBox("?"), "");
    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    answer(Qt::Key_Return, {});
    const MsgBoxStyle noByDefault{MsgBoxStyle::Buttons::YesNo, MsgBoxStyle::Icon::None,
                                  MsgBoxStyle::Default::Second};
    EXPECT_EQ(dialogs.messageBox("<b>x", noByDefault, "T"), MsgBoxAnswer::No);
    answer(Qt::Key_Return, " Anna ");
    EXPECT_EQ(dialogs.inputBox("?"), " Anna ");
    EXPECT_GE(ticks.count(), 10) << "while the boxes were open";
    EXPECT_EQ(shown,
              QStringList({"Zarvento", "", "", "T", "<b>x", "PlainText", "Zarvento", "", ""}));
    EXPECT_EQ(parents, QList<QWidget *>({nullptr, &game, &game}));
}

// Notes every key event that reaches it.
class KeyRecorder : public QWidget {
public:
    QStringList heard;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            heard << QStringLiteral("%1 %2").arg(
                event->type() == QEvent::KeyPress ? "press" : "release",
                QKeySequence(static_cast<QKeyEvent *>(event)->key()).toString());
        return QWidget::event(event);
    }
};

TEST(HeldKeys, OnlyKeysPressedWhileWatchedAreHeardAndEachOnlyOnce)
{
    KeyRecorder box;
    {
        HeldKeys heldKeys(&box);
        keys::sendAll(&box, Qt::Key_X, keys::heldFrom(100)); // down before the box opened
        keys::sendKey(&box, Qt::Key_Y, {QEvent::KeyPress, 1000, false});
        keys::sendAll(&box, Qt::Key_Y, keys::heldFrom(1000));
    }
    keys::sendKey(&box, Qt::Key_X, {QEvent::KeyPress, 3000, true}); // no longer watched
    // The release of an unmarked repeat cannot be told from a real one.
    EXPECT_EQ(box.heard, QStringList({"press Y", "release Y", "release Y", "press X"}));
}

TEST(QtDialogs, AHeldLetterGoesOnTypingInTheNameBox)
{
    whenTheBoxOpens([](QWidget *box) {
        QWidget *field = box->focusWidget();
        keys::sendKey(field, Qt::Key_A, {QEvent::KeyPress, 100, false});
        keys::sendAll(field, Qt::Key_A, keys::heldFrom(100)); // two repeats Qt marked, one not
        keys::sendKey(field, Qt::Key_Return, {QEvent::KeyPress, 2000, false});
    });
    EXPECT_EQ(QtDialogs().inputBox("Come ti chiami?"), "aaaa");
}
