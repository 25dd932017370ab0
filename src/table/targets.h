// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The six targets: what a hit on each of them does, one row a target.
#pragma once

#include "table/form.h"
#include "table/formvariables.h"

#include <array>

namespace zarvento {

enum class Parity { Even, Odd };

struct TargetRow {
    Control button;
    Parity parity;
    // The new number is 2 x floor(range x r + 1), plus 1 for an odd target.
    int range;
    // Where the reseed value and the new number live; none means a fresh local that starts at 0.
    std::int16_t FormVariables::*reseedFrom;
    std::int16_t FormVariables::*keptIn;
    // The warning's text in front of the number hit (odd targets only).
    const char *warning; // UTF-8, translated in the context "Tavola"
};

extern const std::array<TargetRow, 6> targetRows;

// The row of a target button, if the control is one.
const TargetRow *targetRow(Control control);

constexpr Colour flashGreen = 0x00FF00;
constexpr Colour flashRed = 0x0000FF;
constexpr Colour targetCyan = 0xFFFF00;

} // namespace zarvento
