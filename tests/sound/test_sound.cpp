// The committed sounds, and the voice on the real mixer with SDL's silent driver.
#include "sound/sdlvoice.h"
#include "sound/soundfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>

using namespace zarvento;

namespace {

// What the voice logs while one lives: the category and text of each warning.
class SoundLog {
public:
    SoundLog() { previous_ = qInstallMessageHandler(&SoundLog::keep); }
    ~SoundLog()
    {
        qInstallMessageHandler(previous_);
        lines().clear();
    }
    static QStringList &lines()
    {
        static QStringList kept;
        return kept;
    }

private:
    static void keep(QtMsgType, const QMessageLogContext &context, const QString &text)
    {
        lines().append(QString::fromUtf8(context.category) + ": " + text);
    }
    QtMessageHandler previous_;
};

} // namespace

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
    SoundLog log;
    voice.openInBackground();
    voice.play(beside + "laser.wav");
    EXPECT_EQ(voice.playingPath(), beside + "laser.wav");
    voice.play(beside + "sparo.wav");
    EXPECT_EQ(voice.playingPath(), beside + "sparo.wav");
    EXPECT_EQ(Mix_Playing(-1), 1) << "the sound before plays on beside the new one";
    ASSERT_TRUE(root.remove());
    const auto start = std::chrono::steady_clock::now();
    for (int shot = 0; shot < 20; ++shot)
        voice.play(beside + "sparo.wav");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << "play waits";
    EXPECT_EQ(voice.playingPath(), beside + "sparo.wav") << "a loaded sound is read again";
    voice.play(beside + "esplosi.wav");
    EXPECT_EQ(Mix_Playing(-1), 0) << "a sound in neither folder leaves the one before playing";
    // Left to SDL, kill and logout would become quit events that the game never reads.
    struct sigaction ending = {};
    EXPECT_TRUE(sigaction(SIGTERM, nullptr, &ending) == 0 && ending.sa_handler == SIG_DFL);
    EXPECT_EQ(SoundLog::lines().size(), 1)
        << "one line, for the missing sound, however often asked";
}

TEST(Voice, WithoutAnAudioDeviceStaysSilentAndSaysWhyOnce)
{
    // The test main always sets a driver, so putting the saved one back restores it exactly.
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    {
        SoundLog log;
        SdlVoice voice{QString()};
        voice.openInBackground();
        for (int hit = 0; hit < 3; ++hit)
            voice.play(sounds + "sparo.wav");
        EXPECT_FALSE(voice.isOpen());
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        ASSERT_EQ(SoundLog::lines().size(), 1) << SoundLog::lines().join('\n').toStdString();
        EXPECT_TRUE(SoundLog::lines()[0].startsWith("zarvento.sound: No sound:"));
        EXPECT_TRUE(SoundLog::lines()[0].contains("no-such-driver")) << "SDL's reason";
    }
    qputenv("SDL_AUDIODRIVER", driver);
}
