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

namespace keys = zarvento::testing;

namespace {

// Opens a box from inside a key press, as the exit button opens the goodbye.
class OpensOnKeyPress : public QWidget {
public:
    std::function<void()> open;

protected:
    void keyPressEvent(QKeyEvent *) override { open(); }
};

// Notes every key event that reaches it.
class KeyRecorder : public QWidget {
public:
    QStringList heard;

protected:
    void keyPressEvent(QKeyEvent *event) override { note("press", event); }
    void keyReleaseEvent(QKeyEvent *event) override { note("release", event); }

private:
    void note(const char *what, const QKeyEvent *event)
    {
        heard << QStringLiteral("%1 %2").arg(what, QKeySequence(event->key()).toString());
    }
};

struct HeldIntoBoxCase {
    const char *name;
    Qt::Key key;
    MsgBoxAnswer answer; // once the key is pressed again
};

} // namespace

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

TEST(QtDialogs, ABoxIgnoresAKeyThatWasDownWhenItOpened)
{
    const HeldIntoBoxCase cases[] = {
        {"Enter", Qt::Key_Return, MsgBoxAnswer::Yes},
        {"space bar", Qt::Key_Space, MsgBoxAnswer::Yes},
        {"Escape", Qt::Key_Escape, MsgBoxAnswer::No},
    };
    OpensOnKeyPress game;
    ulong time = 1000;
    for (const HeldIntoBoxCase &held : cases) {
        MsgBoxAnswer answer = MsgBoxAnswer::None;
        bool openWhileHeld = false;
        game.open = [&] {
            QTimer::singleShot(0, [&] {
                QWidget *box = QApplication::activeModalWidget();
                keys::sendAll(box->focusWidget(), held.key, keys::heldFrom(time));
                openWhileHeld = QApplication::activeModalWidget() == box;
                keys::sendKey(box->focusWidget(), held.key, {QEvent::KeyPress, time + 900, false});
                keys::sendKey(box->focusWidget(), held.key,
                              {QEvent::KeyRelease, time + 950, false});
            });
            answer = QtDialogs().messageBox(QStringLiteral("Vuoi uscire?"),
                                            {MsgBoxStyle::Buttons::YesNo}, {});
        };
        keys::sendKey(&game, held.key, {QEvent::KeyPress, time, false});
        EXPECT_TRUE(openWhileHeld) << held.name;
        EXPECT_EQ(answer, held.answer) << held.name;
        time += 10000;
    }
}

TEST(QtDialogs, AHeldLetterGoesOnTypingButAHeldEnterDoesNotAnswer)
{
    bool openAfterHeldEnter = false;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QWidget *field = box->focusWidget();
        keys::sendKey(field, Qt::Key_A, {QEvent::KeyPress, 100, false});
        keys::sendKey(field, Qt::Key_A, {QEvent::KeyPress, 600, true});
        keys::sendKey(field, Qt::Key_A, {QEvent::KeyRelease, 633, false});
        keys::sendKey(field, Qt::Key_A, {QEvent::KeyPress, 633, false});
        keys::sendKey(field, Qt::Key_A, {QEvent::KeyRelease, 700, false});
        keys::sendAll(field, Qt::Key_Return, keys::heldFrom(1000));
        openAfterHeldEnter = QApplication::activeModalWidget() == box;
        keys::sendKey(field, Qt::Key_Return, {QEvent::KeyPress, 2000, false});
    });
    EXPECT_EQ(QtDialogs().inputBox(QStringLiteral("Come ti chiami?")), QStringLiteral("aaa"));
    EXPECT_TRUE(openAfterHeldEnter);
}

TEST(QtDialogs, BoxesOpenOverTheGameWindowWhileItIsInSightElseMidScreen)
{
    QWidget game;
    game.setGeometry(40, 30, 608, 700);
    QtDialogs dialogs(&game);
    QWidget *parent = &game;
    QPoint centre;
    const auto noteAndClose = [&] {
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            parent = box->parentWidget();
            centre = box->geometry().center();
            QTest::keyClick(box, Qt::Key_Escape);
        });
    };
    noteAndClose();
    dialogs.inputBox(QStringLiteral("Come ti chiami?"));
    EXPECT_EQ(parent, nullptr) << "the name box at start, before there is a window";

    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    noteAndClose();
    dialogs.messageBox(QStringLiteral("Attenzione!  63 è  un numero dispari"), {}, {});
    EXPECT_EQ(parent, &game);
    EXPECT_LE((centre - game.frameGeometry().center()).manhattanLength(), 4);
    noteAndClose();
    dialogs.inputBox(QStringLiteral("Come ti chiami?"));
    EXPECT_EQ(parent, &game);
    EXPECT_LE((centre - game.frameGeometry().center()).manhattanLength(), 4);
}
