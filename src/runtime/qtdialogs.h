// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The message and input boxes as Qt dialog objects, always showing their text as plain text.
#pragma once

#include "runtime/dialogs.h"

#include <QPoint>

#include <optional>

class QWidget;

namespace zarvento {

class QtDialogs final : public Dialogs {
public:
    // While owner (the game window) is in sight, boxes open centred over it and belong to it;
    // while it is hidden or minimized, centred where it was; before it was ever shown, as at
    // start, in the middle of the screen.
    explicit QtDialogs(QWidget *owner = nullptr) : owner_(owner) {}

    MsgBoxAnswer messageBox(const QString &text, MsgBoxStyle style, const QString &title) override;
    QString inputBox(const QString &prompt) override;

private:
    QWidget *parentForBox() const;
    std::optional<QPoint> lastPlace() const;

    QWidget *owner_;
};

} // namespace zarvento
