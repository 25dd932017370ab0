// The real game window, headless: layout at creation, text, bands, units, clicks, keys, timers.
#include "window/fonts.h"
#include "window/tavolawindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace zarvento {
namespace {

using C = Control;

struct Recorder : FormEvents {
    void controlClicked(Control control) override { clicks.push_back(control); }
    void windowClicked() override { ++windowClicks; }
    void timerTicked(Timer timer) override { ticks.push_back(timer); }
    void resized() override { ++resizes; }
    void menuChosen(MenuItem item) override { menus.push_back(item); }
    void closed() override { ++closes; }

    std::vector<Control> clicks;
    int windowClicks = 0;
    std::vector<Timer> ticks;
    int resizes = 0;
    std::vector<MenuItem> menus;
    int closes = 0;
};

class Window : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installFontSubstitutions(); }

    void SetUp() override
    {
        window.setEvents(&events);
        window.load();
    }

    QWidget *canvas() const { return window.centralWidget(); }
    QWidget *at(Control control) const { return window.widget(control); }

    void showActive()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        ASSERT_EQ(QApplication::activeWindow(), &window);
    }
    // Through the window system, so that the control under the point (if any) takes the click.
    void clickCanvas(QPoint point)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          canvas()->mapTo(&window, point));
    }
    // A scheduled paint arrives in two rounds of posted events: the update request, then the paint.
    static void settle()
    {
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
    }
    QRgb backgroundAt(int x, int y) const { return window.background().pixel(x, y); }

    Recorder events;
    TavolaWindow window;
};

// ---- Layout at creation ----------------------------------------------------------------------

struct Place {
    Control control;
    QRect pixels;
    bool autoSize;
};

TEST_F(Window, ControlsStartAtTheirTwipPlaces)
{
    const Place places[] = {
        {C::cmdExit, {384, 0, 121, 65}, false},     {C::cmdNext, {24, 0, 121, 65}, false},
        {C::paricmd, {160, 104, 81, 81}, false},    {C::disparicmd2, {336, 456, 81, 81}, false},
        {C::txtAnswer, {368, 112, 185, 80}, false}, {C::lblScore, {216, 40, 81, 65}, false},
        {C::Label12, {8, 528, 153, 25}, false},     {C::lblconto, {8, 160, 105, 33}, false},
        {C::lblnome1, {128, 304, 0, 0}, true},      {C::lblpunti, {560, 520, 0, 0}, true},
        {C::Label6, {168, 0, 0, 0}, true},          {C::Punteggio, {240, 48, 0, 0}, true},
    };
    for (const Place &place : places) {
        const QWidget *control = at(place.control);
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_EQ(control->pos(), place.pixels.topLeft());
        if (!place.autoSize) {
            EXPECT_EQ(control->size(), place.pixels.size());
        }
    }
    EXPECT_EQ(canvas()->size(), QSize(608, 672)) << "the bands are painted before the first show";
}

TEST_F(Window, StateAtCreationLeavesOnlyExitToFocus)
{
    struct State {
        Control control;
        bool visible, enabled;
    };
    const State states[] = {
        {C::paricmd, false, true},    {C::paricmd1, false, true},    {C::paricmd2, false, true},
        {C::disparicmd, false, true}, {C::disparicmd1, false, true}, {C::disparicmd2, false, true},
        {C::cmdNext, true, false},    {C::cmdExit, true, true},      {C::Inizio, false, true},
        {C::txtAnswer, false, false}, {C::lblNum1, false, false},    {C::Label2, false, false},
        {C::lblMessage, false, true}, {C::Label6, true, true},       {C::lblnome1, true, true},
    };
    for (const State &state : states) {
        SCOPED_TRACE(at(state.control)->objectName().toStdString());
        EXPECT_EQ(window.isVisible(state.control), state.visible);
        EXPECT_EQ(at(state.control)->isEnabled(), state.enabled);
    }
    for (int i = 0; i < controlCount; ++i) {
        const QWidget *control = at(static_cast<Control>(i));
        const bool focusable = !control->isHidden() && control->isEnabled() &&
                               (control->focusPolicy() & Qt::TabFocus) != 0;
        EXPECT_EQ(focusable, static_cast<Control>(i) == C::cmdExit)
            << control->objectName().toStdString();
    }
    EXPECT_EQ(window.focusWidget(), at(C::cmdExit));
}

TEST_F(Window, CaptionsAndTooltipsAreTheDesignedTexts)
{
    struct Text {
        Control control;
        const char *caption;
        const char *tooltip;
    };
    const Text texts[] = {
        {C::lblconto, "00.00.00", ""},
        {C::Label12, "Il record  è di ", ""},
        {C::cmdExit, "E&xit", "Ti prego resta ancora, forse riuscirai a farmi uscire "},
        {C::cmdNext, "&Clicca per iniziare", "Go"},
        {C::disparicmd1, "63", ""},
        {C::paricmd, "", ""},
        {C::Punteggio, "0", ""},
        {C::lblScore, "", "Questo è il tuo punteggio. Forza con il  record"},
        {C::txtAnswer, "", "Inserisci il risultato e  premi il tasto  Invio"},
        {C::Inizio, "Inizio", ""},
    };
    for (const Text &text : texts) {
        SCOPED_TRACE(text.caption);
        EXPECT_EQ(window.caption(text.control), QString::fromUtf8(text.caption));
        EXPECT_EQ(at(text.control)->toolTip(), QString::fromUtf8(text.tooltip));
    }
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zarvento"));
}

TEST_F(Window, FontsMapToLiberationAndKeepTheirSizes)
{
    struct Font {
        Control control;
        const char *family;
        double points;
        int weight;
        bool italic;
    };
    const Font fonts[] = {
        {C::paricmd, "Liberation Sans", 24, QFont::Bold, false},
        {C::cmdExit, "Liberation Sans", 8.25, QFont::Bold, false},
        {C::Label11, "Liberation Sans", 9.75, QFont::Normal, false},
        {C::lblMessage, "Liberation Sans", 24, QFont::Bold, true},
        {C::lblScore, "Liberation Serif", 36, QFont::Bold, false},
        {C::txtAnswer, "Liberation Sans", 48, QFont::Bold, false},
        {C::lblconto, "Liberation Sans", 12, QFont::Black, false},
    };
    for (const Font &font : fonts) {
        const QFont actual = at(font.control)->font();
        SCOPED_TRACE(at(font.control)->objectName().toStdString());
        EXPECT_EQ(QFontInfo(actual).family(), QLatin1String(font.family));
        EXPECT_DOUBLE_EQ(actual.pointSizeF(), font.points);
        EXPECT_EQ(actual.weight(), font.weight);
        EXPECT_EQ(actual.italic(), font.italic);
    }
}

TEST_F(Window, NamesShowLiterallyAndAutoSizeLabelsGrowFromTheirCorner)
{
    auto *name = qobject_cast<QLabel *>(at(C::lblnome1));
    ASSERT_NE(name, nullptr);
    for (const char *markup : {"<b>x</b>", "<img src=x>", "Mario<br>"}) {
        window.setCaption(C::lblnome1, QString::fromLatin1(markup));
        EXPECT_EQ(window.caption(C::lblnome1), QLatin1String(markup));
        EXPECT_EQ(name->textFormat(), Qt::PlainText);
    }
    window.setCaption(C::lblnome1, QStringLiteral("Anna"));
    const QSize shortName = name->size();
    window.setCaption(C::lblnome1, QStringLiteral("Annamaria Bartolomei"));
    EXPECT_GT(name->width(), shortName.width());
    EXPECT_EQ(name->pos(), QPoint(128, 304));

    const QSize fixed = at(C::Label12)->size();
    window.setCaption(C::Label12, QStringLiteral("a much longer text than the label was made for"));
    EXPECT_EQ(at(C::Label12)->size(), fixed);
}

// ---- Background and units --------------------------------------------------------------------

struct Bands {
    int first, second;
    QRgb top, bottom;
};

TEST_F(Window, BandsRunFromTheQuestionColourDownToFullBlueWithoutGaps)
{
    EXPECT_TRUE(window.background().isNull());
    const Bands cases[] = {{9, 9, qRgb(180, 180, 0), qRgb(180, 180, 255)},
                           {1, 0, qRgb(20, 0, 0), qRgb(20, 0, 255)}};
    for (const Bands &bands : cases) {
        SCOPED_TRACE(bands.first);
        window.paintBands(bands.first, bands.second);
        const QImage &image = window.background();
        ASSERT_EQ(image.size(), QSize(608, 672));
        const int last = image.height() - 1;
        EXPECT_EQ(backgroundAt(0, 0), bands.top);
        EXPECT_EQ(backgroundAt(607, 0), bands.top);
        EXPECT_EQ(backgroundAt(0, last), bands.bottom);
        EXPECT_EQ(backgroundAt(607, last), bands.bottom);

        // Every row belongs to a band of this painting, and the bands follow one another.
        int previousBlue = 0;
        for (int y = 0; y <= last; ++y) {
            const QRgb left = backgroundAt(0, y);
            ASSERT_EQ(left, backgroundAt(607, y)) << y;
            ASSERT_EQ(qRed(left), 20 * bands.first) << y;
            ASSERT_EQ(qGreen(left), 20 * bands.second) << y;
            ASSERT_GE(qBlue(left), previousBlue) << y;
            ASSERT_LE(qBlue(left), previousBlue + 1) << y;
            previousBlue = qBlue(left);
        }
    }
}

TEST_F(Window, BackgroundSurvivesResizeAndShowsOnTheCanvas)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.paintBands(3, 5);
    const QImage painted = window.background();
    const QPoint bare(300, 400);
    const QPoint insideLabel12(158, 530); // right of its text
    const QImage first = canvas()->grab().toImage();
    EXPECT_EQ(first.pixel(bare), painted.pixel(bare));
    EXPECT_EQ(first.pixel(insideLabel12), painted.pixel(insideLabel12)) << "a transparent label";

    window.resize(window.width() + 100, window.height() + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.background(), painted);
    const QImage shown = canvas()->grab().toImage();
    EXPECT_EQ(shown.pixel(bare), painted.pixel(bare));
    EXPECT_EQ(QColor(shown.pixel(650, 400)), canvas()->palette().color(QPalette::Window))
        << "an uncovered part waits for the next painting";
}

TEST_F(Window, PlacesAreInTwipsUntilTheFirstPaintingThenInBandUnits)
{
    struct Move {
        float left, top;
        QPoint expected;
    };
    window.setLeft(C::paricmd, 3000);
    window.setTop(C::paricmd, 1500);
    EXPECT_EQ(at(C::paricmd)->pos(), QPoint(200, 100));

    window.paintBands(2, 3);
    const int height = window.background().height();
    const Move moves[] = {
        {100, 256, {100, height / 2}},
        {0, 0, {0, 0}},
        {450, 512, {450, height}},
        {30, 600, {30, (600 * height + 256) / 512}}, // below the client area: no clamping
    };
    for (const Move &move : moves) {
        window.setLeft(C::paricmd, move.left);
        window.setTop(C::paricmd, move.top);
        EXPECT_EQ(at(C::paricmd)->pos(), move.expected) << move.top;
    }

    window.unload();
    window.load();
    window.setLeft(C::paricmd, 3000);
    EXPECT_EQ(at(C::paricmd)->x(), 200) << "a new load is back in twips";
}

// ---- Clicks and keys -------------------------------------------------------------------------

TEST_F(Window, ClicksReachTheControlUnderThePointerOrTheBareWindow)
{
    showActive();
    window.setVisible(C::disparicmd, true);
    struct Click {
        QPoint point;
        int windowClicks;
        std::vector<Control> controls;
    };
    const Click clicks[] = {
        {{300, 400}, 1, {}},              // bare background
        {{200, 300}, 1, {}},              // where the hidden paricmd1 lies: still bare
        {{200, 10}, 0, {}},               // the label Label6
        {{80, 30}, 0, {}},                // the disabled cmdNext
        {{420, 140}, 0, {C::disparicmd}}, // a visible target
    };
    for (const Click &click : clicks) {
        events.clicks.clear();
        events.windowClicks = 0;
        clickCanvas(click.point);
        EXPECT_EQ(events.windowClicks, click.windowClicks)
            << click.point.x() << "," << click.point.y();
        EXPECT_EQ(events.clicks, click.controls) << click.point.x() << "," << click.point.y();
    }

    // Straight to the canvas, as a click that a control let through would arrive there.
    events.windowClicks = 0;
    QTest::mouseClick(canvas(), Qt::LeftButton, {}, {200, 10});
    EXPECT_EQ(events.windowClicks, 0) << "Label6 still covers the ground";
    QTest::mouseClick(canvas(), Qt::LeftButton, {}, {300, 400});
    EXPECT_EQ(events.windowClicks, 1);

    events.clicks.clear();
    QTest::mouseClick(at(C::paricmd), Qt::LeftButton);
    EXPECT_TRUE(events.clicks.empty()) << "a hidden target takes no click";
}

TEST_F(Window, AccessKeysAndEnterClickOnlyWhatIsEnabled)
{
    showActive();
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(events.clicks.empty()) << "cmdNext is disabled";

    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(events.clicks, std::vector<Control>{C::cmdExit});

    ASSERT_EQ(QApplication::focusWidget(), at(C::cmdExit));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        events.clicks.clear();
        QTest::keyClick(at(C::cmdExit), key);
        EXPECT_EQ(events.clicks, std::vector<Control>{C::cmdExit}) << key;
    }
}

// ---- Timers, menu, window events ----------------------------------------------------------

TEST_F(Window, TimersRunAsDesignedAndStopOnUnload)
{
    EXPECT_TRUE(window.isTimerEnabled(Timer::Timer1));
    EXPECT_FALSE(window.isTimerEnabled(Timer::Timer2));

    std::vector<QTimer *> timers;
    for (QTimer *timer : window.findChildren<QTimer *>()) {
        if (timer->interval() == 1000)
            timers.push_back(timer);
    }
    ASSERT_EQ(timers.size(), 2u);
    for (QTimer *timer : timers) {
        events.ticks.clear();
        const Timer expected = timer->isActive() ? Timer::Timer1 : Timer::Timer2;
        QMetaObject::invokeMethod(timer, "timeout");
        EXPECT_EQ(events.ticks, std::vector<Timer>{expected});
    }

    window.setTimerEnabled(Timer::Timer2, true);
    EXPECT_TRUE(window.isTimerEnabled(Timer::Timer2));
    window.unload();
    EXPECT_FALSE(window.isTimerEnabled(Timer::Timer1));
    EXPECT_FALSE(window.isTimerEnabled(Timer::Timer2));
}

TEST_F(Window, UnloadDiscardsEverythingAndLoadRestoresTheDesign)
{
    window.show();
    window.setCaption(C::lblconto, QStringLiteral("00:15:00"));
    window.setCaption(C::paricmd, QStringLiteral("42"));
    window.setVisible(C::paricmd, true);
    window.paintBands(4, 4);

    window.unload();
    EXPECT_TRUE(window.isHidden());
    EXPECT_EQ(window.widget(C::paricmd), nullptr);
    EXPECT_TRUE(window.background().isNull());

    window.load();
    EXPECT_EQ(window.caption(C::lblconto), QStringLiteral("00.00.00"));
    EXPECT_EQ(window.caption(C::paricmd), QString());
    EXPECT_FALSE(window.isVisible(C::paricmd));
    EXPECT_TRUE(window.background().isNull());
    EXPECT_TRUE(window.isTimerEnabled(Timer::Timer1));
}

TEST_F(Window, ShowingResizingAndStateChangesAreReported)
{
    window.show();
    EXPECT_GE(events.resizes, 1) << "the first show";

    events.resizes = 0;
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_GE(events.resizes, 1);
    EXPECT_TRUE(window.isMinimized());
    events.resizes = 0;
    window.setWindowState(Qt::WindowNoState);
    EXPECT_GE(events.resizes, 1);
    EXPECT_FALSE(window.isMinimized());

    window.unload();
    window.load();
    events.resizes = 0;
    window.show();
    EXPECT_GE(events.resizes, 1) << "showing again for a new game";
}

TEST_F(Window, MenuItemsReportTheirChoiceAndCloseIsReported)
{
    const std::vector<QAction *> expectedBar{
        window.menuAction(MenuItem::INFOMAZIONI), window.menuAction(MenuItem::copy),
        window.menuAction(MenuItem::Next), window.menuAction(MenuItem::h)};
    QList<QAction *> bar = window.menuBar()->actions();
    EXPECT_EQ(std::vector<QAction *>(bar.begin(), bar.end()), expectedBar);
    EXPECT_EQ(window.menuAction(MenuItem::Next)->text(), QStringLiteral("Nuovo gioco"));
    EXPECT_EQ(window.menuAction(MenuItem::Next)->menu(), nullptr) << "a command on the bar";
    EXPECT_EQ(window.menuAction(MenuItem::h)->text(), QStringLiteral("Help"));

    for (MenuItem item : {MenuItem::citta, MenuItem::via, MenuItem::Next, MenuItem::Ciao}) {
        events.menus.clear();
        window.menuAction(item)->trigger();
        EXPECT_EQ(events.menus, std::vector<MenuItem>{item});
    }

    window.show();
    window.close();
    EXPECT_EQ(events.closes, 1);
}

// ---- Button faces ----------------------------------------------------------------------------

TEST_F(Window, BackColourPaintsTheFaceAndRepeatsCostNoPaint)
{
    struct Face {
        Colour colour;
        QRgb rgb;
    };
    const Face faces[] = {{0x0000FF00, qRgb(0, 255, 0)},
                          {0x000000FF, qRgb(255, 0, 0)},
                          {0x00FFFF00, qRgb(0, 255, 255)}};
    for (const Face &face : faces) {
        window.setBackColour(C::paricmd, face.colour);
        EXPECT_EQ(at(C::paricmd)->grab().toImage().pixel(6, 6), face.rgb) << face.colour;
    }

    struct PaintCounter : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
        int paints = 0;
    } counter;
    showActive();
    window.setVisible(C::paricmd, true);
    at(C::paricmd)->installEventFilter(&counter);
    settle();
    counter.paints = 0;
    for (int i = 0; i < 20000; ++i)
        window.setBackColour(C::paricmd, 0x00FFFF00);
    settle();
    EXPECT_EQ(counter.paints, 0);
    for (int i = 0; i < 20000; ++i)
        window.setBackColour(C::paricmd, 0x0000FF00);
    settle();
    EXPECT_EQ(counter.paints, 1) << "the updates of a flash merge into one paint";
}

TEST_F(Window, PointersFollowTheControls)
{
    EXPECT_EQ(canvas()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(canvas()->cursor().hotSpot(), QPoint(15, 15));
    EXPECT_EQ(at(C::Label6)->cursor().pixmap().cacheKey(), canvas()->cursor().pixmap().cacheKey())
        << "labels show the window's cross-hair";
    EXPECT_EQ(at(C::paricmd)->cursor().hotSpot(), QPoint(10, 10));
    EXPECT_EQ(at(C::cmdNext)->cursor().shape(), Qt::BitmapCursor);
    for (Control arrow : {C::cmdExit, C::paricmd1, C::disparicmd})
        EXPECT_EQ(at(arrow)->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace zarvento
