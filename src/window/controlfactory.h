// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds one control of the window from its layout row, in its design-time state.
#pragma once

#include "window/layout.h"

#include <QCursor>

class QWidget;

namespace zarvento {

class CanvasLabel;
class GraphicButton;

// A control as built: the widget, and the same widget by its own kind where the window needs it.
struct BuiltControl {
    QWidget *widget = nullptr;
    CanvasLabel *label = nullptr;
    GraphicButton *button = nullptr;
};

// The pointers of their own that some buttons show, made once for every load.
struct ControlPointers {
    QCursor sight;
    QCursor icon;
};

// Place, size, caption, font, colours, pictures, pointer, tooltip, enabled and visible as the row
// designs them; the control is a child of parent.
BuiltControl buildControl(const ControlRow &row, QWidget *parent, const ControlPointers &pointers);

} // namespace zarvento
