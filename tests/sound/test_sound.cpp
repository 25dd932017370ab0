// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The committed sounds, and the voice on the real mixer with SDL's silent driver.
#include "loggedwarnings.h"
#include "sound/sdlvoice.h"
#include "sound/soundfolder.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace zarvento;

using zarvento::testing::LoggedWarnings;

static const QString sounds = QStringLiteral(ZARVENTO_SOUND_DIR "/");

// The plain 44-byte header sox writes: the format from 20, the samples from 44.
TEST(CommittedSounds, AreShortSmallAudibleMono16BitPcm)
{
    for (const char *name : {"sparo.wav", "esplosi.wav", "laser.wav"}) {
        QFile file(sounds + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly) && file.size() > 44) << name;
        const QByteArray bytes = file.readAll();
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
    voice.play(beside + "sparo.wav");
    EXPECT_EQ(voice.playingPath(), beside + "sparo.wav");
    EXPECT_EQ(Mix_Playing(-1), 1) << "the new sound takes the place of the one before";
    voice.play(beside + "esplosi.wav");
    EXPECT_EQ(Mix_Playing(-1), 0) << "a sound that cannot be played silences the one before";
    EXPECT_EQ(log.lines().size(), 1) << "nothing more, however often asked";
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
