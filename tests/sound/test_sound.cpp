// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The voice on the real mixer with SDL's silent driver, through a whole match at full speed in a
// moved install; then, on the device it opened, the committed sounds and whatever else may stand
// where a sound should be.
#include "game.h"
#include "sound/sdlvoice.h"
#include "sound/soundfile.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include <sys/stat.h>

namespace zarvento::testing {
namespace {

// Silent PCM, five seconds unless told, with the plain 44-byte header.
QByteArray wav(quint16 channels, quint32 rate, quint16 bits, quint32 seconds = 5)
{
    const auto le = [](quint32 v) {
        return QByteArray::fromStdString({char(v), char(v >> 8), char(v >> 16), char(v >> 24)});
    };
    const quint32 frame = channels * bits / 8u, size = rate * frame * seconds;
    return "RIFF" + le(36 + size) + "WAVEfmt " + le(16) + le(1 | channels << 16) + le(rate) +
           le(rate * frame) + le(frame | bits << 16) + "data" + le(size) +
           QByteArray(size, bits == 8 ? '\x80' : '\0');
}

struct SoundCase {
    const char *name;
    QByteArray bytes;
    const char *linkTo; // when set, a link there stands in place of the bytes
    bool plays;
};

// Every target clicked or missed at every tick on the real rules, generator and voice, boxes
// answered at once. The shot lies beside the program, the explosion only where the install puts the
// sounds and the laser nowhere; 8-bit and stereo at 48 kHz, they last seconds and are read when the
// device opens, before their folders go: a voice that waited for a sound's end would hold the
// match up past the test's timeout.
TEST(Voice, EachHitGetsItsSoundAtFullSpeedAndOnlyASoundEffectIsEverLoaded)
{
    Game game; // its stand-ins, with the real voice
    const QString root = game.dataHome.path(), suoni = root + "/" ZARVENTO_TEST_BINDIR "/suoni/";
    game.system.folder = root + "/" ZARVENTO_TEST_BINDIR;
    ASSERT_TRUE(writeFile(suoni + "sparo.wav", wav(1, 22050, 8)) &&
                writeFile(root + "/" ZARVENTO_TEST_SOUNDDIR "/esplosi.wav", wav(2, 48000, 16)));
    LoggedWarnings log;
    SdlVoice voice(game.system.folder);
    voice.openInBackground();
    ASSERT_TRUE(voice.isOpen() && QDir(root).removeRecursively());
    // Left to SDL, kill and logout would become quit events that the game never reads.
    struct sigaction ending = {};
    EXPECT_TRUE(sigaction(SIGTERM, nullptr, &ending) == 0 && ending.sa_handler == SIG_DFL);

    Tavola tavola(game.form, game.dialogs, game.random, voice, game.system);
    tavola.formInitialize();
    const Control targets[] = {Control::paricmd,    Control::paricmd1,    Control::paricmd2,
                               Control::disparicmd, Control::disparicmd1, Control::disparicmd2};
    int hits = 0;
    for (int tick = 0; tick < 900 && !HasFailure(); ++tick) {
        tavola.timerTicked(Timer::Timer1);
        tavola.timerTicked(Timer::Timer2);
        for (int target = 0; target < 6; ++target) { // the even ones first
            const bool hit = game.form.isVisible(targets[target]);
            hit ? tavola.controlClicked(targets[target]) : tavola.windowClicked();
            hits += hit;
            // A sound still playing is cut short; a miss gets the laser's silence.
            EXPECT_EQ(voice.playingPath(),
                      hit ? suoni + (target < 3 ? "sparo.wav" : "esplosi.wav") : QString());
        }
    }
    EXPECT_GE(hits, 1000);
    EXPECT_TRUE(log.lines().size() == 1 && log.lines()[0].contains("laser.wav")) << "said once";

    // The committed sounds play; anything but a sound effect is refused at once, without waiting
    // on it or reading more of it than an effect needs.
    // clang-format off
    const SoundCase cases[] = {
        {"TheShot", {}, ZARVENTO_SOUND_DIR "/sparo.wav", true},
        {"TheExplosion", {}, ZARVENTO_SOUND_DIR "/esplosi.wav", true},
        {"TheLaser", {}, ZARVENTO_SOUND_DIR "/laser.wav", true},
        {"NotAWav", "not a sound\n", nullptr, false},
        {"Fifo", {}, "fifo", false}, // opening one waits for a writer that never comes
        {"LinkToDevZero", {}, "/dev/zero", false}, // reading it never ends
        {"OneSecondInFiveMegabytes", wav(1, 22050, 16, 1) + QByteArray(5e6, 'x'), nullptr, false},
        {"SixteenMinutesInOneMegabyte", wav(1, 1000, 8, 1000), nullptr, false},
    };
    // clang-format on
    ASSERT_TRUE(QDir().mkpath(root) && mkfifo(QFile::encodeName(root + "/fifo"), 0600) == 0);
    for (const SoundCase &c : cases) {
        const QString path = root + "/" + c.name;
        ASSERT_TRUE(c.linkTo ? QFile::link(QDir(root).absoluteFilePath(c.linkTo), path)
                             : writeFile(path, c.bytes));
        const LoadedSound sound = loadSound(path);
        ASSERT_TRUE((sound.chunk != nullptr) == c.plays && sound.problem.isEmpty() == c.plays)
            << c.name << ": played, else the log says why";
        if (!c.plays)
            continue;
        // At the device's 16-bit stereo: under a second, and no sound all but silent.
        const auto *samples = reinterpret_cast<const qint16 *>(sound.chunk->abuf);
        const auto [low, high] = std::minmax_element(samples, samples + sound.chunk->alen / 2);
        EXPECT_TRUE(sound.chunk->alen < MIX_DEFAULT_FREQUENCY * 4 && *high - *low > 16e3) << c.name;
        Mix_FreeChunk(sound.chunk);
    }
}

} // namespace
} // namespace zarvento::testing
