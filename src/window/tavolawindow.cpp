// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The game window Tavola on screen: its controls, band-painted background, timers and menu bar.
#include "window/tavolawindow.h"

#include "runtime/translations.h"
#include "table/targets.h"
#include "window/art.h"
#include "window/canvas.h"
#include "window/controls.h"
#include "window/layout.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace zarvento {

namespace {

constexpr int scaleHeight = 512;

std::size_t index(MenuItem item)
{
    return static_cast<std::size_t>(item);
}

std::size_t index(Control control)
{
    return static_cast<std::size_t>(control);
}

} // namespace

TavolaWindow::TavolaWindow(QWidget *parent)
    : QMainWindow(parent),
      canvas_(new Canvas(this)), pointers_{artCursor("sight", {10, 10}, devicePixelRatio(),
                                                     Qt::CrossCursor),
                                           artCursor("cursor-icon", {15, 15}, devicePixelRatio(),
                                                     Qt::ArrowCursor)}
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
    buildMenu();
    sizeClientArea();

    // Alt+X ends the game in every language, beside the translated exit button's own access key.
    exitKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_X), this);
    exitKey_->setAutoRepeat(false);
    connect(exitKey_, &QShortcut::activated, this, [this] {
        if (auto *exit = qobject_cast<QAbstractButton *>(widget(Control::cmdExit)))
            exit->click();
    });
}

TavolaWindow::~TavolaWindow() = default;

void TavolaWindow::setEvents(FormEvents *events)
{
    events_ = events;
}

void TavolaWindow::sizeClientArea()
{
    const QSize client(pixels(clientWidthTwips), pixels(clientHeightTwips));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    layout()->activate();
    resize(size() + client - canvas_->size());
    layout()->activate();
    move(designedPlace(screen()->availableGeometry(), size()));
}

void TavolaWindow::buildMenu()
{
    std::array<QMenu *, 7> menus{};
    for (const MenuRow &row : menuTable()) {
        const QString name = QString::fromLatin1(row.name);
        const QString text = QCoreApplication::translate("Tavola", row.text);
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

void TavolaWindow::offerLanguages(Translations &translations)
{
    translations_ = &translations;
    languageMenu_ = menuBar()->addMenu(QString());
    languageMenu_->setObjectName(QStringLiteral("Lingua"));
    auto *choices = new QActionGroup(languageMenu_);
    const auto offer = [&](const QString &code, const QString &name) {
        QAction *action = languageMenu_->addAction(name);
        action->setObjectName(code.isEmpty() ? QStringLiteral("computer") : code);
        action->setCheckable(true);
        action->setChecked(code == translations.choice());
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { translations_->choose(code); });
        return action;
    };
    computerLanguage_ = offer(QString(), QString());
    for (const OfferedLanguage &language : offeredLanguages())
        offer(language.code, language.ownName);
    translateMenu();
}

void TavolaWindow::translateMenu()
{
    for (const MenuRow &row : menuTable())
        menu_[index(row.item)]->setText(QCoreApplication::translate("Tavola", row.text));
    if (languageMenu_ != nullptr) {
        languageMenu_->setTitle(QCoreApplication::translate("Tavola", "Lingua"));
        computerLanguage_->setText(QCoreApplication::translate("Tavola", "Lingua del computer"));
    }
}

QAction *TavolaWindow::languageAction(const QString &code) const
{
    const QString name = code.isEmpty() ? QStringLiteral("computer") : code;
    return languageMenu_ != nullptr ? languageMenu_->findChild<QAction *>(name) : nullptr;
}

// ---- Loading ------------------------------------------------------------------------------

void TavolaWindow::load()
{
    discardControls();
    buildControls();

    for (Timer which : {Timer::Timer1, Timer::Timer2}) {
        auto *qtimer = new QTimer(this);
        qtimer->setInterval(timerIntervalMs);
        connect(qtimer, &QTimer::timeout, this, [this, which] {
            if (events_ != nullptr)
                events_->timerTicked(which);
        });
        timers_[static_cast<std::size_t>(which)] = qtimer;
    }
    timer(Timer::Timer1)->start();

    setWindowTitle(QStringLiteral("Zarvento"));
}

void TavolaWindow::buildControls()
{
    for (const ControlRow &row : layoutTable()) {
        const Control control = row.control;
        BuiltControl &built = controls_[index(control)];
        built = buildControl(row, canvas_, pointers_);
        if (auto *button = qobject_cast<QAbstractButton *>(built.widget)) {
            connect(button, &QAbstractButton::clicked, this, [this, control] {
                // A hidden button takes no clicks, whoever sends them.
                if (events_ != nullptr && isVisible(control))
                    events_->controlClicked(control);
            });
        }
    }
    // Labels are drawn on the window itself, beneath every control that is a window of its own.
    for (const ControlRow &row : layoutTable()) {
        if (row.kind != Kind::Label)
            slot(row.control).widget->raise();
    }
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(slot(focusOrder[i - 1]).widget, slot(focusOrder[i]).widget);
    slot(Control::cmdExit).widget->setFocus();
    enableExitKey();
}

// Where the exit button's own key, in the language on screen, is Alt+X already, a second one
// would make the key ambiguous and end nothing.
void TavolaWindow::enableExitKey()
{
    const auto *exit = qobject_cast<QAbstractButton *>(slot(Control::cmdExit).widget);
    exitKey_->setEnabled(exit == nullptr ||
                         QKeySequence::mnemonic(exit->text()) != exitKey_->key());
}

void TavolaWindow::unload()
{
    discardControls();
    hide();
}

void TavolaWindow::discardControls()
{
    for (BuiltControl &entry : controls_) {
        if (entry.widget != nullptr) {
            entry.widget->hide();
            // Later, not now: the rules may be running inside one of these controls' own signals.
            entry.widget->deleteLater();
        }
        entry = BuiltControl{};
    }
    for (QTimer *&qtimer : timers_) {
        if (qtimer != nullptr) {
            qtimer->stop();
            qtimer->deleteLater();
            qtimer = nullptr;
        }
    }
    hitGreen_.reset();
    canvas_->clearBackground();
    bandHeight_.reset();
}

void TavolaWindow::show()
{
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
    return shownCaption(slot(control));
}

void TavolaWindow::setCaption(Control control, const QString &text)
{
    const BuiltControl &entry = slot(control);
    if (entry.label != nullptr)
        entry.label->setCaption(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(entry.widget))
        button->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(entry.widget))
        edit->setText(text);
}

void TavolaWindow::setBackColour(Control control, Colour colour)
{
    const BuiltControl &entry = slot(control);
    if (entry.button != nullptr) {
        entry.button->setBackColour(colour);
        if (colour == flashGreen && isVisible(control))
            hitGreen_.set(index(control));
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
    QWidget *target = slot(control).widget;
    if (target == nullptr)
        return;
    // An even hit turns its target green and hides it in the same handler, before the green is
    // ever painted: the window shows the green fading where the target was.
    if (!visible && hitGreen_.test(index(control)) && !target->isHidden())
        canvas_->showHit(target->geometry());
    hitGreen_.reset(index(control));
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
    return menu_[index(item)];
}

// ---- Background -----------------------------------------------------------------------------

void TavolaWindow::paintBands(int firstFactor, int secondFactor)
{
    bandHeight_ = canvas_->paintBands(firstFactor, secondFactor);
}

const QImage &TavolaWindow::background() const
{
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
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
}

// Another language chosen during a match: every word on screen changes and the match goes on.
void TavolaWindow::retranslate()
{
    translateMenu();
    for (const ControlRow &row : layoutTable()) {
        BuiltControl &built = controls_[index(row.control)];
        if (built.widget != nullptr)
            translateControl(row, built);
    }
    enableExitKey();
    // The rules choose the window's caption, the game's title or the time left, when it is
    // resized: asked again, they give it in the new language.
    if (QMainWindow::isVisible())
        reportResize();
}

void TavolaWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (events_ != nullptr)
        events_->closed();
}

} // namespace zarvento
