// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// One sound file made ready to play, whatever stands at its path: only a regular WAV file of a
// sound effect's size is ever opened and decoded.
#pragma once

#include <QString>

struct Mix_Chunk;

namespace zarvento {

// The game's effects are about a second long, a few tens of kB; a larger file is not one of them
// and would only hold the game up while it is read.
inline constexpr qint64 largestSoundFile = 2 * 1024 * 1024;
// Decoded for the device, a sound takes up to about 400 kB a second whatever its file's size (a
// thousand samples a second make a kB): a longer one is no effect, and decoding it could take
// seconds and hundreds of MB.
inline constexpr int longestSoundSeconds = 15;

struct LoadedSound {
    Mix_Chunk *chunk = nullptr; // owned by the caller; null when the file cannot be played
    QString problem;            // why not, for the log
};

// Reads the file at path into memory and decodes it for the open audio device. A FIFO, a device,
// a folder, a link to one of them, a file larger than largestSoundFile or a sound longer than
// longestSoundSeconds is refused without waiting on it.
LoadedSound loadSound(const QString &path);

} // namespace zarvento
