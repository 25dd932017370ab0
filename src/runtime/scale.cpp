// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// How large the game is shown: the factor asked for, checked against the screen it must fit.
#include "runtime/scale.h"

#include <algorithm>
#include <cmath>

namespace zarvento {

namespace {

constexpr double normalScale = 1.0;
// Fonts from half to four times the usual 96 dots per inch, as the factors above.
constexpr double smallestFontDpi = 96 * smallestScale;
constexpr double largestFontDpi = 96 * largestScale;

std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || std::isnan(value))
        return std::nullopt;
    return value;
}

} // namespace

double largestScaleThatFits(QSizeF window, QSizeF room)
{
    if (window.isEmpty() || room.isEmpty())
        return smallestScale;
    const double fits = std::min(room.width() / window.width(), room.height() / window.height());
    return std::clamp(fits, smallestScale, largestScale);
}

double fitScale(QSizeF window, QSizeF room)
{
    return std::max(smallestScale, std::floor(largestScaleThatFits(window, room) * 2) / 2);
}

ScaleChoice chooseScale(const QString &asked, QSizeF window, QSizeF room)
{
    const double fit = fitScale(window, room);
    if (asked.trimmed() == QLatin1String("fit"))
        return {fit, ScaleVerdict::Fitted};
    // A factor that cannot be used starts the game at its own size, unless that does not fit.
    const double fallback = std::min(normalScale, fit);
    const std::optional<double> factor = number(asked);
    if (!factor)
        return {fallback, ScaleVerdict::NotANumber};
    if (*factor < smallestScale)
        return {fallback, ScaleVerdict::TooSmall};
    if (*factor > largestScaleThatFits(window, room))
        return {fit, ScaleVerdict::TooLarge};
    return {*factor, ScaleVerdict::AsAsked};
}

std::optional<double> saneFontDpi(const QString &asked)
{
    const std::optional<double> dpi = number(asked);
    if (!dpi || *dpi < smallestFontDpi || *dpi > largestFontDpi)
        return std::nullopt;
    return dpi;
}

} // namespace zarvento
