// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The target motion: the six ways a tick can move, show, hide and renumber the targets.
#pragma once

#include "table/form.h"
#include "table/formvariables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zarvento {

enum class Axis { Left, Top };

// A move to a random place: offset + floor(r x range).
struct Move {
    Control button;
    Axis axis;
    int range;
    int offset = 0;
};

struct MotionRow {
    std::vector<Move> moves; // in order, each with its own draw
    std::vector<Control> shown;
    std::vector<Control> hidden;
    // An odd target given a new number after the moves, reseeded from and kept in a variable.
    std::optional<Control> renumbered;
    std::int16_t FormVariables::*renumberVariable = nullptr;
};

extern const std::array<MotionRow, 6> motionRows;

// The targets every tick shows before its row is carried out.
extern const std::array<Control, 3> shownEveryTick;

} // namespace zarvento
