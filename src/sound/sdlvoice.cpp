// The game's voice on the desktop: plays the sound effects through SDL2_mixer, one at a time.
#include "sound/sdlvoice.h"

#include "sound/soundfolder.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

namespace zarvento {

namespace {

// Every sound goes to this one channel, so starting a sound cuts off the one before it.
constexpr int channel = 0;

} // namespace

SdlVoice::SdlVoice() : SdlVoice(installedSoundFolder(QCoreApplication::applicationDirPath()))
{
}

SdlVoice::SdlVoice(QString fallbackFolder, const char *library)
    : fallbackFolder_(std::move(fallbackFolder)), library_(library)
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
        if (mix_.tlsCleanup != nullptr)
            mix_.tlsCleanup();
    });
}

void SdlVoice::open() const
{
    if (!loadMixerLibrary(library_, mix_))
        return;
    // Left to itself SDL turns SIGINT and SIGTERM into quit events that nobody reads here, and
    // the game could no longer be ended by kill or at logout.
    mix_.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mix_.initSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    // A small buffer keeps the shot close to the click that fired it.
    if (mix_.openAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS, 1024) !=
        0) {
        mix_.quitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    mix_.allocateChannels(channel + 1);
    open_ = true;
}

void SdlVoice::waitOpen() const
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
    mix_.haltChannel(channel);
    for (Mix_Chunk *chunk : std::as_const(chunks_)) {
        if (chunk != nullptr)
            mix_.freeChunk(chunk);
    }
    mix_.closeAudio();
    mix_.quitSubSystem(SDL_INIT_AUDIO);
}

bool SdlVoice::isOpen() const
{
    waitOpen();
    return open_;
}

void SdlVoice::play(const QString &path)
{
    if (!isOpen())
        return;
    if (Mix_Chunk *chunk = chunkFor(path))
        mix_.playChannel(channel, chunk, 0);
    else
        mix_.haltChannel(channel); // a sound that cannot be played still silences the last one
}

QString SdlVoice::playingPath() const
{
    if (!isOpen() || mix_.playing(channel) == 0)
        return {};
    return chunks_.key(mix_.getChunk(channel));
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
    if (SDL_RWops *rw = mix_.rwFromFile(QFile::encodeName(file).constData(), "rb")) {
        chunk = mix_.loadWavRw(rw, 0);
        mix_.rwClose(rw);
    }
    chunks_.insert(path, chunk);
    return chunk;
}

} // namespace zarvento
