// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The committed sounds; whatever may stand where a sound should be, on the loading function; and
// the voice on the real mixer with SDL's silent driver, through a whole match at full speed.
#include "game.h"
#include "sound/sdlvoice.h"
#include "sound/soundfile.h"
#include "sound/soundfolder.h"

#include <QtEndian>

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

// The plain 44-byte header sox writes: the format from 20, the samples from 44.
TEST(CommittedSounds, AreShortSmallAudibleMono16BitPcm)
{
    for (const char *name : {"sparo.wav", "esplosi.wav", "laser.wav"}) {
        const QByteArray bytes = readFile(sounds + name);
        ASSERT_GT(bytes.size(), 44) << name;
        EXPECT_EQ(bytes.left(4) + bytes.mid(8, 8), "RIFFWAVEfmt ") << name;
        EXPECT_EQ(bytes.mid(20, 4), QByteArray("\1\0\1\0", 4)) << name << ": PCM, mono";
        EXPECT_EQ(bytes.mid(34, 6), QByteArray("\x10\0data", 6)) << name << ": 16 bits";
        const auto byteRate = qFromLittleEndian<qint32>(bytes.constData() + 28);
        EXPECT_LT(bytes.size() - 44, std::min(byteRate, 64 * 1024)) << name << ": a second";
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData() + 44);
        const auto [low, high] = std::minmax_element(samples, samples + (bytes.size() - 44) / 2);
        EXPECT_GT(*high - *low, 16000) << name << " is all but silent";
    }
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
// reading more of it than an effect needs.
TEST(LoadSound, GivesASoundOnlyForASoundEffectAndNeverWaits)
{
    // clang-format off
    const SoundCase cases[] = {
        {"Committed", Stands::Link, QFile::encodeName(sounds + "laser.wav"), true},
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
        if (sound.chunk)
            Mix_FreeChunk(sound.chunk);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// The game asks for the sound beside the program; a moved install still finds its own. All three
// are read when the device opens, so that no click waits for a file.
TEST(Voice, PlaysTheSoundsReadAheadFromBesideTheProgramOrTheInstalledFolder)
{
    if (QDir::isAbsolutePath(ZARVENTO_TEST_BINDIR) || QDir::isAbsolutePath(ZARVENTO_TEST_SOUNDDIR))
        GTEST_SKIP() << "an install with absolute folders is not moved";
    QTemporaryDir root;
    const QString program = root.path() + "/" + ZARVENTO_TEST_BINDIR;
    const QString beside = program + "/suoni/";
    const QString data = root.path() + "/" + ZARVENTO_TEST_SOUNDDIR + "/";
    ASSERT_TRUE(QDir().mkpath(beside) && QDir().mkpath(data));
    for (const QString &to : {beside + "sparo.wav", data + "sparo.wav", data + "laser.wav"})
        ASSERT_TRUE(QFile::copy(sounds + "esplosi.wav", to));
    EXPECT_EQ(resolveSound(beside + "sparo.wav", data), beside + "sparo.wav");
    LoggedWarnings log;
    SdlVoice voice(program);
    voice.openInBackground();
    ASSERT_TRUE(voice.isOpen());
    // The explosion is in neither folder: said once, when the sounds are read.
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_TRUE(log.lines()[0].startsWith("zarvento.sound: ") &&
                log.lines()[0].contains("esplosi"));
    ASSERT_TRUE(root.remove());
    voice.play(beside + "laser.wav");
    EXPECT_EQ(voice.playingPath(), beside + "laser.wav");
    // Left to SDL, kill and logout would become quit events that the game never reads.
    struct sigaction ending = {};
    EXPECT_TRUE(sigaction(SIGTERM, nullptr, &ending) == 0 && ending.sa_handler == SIG_DFL);
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
        ASSERT_EQ(log.lines().size(), 1) << log.lines().join('\n').toStdString();
        EXPECT_TRUE(log.lines()[0].startsWith("zarvento.sound: ") &&
                    log.lines()[0].contains("no-such-driver"))
            << "with SDL's reason";
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

// The highest number each target may carry from its deals, its hits and the motion's renumbering;
// the lowest is 2 or 3, of the same parity.
constexpr std::pair<Control, int> highestNumbers[] = {
    {Control::paricmd, 200},     {Control::paricmd1, 1000},    {Control::paricmd2, 600},
    {Control::disparicmd, 1801}, {Control::disparicmd1, 1801}, {Control::disparicmd2, 1801}};

// Ticks and clicks in random order on the real rules, generator and voice, boxes answered at
// once, the numbers checked after every step. The laser is missing; the other sounds, 8-bit and
// stereo at 48 kHz, last seconds: a voice that waited for a sound's end would hold the match up
// past the test's timeout.
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
    EXPECT_EQ(log.lines().filter("laser.wav").size(), 1) << "said once, ahead";

    Tavola tavola(game.form, game.dialogs, game.random, voice, game.system);
    std::mt19937_64 draws(1);
    tavola.formInitialize();
    int hits = 0, warnings = 0;
    for (int ticks = 0; ticks < 900 && !HasFailure();) {
        const auto &[target, high] = highestNumbers[draws() % 6];
        if (const auto step = draws() % 8; step < 2) {
            tavola.timerTicked(step == 0 ? Timer::Timer1 : Timer::Timer2);
            ticks += step == 0;
        } else if (!game.form.isVisible(target)) {
            tavola.windowClicked();
            EXPECT_EQ(voice.playingPath(), QString()) << "the laser's silence";
        } else if (tavola.controlClicked(target); high % 2 == 0) {
            EXPECT_EQ(voice.playingPath(), suoni + "sparo.wav") << "the explosion cut short";
            ++hits;
        } else {
            EXPECT_EQ(voice.playingPath(), suoni + "esplosi.wav");
            ++warnings;
        }
        for (const auto &[shown, most] : highestNumbers) {
            const int n = game.caption(shown).toInt();
            EXPECT_TRUE(game.caption(shown) == QString::number(n) && n % 2 == most % 2 &&
                        n >= 2 + most % 2 && n <= most);
        }
    }
    EXPECT_GE(hits + warnings, 1000);
    EXPECT_EQ(log.lines().size(), 1) << log.lines().join('\n').toStdString();

    // The 901st tick finds the time up and leaves, once, though a tick comes while the goodbye
    // box is open. Boxes: the greeting, the warnings, the goodbye, and the congratulation for the
    // record, stored beside the (empty) name.
    game.dialogs.whileOpen.emplace_back("Ciao", [&] { tavola.timerTicked(Timer::Timer1); });
    tavola.timerTicked(Timer::Timer1);
    tavola.timerTicked(Timer::Timer1);
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(game.dialogs.boxes.size(), 3u + warnings);
    EXPECT_EQ(game.storedScore() + game.storedName(),
              game.caption(Control::Punteggio).toUtf8() + "\r\n\r\n");
}

} // namespace
} // namespace zarvento::testing
