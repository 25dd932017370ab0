// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The one voice that plays the game's sound effects.
#pragma once

#include <QString>

namespace zarvento {

class Sounds {
public:
    virtual ~Sounds() = default;
    // Starts the WAV file at path and returns at once, cutting off the sound playing; a file
    // that cannot be played gives silence.
    virtual void play(const QString &path) = 0;
};

} // namespace zarvento
