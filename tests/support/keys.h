// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Key events as the X server sends a held key: on its own clock, a repeat marked as one or not.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <vector>

namespace zarvento::testing {

struct KeyStroke {
    QEvent::Type type;
    ulong time; // milliseconds, as the window system stamps it
    bool markedRepeat;
};

inline QString keyText(Qt::Key key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(u'a' + (key - Qt::Key_A));
    switch (key) {
    case Qt::Key_Space:
        return QStringLiteral(" ");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        return {};
    }
}

// To the control with the focus; a press goes by the shortcuts first, as one from the keyboard.
inline void sendKey(QWidget *to, Qt::Key key, const KeyStroke &stroke,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QString text = modifiers == Qt::NoModifier ? keyText(key) : QString();
    if (stroke.type == QEvent::KeyPress &&
        qt_sendShortcutOverrideEvent(to, stroke.time, key, modifiers, text, stroke.markedRepeat))
        return;
    QKeyEvent event(stroke.type, key, modifiers, text, stroke.markedRepeat);
    event.setTimestamp(stroke.time);
    QApplication::sendEvent(to, &event);
}

// A key held down from `from` on: repeats that Qt marks, then a repeat it could not mark (the
// release and the press at one instant, the press not yet queued when the release was read), and
// the key let go. What was already down counts for nothing here.
inline std::vector<KeyStroke> heldFrom(ulong from)
{
    return {
        {QEvent::KeyRelease, from + 500, true},  {QEvent::KeyPress, from + 500, true},
        {QEvent::KeyRelease, from + 533, true},  {QEvent::KeyPress, from + 533, true},
        {QEvent::KeyRelease, from + 566, false}, {QEvent::KeyPress, from + 566, false},
        {QEvent::KeyRelease, from + 800, false},
    };
}

inline void sendAll(QWidget *to, Qt::Key key, const std::vector<KeyStroke> &strokes,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (const KeyStroke &stroke : strokes)
        sendKey(to, key, stroke, modifiers);
}

} // namespace zarvento::testing
