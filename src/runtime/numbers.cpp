// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The number formats.
#include "runtime/numbers.h"

#include <cmath>

namespace zarvento {

QString decimal(int value)
{
    return QString::number(value);
}

QString format00(double value)
{
    const long whole = std::lround(value);
    const QString digits = QString::number(std::labs(whole)).rightJustified(2, QLatin1Char('0'));
    return whole < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace zarvento
