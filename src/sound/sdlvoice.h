// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The voice of the program in the running QCoreApplication's executable's folder.
    SdlVoice();
    // Plays the game's three sounds as the game asks for them, from programFolder + "/suoni/",
    // each read once, ahead, when the audio device opens; a sound missing there is read from
    // the installed sound folder. Without a device the voice stays silent for ever.
    explicit SdlVoice(const QString &programFolder);
    ~SdlVoice() override;
    SdlVoice(const SdlVoice &) = delete;
    SdlVoice &operator=(const SdlVoice &) = delete;

    // Opens the device and reads the sounds now, on a thread of their own, so that the caller
    // goes on at once; the first sound waits for them only if they are not ready by then.
    void openInBackground();

    // Any path but the three the game asks for, or a sound that could not be read, is silence.
    void play(const QString &path) override;

    // Both wait for an opening under way.
    bool isOpen();
    // The file whose sound is on the channel now, empty when the channel is quiet.
    QString playingPath();

private:
    // Opens the device and reads the sounds: on the opening thread, or on the caller's.
    void open();
    void loadSounds();
    // Every use of the device comes here first, and finds it open or known not to open.
    void waitOpen();

    QString programFolder_;
    // The opening, done at most once and before the device's first use; what it sets is read only
    // once the thread that set it has been joined.
    bool openingStarted_ = false;
    std::thread opening_;
    bool open_ = false;
    // The three sounds by the path the game asks for them by; null for one that cannot be played.
    QHash<QString, Mix_Chunk *> chunks_;
    bool playFailureLogged_ = false;
};

} // namespace zarvento
