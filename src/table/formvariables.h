// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The state of a game kept by the window object for the whole run.
#pragma once

#include <QString>

#include <cstdint>

namespace zarvento {

// Numbers start at 0 and texts empty; a new game keeps whatever its handlers do not set.
struct FormVariables {
    std::int16_t num1 = 0; // the question: first factor, 1 to 9
    std::int16_t num2 = 0; // second factor, 0 to 9
    std::int16_t waitStep = 0;
    std::int16_t clockHours = 0;
    std::int16_t clockMinutes = 0;
    float clockSeconds = 0;
    std::int16_t secondsLeft = 0;
    QString winDir; // the records folder, with a trailing separator
    std::int16_t shownNum1 = 0; // last number dealt to paricmd2 by its hit
    std::int16_t shownNum2 = 0; // the motion's reseed values for the odd targets' new numbers
    std::int16_t shownNum3 = 0;
    std::int16_t shownNum4 = 0;
    std::int16_t score = 0;
    std::int16_t flashStep = 0;
};

} // namespace zarvento
