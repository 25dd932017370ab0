// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The generator, the number formats, and the Qt boxes as a player meets them.
#include "keys.h"
#include "runtime/heldkeys.h"
#include "runtime/qtdialogs.h"
#include "runtime/random.h"
#include "runtime/translations.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace zarvento;

namespace {

TEST(Runtime, ReseedsFromZeroStillGiveVaryingDrawsBelowOne)
{
    MixingRandom random;
    std::set<float> seen;
    for (int i = 0; i < 1000; ++i) {
        random.reseed(0); // as the handlers do before every draw
        seen.insert(random.draw());
    }
    EXPECT_TRUE(*seen.begin() >= 0 && *seen.rbegin() < 1 && seen.size() > 900);
    EXPECT_EQ(MixingRandom(7).draw(), MixingRandom(7).draw());
}

// What a player sees of the next box that opens; it then types and presses a key.
struct Seen {
    QString title, text;
    bool plain = true;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // in order of appearance, access keys left out
};

void answerSoon(Seen &seen, Qt::Key key, const QString &typed = {})
{
    QTimer::singleShot(20, [&seen, key, typed] {
        QWidget *box = QApplication::activeModalWidget();
        seen.title = box->windowTitle();
        if (auto *message = qobject_cast<QMessageBox *>(box)) {
            seen.text = message->text();
            seen.plain = message->textFormat() == Qt::PlainText;
            seen.icon = message->icon();
        } else {
            seen.text = qobject_cast<QInputDialog *>(box)->labelText();
            for (const QLabel *label : box->findChildren<QLabel *>())
                seen.plain = seen.plain && label->textFormat() == Qt::PlainText;
        }
        for (const QPushButton *button : box->findChildren<QPushButton *>())
            seen.buttons << button->text().remove(QLatin1Char('&'));
        QTest::keyClicks(box->focusWidget(), typed);
        QTest::keyClick(box, key);
    });
}

TEST(QtDialogs, MessageBoxesShowTheirTextPlainWithTheirTitleIconAndButtons)
{
    struct BoxCase {
        const char *name;
        MsgBoxStyle style;
        QString title;
        Qt::Key key;
        MsgBoxAnswer answer;
        QString shownTitle;
        QMessageBox::Icon icon;
        QStringList buttons;
    };
    const Translations italian({QStringLiteral("it-IT")}); // the buttons as a player reads them
    const QStringList yesNo{QStringLiteral("Sì"), QStringLiteral("No")};
    const QString zarvento = QStringLiteral("Zarvento");
    using S = MsgBoxStyle;
    const S newGame{S::Buttons::YesNo, S::Icon::Question, S::Default::Second};
    const BoxCase cases[] = {
        {"NewGameEnterKeepsPlaying", newGame, QStringLiteral("INIZIARE NUOVA GARA"), Qt::Key_Return,
         MsgBoxAnswer::No, QStringLiteral("INIZIARE NUOVA GARA"), QMessageBox::Question, yesNo},
        {"Warning",
         {},
         {},
         Qt::Key_Return,
         MsgBoxAnswer::Ok,
         zarvento,
         QMessageBox::NoIcon,
         {QStringLiteral("OK")}},
        {"ErrorReport",
         {S::Buttons::OkOnly, S::Icon::Critical},
         zarvento,
         Qt::Key_Return,
         MsgBoxAnswer::Ok,
         zarvento,
         QMessageBox::Critical,
         {QStringLiteral("OK")}},
    };
    for (const BoxCase &c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        answerSoon(seen, c.key);
        EXPECT_EQ(QtDialogs().messageBox(QStringLiteral("<b>Ugo</b>"), c.style, c.title), c.answer);
        EXPECT_EQ(seen.title, c.shownTitle);
        EXPECT_EQ(seen.text, QStringLiteral("<b>Ugo</b>"));
        EXPECT_TRUE(seen.plain);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
    }
}

TEST(QtDialogs, TheNameBoxGivesWhatIsTypedOrNothingOnCancelWhileTimersTick)
{
    struct NameCase {
        const char *name;
        QString typed;
        Qt::Key key;
        QString answer;
    };
    const NameCase cases[] = {
        {"BlanksKept", QStringLiteral(" <i>Anna</i> "), Qt::Key_Return,
         QStringLiteral(" <i>Anna</i> ")},
        {"Cancelled", QStringLiteral("Anna"), Qt::Key_Escape, QString()},
    };
    const Translations italian({QStringLiteral("it-IT")});
    QTimer timer;
    QSignalSpy ticks(&timer, &QTimer::timeout);
    timer.start(5);
    for (const NameCase &c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        answerSoon(seen, c.key, c.typed);
        EXPECT_EQ(QtDialogs().inputBox(QStringLiteral("<b>Come</b>")), c.answer);
        EXPECT_EQ(seen.title, QStringLiteral("Zarvento"));
        EXPECT_EQ(seen.text, QStringLiteral("<b>Come</b>"));
        EXPECT_TRUE(seen.plain);
        EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Annulla")}));
    }
    EXPECT_GE(ticks.count(), 4) << "while the boxes were open";
}

} // namespace
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
    EXPECT_LE((centre - game.screen()->availableGeometry().center()).manhattanLength(), 4);

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

    // A new game hides the window moved aside: its name box and greeting open where it was.
    game.move(150, 0);
    const QPoint movedCentre = game.frameGeometry().center();
    game.hide();
    noteAndClose();
    dialogs.inputBox(QStringLiteral("Come ti chiami?"));
    EXPECT_EQ(parent, nullptr);
    EXPECT_LE((centre - movedCentre).manhattanLength(), 4);
    noteAndClose();
    dialogs.messageBox(QStringLiteral(" Anna vediamo se sei un vero campione  "), {}, {});
    EXPECT_LE((centre - movedCentre).manhattanLength(), 4);
}
