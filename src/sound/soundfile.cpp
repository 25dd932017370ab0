// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// One sound file made ready to play, whatever stands at its path: only a regular WAV file of a
// sound effect's size is ever opened and decoded.
#include "sound/soundfile.h"

#include <QByteArray>
#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvento {

namespace {

// What the file at path is not, when it is no regular file of a sound effect's size; empty when
// it is.
QString unfitFile(const struct stat &status)
{
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("not a regular file");
    if (status.st_size > largestSoundFile)
        return QStringLiteral("larger than %1 bytes").arg(largestSoundFile);
    return {};
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The whole file, or why it may not or cannot be read.
QString readFile(const QString &path, QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    // Looked at before it is opened: opening a FIFO waits for a writer, and a device may do
    // anything when opened.
    if (stat(name.constData(), &status) != 0)
        return systemReason();
    if (QString unfit = unfitFile(status); !unfit.isEmpty())
        return unfit;
    // Without waiting even if something else has been put at the path since.
    const int file = open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0)
        return systemReason();
    QString problem = fstat(file, &status) == 0 ? unfitFile(status) : systemReason();
    if (problem.isEmpty()) {
        // One byte more than it holds, to see it grow while it is read.
        bytes.resize(status.st_size + 1);
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = read(file, bytes.data() + got, size_t(bytes.size() - got));
            if (n == 0)
                break;
            if (n < 0 && errno != EINTR) {
                problem = systemReason();
                break;
            }
            got += qMax<ssize_t>(n, 0);
        }
        if (problem.isEmpty() && got > status.st_size)
            problem = QStringLiteral("changed while it was read");
        bytes.truncate(got);
    }
    close(file);
    return problem;
}

// How long the WAV sound in bytes lasts, in seconds; negative, with SDL's reason, when it is no
// WAV sound. Decoding it for the device first could take all the memory there is.
double wavSeconds(const QByteArray &bytes)
{
    SDL_AudioSpec sound;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    SDL_RWops *memory = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    const bool isWav = SDL_LoadWAV_RW(memory, 1, &sound, &samples, &length) != nullptr;
    if (!isWav)
        return -1;
    SDL_FreeWAV(samples);
    const int frame = SDL_AUDIO_BITSIZE(sound.format) / 8 * sound.channels;
    return frame > 0 && sound.freq > 0 ? double(length) / frame / sound.freq : -1;
}

} // namespace

LoadedSound loadSound(const QString &path)
{
    QByteArray bytes;
    if (QString problem = readFile(path, bytes); !problem.isEmpty())
        return {nullptr, problem};
    if (bytes.isEmpty())
        return {nullptr, QStringLiteral("empty")};
    const double seconds = wavSeconds(bytes);
    if (seconds < 0)
        return {nullptr, QStringLiteral("not a WAV sound: %1").arg(SDL_GetError())};
    if (seconds > longestSoundSeconds)
        return {nullptr, QStringLiteral("%1 s long, longer than %2 s")
                             .arg(seconds, 0, 'f', 0)
                             .arg(longestSoundSeconds)};
    // SDL_mixer loses a handle it was given when the data turns out not to be a sound: the handle
    // is closed here.
    SDL_RWops *memory = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    Mix_Chunk *chunk = nullptr;
    if (memory != nullptr) {
        chunk = Mix_LoadWAV_RW(memory, 0);
        SDL_RWclose(memory);
    }
    if (chunk == nullptr)
        return {nullptr, QString::fromUtf8(Mix_GetError())};
    return {chunk, {}};
}

} // namespace zarvento
