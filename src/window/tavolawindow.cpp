// The game window Tavola on screen: its controls, band-painted background, timers and menu bar.
#include "window/tavolawindow.h"

#include "window/art.h"
#include "window/controls.h"
#include "window/fonts.h"
#include "window/layout.h"

#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zarvento {

namespace {

constexpr int scaleHeight = 512;

int pixels(int twips)
{
    return twips / twipsPerPixel;
}

std::size_t index(MenuItem item)
{
    return static_cast<std::size_t>(item);
}

// The fore colour stays greyed when the control is disabled, as the platform draws it.
void applyColours(QWidget *widget, const ControlRow &row)
{
    QPalette palette = widget->palette();
    if (row.fore != systemColour) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, widget->foregroundRole(), fromBgr(row.fore));
    }
    if (row.back != systemColour)
        palette.setColor(widget->backgroundRole(), fromBgr(row.back));
    widget->setPalette(palette);
}

} // namespace

TavolaWindow::TavolaWindow(QWidget *parent)
    : QMainWindow(parent), canvas_(new Canvas(this)),
      sightCursor_(artCursor("sight", {10, 10}, devicePixelRatio(), Qt::CrossCursor)),
      iconCursor_(artCursor("cursor-icon", {15, 15}, devicePixelRatio(), Qt::ArrowCursor))
{
    setObjectName(QStringLiteral("Tavola"));
    setWindowTitle(QStringLiteral("Zarvento"));
    setWindowIcon(artIcon("icon"));
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->setCursor(artCursor("crosshair", {15, 15}, devicePixelRatio(), Qt::CrossCursor));
    setCentralWidget(canvas_);
    connect(canvas_, &Canvas::bareClicked, this, [this] {
        if (events_ != nullptr)
            events_->windowClicked();
    });
}

TavolaWindow::~TavolaWindow() = default;

void TavolaWindow::setEvents(FormEvents *events)
{
    events_ = events;
}

// The menu, the sizes and the controls are built when first needed, not before: the name box
// comes first, and need not wait for them (they cost about as much as the box itself).
void TavolaWindow::ensureBuilt() const
{
    if (!windowBuilt_ || controlsPending_)
        const_cast<TavolaWindow *>(this)->build();
}

void TavolaWindow::build()
{
    if (!windowBuilt_) {
        windowBuilt_ = true;
        buildMenu();
        // The rules paint the first bands before the window is ever shown, so the client area
        // must have its designed size already.
        const QSize client(pixels(clientWidthTwips), pixels(clientHeightTwips));
        resize(client.width(), client.height() + menuBar()->sizeHint().height());
        layout()->activate();
        resize(size() + client - canvas_->size());
        layout()->activate();
        move(pixels(designLeftTwips), pixels(designTopTwips));
    }
    if (controlsPending_) {
        controlsPending_ = false;
        buildControls();
    }
}

void TavolaWindow::buildMenu()
{
    std::array<QMenu *, 7> menus{};
    for (const MenuRow &row : menuTable()) {
        const QString name = QString::fromLatin1(row.name);
        const QString text = QString::fromUtf8(row.text);
        const MenuItem item = row.item;
        const bool isTitle =
            std::any_of(menuTable().begin(), menuTable().end(),
                        [item](const MenuRow &other) { return other.under == item; });
        const auto report = [this, item] {
            if (events_ != nullptr)
                events_->menuChosen(item);
        };
        QAction *action = nullptr;
        if (row.under) {
            action = menus[index(*row.under)]->addAction(text);
            connect(action, &QAction::triggered, this, report);
        } else if (isTitle) {
            QMenu *menu = menuBar()->addMenu(text);
            menu->setObjectName(name);
            menus[index(item)] = menu;
            action = menu->menuAction();
            // A title reports its choice as it drops its menu down.
            connect(menu, &QMenu::aboutToShow, this, report);
        } else {
            action = menuBar()->addAction(text);
            connect(action, &QAction::triggered, this, report);
        }
        action->setObjectName(name);
        menu_[index(item)] = action;
    }
}

// ---- Loading ------------------------------------------------------------------------------

void TavolaWindow::load()
{
    discardControls();
    controlsPending_ = true;

    for (Timer which : {Timer::Timer1, Timer::Timer2}) {
        auto *qtimer = new QTimer(this);
        qtimer->setInterval(timerIntervalMs);
        connect(qtimer, &QTimer::timeout, this, [this, which] {
            if (events_ != nullptr)
                events_->timerTicked(which);
        });
        timer(which) = qtimer;
    }
    timer(Timer::Timer1)->start();

    setWindowTitle(QStringLiteral("Zarvento"));
}

void TavolaWindow::buildControls()
{
    for (int i = 0; i < controlCount; ++i)
        buildControl(static_cast<Control>(i));
    // Labels are drawn on the window itself, beneath every control that is a window of its own.
    for (const ControlRow &row : layoutTable()) {
        if (row.kind != Kind::Label)
            slot(row.control).widget->raise();
    }
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(slot(focusOrder[i - 1]).widget, slot(focusOrder[i]).widget);
    slot(Control::cmdExit).widget->setFocus();
}

void TavolaWindow::buildControl(Control control)
{
    const ControlRow &row = layoutRow(control);
    Slot &entry = controls_[static_cast<std::size_t>(control)];
    const QString caption = QString::fromUtf8(row.caption);

    switch (row.kind) {
    case Kind::Label: {
        auto *label = new CanvasLabel(row.has(Border), row.has(AutoSize), canvas_);
        label->setAlignment((row.has(Centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setAutoFillBackground(!row.has(Transparent));
        entry.label = label;
        entry.widget = label;
        break;
    }
    case Kind::GraphicButton: {
        auto *button = new GraphicButton(row.back, canvas_);
        if (row.pictures == Pictures::NoEntry) {
            button->setPicture(GraphicButton::Normal, artPath("noentry"));
        } else if (row.pictures == Pictures::Faces) {
            button->setPicture(GraphicButton::Normal, artPath("face-smile"));
            button->setPicture(GraphicButton::Pressed, artPath("face-laugh"));
            button->setPicture(GraphicButton::Greyed, artPath("face-straight"));
        }
        entry.button = button;
        entry.widget = button;
        break;
    }
    case Kind::StandardButton:
        entry.widget = new QPushButton(canvas_);
        break;
    case Kind::TextBox:
        entry.widget = new QLineEdit(canvas_);
        // Buttons are heard by their captions; the answer box has none of its own.
        entry.widget->setAccessibleName(QStringLiteral("Risultato"));
        break;
    }

    QWidget *widget = entry.widget;
    widget->setObjectName(QString::fromLatin1(row.name));
    if (row.font.face != nullptr)
        widget->setFont(layoutFont(row.font));
    if (entry.button == nullptr)
        applyColours(widget, row);
    widget->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    if (row.tooltip != nullptr)
        widget->setToolTip(QString::fromUtf8(row.tooltip));

    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        switch (row.pointer) {
        case Pointer::Sight:
            button->setCursor(sightCursor_);
            break;
        case Pointer::IconPointer:
            button->setCursor(iconCursor_);
            break;
        default:
            button->setCursor(Qt::ArrowCursor);
            break;
        }
        connect(button, &QAbstractButton::clicked, this, [this, control] {
            // A hidden button takes no clicks, whoever sends them.
            const QWidget *target = slot(control).widget;
            if (events_ != nullptr && target != nullptr && !target->isHidden())
                events_->controlClicked(control);
        });
    }

    setCaption(control, caption);
    widget->setEnabled(!row.has(Disabled));
    // A child created on a window already shown stays hidden until told otherwise.
    widget->setVisible(!row.has(Hidden));
}

void TavolaWindow::unload()
{
    discardControls();
    hide();
}

void TavolaWindow::discardControls()
{
    controlsPending_ = false;
    for (Slot &entry : controls_) {
        if (entry.widget != nullptr) {
            entry.widget->hide();
            // Later, not now: the rules may be running inside one of these controls' own signals.
            entry.widget->deleteLater();
        }
        entry = Slot{};
    }
    for (QTimer *&qtimer : timers_) {
        if (qtimer != nullptr) {
            qtimer->stop();
            qtimer->deleteLater();
            qtimer = nullptr;
        }
    }
    canvas_->clearBackground();
    bandHeight_.reset();
}

void TavolaWindow::show()
{
    ensureBuilt();
    const bool wasHidden = isHidden();
    resizeReported_ = false;
    QMainWindow::show();
    raise();
    activateWindow();
    // A window shown again after an unload gets no resize event, yet showing always reports one.
    if (wasHidden && !resizeReported_)
        reportResize();
}

// ---- Controls -----------------------------------------------------------------------------

QWidget *TavolaWindow::widget(Control control) const
{
    return slot(control).widget;
}

QString TavolaWindow::caption(Control control) const
{
    const Slot &entry = slot(control);
    if (entry.label != nullptr)
        return entry.label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(entry.widget))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(entry.widget))
        return edit->text();
    return QString();
}

void TavolaWindow::setCaption(Control control, const QString &text)
{
    const Slot &entry = slot(control);
    if (entry.label != nullptr)
        entry.label->setCaption(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(entry.widget))
        button->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(entry.widget))
        edit->setText(text);
}

void TavolaWindow::setBackColour(Control control, Colour colour)
{
    const Slot &entry = slot(control);
    if (entry.button != nullptr) {
        entry.button->setBackColour(colour);
        return;
    }
    if (entry.widget == nullptr)
        return;
    const QColor wanted = fromBgr(colour);
    QPalette palette = entry.widget->palette();
    if (palette.color(entry.widget->backgroundRole()) == wanted)
        return;
    palette.setColor(entry.widget->backgroundRole(), wanted);
    entry.widget->setPalette(palette);
}

bool TavolaWindow::isVisible(Control control) const
{
    const QWidget *target = slot(control).widget;
    return target != nullptr && !target->isHidden();
}

void TavolaWindow::setVisible(Control control, bool visible)
{
    if (QWidget *target = slot(control).widget)
        target->setVisible(visible);
}

void TavolaWindow::setLeft(Control control, float left)
{
    QWidget *target = slot(control).widget;
    if (target == nullptr)
        return;
    const double x = bandHeight_ ? left : left / twipsPerPixel;
    target->move(static_cast<int>(std::lround(x)), target->y());
}

void TavolaWindow::setTop(Control control, float top)
{
    QWidget *target = slot(control).widget;
    if (target == nullptr)
        return;
    const double y = bandHeight_ ? double(top) * *bandHeight_ / scaleHeight : top / twipsPerPixel;
    target->move(target->x(), static_cast<int>(std::lround(y)));
}

// ---- Timers, caption, state -----------------------------------------------------------------

void TavolaWindow::setTimerEnabled(Timer which, bool enabled)
{
    QTimer *qtimer = timer(which);
    if (qtimer == nullptr)
        return;
    if (enabled)
        qtimer->start();
    else
        qtimer->stop();
}

bool TavolaWindow::isTimerEnabled(Timer which) const
{
    const QTimer *qtimer = timer(which);
    return qtimer != nullptr && qtimer->isActive();
}

void TavolaWindow::setWindowCaption(const QString &text)
{
    setWindowTitle(text);
}

bool TavolaWindow::isMinimized() const
{
    return QMainWindow::isMinimized();
}

QAction *TavolaWindow::menuAction(MenuItem item) const
{
    ensureBuilt();
    return menu_[index(item)];
}

// ---- Background -----------------------------------------------------------------------------

void TavolaWindow::paintBands(int firstFactor, int secondFactor)
{
    ensureBuilt();
    bandHeight_ = canvas_->paintBands(firstFactor, secondFactor);
}

const QImage &TavolaWindow::background() const
{
    ensureBuilt();
    return canvas_->background();
}

// ---- Window events --------------------------------------------------------------------------

void TavolaWindow::reportResize()
{
    resizeReported_ = true;
    if (events_ != nullptr)
        events_->resized();
}

void TavolaWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    reportResize();
}

void TavolaWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        reportResize();
}

void TavolaWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (events_ != nullptr)
        events_->closed();
}

} // namespace zarvento
