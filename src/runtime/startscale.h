// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Settles the scale factor and font resolution the game's application will read when it starts.
#pragma once

#include <QSizeF>
#include <QString>

#include <optional>

namespace zarvento {

// Before the application object exists: checks the factor asked with --scale (else the
// environment's QT_SCALE_FACTOR) against the screen for a window of windowSize at normal size,
// and QT_FONT_DPI against its sane range; puts what is to be used in their place, with one line
// on standard error for each that is not. With neither set it does nothing at all.
void settleScale(const std::optional<QString> &asked, QSizeF windowSize, int argc, char **argv);

} // namespace zarvento
