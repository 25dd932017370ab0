// The game's voice on the desktop: plays the sound effects through SDL2_mixer, one at a time.
#include "sound/sdlvoice.h"

#include "sound/soundfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <SDL.h>
#include <SDL_mixer.h>

#include <utility>

namespace zarvento {

namespace {

Q_LOGGING_CATEGORY(lcSound, "zarvento.sound")

// Every sound goes to this one channel, so starting a sound cuts off the one before it.
constexpr int channel = 0;

} // namespace

SdlVoice::SdlVoice() : SdlVoice(installedSoundFolder(QCoreApplication::applicationDirPath()))
{
}

SdlVoice::SdlVoice(QString fallbackFolder) : fallbackFolder_(std::move(fallbackFolder))
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
    Mix_Chunk *chunk = chunkFor(path);
    if (chunk == nullptr || Mix_PlayChannel(channel, chunk, 0) < 0)
        Mix_HaltChannel(channel); // a sound that cannot be played still silences the last one
}

QString SdlVoice::playingPath()
{
    if (!isOpen() || Mix_Playing(channel) == 0)
        return {};
    return chunks_.key(Mix_GetChunk(channel));
}

Mix_Chunk *SdlVoice::chunkFor(const QString &path)
{
    const auto known = chunks_.constFind(path);
    if (known != chunks_.cend())
        return known.value();
    const QString file = resolveSound(path, fallbackFolder_);
    // The voice keeps the file it opens: SDL_mixer loses a handle it was given when the file
    // turns out not to be a sound.
    Mix_Chunk *chunk = nullptr;
    if (SDL_RWops *rw = SDL_RWFromFile(QFile::encodeName(file).constData(), "rb")) {
        chunk = Mix_LoadWAV_RW(rw, 0);
        SDL_RWclose(rw);
    }
    if (chunk == nullptr)
        qCWarning(lcSound, "No sound from %s: %s", qUtf8Printable(file), Mix_GetError());
    chunks_.insert(path, chunk);
    return chunk;
}

} // namespace zarvento
