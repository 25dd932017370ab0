// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A held key is one press: what it does once, its repeats do not do again.
#include "runtime/heldkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace zarvento {

HeldKeys::HeldKeys(QWidget *window) : window_(window)
{
    // Keys go to the focused control, not to the window: only the application sees them all.
    QCoreApplication::instance()->installEventFilter(this);
}

HeldKeys::~HeldKeys()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

// A held key repeats as a release and a press at the same instant; Qt marks the pair as a
// repeat only when both are already queued, so on a busy machine they look like a fresh press.
bool HeldKeys::isRepeat(const QKeyEvent &event) const
{
    if (event.isAutoRepeat())
        return true;
    const auto released = releasedAt_.constFind(event.key());
    return event.timestamp() != 0 && released != releasedAt_.cend() &&
           *released == event.timestamp();
}

// Holding a letter or Backspace in a text box goes on typing; Enter and Escape would answer the
// box instead.
bool HeldKeys::typesInto(QObject *receiver, int key) const
{
    return qobject_cast<QLineEdit *>(receiver) != nullptr && pressedHere_.contains(key) &&
           key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape;
}

bool HeldKeys::eventFilter(QObject *receiver, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (window_ == nullptr || widget == nullptr ||
        (widget != window_ && !window_->isAncestorOf(widget)))
        return false;

    auto *key = static_cast<QKeyEvent *>(event);
    bool drop = false;
    if (type == QEvent::KeyRelease) {
        drop = key->isAutoRepeat() || !pressedHere_.contains(key->key());
        releasedAt_.insert(key->key(), key->timestamp());
    } else if (isRepeat(*key)) {
        drop = !typesInto(receiver, key->key());
    } else {
        pressedHere_.insert(key->key());
    }
    if (drop) {
        // Accepted, so that it goes no further: not to a shortcut, not to the parent control.
        event->accept();
    }
    return drop;
}

} // namespace zarvento
