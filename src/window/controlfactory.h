// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds one control of the window from its layout row, in its design-time state.
#pragma once

#include "window/layout.h"

#include <QCursor>
#include <QString>

class QWidget;

namespace zarvento {

class CanvasLabel;
class GraphicButton;

// A control as built: the widget, and the same widget by its own kind where the window needs it.
struct BuiltControl {
    QWidget *widget = nullptr;
    CanvasLabel *label = nullptr;
    GraphicButton *button = nullptr;
    // The layout's caption as the control was given it, in the language spoken then: a control
    // still showing it is one whose caption the rules have not set.
    QString designCaption;
};

// The pointers of their own that some buttons show, made once for every load.
struct ControlPointers {
    QCursor sight;
    QCursor icon;
};

// Place, size, caption, font, colours, pictures, pointer, tooltip, enabled and visible as the row
// designs them; the control is a child of parent.
BuiltControl buildControl(const ControlRow &row, QWidget *parent, const ControlPointers &pointers);

// The caption the control shows now: a label's or a button's text, the answer box's text.
QString shownCaption(const BuiltControl &built);

// Gives the control its caption, tooltip and accessible name in the language spoken now.
void translateControl(const ControlRow &row, BuiltControl &built);

} // namespace zarvento
