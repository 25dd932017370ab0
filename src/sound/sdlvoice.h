// The game's voice on the desktop: plays the sound effects through SDL2_mixer, one at a time.
#pragma once

#include "sound/sounds.h"

#include <QHash>
#include <QString>

struct Mix_Chunk;

namespace zarvento {

class SdlVoice final : public Sounds {
public:
    // Opens the audio device once; without one the voice stays silent for ever. A sound missing
    // at the path asked for is looked for in the installed sound folder (found from the running
    // QCoreApplication's executable).
    SdlVoice();
    // The same, looking for missing sounds in fallbackFolder instead.
    explicit SdlVoice(QString fallbackFolder);
    ~SdlVoice() override;
    SdlVoice(const SdlVoice &) = delete;
    SdlVoice &operator=(const SdlVoice &) = delete;

    void play(const QString &path) override;

    bool isOpen() const { return open_; }
    // The file whose sound is on the channel now, empty when the channel is quiet.
    QString playingPath() const;

private:
    Mix_Chunk *chunkFor(const QString &path);

    QString fallbackFolder_;
    bool open_ = false;
    // Every path asked for, loaded once from where resolveSound found it; a null chunk remembers
    // a file that would not load.
    QHash<QString, Mix_Chunk *> chunks_;
};

} // namespace zarvento
