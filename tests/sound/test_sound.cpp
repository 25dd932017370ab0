// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever may stand where a sound should be, and the committed sounds, on the loading function;
// where a moved install finds them; and the voice on the real mixer with SDL's silent driver,
// through a whole match at full speed.
#include "game.h"
#include "sound/sdlvoice.h"
#include "sound/soundfile.h"
#include "sound/soundfolder.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>

#include <sys/stat.h>

namespace zarvento::testing {
namespace {

const QString sounds = QStringLiteral(ZARVENTO_SOUND_DIR "/");

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

// What stands where a sound should be.
enum class Stands { Bytes, Nothing, Fifo, Folder, Link };
struct SoundCase {
    const char *name;
    Stands stands;
    QByteArray bytes; // the file's, or where the link leads
    bool plays;
};

// Only a sound effect is loaded; anything else is refused at once, without waiting on it or
// reading more of it than an effect needs. The committed sounds are short and loud enough.
TEST(LoadSound, GivesASoundOnlyForASoundEffectAndNeverWaits)
{
    // clang-format off
    const SoundCase cases[] = {
        {"AShortSound", Stands::Bytes, wav(1, 22050, 16, 1), true},
        {"TenSecondsOfCdSound", Stands::Bytes, wav(2, 44100, 16, 10), true},
        {"Missing", Stands::Nothing, {}, false},
        {"Empty", Stands::Bytes, "", false},
        {"NotAWav", Stands::Bytes, "not a sound\n", false},
        {"CutShortInItsHeader", Stands::Bytes, wav(1, 22050, 16).left(30), false},
        {"Fifo", Stands::Fifo, {}, false}, // opening one waits for a writer that never comes
        {"LinkToDevZero", Stands::Link, "/dev/zero", false}, // reading it never ends
        {"Folder", Stands::Folder, {}, false},
        {"LinkToAFolder", Stands::Link, "/", false},
        {"LinkToNowhere", Stands::Link, "/no/such/sound.wav", false},
        {"FiftyMegabytes", Stands::Bytes, wav(1, 22050, 16, 1190), false},
        {"OneSecondInFiveMegabytes", Stands::Bytes, wav(1, 22050, 16, 1) + QByteArray(5e6, 'x'), false},
        {"SixteenMinutesInOneMegabyte", Stands::Bytes, wav(1, 1000, 8, 1000), false},
    };
    // clang-format on
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    ASSERT_EQ(Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024), 0);
    QTemporaryDir folder;
    for (const SoundCase &c : cases) {
        const QString path = folder.filePath(c.name);
        const bool put = c.stands == Stands::Bytes    ? writeFile(path, c.bytes)
                         : c.stands == Stands::Fifo   ? mkfifo(QFile::encodeName(path), 0600) == 0
                         : c.stands == Stands::Folder ? QDir().mkdir(path)
                         : c.stands == Stands::Link ? QFile::link(QFile::decodeName(c.bytes), path)
                                                    : true;
        ASSERT_TRUE(put) << c.name;
        const LoadedSound sound = loadSound(path);
        EXPECT_EQ(sound.chunk != nullptr, c.plays) << c.name;
        EXPECT_EQ(sound.problem.isEmpty(), c.plays) << c.name << ": the log says why";
        Mix_FreeChunk(sound.chunk);
    }
    // At the mixer's 16-bit stereo: under a second, and no sound all but silent.
    for (const char *name : {"sparo.wav", "esplosi.wav", "laser.wav"}) {
        const LoadedSound sound = loadSound(sounds + name);
        ASSERT_NE(sound.chunk, nullptr) << name;
        const auto *samples = reinterpret_cast<const qint16 *>(sound.chunk->abuf);
        const auto [low, high] = std::minmax_element(samples, samples + sound.chunk->alen / 2);
        EXPECT_LT(sound.chunk->alen, MIX_DEFAULT_FREQUENCY * 4) << name;
        EXPECT_GT(*high - *low, 16000) << name;
        Mix_FreeChunk(sound.chunk);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// The game asks for the sound beside the program; a moved install still finds its own.
TEST(SoundFolder, ASoundBesideTheProgramElseTheOneInstalledBesideIt)
{
    if (QDir::isAbsolutePath(ZARVENTO_TEST_BINDIR) || QDir::isAbsolutePath(ZARVENTO_TEST_SOUNDDIR))
        GTEST_SKIP() << "an install with absolute folders is not moved";
    QTemporaryDir root;
    const QString beside = root.filePath(ZARVENTO_TEST_BINDIR "/suoni/");
    const QString installed = installedSoundFolder(root.filePath(ZARVENTO_TEST_BINDIR));
    EXPECT_EQ(installed, root.filePath(ZARVENTO_TEST_SOUNDDIR));
    for (const QString &to :
         {beside + "sparo.wav", installed + "/sparo.wav", installed + "/laser.wav"})
        ASSERT_TRUE(writeFile(to, "RIFF"));
    EXPECT_EQ(resolveSound(beside + "sparo.wav", installed), beside + "sparo.wav");
    EXPECT_EQ(resolveSound(beside + "laser.wav", installed), installed + "/laser.wav");
    EXPECT_EQ(resolveSound(beside + "esplosi.wav", installed), beside + "esplosi.wav");
}

TEST(Voice, WithoutAnAudioDeviceStaysSilentAndSaysWhyOnce)
{
    // The test main always sets a driver, so putting the saved one back restores it exactly.
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    {
        LoggedWarnings log;
        SdlVoice voice(sounds + "..");
        voice.openInBackground();
        for (int hit = 0; hit < 3; ++hit)
            voice.play(sounds + "sparo.wav");
        EXPECT_FALSE(voice.isOpen());
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        const QStringList said = log.lines();
        EXPECT_TRUE(said.size() == 1 && said[0].startsWith("zarvento.sound: No sound") &&
                    said[0].contains("no-such-driver"))
            << said.join('\n').toStdString();
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

// Ticks and clicks in random order on the real rules, generator and voice, boxes answered at
// once. The laser is missing; the other sounds, 8-bit and stereo at 48 kHz, last seconds and are
// read when the device opens, before their folder goes: a voice that waited for a sound's end
// would hold the match up past the test's timeout.
TEST(Voice, AWholeMatchAtFullSpeedGivesEachHitItsSoundAndAMissingOneSilence)
{
    Game game; // its records folder and stand-ins, with the real voice
    const QString suoni = game.recordsFolder() + "suoni/";
    game.system.folder = game.recordsFolder().chopped(1);
    ASSERT_TRUE(writeFile(suoni + "sparo.wav", wav(1, 22050, 8)));
    ASSERT_TRUE(writeFile(suoni + "esplosi.wav", wav(2, 48000, 16)));
    LoggedWarnings log;
    SdlVoice voice(game.system.folder);
    voice.openInBackground();
    ASSERT_TRUE(voice.isOpen());
    ASSERT_TRUE(QDir(suoni).removeRecursively());
    EXPECT_EQ(log.lines().filter("laser.wav").size(), 1) << "said once, ahead";
    // Left to SDL, kill and logout would become quit events that the game never reads.
    struct sigaction ending = {};
    EXPECT_TRUE(sigaction(SIGTERM, nullptr, &ending) == 0 && ending.sa_handler == SIG_DFL);

    Tavola tavola(game.form, game.dialogs, game.random, voice, game.system);
    std::mt19937_64 draws(1);
    tavola.formInitialize();
    const Control targets[] = {Control::paricmd,    Control::paricmd1,    Control::paricmd2,
                               Control::disparicmd, Control::disparicmd1, Control::disparicmd2};
    int hits = 0;
    for (int ticks = 0; ticks < 900 && !HasFailure();) {
        const auto target = draws() % 6; // the even ones first
        if (const auto step = draws() % 8; step < 2) {
            tavola.timerTicked(step == 0 ? Timer::Timer1 : Timer::Timer2);
            ticks += step == 0;
        } else if (!game.form.isVisible(targets[target])) {
            tavola.windowClicked();
            EXPECT_EQ(voice.playingPath(), QString()) << "the laser's silence";
        } else {
            tavola.controlClicked(targets[target]);
            ++hits;
            EXPECT_EQ(voice.playingPath(), suoni + (target < 3 ? "sparo.wav" : "esplosi.wav"))
                << "a sound still playing is cut short";
        }
    }
    EXPECT_GE(hits, 1000);
    EXPECT_EQ(log.lines().size(), 1) << log.lines().join('\n').toStdString();
}

} // namespace
} // namespace zarvento::testing
