// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout's font faces and their stand-ins on a desktop that lacks them.
#pragma once

#include "window/layout.h"

#include <QFont>

namespace zarvento {

// Maps the layout's faces to the metric-compatible Liberation families; call once at start.
void installFontSubstitutions();

// The font of a layout row, keeping the layout's face name so the substitution picks the family.
QFont layoutFont(const FontDesign &design);

} // namespace zarvento
