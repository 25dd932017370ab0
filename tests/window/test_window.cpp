// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game window and its boxes, headless: first sight, keys held and clicked, clicks and
// menus, bands and units, reload, the targets' colours and the even hit's green.
#include "runtime/qtdialogs.h"
#include "runtime/translations.h"
#include "window/fonts.h"
#include "window/layout.h"
#include "window/tavolawindow.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVariantAnimation>

#include <gtest/gtest.h>

namespace zarvento {
namespace {

using C = Control;
const Control targets[] = {C::paricmd,    C::paricmd1,    C::paricmd2,
                           C::disparicmd, C::disparicmd1, C::disparicmd2};

// A fresh loaded window that reports to the test what the player reached.
class Window : public ::testing::Test, public FormEvents {
protected:
    void SetUp() override
    {
        window.setEvents(this);
        window.load();
    }
    QWidget *at(Control control) const { return window.widget(control); }

    void controlClicked(Control control) override { heard << at(control)->objectName(); }
    void windowClicked() override { heard << QStringLiteral("bare window"); }
    void timerTicked(Timer) override {}
    void resized() override {}
    void menuChosen(MenuItem item) override { heard << window.menuAction(item)->objectName(); }
    void closed() override {}

    TavolaWindow window;
    QStringList heard;
};

// What the first sight and every reload show: the design afresh, twip places, the question
// hidden, the answer named for screen readers, the old faces drawn as Liberation.
TEST_F(Window, EveryLoadHasTwipPlacesHiddenQuestionNamedControlsAndLiberationFaces)
{
    window.setTimerEnabled(Timer::Timer2, true);
    window.setCaption(C::cmdExit, QStringLiteral("42"));
    window.unload();
    EXPECT_EQ(window.widget(C::cmdExit), nullptr);
    // Both timers are still there, to be deleted later, and must not tick meanwhile.
    for (const QTimer *timer : window.findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(timer->isActive());
    window.load();
    EXPECT_EQ(window.caption(C::cmdExit), QStringLiteral("E&xit"));
    EXPECT_TRUE(window.isTimerEnabled(Timer::Timer1) && !window.isTimerEnabled(Timer::Timer2));
    EXPECT_EQ(window.menuBar()->actions().size(), 4) << "the menu is built once";
    EXPECT_EQ(at(C::cmdExit)->geometry(), QRect(384, 0, 121, 65));
    EXPECT_EQ(at(C::txtAnswer)->geometry(), QRect(368, 112, 185, 80));
    for (Control control : {C::txtAnswer, C::lblNum1, C::lblNum2, C::Label2, C::Label4})
        EXPECT_FALSE(window.isVisible(control));
    EXPECT_TRUE(window.isVisible(C::cmdNext) && !at(C::cmdNext)->isEnabled());
    for (Control target : targets)
        EXPECT_TRUE(!window.isVisible(target) && at(target)->isEnabled());
    EXPECT_EQ(at(C::txtAnswer)->accessibleName(), QStringLiteral("Risultato"));
    installFontSubstitutions();
    const QString faces = QFont::substitute("MS Sans Serif") + '|' + QFont::substitute("Arial") +
                          '|' + QFont::substitute("Times New Roman");
    EXPECT_EQ(faces.toLower(), "liberation sans|liberation sans|liberation serif");
}

TEST_F(Window, KeysClicksAndMenusReachOnlyWhatThePlayerCanUse)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), at(C::cmdExit)) << "the only focus stop";
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    window.setVisible(C::disparicmd, true);
    at(C::disparicmd)->setFocus();
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    // Bare ground, under the hidden paricmd1, on Label6, on the disabled cmdNext (a click on the
    // window, not on the button), on disparicmd.
    for (QPoint point :
         {QPoint(300, 400), QPoint(200, 300), QPoint(200, 10), QPoint(80, 30), QPoint(420, 140)})
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          window.centralWidget()->mapTo(&window, point));
    QTest::mouseClick(at(C::paricmd), Qt::LeftButton);
    // A tap on a touch screen or a whiteboard is a click; a finger resting there, one press.
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    for (QPoint point : {QPoint(300, 400), QPoint(80, 30), QPoint(420, 140),
                         at(C::cmdExit)->geometry().center()}) {
        const QPoint inWindow = window.centralWidget()->mapTo(&window, point);
        QTest::touchEvent(&window, screen.get()).press(0, inWindow);
        for (int resting = 0; resting < 5; ++resting)
            QTest::touchEvent(&window, screen.get()).stationary(0);
        QTest::touchEvent(&window, screen.get()).release(0, inWindow);
    }

    QStringList titles;
    for (QAction *action : window.menuBar()->actions()) {
        titles << action->text();
        action->trigger();
    }
    for (MenuItem item : {MenuItem::citta, MenuItem::via, MenuItem::Ciao})
        window.menuAction(item)->trigger();
    EXPECT_EQ(titles.join('|'), "www.example.org/zarvento|Zarvento - gli autori|Nuovo gioco|Help");
    EXPECT_EQ(heard, QStringList({"cmdExit", "bare window", "bare window", "bare window",
                                  "disparicmd", "bare window", "bare window", "disparicmd",
                                  "cmdExit", "Next", "citta", "via", "Ciao"}));
}

struct BandCase {
    const char *name;
    int firstFactor, secondFactor;
    QRgb top, bottom;
};

// The bands run from the question's red and green to full blue, 256 of them over 672 rows; they
// stay the background till the next question, and set the units: pixels across, 512ths of the
// height down.
TEST_F(Window, BandsRunFromTheQuestionsRedAndGreenToBlueAndSetTheUnits)
{
    // clang-format off
    const BandCase cases[] = {
        {"both factors 9", 9, 9, qRgb(0xB4, 0xB4, 0x00), qRgb(0xB4, 0xB4, 0xFF)},
        {"1 by 0, almost black to blue", 1, 0, qRgb(0x14, 0x00, 0x00), qRgb(0x14, 0x00, 0xFF)},
        {"3 by 5", 3, 5, qRgb(60, 100, 0), qRgb(60, 100, 255)},
    };
    // clang-format on
    for (const BandCase &band : cases) {
        window.paintBands(band.firstFactor, band.secondFactor);
        const QImage &painted = window.background();
        ASSERT_EQ(painted.size(), QSize(608, 672)) << "the client area, before the first show";
        EXPECT_EQ(painted.pixel(0, 0), band.top) << band.name;
        EXPECT_EQ(painted.pixel(607, 671), band.bottom) << band.name;
        EXPECT_EQ(qBlue(painted.pixel(300, 3)), 1) << band.name << ": rows 2 to 4";
    }
    const QImage painted = window.background();
    window.setLeft(C::paricmd, 100);
    window.setTop(C::paricmd, 256);
    EXPECT_EQ(at(C::paricmd)->pos(), QPoint(100, 336));
    window.show();
    EXPECT_EQ(window.centralWidget()->grab().toImage().pixel(300, 400), painted.pixel(300, 400));
    window.resize(window.size() + QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.background(), painted);
}

struct PlaceCase {
    const char *name;
    QRect room;
    QSize window;
    QPoint place;
};

// Where a window enlarged by a scale factor opens, in the screen's pixels at normal size.
TEST(Place, TheDesignedPlaceMovedUpOrLeftOnlyAsFarAsTheScreenNeeds)
{
    const PlaceCase cases[] = {
        {"room to spare", {0, 0, 800, 800}, {608, 691}, {57, 68}},
        {"full HD at 1.5: up to leave a title bar", {0, 0, 1280, 720}, {608, 691}, {57, 5}},
        {"below a panel", {0, 30, 1280, 720}, {608, 691}, {57, 35}},
        {"a narrow screen", {0, 0, 640, 800}, {608, 691}, {32, 68}},
        {"too small: the top left corner", {0, 0, 600, 600}, {608, 691}, {0, 0}},
    };
    for (const PlaceCase &c : cases)
        EXPECT_EQ(designedPlace(c.room, c.window), c.place) << c.name;
}

// Where a caption may come from a person or a file: the player's name and the stored record.
struct GrowingLabel {
    const char *name;
    Control label;
    QPoint place; // its left and top in twips, as pixels at 15 twips a pixel
};

TEST_F(Window, NamesAndRecordsShowMarkupAsTypedAndGrowToTheRightFromTheirPlace)
{
    const GrowingLabel labels[] = {
        {"lblnome1", C::lblnome1, {1920 / 15, 4560 / 15}},
        {"lblnome", C::lblnome, {2640 / 15, 7920 / 15}},
        {"lblpunti", C::lblpunti, {8400 / 15, 7800 / 15}},
    };
    const QString markup = QStringLiteral("<b>Ugo</b> <i>il grande</i>");
    for (const GrowingLabel &row : labels) {
        auto *label = qobject_cast<QLabel *>(at(row.label));
        const int before = label->width();
        window.setCaption(row.label, markup);
        EXPECT_EQ(label->pos(), row.place) << row.name;
        // Drawn as rich text it would be narrower than its tags written out.
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(markup)) << row.name;
        EXPECT_GT(label->width(), before) << row.name;
    }
}

struct FaceCase {
    const char *name;
    Colour bgr; // as the rules write it, &HBBGGRR
    QRgb painted;
};

// A target shows the colour the rules give it; when an even hit hides it green, a green square
// stays where it was, takes no clicks and fades within a fifth of a second. Nothing else fades.
TEST_F(Window, TargetsShowTheirColourAndOnlyAnEvenHitFadesGreenWhereItWas)
{
    const FaceCase faces[] = {{"even flash", 0x00FF00, qRgb(0, 255, 0)},
                              {"odd flash", 0x0000FF, qRgb(255, 0, 0)},
                              {"cyan", 0xFFFF00, qRgb(0, 255, 255)}};
    window.show();
    window.paintBands(1, 0);
    window.setLeft(C::paricmd, 100);
    window.setTop(C::paricmd, 256);
    window.setVisible(C::paricmd2, true);
    for (const FaceCase &face : faces) {
        window.setBackColour(C::paricmd2, face.bgr);
        const QImage shown = at(C::paricmd2)->grab().toImage();
        EXPECT_EQ(shown.pixel(shown.rect().center()), face.painted) << face.name;
    }
    QWidget *canvas = window.centralWidget();
    const auto fades = [canvas] {
        return canvas->findChildren<QVariantAnimation *>(QStringLiteral("hit"));
    };
    const auto pixel = [canvas](QPoint p) { return canvas->grab().toImage().pixel(p); };
    // Shown, flashed, given back its cyan and hidden, as a hit does; the motion flashes nothing.
    const auto hide = [this](Control target, Colour flash) {
        window.setVisible(target, true);
        window.setBackColour(target, flash);
        window.setBackColour(target, 0xFFFF00);
        window.setVisible(target, false);
    };
    hide(C::paricmd, 0xFFFF00);
    hide(C::paricmd1, 0x0000FF);
    EXPECT_TRUE(fades().isEmpty());
    const QRect place = at(C::paricmd)->geometry();
    hide(C::paricmd, 0x00FF00);
    for (QPoint corner : {place.topLeft(), place.bottomRight()})
        EXPECT_EQ(pixel(corner), qRgb(0, 255, 0));
    for (QPoint outside : {place.topLeft() - QPoint(1, 0), place.bottomRight() + QPoint(0, 1)})
        EXPECT_EQ(pixel(outside), window.background().pixel(outside));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      canvas->mapTo(&window, place.center()));
    EXPECT_EQ(heard, QStringList{"bare window"});
    ASSERT_EQ(fades().size(), 1);
    fades().front()->setCurrentTime(100);
    const int halfway = qGreen(pixel(place.center()));
    EXPECT_TRUE(halfway > 64 && halfway < 192) << "half faded: " << halfway;
    fades().front()->setCurrentTime(200);
    EXPECT_EQ(pixel(place.center()), window.background().pixel(place.center()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A hit while another still fades shows both; a load clears them.
    hide(C::paricmd, 0x00FF00);
    hide(C::paricmd1, 0x00FF00);
    EXPECT_EQ(fades().size(), 2);
    window.load();
    EXPECT_TRUE(fades().isEmpty());
}

// ---- The boxes, and keys held into them and into the window ---------------------------------

// What a player sees of the next box that opens; it then types and presses a key.
struct Seen {
    QString title, text;
    bool plain = true;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // in order of appearance, access keys left out
    QWidget *over = nullptr;
    QPoint centre;
};

void answerSoon(Seen &seen, Qt::Key key, const QString &typed = {})
{
    QTimer::singleShot(20, [&seen, key, typed] {
        QWidget *box = QApplication::activeModalWidget();
        seen.title = box->windowTitle();
        seen.over = box->parentWidget();
        seen.centre = box->geometry().center();
        const auto *message = qobject_cast<QMessageBox *>(box);
        seen.text = message ? message->text() : qobject_cast<QInputDialog *>(box)->labelText();
        seen.icon = message ? message->icon() : QMessageBox::NoIcon;
        for (const QLabel *label : box->findChildren<QLabel *>()) // the icon's has no text
            seen.plain =
                seen.plain && (label->textFormat() == Qt::PlainText || !label->text().size());
        for (const QPushButton *button : box->findChildren<QPushButton *>())
            seen.buttons << button->text().remove(QLatin1Char('&'));
        QTest::keyClicks(box->focusWidget(), typed);
        QTest::keyClick(box, key);
    });
}

struct BoxCase {
    const char *name;
    MsgBoxStyle style;
    QString title;
    MsgBoxAnswer answer; // to Enter
    QString shownTitle;
    QMessageBox::Icon icon;
    QStringList buttons;
};

// Every box shows its text plain, opens over the game window while it is in sight (the name box
// at the start comes before it, mid-screen), and the game's clock ticks on behind it.
TEST(Boxes, ShowTheirTextPlainWithTheirTitleIconAndButtonsOverTheGame)
{
    using S = MsgBoxStyle;
    const QString newGame = QStringLiteral("INIZIARE NUOVA GARA"), zarvento = "Zarvento";
    // clang-format off
    const BoxCase cases[] = {
        {"NewGameEnterKeepsPlaying", {S::Buttons::YesNo, S::Icon::Question, S::Default::Second}, newGame, MsgBoxAnswer::No, newGame, QMessageBox::Question, {"Sì", "No"}},
        {"Warning", {}, {}, MsgBoxAnswer::Ok, zarvento, QMessageBox::NoIcon, {"OK"}},
        {"ErrorReport", {S::Buttons::OkOnly, S::Icon::Critical}, zarvento, MsgBoxAnswer::Ok, zarvento, QMessageBox::Critical, {"OK"}},
        {"RecordBusyEnterWaits", {S::Buttons::RetryCancel, S::Icon::Warning}, {}, MsgBoxAnswer::Retry, zarvento, QMessageBox::Warning, {"Riprova", "Annulla"}},
    };
    // clang-format on
    const Translations italian({QStringLiteral("it-IT")}); // the buttons as a player reads them
    QWidget game;
    game.setGeometry(40, 30, 608, 700);
    QtDialogs dialogs(&game);
    QTimer timer;
    QSignalSpy ticks(&timer, &QTimer::timeout);
    timer.start(5);
    // The name box: what is typed, blanks and markup kept; nothing on Cancel.
    for (const auto &[key, answer] : {std::pair(Qt::Key_Escape, QString()),
                                      std::pair(Qt::Key_Return, QStringLiteral(" <i>Anna</i> "))}) {
        Seen seen;
        answerSoon(seen, key, QStringLiteral(" <i>Anna</i> "));
        EXPECT_EQ(dialogs.inputBox(QStringLiteral("<b>Come</b>")), answer);
        EXPECT_EQ(seen.title + '|' + seen.text, QStringLiteral("Zarvento|<b>Come</b>"));
        EXPECT_TRUE(seen.plain);
        EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Annulla")}));
        EXPECT_EQ(seen.over, game.isVisible() ? &game : nullptr);
        game.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    }
    for (const BoxCase &c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        answerSoon(seen, Qt::Key_Return);
        EXPECT_EQ(dialogs.messageBox("<b>Ugo</b>", c.style, c.title), c.answer);
        EXPECT_EQ(seen.title + '|' + seen.text, c.shownTitle + QStringLiteral("|<b>Ugo</b>"));
        EXPECT_TRUE(seen.plain);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.over, &game);
        EXPECT_LE((seen.centre - game.frameGeometry().center()).manhattanLength(), 4);
    }
    // A new game hides the window moved aside: its name box and greeting open where it was.
    game.move(150, 0);
    const QPoint wasAt = game.frameGeometry().center();
    game.hide();
    Seen nameBox, greeting;
    answerSoon(nameBox, Qt::Key_Return);
    dialogs.inputBox(QStringLiteral("Come ti chiami?"));
    answerSoon(greeting, Qt::Key_Return);
    dialogs.messageBox(QStringLiteral(" Anna vediamo se sei un vero campione  "), {}, {});
    for (const Seen &seen : {nameBox, greeting})
        EXPECT_TRUE(!seen.over && (seen.centre - wasAt).manhattanLength() <= 4);
    EXPECT_GE(ticks.count(), 4) << "while the boxes were open";
}

// A key event as the X server sends it, on its own clock, a repeat marked as one or not; a press
// goes by the shortcuts first, as one from the keyboard.
void sendKey(QWidget *to, Qt::Key key, QEvent::Type type, ulong time, bool markedRepeat,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QString text = key == Qt::Key_A ? QStringLiteral("a") : QString(); // the one letter typed
    if (type == QEvent::KeyPress &&
        qt_sendShortcutOverrideEvent(to, time, key, modifiers, text, markedRepeat))
        return;
    QKeyEvent event(type, key, modifiers, text, markedRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

// A key held down from `from` on: repeats that Qt marks, then a repeat it could not mark (the
// release and the press at one instant), and the key let go.
void holdFrom(QWidget *to, Qt::Key key, ulong from, Qt::KeyboardModifiers modifiers = {})
{
    for (const ulong at : {500, 533, 566}) {
        sendKey(to, key, QEvent::KeyRelease, from + at, at < 566, modifiers);
        sendKey(to, key, QEvent::KeyPress, from + at, at < 566, modifiers);
    }
    sendKey(to, key, QEvent::KeyRelease, from + 800, false, modifiers);
}

struct HeldKeyCase {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    MsgBoxAnswer answer; // of a Yes/No box when the key, down as it opened, is pressed again
};

TEST_F(Window, AHeldKeyClicksTheFocusedButtonOnceAndABoxIgnoresAKeyDownWhenItOpened)
{
    // clang-format off
    const HeldKeyCase cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, MsgBoxAnswer::Yes},
        {"keypad Enter", Qt::Key_Enter, Qt::NoModifier, MsgBoxAnswer::None},
        {"space bar", Qt::Key_Space, Qt::NoModifier, MsgBoxAnswer::Yes},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, MsgBoxAnswer::No},
        {"Alt+X", Qt::Key_X, Qt::AltModifier, MsgBoxAnswer::None},
    };
    // clang-format on
    window.show();
    ulong time = 1000;
    for (const HeldKeyCase &held : cases) {
        SCOPED_TRACE(held.name);
        time += 10000;
        window.activateWindow(); // back from the last row's box
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        heard.clear();
        sendKey(at(C::cmdExit), held.key, QEvent::KeyPress, time, false, held.modifiers);
        holdFrom(at(C::cmdExit), held.key, time, held.modifiers);
        EXPECT_EQ(heard, held.key == Qt::Key_Escape ? QStringList() : QStringList{"cmdExit"});
        if (held.answer == MsgBoxAnswer::None)
            continue;
        // The box opens from inside the press, as the exit button opens the goodbye.
        bool openWhileHeld = false;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            holdFrom(box->focusWidget(), held.key, time);
            openWhileHeld = QApplication::activeModalWidget() == box;
            sendKey(box->focusWidget(), held.key, QEvent::KeyPress, time + 900, false);
            sendKey(box->focusWidget(), held.key, QEvent::KeyRelease, time + 950, false);
        });
        EXPECT_EQ(QtDialogs().messageBox("Vuoi uscire?", {MsgBoxStyle::Buttons::YesNo}, {}),
                  held.answer);
        EXPECT_TRUE(openWhileHeld);
    }
}

TEST(Boxes, AHeldLetterGoesOnTypingButAHeldEnterDoesNotAnswer)
{
    bool openAfterHeldEnter = false;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QWidget *field = box->focusWidget();
        sendKey(field, Qt::Key_A, QEvent::KeyPress, 100, false);
        holdFrom(field, Qt::Key_A, 100);
        holdFrom(field, Qt::Key_Return, 1000);
        openAfterHeldEnter = QApplication::activeModalWidget() == box;
        sendKey(field, Qt::Key_Return, QEvent::KeyPress, 2000, false);
    });
    EXPECT_EQ(QtDialogs().inputBox(QStringLiteral("Come ti chiami?")), QStringLiteral("aaaa"));
    EXPECT_TRUE(openAfterHeldEnter);
}

} // namespace
} // namespace zarvento
