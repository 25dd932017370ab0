// Bad input of every kind, and a whole match at full speed, on the real rules, record files and
// voice: the game goes on normally or shows the standard error report and ends with status 1;
// never a crash, a hang, a lost record or a score beside a name it does not belong to.
#include "game.h"
#include "loggedwarnings.h"
#include "sound/sdlvoice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include <sys/stat.h>

namespace zarvento::testing {
namespace {

using Prepare = std::function<void(const Game &)>;
using Entries = std::map<std::string, std::string>;
const Prepare none = [](const Game &) {};

// The records folder's entries by name, with the content of each regular file; anything else
// (folder, FIFO, link to nowhere) shows as "-" and is never opened. A lost or mixed pair shows
// here.
Entries entries(const Game &game)
{
    Entries all;
    for (const QFileInfo &f :
         QDir(game.recordsFolder())
             .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        all[f.fileName().toStdString()] = f.isFile() ? readAll(f.filePath()).toStdString() : "-";
    return all;
}

// Puts at file what no record file can be. A FIFO hangs whoever opens it; no temporary can be made
// beside a link that loops through itself; a chain of more links than the system follows hides a
// folder, over which the final rename fails.
enum class Put { Folder, Fifo, Link, Chain };
Prepare put(Put what, const QString &file)
{
    return [=](const Game &game) {
        const QString path = game.recordsFolder() + file;
        QString to = path + "~";
        QDir().mkpath(game.recordsFolder());
        QFile::remove(path);
        bool done = what == Put::Fifo   ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                    : what == Put::Link ? QFile::link(path + "/x", path)
                                        : QDir().mkdir(what == Put::Folder ? path : to);
        for (int i = 0; what == Put::Chain && i <= 50; to = path + QString::number(i++))
            done = done && QFile::link(to, i < 50 ? path + QString::number(i) : path);
        ASSERT_TRUE(done) << path.toStdString();
    };
}

// The pair a match finds stored.
Prepare pair(const QByteArray &score, const QByteArray &name)
{
    return [=](const Game &game) { game.writeRecord(score, name); };
}

// ---- Record files, names, and replacing the record failing at each step -------------------------

struct RecordCase {
    const char *name;
    // What the start shows, what leaving with 40 reports (the file an error report names), and
    // the pair the records folder holds afterwards: the old one, or the new one by its name file.
    std::string expected;
    // What stands in the records folder at the start, and then.
    Prepare before = none, atLeaving = none;
    QString player = QStringLiteral("Anna");
};

// A case is reported by its name, not its bytes.
void PrintTo(const RecordCase &c, std::ostream *out)
{
    *out << c.name;
}

class RecordFiles : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordFiles, NeitherHangTheGameNorLoseOrMixThePair)
{
    const RecordCase &c = GetParam();
    Game game;
    c.before(game);
    Entries old = entries(game);
    game.start(c.player);
    QString seen;
    if (!game.tavola.ended()) {
        seen = game.caption(Control::lblpunti) + '|' + game.caption(Control::lblnome) + ' ';
        EXPECT_EQ(game.caption(Control::lblnome1), c.player);
        c.atLeaving(game);
        old = entries(game);
        game.form.setCaption(Control::Punteggio, QStringLiteral("40"));
        game.tavola.controlClicked(Control::cmdExit);
    }
    // The end: normal, or the standard error report, a critical box naming the file, and status 1.
    const ScriptedDialogs::Box &box = game.dialogs.boxes.back();
    const QString named =
        box.text.section(u'«', 1).section(u'»', 0, 0).remove(game.recordsFolder());
    const bool critical = box.style == MsgBox::Critical && box.title == programTitle;
    if (game.system.endings != std::vector<int>{0})
        seen += (critical ? "reports «" : "ends otherwise «") + named + "» ";
    const Entries now = entries(game);
    const auto name = now.find("pari.txt");
    const bool isNew = name != now.end() && now == Entries{{"apari.txt", "40\r\n"}, *name};
    const std::string end = now == old ? "old" : isNew ? "new " + name->second : "mixed";
    EXPECT_EQ(seen.toStdString() + end, c.expected);
    EXPECT_EQ(box.text.startsWith(u"Ok ho registrato"), isNew);
}

const QByteArray nul("50\0\x01\x02\r\n", 7);
const std::string odd = " Zoë🦊e\u0301\u05DE\u202E<b>x</b><img src=x><a href=x>y</a>\t\x01 ";

INSTANTIATE_TEST_SUITE_P(
    BadInput, RecordFiles,
    ::testing::ValuesIn(std::vector<RecordCase>{
        {"FolderMissing", "| new Anna\r\n"},
        {"RegularFileInPlaceOfTheFolder", "reports «» old",
         [](const Game &game) { std::ofstream(game.recordsFolder().chopped(1).toStdString()); }},
        {"FolderForTheScore", "reports «apari.txt» old", put(Put::Folder, "apari.txt")},
        {"FifoForTheScore", "reports «apari.txt» old", put(Put::Fifo, "apari.txt")},
        {"Empty", "| new Anna\r\n", pair("", "")},
        {"LineEndAlone", "\r\n|\r\n new Anna\r\n", pair("\r\n", "\r\n")},
        {"Blanks", " \r\n|   new Anna\r\n", pair(" \r\n", "  ")},
        {"GarbageText", "dodici\r\n|M new Anna\r\n", pair("dodici\r\n", "M")},
        // A text that is no whole number is no record, though it starts with one beating 40.
        {"BinaryWithNulBytes", (nul + '|' + nul + " new Anna\r\n").toStdString(), pair(nul, nul)},
        {"InvalidUtf8", "\uFFFD50\r\n|Zo\uFFFD new Anna\r\n", pair("\37750\r\n", "Zo\xc3")},
        {"LongLine", std::string(65536, '9') + "|M new Anna\r\n", pair(QByteArray(1e5, '9'), "M")},
        // Only the first 64 KiB are read and shown: still the record 50, which 40 does not beat.
        {"TenMegabytes", "50" + std::string(65534, ' ') + '|' + std::string(65536, 'x') + " old",
         pair("50" + QByteArray(1e7, ' '), QByteArray(1e7, 'x'))},
        {"CarriageReturnAlone", "50\r|M\r old", pair("50\r", "M\r")},
        {"LineFeedAlone", "40\n|M\n old", pair("40\n", "M\n")},
        {"SeveralLines", "50\r\n6\r\n|M\r\nL\r\n new Anna\r\n", pair("50\r\n6\r\n", "M\r\nL\r\n")},
        {"NameEmpty", "| new \r\n", none, none, ""},
        {"NameBlanksOnly", "| new   \r\n", none, none, "  "},
        // Ten thousand characters; emoji, combining marks, right-to-left text, markup and control
        // characters, all shown and stored as typed.
        {"LongName", "| new " + std::string(1e4, 'n') + "\r\n", none, none, QString(1e4, 'n')},
        {"NameKeptLiterally", "| new " + odd + "\r\n", none, none, QString(odd.c_str())},
        // The name file holds one line: each line break pasted into the name is stored as a blank.
        {"NameWithLineBreaks", "| new   A  B C \r\n", none, none, "\r\nA\r\nB\nC\r"},
        {"ScoreTemporaryFails", "| reports «apari.txt» old", none, put(Put::Link, "apari.txt")},
        {"ScoreRenameFails", "| reports «apari.txt» old", none, put(Put::Chain, "apari.txt")},
        {"NameTemporaryFails", "| reports «pari.txt» old", none, put(Put::Link, "pari.txt")},
        {"NameRenameFails", "| reports «pari.txt» old", none, put(Put::Chain, "pari.txt")},
        {"JournalBlocked", "| reports «record.new» old", none, put(Put::Folder, "record.new")}}),
    [](const auto &row) { return std::string(row.param.name); });

// ---- Sound files: whatever stands where a sound should be ---------------------------------------

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
    // Puts what the case is at the path of the laser sound.
    std::function<void(const QString &laser)> put;
    bool plays;
};

void PrintTo(const SoundCase &c, std::ostream *out)
{
    *out << c.name;
}

// Content for a sound file.
std::function<void(const QString &)> holding(const QByteArray &content)
{
    return [=](const QString &laser) {
        QFile file(laser);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    };
}

std::function<void(const QString &)> linkTo(const QString &target)
{
    return [=](const QString &laser) { ASSERT_TRUE(QFile::link(target, laser)); };
}

class SoundFiles : public ::testing::TestWithParam<SoundCase> {};

// The sounds are read when the device opens, so anything wrong is known and logged, once, before
// the first click, and no click waits for a file. A case that hangs fails on the test's timeout.
TEST_P(SoundFiles, PlayOrGiveSilenceSaidOnceWithoutHoldingTheGame)
{
    const SoundCase &c = GetParam();
    QTemporaryDir program;
    const QString suoni = program.path() + "/suoni/";
    ASSERT_TRUE(QDir().mkpath(suoni));
    for (const char *other : {"sparo.wav", "esplosi.wav"})
        holding(wav(1, 22050, 16, 1))(suoni + other);
    c.put(suoni + "laser.wav");
    LoggedWarnings log;
    SdlVoice voice(program.path());
    voice.openInBackground();
    ASSERT_TRUE(voice.isOpen());
    EXPECT_EQ(log.lines().filter("laser.wav").size(), c.plays ? 0 : 1) << "said once, ahead";
    for (int click = 0; click < 3; ++click) {
        voice.play(suoni + "laser.wav");
        EXPECT_EQ(voice.playingPath().toStdString(),
                  c.plays ? (suoni + "laser.wav").toStdString() : "");
    }
    voice.play(suoni + "sparo.wav");
    EXPECT_EQ(voice.playingPath().toStdString(), (suoni + "sparo.wav").toStdString())
        << "the other sounds play on";
    EXPECT_EQ(log.lines().size(), c.plays ? 0 : 1) << log.lines().join('\n').toStdString();
}

const auto fifo = [](const QString &laser) {
    ASSERT_EQ(mkfifo(QFile::encodeName(laser).constData(), 0600), 0);
};
const auto folder = [](const QString &laser) { ASSERT_TRUE(QDir().mkdir(laser)); };

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
        {"Fifo", fifo, false},
        // Reading it never ends.
        {"LinkToDevZero", linkTo("/dev/zero"), false},
        {"Folder", folder, false},
        {"LinkToAFolder", linkTo(QDir::tempPath()), false},
        {"LinkToNowhere", linkTo("/no/such/sound.wav"), false},
        // Fifty megabytes take seconds to read and decode, and hundreds of megabytes once decoded.
        {"FiftyMegabytes", holding(wav(1, 22050, 16, 1190)), false},
        // A second of sound followed by five megabytes of what no sound needs.
        {"OneSecondInFiveMegabytes", holding(wav(1, 22050, 16, 1) + QByteArray(5e6, 'x')), false},
        // One megabyte at a thousand samples a second: sixteen minutes, 170 MB once decoded.
        {"SixteenMinutesInOneMegabyte", holding(wav(1, 1000, 8, 1000)), false}}),
    [](const auto &row) { return std::string(row.param.name); });

// ---- A whole match at full speed, with odd sound files ------------------------------------------

// The highest number each target may carry from its deals, its hits and the motion's renumbering;
// the lowest is 2 or 3, of the same parity.
constexpr std::pair<Control, int> highest[] = {
    {Control::paricmd, 200},     {Control::paricmd1, 1000},    {Control::paricmd2, 600},
    {Control::disparicmd, 1801}, {Control::disparicmd1, 1801}, {Control::disparicmd2, 1801}};

struct Match {
    const char *sounds; // what the three sound files are
    std::uint64_t seed;
    QByteArray content; // of each of them; null: no suoni folder
    bool plays;
    int firstScore = 0; // near a bound, so that the score meets it on the way
    bool clickEven = true, clickOdd = true;
};

// Ticks and clicks in random order on the real rules, generator and voice, boxes answered at once,
// the invariants after every step. The sounds last seconds: a voice that waited for their end, or
// choked on an odd file, would hold the match up.
TEST(Soak, AWholeMatchKeepsEveryInvariantAndLeavesOnceWithAWholePair)
{
    const Match matches[] = {
        Match{"none", 1, QByteArray(), false},
        Match{"empty", 2, "", false},
        Match{"not a WAV", 3, "not a sound\n", false},
        Match{"cut short", 4, wav(1, 22050, 16).left(30), false},
        Match{"8-bit", 5, wav(1, 22050, 8), true, 32700, true, false},
        Match{"stereo at 48 kHz", 6, wav(2, 48000, 16), true, -32700, false, true},
        Match{"10 MB, a minute long", 7, wav(2, 44100, 16, 60), false}};
    for (const Match &m : matches) {
        SCOPED_TRACE(m.sounds);
        Game game; // its records folder and stand-ins, with the real voice
        const QString suoni = game.recordsFolder() + "suoni/";
        game.system.folder = game.recordsFolder().chopped(1);
        for (const char *file : {"sparo.wav", "esplosi.wav", "laser.wav"})
            if (!m.content.isNull() && QDir().mkpath(suoni))
                std::ofstream((suoni + file).toStdString()) << m.content.toStdString();
        SdlVoice voice(game.system.folder);
        Tavola tavola(game.form, game.dialogs, game.random, voice, game.system);
        std::mt19937_64 draws(m.seed);
        tavola.formInitialize();
        int score = tavola.variables().score = m.firstScore;
        int hits = 0, warnings = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int ticks = 0; ticks < 900 && !HasFailure();) {
            const auto &[target, high] = highest[draws() % 6];
            const bool even = high % 2 == 0;
            if (const auto step = draws() % 8; step < 2) {
                tavola.timerTicked(step == 0 ? Timer::Timer1 : Timer::Timer2);
                ticks += step == 0;
            } else if (!game.form.isVisible(target) || !(even ? m.clickEven : m.clickOdd)) {
                tavola.windowClicked();
                EXPECT_EQ(voice.playingPath(), m.plays ? suoni + "laser.wav" : "");
            } else {
                tavola.controlClicked(target);
                score = std::clamp(score + (even ? 1 : -4), -32768, 32767);
                EXPECT_EQ(game.caption(Control::Punteggio),
                          (even ? " " : "") + QString::number(score));
                EXPECT_TRUE(tavola.variables().flashStep == (even ? 20001 : 10001) &&
                            !game.form.isVisible(target));
                ++(even ? hits : warnings);
            }
            for (const auto &[shown, most] : highest) {
                const int n = game.caption(shown).toInt();
                EXPECT_TRUE(game.caption(shown) == QString::number(n) && n % 2 == most % 2 &&
                            n >= 2 + most % 2 && n <= most);
            }
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        }
        EXPECT_TRUE(hits + warnings >= 1000 && (m.firstScore == 0 || std::abs(score) >= 32767));

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
}

} // namespace
} // namespace zarvento::testing
