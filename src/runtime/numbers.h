// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// 16-bit integers as the game stores them, and the number formats it shows them in.
#pragma once

#include <QString>

#include <cstdint>
#include <limits>

namespace zarvento {

constexpr int int16Min = std::numeric_limits<std::int16_t>::min();
constexpr int int16Max = std::numeric_limits<std::int16_t>::max();

// a + b kept inside the 16-bit range: the score stops at its bounds instead of overflowing.
constexpr std::int16_t saturatingAdd(std::int16_t a, int b)
{
    const long sum = static_cast<long>(a) + b;
    return static_cast<std::int16_t>(sum < int16Min ? int16Min : sum > int16Max ? int16Max : sum);
}

// Plain decimal text: a minus sign when negative, no blanks, no leading zeros.
QString decimal(int value);
// The format "#0": at least one digit, which for whole numbers is the decimal text.
inline QString formatHash0(int value) { return decimal(value); }
// The format "00": a whole number with at least two digits.
QString format00(double value);

} // namespace zarvento
