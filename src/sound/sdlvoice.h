// The game's voice on the desktop: plays the sound effects through SDL2_mixer, one at a time.
#pragma once

#include "sound/sounds.h"

#include <QHash>
#include <QString>

#include <thread>

struct Mix_Chunk;

namespace zarvento {

class SdlVoice final : public Sounds {
public:
    // Opens the audio device once, when first needed; without one the voice stays silent for
    // ever. A sound missing at the path asked for is looked for in the installed sound folder
    // (found from the running QCoreApplication's executable).
    SdlVoice();
    // The same, looking for missing sounds in fallbackFolder instead.
    explicit SdlVoice(QString fallbackFolder);
    ~SdlVoice() override;
    SdlVoice(const SdlVoice &) = delete;
    SdlVoice &operator=(const SdlVoice &) = delete;

    // Opens the device now, on a thread of its own, so that the caller goes on at once; the first
    // sound waits for the opening only if it is not over by then.
    void openInBackground();

    void play(const QString &path) override;

    // Both wait for an opening under way.
    bool isOpen();
    // The file whose sound is on the channel now, empty when the channel is quiet.
    QString playingPath();

private:
    // Opens the device: on the opening thread, or on the caller's.
    void open();
    // Every use of the device comes here first, and finds it open or known not to open.
    void waitOpen();
    Mix_Chunk *chunkFor(const QString &path);

    QString fallbackFolder_;
    // The opening, done at most once and before the device's first use; what it sets is read only
    // once the thread that set it has been joined.
    bool openingStarted_ = false;
    std::thread opening_;
    bool open_ = false;
    // Every path asked for, loaded once from where resolveSound found it; a null chunk remembers
    // a file that would not load.
    QHash<QString, Mix_Chunk *> chunks_;
};

} // namespace zarvento
