// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's voice on the desktop: plays the sound effects through SDL2_mixer, one at a time.
#include "sound/sdlvoice.h"

#include "sound/soundfile.h"
#include "sound/soundfolder.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <SDL.h>
#include <SDL_mixer.h>

#include <utility>

namespace zarvento {

namespace {

Q_LOGGING_CATEGORY(lcSound, "zarvento.sound")

// Every sound goes to this one channel, so starting a sound cuts off the one before it.
constexpr int channel = 0;

// The game's three sounds: the shot of an even hit, the explosion of an odd one, the laser of a
// click on the bare window.
constexpr const char *soundFiles[] = {"sparo.wav", "esplosi.wav", "laser.wav"};

} // namespace

SdlVoice::SdlVoice() : SdlVoice(QCoreApplication::applicationDirPath())
{
}

SdlVoice::SdlVoice(const QString &programFolder) : programFolder_(programFolder)
{
}

void SdlVoice::openInBackground()
{
    if (openingStarted_)
        return;
    openingStarted_ = true;
    opening_ = std::thread([this] {
        open();
        // SDL keeps a record per thread (its last error) that it frees by itself only on threads
        // of its own.
        SDL_TLSCleanup();
    });
}

void SdlVoice::open()
{
    // Left to itself SDL turns SIGINT and SIGTERM into quit events that nobody reads here, and
    // the game could no longer be ended by kill or at logout.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        qCWarning(lcSound, "No sound: SDL's audio could not start: %s", SDL_GetError());
        return;
    }
    // A small buffer keeps the shot close to the click that fired it.
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS, 1024) != 0) {
        qCWarning(lcSound, "No sound: the audio device could not be opened: %s", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(channel + 1);
    open_ = true;
    loadSounds();
}

void SdlVoice::loadSounds()
{
    const QString installed = installedSoundFolder(programFolder_);
    for (const char *name : soundFiles) {
        const QString path = programFolder_ + QStringLiteral("/suoni/") + QLatin1String(name);
        const QString file = resolveSound(path, installed);
        const LoadedSound sound = loadSound(file);
        if (sound.chunk == nullptr)
            qCWarning(lcSound, "No sound from %s: %s", qUtf8Printable(file),
                      qUtf8Printable(sound.problem));
        chunks_.insert(path, sound.chunk);
    }
}

void SdlVoice::waitOpen()
{
    if (!openingStarted_) {
        openingStarted_ = true;
        open();
    } else if (opening_.joinable()) {
        opening_.join();
    }
}

SdlVoice::~SdlVoice()
{
    if (!openingStarted_)
        return; // never used: nothing to close
    waitOpen();
    if (!open_)
        return;
    Mix_HaltChannel(channel);
    for (Mix_Chunk *chunk : std::as_const(chunks_)) {
        if (chunk != nullptr)
            Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlVoice::isOpen()
{
    waitOpen();
    return open_;
}

void SdlVoice::play(const QString &path)
{
    if (!isOpen())
        return;
    Mix_Chunk *chunk = chunks_.value(path);
    if (chunk != nullptr && Mix_PlayChannel(channel, chunk, 0) >= 0)
        return;
    if (chunk != nullptr && !playFailureLogged_) {
        playFailureLogged_ = true;
        qCWarning(lcSound, "%s could not be played: %s", qUtf8Printable(path), Mix_GetError());
    }
    Mix_HaltChannel(channel); // a sound that cannot be played still silences the last one
}

QString SdlVoice::playingPath()
{
    if (!isOpen() || Mix_Playing(channel) == 0)
        return {};
    return chunks_.key(Mix_GetChunk(channel));
}

} // namespace zarvento
