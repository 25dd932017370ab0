// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game window and its boxes, headless: what a load shows, keys, clicks, taps and menus,
// the bands and units, the targets' colours and the even hit's green, the boxes and held keys.
#include "runtime/qtdialogs.h"
#include "runtime/translations.h"
#include "window/fonts.h"
#include "window/layout.h"
#include "window/tavolawindow.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVariantAnimation>

#include <gtest/gtest.h>

namespace zarvento {
namespace {

using C = Control;

// A fresh loaded window that tells the test what the player reached.
class Window : public ::testing::Test, public FormEvents {
protected:
    void SetUp() override
    {
        window.setEvents(this);
        window.load();
    }
    QWidget *at(Control control) const { return window.widget(control); }
    QPoint inWindow(QPoint onCanvas) { return window.centralWidget()->mapTo(&window, onCanvas); }

    void controlClicked(Control control) override { heard << at(control)->objectName(); }
    void windowClicked() override { heard << QStringLiteral("bare window"); }
    void timerTicked(Timer) override {}
    void resized() override {}
    void menuChosen(MenuItem item) override { heard << window.menuAction(item)->objectName(); }
    void closed() override {}

    TavolaWindow window;
    QStringList heard;
};

// A label whose caption comes from a person or a file; its place in twips, 15 to a pixel.
struct GrowingLabel {
    Control label;
    QPoint place;
};

// Every load shows the design afresh with the question hidden; names and records are drawn as
// typed and grow to the right; the old faces are drawn as Liberation.
TEST_F(Window, EveryLoadShowsTheDesignAfresh)
{
    const GrowingLabel labels[] = {{C::lblnome1, {1920 / 15, 4560 / 15}},
                                   {C::lblnome, {2640 / 15, 7920 / 15}},
                                   {C::lblpunti, {8400 / 15, 7800 / 15}}};
    window.setCaption(C::cmdExit, QStringLiteral("42"));
    window.unload();
    window.load();
    QStringList shown{window.caption(C::cmdExit), at(C::txtAnswer)->accessibleName()};
    for (QAction *action : window.menuBar()->actions())
        shown << action->text();
    installFontSubstitutions();
    for (const char *face : {"MS Sans Serif", "Arial", "Times New Roman"})
        shown << QFont::substitute(face).toLower();
    EXPECT_EQ(shown, QStringList({"E&xit", "Risultato", "www.example.org/zarvento",
                                  "Zarvento - gli autori", "Nuovo gioco", "Help", "liberation sans",
                                  "liberation sans", "liberation serif"}));
    for (Control control :
         {C::txtAnswer, C::lblNum1, C::lblNum2, C::Label2, C::Label4, C::paricmd, C::paricmd1,
          C::paricmd2, C::disparicmd, C::disparicmd1, C::disparicmd2})
        EXPECT_FALSE(window.isVisible(control));
    const QString markup = QStringLiteral("<b>Ugo</b> <i>il grande</i>");
    for (const GrowingLabel &row : labels) {
        window.setCaption(row.label, markup);
        EXPECT_EQ(at(row.label)->pos(), row.place) << at(row.label)->objectName().toStdString();
        // Drawn as rich text it would be narrower than its tags written out.
        EXPECT_GE(at(row.label)->width(), at(row.label)->fontMetrics().horizontalAdvance(markup));
    }
}

struct FaceCase {
    const char *name;
    Colour bgr; // as the rules write it, &HBBGGRR
    QRgb painted;
};

struct BandCase {
    const char *name;
    int firstFactor, secondFactor;
    QRgb top, bottom;
};

// 256 bands over 672 rows from the question's red and green to full blue; they stay till the
// next question and set the units: pixels across, 512ths of the height down.
TEST_F(Window, BandsUnitsClicksTapsMenusAndTargetsAsThePlayerMeetsThem)
{
    const BandCase cases[] = {
        {"both factors 9", 9, 9, qRgb(0xB4, 0xB4, 0x00), qRgb(0xB4, 0xB4, 0xFF)},
        {"1 by 0, almost black to blue", 1, 0, qRgb(0x14, 0x00, 0x00), qRgb(0x14, 0x00, 0xFF)},
        {"3 by 5", 3, 5, qRgb(60, 100, 0), qRgb(60, 100, 255)},
    };
    for (const BandCase &band : cases) {
        window.paintBands(band.firstFactor, band.secondFactor);
        const QImage &painted = window.background();
        EXPECT_EQ(painted.pixel(0, 0), band.top) << band.name;
        EXPECT_EQ(painted.pixel(607, 671), band.bottom)
            << band.name << ": the client area's corner";
        EXPECT_EQ(qBlue(painted.pixel(300, 3)), 1) << band.name << ": rows 2 to 4";
    }
    const QImage painted = window.background();
    window.setLeft(C::paricmd, 100);
    window.setTop(C::paricmd, 256);
    EXPECT_EQ(at(C::paricmd)->pos(), QPoint(100, 336));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.setVisible(C::disparicmd, true);
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    // Bare ground, under the hidden paricmd1, on Label6, on the disabled cmdNext, on disparicmd.
    for (QPoint point :
         {QPoint(300, 400), QPoint(200, 300), QPoint(200, 10), QPoint(80, 30), QPoint(420, 140)})
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow(point));
    // A tap on a touch screen or a whiteboard is a click; a finger resting there, one press.
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    for (QPoint point : {QPoint(300, 400), QPoint(80, 30), QPoint(420, 140),
                         at(C::cmdExit)->geometry().center()}) {
        QTest::touchEvent(&window, screen.get()).press(0, inWindow(point));
        QTest::touchEvent(&window, screen.get()).stationary(0);
        QTest::touchEvent(&window, screen.get()).release(0, inWindow(point));
    }
    for (QAction *action : window.menuBar()->actions())
        action->trigger();
    for (MenuItem item : {MenuItem::citta, MenuItem::via, MenuItem::Ciao})
        window.menuAction(item)->trigger();
    window.resize(window.size() + QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.centralWidget()->grab().toImage().pixel(300, 400), painted.pixel(300, 400));

    // A target shows the colour the rules give it; an even hit leaves a green square where it was
    // that takes no clicks and fades within a fifth of a second. Nothing else fades.
    const FaceCase faces[] = {{"even flash", 0x00FF00, qRgb(0, 255, 0)},
                              {"odd flash", 0x0000FF, qRgb(255, 0, 0)},
                              {"cyan", 0xFFFF00, qRgb(0, 255, 255)}};
    window.paintBands(1, 0);
    for (const FaceCase &face : faces) { // shown, flashed, given back its cyan and hidden: a hit
        window.setVisible(C::paricmd2, true);
        window.setBackColour(C::paricmd2, face.bgr);
        const QImage shown = at(C::paricmd2)->grab().toImage();
        EXPECT_EQ(shown.pixel(shown.rect().center()), face.painted) << face.name;
        window.setBackColour(C::paricmd2, 0xFFFF00);
        window.setVisible(C::paricmd2, false);
    }
    QWidget *canvas = window.centralWidget();
    const auto pixel = [canvas](QPoint p) { return canvas->grab().toImage().pixel(p); };
    const QRect place = at(C::paricmd2)->geometry();
    const QPoint below = place.bottomLeft() + QPoint(0, 1);
    EXPECT_EQ(QList({pixel(place.topLeft()), pixel(place.bottomRight()), pixel(below)}),
              QList({qRgb(0, 255, 0), qRgb(0, 255, 0), window.background().pixel(below)}));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow(place.center()));
    EXPECT_EQ(heard, QStringList({"cmdExit", "bare window", "bare window", "bare window",
                                  "disparicmd", "bare window", "bare window", "disparicmd",
                                  "cmdExit", "Next", "citta", "via", "Ciao", "bare window"}));
    const auto fades = canvas->findChildren<QVariantAnimation *>(QStringLiteral("hit"));
    ASSERT_EQ(fades.size(), 1) << "the even flash only";
    fades.front()->setCurrentTime(200);
    EXPECT_EQ(pixel(place.center()), window.background().pixel(place.center()));
}

struct PlaceCase {
    const char *name;
    QRect room;
    QPoint place; // of a window of 608 by 691 pixels
};

// Where an enlarged window opens: the designed place, moved up or left only as far as needed.
TEST(Place, TheDesignedPlaceMovedUpOrLeftOnlyAsFarAsTheScreenNeeds)
{
    const PlaceCase cases[] = {
        {"room to spare", {0, 0, 800, 800}, {57, 68}},
        {"full HD at 1.5: up to leave a title bar", {0, 0, 1280, 720}, {57, 5}},
        {"below a panel", {0, 30, 1280, 720}, {57, 35}},
        {"a narrow screen", {0, 0, 640, 800}, {32, 68}},
        {"too small: the top left corner", {0, 0, 600, 600}, {0, 0}},
    };
    for (const PlaceCase &c : cases)
        EXPECT_EQ(designedPlace(c.room, QSize(608, 691)), c.place) << c.name;
}

struct BoxCase {
    const char *name;
    MsgBoxStyle style;
    QString title;
    MsgBoxAnswer answer; // to Enter
    QMessageBox::Icon icon;
    QString seen; // title | text | buttons | where
};

// Every box shows its text plain and opens over the game while it is in sight; the name box at
// the start comes on its own, and a hidden game's boxes open where it was.
TEST(Boxes, ShowTheirTextPlainWithTheirTitleIconAndButtonsOverTheGame)
{
    // clang-format off
    const BoxCase cases[] = {
        {"new game, Enter keeps playing", {MsgBoxStyle::Buttons::YesNo, MsgBoxStyle::Icon::Question, MsgBoxStyle::Default::Second}, "INIZIARE NUOVA GARA", MsgBoxAnswer::No, QMessageBox::Question, "INIZIARE NUOVA GARA | <b>Ugo</b> | Sì | No | over the game"},
        {"warning", {}, {}, MsgBoxAnswer::Ok, QMessageBox::NoIcon, "Zarvento | <b>Ugo</b> | OK | over the game"},
        {"error report", {MsgBoxStyle::Buttons::OkOnly, MsgBoxStyle::Icon::Critical}, "Zarvento", MsgBoxAnswer::Ok, QMessageBox::Critical, "Zarvento | <b>Ugo</b> | OK | over the game"},
        {"record busy, Enter waits", {MsgBoxStyle::Buttons::RetryCancel, MsgBoxStyle::Icon::Warning}, {}, MsgBoxAnswer::Retry, QMessageBox::Warning, "Zarvento | <b>Ugo</b> | Riprova | Annulla | over the game"},
    };
    // clang-format on
    const Translations italian({QStringLiteral("it-IT")}); // the buttons as a player reads them
    QWidget game;
    QtDialogs dialogs(&game);
    QString seen;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const auto answerSoon = [&](Qt::Key key, const QString &typed = {}) {
        QTimer::singleShot(20, [&, key, typed, gameAt = game.frameGeometry().center()] {
            QWidget *box = QApplication::activeModalWidget();
            QStringList parts{box->windowTitle()};
            for (const QLabel *label : box->findChildren<QLabel *>()) // the icon's has no text
                if (!label->text().isEmpty())
                    parts << (label->textFormat() == Qt::PlainText ? "" : "drawn ") + label->text();
            for (const QPushButton *button : box->findChildren<QPushButton *>())
                parts << button->text().remove(QLatin1Char('&'));
            const bool atGame = (box->geometry().center() - gameAt).manhattanLength() <= 4;
            seen = (parts << (box->parentWidget() ? "over the game"
                              : atGame            ? "where the game was"
                                                  : "on its own"))
                       .join(QStringLiteral(" | "));
            icon = QMessageBox::Icon(box->property("icon").toInt()); // none on the name box
            QTest::keyClicks(box->focusWidget(), typed);
            QTest::keyClick(box, key);
        });
    };
    answerSoon(Qt::Key_Escape, QStringLiteral("Ugo"));
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("<b>Come</b>")), QString()) << "nothing on Cancel";
    EXPECT_EQ(seen, "Zarvento | <b>Come</b> | OK | Annulla | on its own");
    game.show();
    for (const BoxCase &c : cases) {
        answerSoon(Qt::Key_Return);
        EXPECT_EQ(dialogs.messageBox("<b>Ugo</b>", c.style, c.title), c.answer) << c.name;
        EXPECT_TRUE(seen == c.seen && icon == c.icon) << c.name << ": " << seen.toStdString();
    }
    // A new game hides the window, moved aside: its name box opens where it was.
    game.move(150, 0);
    game.hide();
    const QString anna = QStringLiteral(" <i>Anna</i> ");
    answerSoon(Qt::Key_Return, anna);
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("Come ti chiami?")), anna) << "blanks, markup kept";
    EXPECT_EQ(seen, "Zarvento | Come ti chiami? | OK | Annulla | where the game was");
}

// A key as the X server sends it, on its own clock; a press goes by the shortcuts first. Held from
// `from` on: repeats Qt marks, one it could not mark (a release and a press at one instant), the
// key let go.
void sendKey(QWidget *to, Qt::Key key, QEvent::Type type, ulong time, bool repeat,
             Qt::KeyboardModifiers modifiers = {})
{
    const QString text = key == Qt::Key_A ? QStringLiteral("a") : QString();
    if (type == QEvent::KeyPress &&
        qt_sendShortcutOverrideEvent(to, time, key, modifiers, text, repeat))
        return;
    QKeyEvent event(type, key, modifiers, text, repeat);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}
void holdFrom(QWidget *to, Qt::Key key, ulong from, Qt::KeyboardModifiers modifiers = {})
{
    for (const ulong at : {500, 533, 566})
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress})
            sendKey(to, key, type, from + at, at < 566, modifiers);
    sendKey(to, key, QEvent::KeyRelease, from + 800, false, modifiers);
}

struct HeldKeyCase {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    MsgBoxAnswer answer; // of a Yes/No box opened while the key was down, once pressed again
};

// A held key clicks the exit button once; a box ignores the key that was down as it opened, and
// a letter held in the name box goes on typing while a held Enter does not answer it.
TEST_F(Window, AHeldKeyIsOnePress)
{
    const HeldKeyCase cases[] = {
        {"Enter", Qt::Key_Return, {}, MsgBoxAnswer::Yes},
        {"SpaceBar", Qt::Key_Space, {}, MsgBoxAnswer::Yes},
        {"Escape", Qt::Key_Escape, {}, MsgBoxAnswer::No},
        {"AltX", Qt::Key_X, Qt::AltModifier, MsgBoxAnswer::None},
    };
    window.show();
    ulong time = 1000;
    for (const HeldKeyCase &held : cases) {
        time += 10000;
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        sendKey(at(C::cmdExit), held.key, QEvent::KeyPress, time, false, held.modifiers);
        holdFrom(at(C::cmdExit), held.key, time, held.modifiers);
        if (held.answer == MsgBoxAnswer::None)
            continue;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            holdFrom(box->focusWidget(), held.key, time);
            sendKey(box->focusWidget(), held.key, QEvent::KeyPress, time + 900, false);
            sendKey(box->focusWidget(), held.key, QEvent::KeyRelease, time + 950, false);
        });
        EXPECT_EQ(QtDialogs().messageBox("?", {MsgBoxStyle::Buttons::YesNo}, {}), held.answer)
            << held.name;
    }
    EXPECT_EQ(heard, QStringList({"cmdExit", "cmdExit", "cmdExit"})) << "Enter, space bar, Alt+X";
    QTimer::singleShot(0, [] {
        QWidget *field = QApplication::activeModalWidget()->focusWidget();
        sendKey(field, Qt::Key_A, QEvent::KeyPress, 100, false);
        holdFrom(field, Qt::Key_A, 100);
        holdFrom(field, Qt::Key_Return, 1000);
        sendKey(field, Qt::Key_Return, QEvent::KeyPress, 2000, false);
    });
    EXPECT_EQ(QtDialogs().inputBox(QStringLiteral("Come ti chiami?")), QStringLiteral("aaaa"));
}

} // namespace
} // namespace zarvento
