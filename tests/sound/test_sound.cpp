// Checks the game's sounds and its voice on the real mixer, with SDL's silent driver.
#include "sound/sdlvoice.h"
#include "sound/soundfolder.h"

#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <csignal>

using zarvento::installedSoundFolder;
using zarvento::resolveSound;
using zarvento::SdlVoice;

namespace {

const char *const committedSounds[] = {"sparo.wav", "esplosi.wav", "laser.wav"};

QString committed(const char *name)
{
    return QStringLiteral(ZARVENTO_SOUND_DIR "/") + QLatin1String(name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A silent 16-bit mono WAV, long enough to be still playing whenever a test looks at it.
QByteArray silentWav(quint32 seconds)
{
    const quint32 rate = 22050;
    const quint32 dataSize = rate * 2 * seconds;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32{36 + dataSize};
    out.writeRawData("WAVEfmt ", 8);
    out << quint32{16} << quint16{1} << quint16{1} << rate << rate * 2 << quint16{2} << quint16{16};
    out.writeRawData("data", 4);
    out << dataSize;
    return bytes + QByteArray(static_cast<int>(dataSize), '\0');
}

class SoundTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString file(const char *name) const { return dir_.filePath(QLatin1String(name)); }

    QString longSound(const char *name) const
    {
        EXPECT_TRUE(writeFile(file(name), silentWav(10)));
        return file(name);
    }

    QTemporaryDir dir_;
};

} // namespace

// sox writes the plain 44-byte header: "fmt " at 12, "data" at 36.
TEST(CommittedSounds, AreShortMono16BitPcm)
{
    for (const char *name : committedSounds) {
        SCOPED_TRACE(name);
        const QByteArray bytes = readAll(committed(name));
        ASSERT_GE(bytes.size(), 44);
        const auto *at = reinterpret_cast<const uchar *>(bytes.constData());
        EXPECT_EQ(bytes.left(4), "RIFF");
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint16>(at + 20), 1) << "PCM";
        EXPECT_EQ(qFromLittleEndian<quint16>(at + 22), 1) << "mono";
        const quint32 rate = qFromLittleEndian<quint32>(at + 24);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
        EXPECT_EQ(qFromLittleEndian<quint16>(at + 34), 16) << "bits";
        ASSERT_EQ(bytes.mid(36, 4), "data");
        const quint32 dataSize = qFromLittleEndian<quint32>(at + 40);
        EXPECT_EQ(dataSize, static_cast<quint32>(bytes.size() - 44));
        EXPECT_GT(dataSize, 0u);
        EXPECT_LT(dataSize, rate * 2) << "not under one second";
    }
}

TEST_F(SoundTest, PlaysEachCommittedSound)
{
    SdlVoice voice;
    ASSERT_TRUE(voice.isOpen());
    EXPECT_TRUE(voice.playingPath().isEmpty());
    for (const char *name : committedSounds) {
        SCOPED_TRACE(name);
        voice.play(committed(name));
        EXPECT_EQ(voice.playingPath(), committed(name));
    }
    // A folder path that already ends in a slash gives two in a row; the file still plays.
    const QString doubled = QStringLiteral(ZARVENTO_SOUND_DIR "//sparo.wav");
    voice.play(doubled);
    EXPECT_EQ(voice.playingPath(), doubled);
}

// The game opens the device while its first box is up; a sound asked for meanwhile waits for it.
TEST_F(SoundTest, OpenedInTheBackgroundTheVoicePlaysOnceOpen)
{
    {
        SdlVoice unused;
        unused.openInBackground();
    } // ended while possibly still opening
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the device is closed whenever the voice ends";

    SdlVoice voice;
    voice.openInBackground();
    voice.openInBackground();
    voice.play(committed("laser.wav"));
    EXPECT_EQ(voice.playingPath(), committed("laser.wav"));
}

TEST_F(SoundTest, WithoutTheMixerLibraryTheVoiceIsSilentAndHarmless)
{
    SdlVoice voice(QString(), "libno-such-mixer.so.0");
    voice.openInBackground();
    voice.play(committed("sparo.wav"));
    EXPECT_FALSE(voice.isOpen());
    EXPECT_TRUE(voice.playingPath().isEmpty());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SoundTest, EachSoundCutsOffTheOnePlaying)
{
    const QString first = longSound("first.wav");
    const QString second = longSound("second.wav");
    SdlVoice voice;
    ASSERT_TRUE(voice.isOpen());
    voice.play(first);
    voice.play(second);
    EXPECT_EQ(voice.playingPath(), second);
    EXPECT_EQ(Mix_Playing(-1), 1) << "the first sound must not play on beside the second";
    voice.play(first);
    EXPECT_EQ(voice.playingPath(), first);
}

// Which files give silence is the bad-input table's business; here, what such a file does to the
// sound before it and to the voice after it.
TEST_F(SoundTest, AnUnplayableFileSilencesTheSoundBeforeAndTheVoiceGoesOn)
{
    const QString good = longSound("good.wav");
    ASSERT_TRUE(writeFile(file("text.wav"), "not a sound, just words\n"));
    const QString bad[] = {file("missing.wav"), file("text.wav"), dir_.path()};
    SdlVoice voice;
    ASSERT_TRUE(voice.isOpen());
    for (const QString &path : bad) {
        SCOPED_TRACE(path.toStdString());
        voice.play(good);
        voice.play(path);
        EXPECT_TRUE(voice.playingPath().isEmpty()) << voice.playingPath().toStdString();
        EXPECT_EQ(Mix_Playing(-1), 0) << "the sound before goes on";
        voice.play(good);
        EXPECT_EQ(voice.playingPath(), good);
    }
}

TEST_F(SoundTest, EachFileIsReadOnlyOnce)
{
    const QString broken = file("broken.wav");
    ASSERT_TRUE(writeFile(broken, "garbage"));
    const QString kept = longSound("kept.wav");
    SdlVoice voice;
    ASSERT_TRUE(voice.isOpen());

    voice.play(broken);
    ASSERT_TRUE(writeFile(broken, silentWav(10)));
    voice.play(broken);
    EXPECT_TRUE(voice.playingPath().isEmpty()) << "a file that failed once is not read again";

    voice.play(kept);
    ASSERT_TRUE(QFile::remove(kept));
    voice.play(broken);
    voice.play(kept);
    EXPECT_EQ(voice.playingPath(), kept) << "a loaded sound plays from memory";
}

TEST_F(SoundTest, ClosingTheVoiceReleasesTheDevice)
{
    {
        SdlVoice voice;
        ASSERT_TRUE(voice.isOpen());
        voice.play(longSound("long.wav"));
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    EXPECT_EQ(Mix_QuerySpec(&rate, &format, &channels), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    SdlVoice again;
    EXPECT_TRUE(again.isOpen());
}

// SDL would catch these to post quit events the game never reads: the game could not be ended by
// kill or at logout.
TEST_F(SoundTest, TheVoiceLeavesTheEndingSignalsAlone)
{
    const int endingSignals[] = {SIGINT, SIGTERM};
    for (int number : endingSignals) {
        struct sigaction before = {};
        ASSERT_EQ(sigaction(number, nullptr, &before), 0);
        ASSERT_EQ(before.sa_handler, SIG_DFL) << number;
    }
    SdlVoice voice;
    ASSERT_TRUE(voice.isOpen());
    for (int number : endingSignals) {
        struct sigaction now = {};
        ASSERT_EQ(sigaction(number, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << number;
    }
}

TEST_F(SoundTest, WithoutADeviceTheVoiceIsSilentAndHarmless)
{
    // The test main always sets a driver, so putting the saved one back restores it exactly.
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    {
        SdlVoice voice;
        EXPECT_FALSE(voice.isOpen());
        voice.play(committed("sparo.wav"));
        voice.play(committed("sparo.wav"));
        EXPECT_TRUE(voice.playingPath().isEmpty());
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
    qputenv("SDL_AUDIODRIVER", driver);
    SdlVoice later;
    ASSERT_TRUE(later.isOpen());
    later.play(committed("laser.wav"));
    EXPECT_EQ(later.playingPath(), committed("laser.wav"));
}

// ---- Where the sounds are found -------------------------------------------------------------

TEST_F(SoundTest, ASoundBesideTheProgramComesFirst)
{
    ASSERT_TRUE(QDir().mkpath(file("bin/suoni")));
    ASSERT_TRUE(QDir().mkpath(file("data")));
    ASSERT_TRUE(writeFile(file("bin/suoni/sparo.wav"), silentWav(1)));
    ASSERT_TRUE(writeFile(file("data/sparo.wav"), silentWav(1)));
    EXPECT_EQ(resolveSound(file("bin/suoni/sparo.wav"), file("data")), file("bin/suoni/sparo.wav"));
}

TEST_F(SoundTest, AMissingSoundIsTakenFromTheFallbackFolder)
{
    ASSERT_TRUE(QDir().mkpath(file("data")));
    ASSERT_TRUE(writeFile(file("data/sparo.wav"), silentWav(1)));
    EXPECT_EQ(resolveSound(file("bin/suoni/sparo.wav"), file("data")), file("data/sparo.wav"));
    // A folder path ending in a slash gives the same file.
    EXPECT_EQ(resolveSound(file("bin/suoni/sparo.wav"), file("data/")), file("data/sparo.wav"));
    // Only the file's own name is looked for there.
    EXPECT_EQ(resolveSound(file("bin/suoni/laser.wav"), file("data")), file("bin/suoni/laser.wav"));
    EXPECT_EQ(resolveSound(file("bin/suoni/sparo.wav"), QString()), file("bin/suoni/sparo.wav"));
    EXPECT_EQ(resolveSound(file("bin/suoni/"), file("data")), file("bin/suoni/"));
}

TEST_F(SoundTest, AFolderIsNoSound)
{
    ASSERT_TRUE(QDir().mkpath(file("bin/suoni/sparo.wav")));
    ASSERT_TRUE(QDir().mkpath(file("data/laser.wav")));
    ASSERT_TRUE(writeFile(file("data/sparo.wav"), silentWav(1)));
    EXPECT_EQ(resolveSound(file("bin/suoni/sparo.wav"), file("data")), file("data/sparo.wav"));
    EXPECT_EQ(resolveSound(file("bin/suoni/laser.wav"), file("data")), file("bin/suoni/laser.wav"));
}

TEST_F(SoundTest, TheInstalledFolderFollowsTheInstallLayoutWhereverTheInstallIs)
{
    const QString bindir = QStringLiteral(ZARVENTO_TEST_BINDIR);
    const QString sounddir = QStringLiteral(ZARVENTO_TEST_SOUNDDIR);
    if (QDir::isAbsolutePath(bindir) || QDir::isAbsolutePath(sounddir))
        GTEST_SKIP() << "an install with absolute folders is not moved";
    for (const char *prefix : {"usr", "moved/somewhere else"}) {
        SCOPED_TRACE(prefix);
        const QString root = file(prefix);
        const QString program = QDir::cleanPath(root + QLatin1Char('/') + bindir);
        const QString sounds = QDir::cleanPath(root + QLatin1Char('/') + sounddir);
        EXPECT_EQ(installedSoundFolder(program), sounds);
        EXPECT_EQ(installedSoundFolder(program + QLatin1Char('/')), sounds);

        ASSERT_TRUE(QDir().mkpath(program));
        ASSERT_TRUE(QDir().mkpath(sounds));
        ASSERT_TRUE(writeFile(sounds + QStringLiteral("/esplosi.wav"), silentWav(1)));
        EXPECT_EQ(resolveSound(program + QStringLiteral("/suoni/esplosi.wav"),
                               installedSoundFolder(program)),
                  sounds + QStringLiteral("/esplosi.wav"));
    }
}

TEST_F(SoundTest, TheVoicePlaysAMissingSoundFromItsFallbackFolder)
{
    ASSERT_TRUE(QDir().mkpath(file("bin/suoni")));
    ASSERT_TRUE(QDir().mkpath(file("data")));
    ASSERT_TRUE(writeFile(file("data/long.wav"), silentWav(10)));
    SdlVoice voice(file("data"));
    ASSERT_TRUE(voice.isOpen());
    voice.play(file("bin/suoni/long.wav"));
    EXPECT_EQ(voice.playingPath(), file("bin/suoni/long.wav"));
    EXPECT_EQ(Mix_Playing(-1), 1);

    // The file found first is the one: one beside the program that will not play is not
    // replaced by a good one in the fallback folder.
    ASSERT_TRUE(writeFile(file("bin/suoni/bad.wav"), "not a sound"));
    ASSERT_TRUE(writeFile(file("data/bad.wav"), silentWav(10)));
    voice.play(file("bin/suoni/bad.wav"));
    EXPECT_TRUE(voice.playingPath().isEmpty());

    voice.play(file("bin/suoni/long.wav"));
    voice.play(file("bin/suoni/nowhere.wav"));
    EXPECT_TRUE(voice.playingPath().isEmpty());
    EXPECT_EQ(Mix_Playing(-1), 0);
}
