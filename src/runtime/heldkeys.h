// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A held key is one press: what it does once, its repeats do not do again.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

class QKeyEvent;
class QWidget;

namespace zarvento {

// Watches the keys that reach one window (the game or a box) for as long as this object lives.
// The window drops a key's repeats, and the release and repeats of a key that was already down
// when it opened; repeats still type into a text box, but never press its box's buttons.
class HeldKeys : public QObject {
    Q_OBJECT
public:
    explicit HeldKeys(QWidget *window);
    ~HeldKeys() override;

    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    bool isRepeat(const QKeyEvent &event) const;
    bool typesInto(QObject *receiver, int key) const;

    QPointer<QWidget> window_;
    // Keys pressed afresh while the window was watched.
    QSet<int> pressedHere_;
    // When each key was last let go, by the window system's clock.
    QHash<int, quint64> releasedAt_;
};

} // namespace zarvento
