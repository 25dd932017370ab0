// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Bad sound files, and a whole match at full speed, on the real rules, record files and voice: the
// game goes on with sound or in silence; never a crash or a hang.
#include "game.h"
#include "loggedwarnings.h"
#include "sound/sdlvoice.h"

#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>

namespace zarvento::testing {
namespace {

const auto byName = [](const auto &row) { return std::string(row.param.name); };

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Puts at path what no sound file can be: a FIFO hangs whoever opens it.
enum class Put { Folder, Fifo };
void put(Put what, const QString &path)
{
    QFile::remove(path);
    const bool done = what == Put::Fifo ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                        : QDir().mkdir(path);
    ASSERT_TRUE(done) << path.toStdString();
}

// ---- Sound files: whatever stands where a sound should be, through a whole match ----------------

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

using PutSound = std::function<void(const QString &laser)>;
struct SoundCase {
    // Reported by its name, not its bytes.
    friend void PrintTo(const SoundCase &c, std::ostream *out) { *out << c.name; }
    const char *name;
    PutSound put; // what the case is, at the path of the laser sound
    bool plays;
};

PutSound holding(const QByteArray &content)
{
    return [=](const QString &laser) { writeFile(laser, content); };
}
PutSound linkTo(const QString &target)
{
    return [=](const QString &laser) { ASSERT_TRUE(QFile::link(target, laser)); };
}

// The highest number each target may carry from its deals, its hits and the motion's renumbering;
// the lowest is 2 or 3, of the same parity.
constexpr std::pair<Control, int> highest[] = {
    {Control::paricmd, 200},     {Control::paricmd1, 1000},    {Control::paricmd2, 600},
    {Control::disparicmd, 1801}, {Control::disparicmd1, 1801}, {Control::disparicmd2, 1801}};

class SoundFiles : public ::testing::TestWithParam<SoundCase> {};

// The sounds are read when the device opens, so anything wrong is known and logged, once, before
// the first click. Then a whole match at full speed: ticks and clicks in random order on the real
// rules, generator and voice, boxes answered at once, the numbers checked after every step. The
// other sounds, 8-bit and stereo at 48 kHz, last seconds: a voice that waited for a sound's end, or
// choked on an odd file, would hold the match up past the test's timeout.
TEST_P(SoundFiles, GiveSoundOrSilenceSaidOnceThroughAWholeMatchAtFullSpeed)
{
    const SoundCase &c = GetParam();
    Game game; // its records folder and stand-ins, with the real voice
    const QString suoni = game.recordsFolder() + "suoni/";
    game.system.folder = game.recordsFolder().chopped(1);
    ASSERT_TRUE(QDir().mkpath(suoni));
    writeFile(suoni + "sparo.wav", wav(1, 22050, 8));
    writeFile(suoni + "esplosi.wav", wav(2, 48000, 16));
    c.put(suoni + "laser.wav");
    LoggedWarnings log;
    SdlVoice voice(game.system.folder);
    voice.openInBackground();
    ASSERT_TRUE(voice.isOpen());
    EXPECT_EQ(log.lines().filter("laser.wav").size(), c.plays ? 0 : 1) << "said once, ahead";

    Tavola tavola(game.form, game.dialogs, game.random, voice, game.system);
    std::mt19937_64 draws(1);
    tavola.formInitialize();
    int hits = 0, warnings = 0;
    for (int ticks = 0; ticks < 900 && !HasFailure();) {
        const auto &[target, high] = highest[draws() % 6];
        if (const auto step = draws() % 8; step < 2) {
            tavola.timerTicked(step == 0 ? Timer::Timer1 : Timer::Timer2);
            ticks += step == 0;
        } else if (!game.form.isVisible(target)) {
            tavola.windowClicked();
            EXPECT_EQ(voice.playingPath(), c.plays ? suoni + "laser.wav" : "");
        } else if (tavola.controlClicked(target); high % 2 == 0) {
            EXPECT_EQ(voice.playingPath(), suoni + "sparo.wav") << "the other sounds play on";
            ++hits;
        } else {
            ++warnings;
        }
        for (const auto &[shown, most] : highest) {
            const int n = game.caption(shown).toInt();
            EXPECT_TRUE(game.caption(shown) == QString::number(n) && n % 2 == most % 2 &&
                        n >= 2 + most % 2 && n <= most);
        }
    }
    EXPECT_GE(hits + warnings, 1000);
    EXPECT_EQ(log.lines().size(), c.plays ? 0 : 1) << log.lines().join('\n').toStdString();

    // The 901st tick finds the time up and leaves, once, though a tick comes while the goodbye
    // box is open; none happens after the end. Boxes: the greeting, the warnings, the
    // goodbye, and the congratulation for the record, stored beside the (empty) name.
    game.dialogs.whileOpen.emplace_back("Ciao", [&] { tavola.timerTicked(Timer::Timer1); });
    tavola.timerTicked(Timer::Timer1);
    tavola.timerTicked(Timer::Timer1);
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(game.dialogs.boxes.size(), 3u + warnings);
    EXPECT_EQ(game.storedScore() + game.storedName(),
              game.caption(Control::Punteggio).toUtf8() + "\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, SoundFiles,
    ::testing::ValuesIn(std::vector<SoundCase>{
        {"AShortSound", holding(wav(1, 22050, 16, 1)), true},
        // Ten seconds of CD sound, 1.7 MB: longer than any effect, still a sensible file.
        {"TenSecondsOfCdSound", holding(wav(2, 44100, 16, 10)), true},
        {"Missing", [](const QString &) {}, false},
        {"Empty", holding(""), false},
        {"NotAWav", holding("not a sound\n"), false},
        {"CutShortInItsHeader", holding(wav(1, 22050, 16).left(30)), false},
        // Opening a FIFO waits for a writer that never comes.
        {"Fifo", [](const QString &laser) { put(Put::Fifo, laser); }, false},
        // Reading it never ends.
        {"LinkToDevZero", linkTo("/dev/zero"), false},
        {"Folder", [](const QString &laser) { put(Put::Folder, laser); }, false},
        {"LinkToAFolder", linkTo(QDir::tempPath()), false},
        {"LinkToNowhere", linkTo("/no/such/sound.wav"), false},
        // Fifty megabytes take seconds to read and decode, and hundreds of megabytes once decoded.
        {"FiftyMegabytes", holding(wav(1, 22050, 16, 1190)), false},
        // A second of sound followed by five megabytes of what no sound needs.
        {"OneSecondInFiveMegabytes", holding(wav(1, 22050, 16, 1) + QByteArray(5e6, 'x')), false},
        // One megabyte at a thousand samples a second: sixteen minutes, 170 MB once decoded.
        {"SixteenMinutesInOneMegabyte", holding(wav(1, 1000, 8, 1000)), false}}),
    byName);

} // namespace
} // namespace zarvento::testing
