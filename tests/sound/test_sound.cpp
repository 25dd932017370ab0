// The committed sounds, and the voice on the real mixer with SDL's silent driver.
#include "sound/sdlvoice.h"
#include "sound/soundfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace zarvento;

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

// The game asks for the sound beside the program; a moved install still finds its own.
TEST(Voice, PlaysTheFileAskedForAtOnceFromBesideTheProgramOrTheInstalledFolder)
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
    SdlVoice voice(installedSoundFolder(program));
    voice.openInBackground();
    voice.play(beside + "laser.wav");
    EXPECT_EQ(voice.playingPath(), beside + "laser.wav");
    voice.play(beside + "sparo.wav");
    EXPECT_EQ(voice.playingPath(), beside + "sparo.wav");
    EXPECT_EQ(Mix_Playing(-1), 1) << "the sound before plays on beside the new one";
    ASSERT_TRUE(root.remove());
    voice.play(beside + "sparo.wav");
    EXPECT_EQ(voice.playingPath(), beside + "sparo.wav") << "a loaded sound is read again";
    voice.play(beside + "esplosi.wav");
    EXPECT_EQ(Mix_Playing(-1), 0) << "a sound in neither folder leaves the one before playing";
    // Left to SDL, kill and logout would become quit events that the game never reads.
    struct sigaction ending = {};
    EXPECT_TRUE(sigaction(SIGTERM, nullptr, &ending) == 0 && ending.sa_handler == SIG_DFL);
}

TEST(Voice, WithoutAnAudioDeviceOrTheMixerLibraryStaysSilent)
{
    // The test main always sets a driver, so putting the saved one back restores it exactly.
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    for (const char *library : {mixerLibraryName, "libno-such-mixer.so.0"}) {
        qputenv("SDL_AUDIODRIVER", library == mixerLibraryName ? "no-such-driver" : driver);
        SdlVoice voice(QString(), library);
        voice.play(sounds + "sparo.wav");
        EXPECT_FALSE(voice.isOpen()) << library;
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
    qputenv("SDL_AUDIODRIVER", driver);
}
