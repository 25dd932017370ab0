// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game window, headless: first sight, keys, clicks and menus, bands and units, reload,
// held keys and the even hit's green.
#include "keys.h"
#include "window/fonts.h"
#include "window/layout.h"
#include "window/tavolawindow.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QVariantAnimation>

#include <gtest/gtest.h>

namespace zarvento {
namespace {

using C = Control;

// A fresh loaded window that reports to the test, which also counts the paints of what it watches.
class Window : public ::testing::Test, public QObject, public FormEvents {
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
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }

    TavolaWindow window;
    QStringList heard;
    int paints = 0;
};

TEST_F(Window, FirstSightHasTwipPlacesHiddenQuestionNamedControlsAndLiberationFaces)
{
    const auto name = [this](Control control) {
        return QAccessible::queryAccessibleInterface(at(control))->text(QAccessible::Name);
    };
    EXPECT_EQ(at(C::cmdExit)->geometry(), QRect(384, 0, 121, 65));
    EXPECT_EQ(at(C::txtAnswer)->geometry(), QRect(368, 112, 185, 80));
    for (Control control : {C::txtAnswer, C::lblNum1, C::lblNum2, C::Label2, C::Label4})
        EXPECT_FALSE(window.isVisible(control));
    EXPECT_TRUE(window.isVisible(C::cmdNext) && !at(C::cmdNext)->isEnabled());
    for (Control target :
         {C::paricmd, C::paricmd1, C::paricmd2, C::disparicmd, C::disparicmd1, C::disparicmd2}) {
        EXPECT_TRUE(!window.isVisible(target) && at(target)->isEnabled());
        window.setCaption(target, QStringLiteral("42"));
        EXPECT_EQ(name(target), QStringLiteral("42"));
    }
    EXPECT_EQ(name(C::cmdExit), QStringLiteral("Exit"));
    // The other controls that can take the focus.
    for (Control control : {C::cmdNext, C::Inizio, C::txtAnswer})
        EXPECT_FALSE(name(control).isEmpty()) << at(control)->objectName().toStdString();
    // A player's name may look like markup; it is shown as typed.
    EXPECT_EQ(at(C::lblnome1)->property("textFormat").toInt(), Qt::PlainText);

    installFontSubstitutions();
    EXPECT_EQ(QFont::substitute("MS Sans Serif").toLower(), "liberation sans");
    EXPECT_EQ(QFont::substitute("Arial").toLower(), "liberation sans");
    EXPECT_EQ(QFont::substitute("Times New Roman").toLower(), "liberation serif");
}

TEST_F(Window, KeysClicksAndMenusReachOnlyWhatThePlayerCanUse)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(window.focusWidget(), key);
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), at(C::cmdExit)) << "the only focus stop";
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    window.setVisible(C::disparicmd, true);
    at(C::disparicmd)->setFocus();
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    // Bare ground, under the hidden paricmd1, on Label6, on the disabled cmdNext (a click on the
    // window, not on the button), on disparicmd.
    const QPoint points[] = {{300, 400}, {200, 300}, {200, 10}, {80, 30}, {420, 140}};
    for (QPoint point : points) {
        const QPoint inWindow = window.centralWidget()->mapTo(&window, point);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow);
    }
    QTest::mouseClick(at(C::paricmd), Qt::LeftButton);
    // A tap on a touch screen or a whiteboard is a click; a finger resting there, one press.
    QPointingDevice *screen = QTest::createTouchDevice();
    const QPoint onExit = at(C::cmdExit)->geometry().center();
    for (QPoint point : {points[0], points[3], points[4], onExit}) {
        const QPoint inWindow = window.centralWidget()->mapTo(&window, point);
        QTest::touchEvent(&window, screen).press(0, inWindow);
        for (int resting = 0; resting < 5; ++resting)
            QTest::touchEvent(&window, screen).stationary(0);
        QTest::touchEvent(&window, screen).release(0, inWindow);
    }

    QStringList titles;
    for (QAction *action : window.menuBar()->actions()) {
        titles << action->text();
        action->trigger();
    }
    for (MenuItem item : {MenuItem::citta, MenuItem::via, MenuItem::Ciao})
        window.menuAction(item)->trigger();
    EXPECT_EQ(titles.join('|'), "www.example.org/zarvento|Zarvento - gli autori|Nuovo gioco|Help");
    EXPECT_EQ(heard,
              QStringList({"cmdExit", "cmdExit", "cmdExit", "cmdExit", "bare window", "bare window",
                           "bare window", "disparicmd", "bare window", "bare window", "disparicmd",
                           "cmdExit", "Next", "citta", "via", "Ciao"}));
}

struct BandCase {
    const char *name;
    int firstFactor, secondFactor;
    QRgb top, bottom; // written &HBBGGRR in the game's own terms
};

TEST(Bands, RunFromTheQuestionsRedAndGreenToFullBlue)
{
    const BandCase cases[] = {
        {"both factors 9", 9, 9, qRgb(0xB4, 0xB4, 0x00), qRgb(0xB4, 0xB4, 0xFF)},
        {"1 by 0, almost black to blue", 1, 0, qRgb(0x14, 0x00, 0x00), qRgb(0x14, 0x00, 0xFF)},
        {"3 by 5", 3, 5, qRgb(60, 100, 0), qRgb(60, 100, 255)},
    };
    TavolaWindow window;
    for (const BandCase &band : cases) {
        window.paintBands(band.firstFactor, band.secondFactor);
        const QImage &painted = window.background();
        ASSERT_EQ(painted.size(), QSize(608, 672)) << "the client area, before the first show";
        EXPECT_EQ(painted.pixel(0, 0), band.top) << band.name;
        EXPECT_EQ(painted.pixel(607, 671), band.bottom) << band.name;
        // 256 bands over 672 rows: the second band covers rows 2 to 4.
        EXPECT_EQ(qBlue(painted.pixel(300, 3)), 1) << band.name;
    }
}

TEST(Bands, MenuAndClientSizeComeWithTheWindowControlsOnlyWithLoading)
{
    TavolaWindow window;
    EXPECT_EQ(window.centralWidget()->size(), QSize(608, 672));
    EXPECT_EQ(window.menuBar()->actions().size(), 4);
    EXPECT_EQ(window.widget(C::cmdExit), nullptr);
    window.load();
    EXPECT_EQ(window.centralWidget()->size(), QSize(608, 672));
    EXPECT_EQ(window.menuBar()->actions().size(), 4) << "the menu is built once";
    EXPECT_NE(window.widget(C::cmdExit), nullptr);
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

TEST_F(Window, BandsFillTheClientAreaSetTheUnitsAndOnlyChangesRepaint)
{
    window.paintBands(3, 5);
    const QImage painted = window.background();
    // Pixels across, 512ths of the height down.
    window.setLeft(C::paricmd, 100);
    window.setTop(C::paricmd, 256);
    EXPECT_EQ(at(C::paricmd)->pos(), QPoint(100, 336));

    window.show();
    // Uncovering repaints from the stored image; resizing leaves that image as it was.
    EXPECT_EQ(window.centralWidget()->grab().toImage().pixel(300, 400), painted.pixel(300, 400));
    window.resize(window.size() + QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.background(), painted);

    window.setVisible(C::paricmd, true);
    QTest::qWait(20);
    at(C::paricmd)->installEventFilter(this);
    for (Colour colour : {0x00FFFF00u, 0x00FFFF00u, 0x0000FF00u}) {
        window.setBackColour(C::paricmd, colour);
        QTest::qWait(20);
    }
    EXPECT_EQ(paints, 1) << "only the change from the designed cyan paints";
}

TEST_F(Window, UnloadDropsControlsAndStopsTimersThenLoadBuildsTheDesignAfresh)
{
    window.setTimerEnabled(Timer::Timer2, true);
    window.setCaption(C::cmdExit, QStringLiteral("42"));
    window.unload();
    EXPECT_EQ(window.widget(C::cmdExit), nullptr);
    // Both are still there, to be deleted later, and must not tick meanwhile.
    for (const QTimer *timer : window.findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(timer->isActive());
    window.load();
    EXPECT_EQ(window.caption(C::cmdExit), QStringLiteral("E&xit"));
    EXPECT_TRUE(window.isTimerEnabled(Timer::Timer1) && !window.isTimerEnabled(Timer::Timer2));
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
        ASSERT_NE(label, nullptr) << row.name;
        const int before = label->width();
        window.setCaption(row.label, markup);
        EXPECT_EQ(label->pos(), row.place) << row.name;
        // Drawn as rich text it would be narrower than its tags written out.
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(markup)) << row.name;
        EXPECT_GT(label->width(), before) << row.name;
    }
}

TEST_F(Window, TheColourTheRulesSetIsTheColourATargetIsPainted)
{
    struct Paint {
        const char *name;
        Colour bgr; // as the rules write it, &HBBGGRR
        QRgb painted;
    };
    const Paint colours[] = {
        {"even flash", 0x00FF00, qRgb(0, 255, 0)},
        {"odd flash", 0x0000FF, qRgb(255, 0, 0)},
        {"cyan", 0xFFFF00, qRgb(0, 255, 255)},
    };
    window.show();
    window.setVisible(C::paricmd, true);
    for (const Paint &paint : colours) {
        window.setBackColour(C::paricmd, paint.bgr);
        const QImage face = at(C::paricmd)->grab().toImage();
        EXPECT_EQ(face.pixel(face.width() / 2, face.height() / 2), paint.painted) << paint.name;
    }
}

struct HeldKeyCase {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

TEST_F(Window, AHeldKeyClicksTheFocusedButtonOnce)
{
    const HeldKeyCase cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier},
        {"space bar", Qt::Key_Space, Qt::NoModifier},
        {"Alt+X", Qt::Key_X, Qt::AltModifier},
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ulong time = 1000;
    for (const HeldKeyCase &held : cases) {
        heard.clear();
        QWidget *focused = window.focusWidget();
        ASSERT_EQ(focused, at(C::cmdExit));
        testing::sendKey(focused, held.key, {QEvent::KeyPress, time, false}, held.modifiers);
        testing::sendAll(focused, held.key, testing::heldFrom(time), held.modifiers);
        EXPECT_EQ(heard, QStringList{"cmdExit"}) << held.name;
        time += 10000;
    }
}

struct HitCase {
    const char *name;
    std::vector<Colour> coloursBeforeHiding;
    std::vector<Colour> coloursWhileHidden;
    bool flashes;
};

// A hit as the rules do it: the target's back colours, then hidden, then more colours.
TEST_F(Window, AnEvenHitFadesGreenWhereTheTargetWasAndNothingElseDoes)
{
    const Colour green = 0x00FF00, red = 0x0000FF, cyan = 0xFFFF00;
    const HitCase cases[] = {
        {"even hit", {green, green, green, cyan}, {}, true},
        {"odd hit", {red, red}, {cyan}, false},
        {"the motion hides it", {}, {}, false},
        {"cyan, as every question gives paricmd2", {cyan}, {}, false},
    };
    window.show();
    window.paintBands(1, 0);
    window.setLeft(C::paricmd, 100);
    window.setTop(C::paricmd, 256);
    const QRect place = at(C::paricmd)->geometry();
    ASSERT_EQ(place.topLeft(), QPoint(100, 336));
    QWidget *canvas = window.centralWidget();
    const auto pixelAt = [canvas](QPoint point) { return canvas->grab().toImage().pixel(point); };
    const QPoint inside = place.center();
    const QRgb bandInside = window.background().pixel(inside);

    for (const HitCase &hit : cases) {
        window.setVisible(C::paricmd, true);
        for (Colour colour : hit.coloursBeforeHiding)
            window.setBackColour(C::paricmd, colour);
        window.setVisible(C::paricmd, false);
        for (Colour colour : hit.coloursWhileHidden)
            window.setBackColour(C::paricmd, colour);

        const QImage shown = canvas->grab().toImage();
        for (QPoint corner : {place.topLeft(), place.bottomRight()}) {
            const QRgb band = window.background().pixel(corner);
            EXPECT_EQ(shown.pixel(corner), hit.flashes ? qRgb(0, 255, 0) : band) << hit.name;
        }
        for (QPoint outside : {place.topLeft() - QPoint(1, 0), place.bottomRight() + QPoint(0, 1)})
            EXPECT_EQ(shown.pixel(outside), window.background().pixel(outside)) << hit.name;
        const auto fades = canvas->findChildren<QVariantAnimation *>(QStringLiteral("hit"));
        ASSERT_EQ(fades.size(), hit.flashes ? 1 : 0) << hit.name;
        if (!hit.flashes)
            continue;

        // It takes no clicks: the bare window has them.
        heard.clear();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          canvas->mapTo(&window, inside));
        EXPECT_EQ(heard, QStringList{"bare window"});

        fades.front()->setCurrentTime(100);
        const int halfway = qGreen(pixelAt(inside));
        EXPECT_TRUE(halfway > 64 && halfway < 192) << "half faded: " << halfway;
        fades.front()->setCurrentTime(200);
        EXPECT_EQ(pixelAt(inside), bandInside) << "gone within a fifth of a second";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A hit while another still fades shows both; a load clears them.
    for (Control target : {C::paricmd, C::paricmd1}) {
        window.setVisible(target, true);
        window.setBackColour(target, green);
        window.setVisible(target, false);
    }
    EXPECT_EQ(canvas->findChildren<QVariantAnimation *>(QStringLiteral("hit")).size(), 2);
    window.load();
    EXPECT_TRUE(canvas->findChildren<QVariantAnimation *>(QStringLiteral("hit")).isEmpty());
}

} // namespace
} // namespace zarvento
