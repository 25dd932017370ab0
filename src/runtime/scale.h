// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// How large the game is shown: the factor asked for, checked against the screen it must fit.
#pragma once

#include <QSizeF>
#include <QString>

#include <optional>

namespace zarvento {

// Below half size the numbers are too small to read from a classroom's back row.
constexpr double smallestScale = 0.5;
// Whatever the screen, the window and its painted background stay within a few hundred MiB.
constexpr double largestScale = 4.0;

// Why the factor shown is the one it is.
enum class ScaleVerdict {
    AsAsked,    // a number in range, shown as asked
    Fitted,     // "fit": the largest whole or half factor that fits
    NotANumber, // text, nan, or empty: shown at normal size, or smaller if that does not fit
    TooSmall,   // below half size, zero or negative: the same
    TooLarge,   // infinite, or larger than the screen or the ceiling: the largest that fits
};

struct ScaleChoice {
    double factor;
    ScaleVerdict verdict;
};

// The largest factor at which window (its size at normal size) fits in room, within the ceiling.
double largestScaleThatFits(QSizeF window, QSizeF room);

// The largest whole or half factor that fits, and never less than half size.
double fitScale(QSizeF window, QSizeF room);

// What to show for asked, a number as the player writes it ("2", "1.5") or "fit".
ScaleChoice chooseScale(const QString &asked, QSizeF window, QSizeF room);

// A font resolution override, in dots per inch, if it is a sane one; none otherwise.
std::optional<double> saneFontDpi(const QString &asked);

} // namespace zarvento
