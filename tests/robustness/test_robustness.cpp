// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input of every kind, and a whole match at full speed, on the real rules, record files and
// voice: the game goes on normally or shows the standard error report and ends with status 1;
// never a crash, a hang, a lost record or a score beside a name it does not belong to.
#include "game.h"
#include "loggedwarnings.h"
#include "sound/sdlvoice.h"

#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>

namespace zarvento::testing {
namespace {

using Prepare = std::function<void(const Game &)>;
using Entries = std::map<std::string, std::string>;
const Prepare none = [](const Game &) {};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The entries of a folder by name, with the content of each regular file; anything else (folder,
// FIFO, link) shows as "-" and is never opened. A lost or mixed pair shows here. The lock file is
// left out: it stays in the records folder, and nothing is stored in it.
Entries entries(const QString &folder)
{
    Entries all;
    for (const QFileInfo &f :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (f.fileName() != "record.lock")
            all[f.fileName().toStdString()] =
                f.isFile() && !f.isSymLink() ? readAll(f.filePath()).toStdString() : "-";
    return all;
}

// A folder of the player's beside the records folder, with one file in it: what a link from the
// records folder may lead to, and what the game must never write.
QString elsewhere(const Game &game)
{
    return game.dataHome.path() + "/altrove/";
}
const Entries elsewhereBefore = {{"mio.txt", "mio\n"}};

// Puts at file what no record file can be. A FIFO hangs whoever opens it; no temporary can be made
// beside a link that loops through itself; a chain of more links than the system follows hides a
// folder; a link may also lead to the player's own file elsewhere, or to a file not there yet.
enum class Put { Folder, Fifo, LoopingLink, Chain, LinkElsewhere, DanglingLinkElsewhere, Empty };
Prepare put(Put what, const QString &file)
{
    return [=](const Game &game) {
        const QString path = game.recordsFolder() + file;
        QString to = path + "~";
        QDir().mkpath(game.recordsFolder());
        QFile::remove(path);
        bool done = false;
        switch (what) {
        case Put::Folder:
            done = QDir().mkdir(path);
            break;
        case Put::Fifo:
            done = mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
            break;
        case Put::LoopingLink:
            done = QFile::link(path + "/x", path);
            break;
        case Put::Chain:
            done = QDir().mkdir(to);
            for (int i = 0; i <= 50; to = path + QString::number(i++))
                done = done && QFile::link(to, i < 50 ? path + QString::number(i) : path);
            break;
        case Put::LinkElsewhere:
            done = QFile::link(elsewhere(game) + "mio.txt", path);
            break;
        case Put::DanglingLinkElsewhere:
            done = QFile::link(elsewhere(game) + "nuovo.txt", path);
            break;
        case Put::Empty:
            done = QFile(path).open(QIODevice::WriteOnly);
            break;
        }
        ASSERT_TRUE(done) << path.toStdString();
    };
}

// The pair a match finds stored.
Prepare pair(const QByteArray &score, const QByteArray &name)
{
    return [=](const Game &game) { game.writeRecord(score, name); };
}

// Both in turn.
Prepare both(const Prepare &first, const Prepare &second)
{
    return [=](const Game &game) {
        first(game);
        second(game);
    };
}

// ---- Record files, names, and replacing the record failing at each step -------------------------

const std::string notRegular = "non è un file normale";

// A case reads as a sentence: what stands in the records folder, what the start shows, what the
// standard error report says, and which pair the folder holds in the end, after Anna (or the
// player named) leaves with 40.
struct RecordCase {
    struct Shown {
        std::string score, name; // the record line's two labels
    };
    struct Report {
        std::string file, reason; // the file it names, within the records folder, and why
    };

    explicit RecordCase(const char *caseName) : name(caseName) {}

    const char *name;
    Prepare before = none;    // in the records folder at the start
    Prepare atLeaving = none; // put there while the match is played
    QString player = QStringLiteral("Anna");
    std::optional<Shown> shown;         // none: the start itself reports
    std::optional<Report> report;       // none: the game ends normally
    std::optional<std::string> newName; // the name file of the match's pair; none: the old pair

    RecordCase &given(Prepare p)
    {
        before = std::move(p);
        return *this;
    }
    RecordCase &whilePlaying(Prepare p)
    {
        atLeaving = std::move(p);
        return *this;
    }
    RecordCase &playedBy(QString p)
    {
        player = std::move(p);
        return *this;
    }
    RecordCase &shows(std::string score, std::string storedName)
    {
        shown = Shown{std::move(score), std::move(storedName)};
        return *this;
    }
    RecordCase &reports(std::string file, std::string reason)
    {
        report = Report{std::move(file), std::move(reason)};
        return *this;
    }
    RecordCase &keepsTheOldPair() { return *this; }
    RecordCase &storesTheMatch(std::string nameLine)
    {
        newName = std::move(nameLine);
        return *this;
    }
};

// A case is reported by its name, not its bytes.
void PrintTo(const RecordCase &c, std::ostream *out)
{
    *out << c.name;
}

class RecordFiles : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordFiles, NeitherHangTheGameNorLoseOrMixThePairNorWriteElsewhere)
{
    const RecordCase &c = GetParam();
    Game game;
    ASSERT_TRUE(QDir().mkpath(elsewhere(game)));
    writeFile(elsewhere(game) + "mio.txt", "mio\n");
    c.before(game);
    Entries old = entries(game.recordsFolder());
    game.start(c.player);
    ASSERT_EQ(!game.tavola.ended(), c.shown.has_value());
    if (c.shown) {
        EXPECT_EQ(game.caption(Control::lblpunti).toStdString(), c.shown->score);
        EXPECT_EQ(game.caption(Control::lblnome).toStdString(), c.shown->name);
        EXPECT_EQ(game.caption(Control::lblnome1), c.player);
        c.atLeaving(game);
        old = entries(game.recordsFolder());
        game.form.setCaption(Control::Punteggio, QStringLiteral("40"));
        game.tavola.controlClicked(Control::cmdExit);
    }

    // The end: normal, or the standard error report, a critical box naming the file, and status 1.
    const ScriptedDialogs::Box &box = game.dialogs.boxes.back();
    if (c.report) {
        EXPECT_EQ(game.system.endings, std::vector<int>{1});
        EXPECT_TRUE(box.style.icon == MsgBoxStyle::Icon::Critical && box.title == programTitle);
        const QString named = box.text.section(u'«', 1).section(u'»', 0, 0);
        EXPECT_EQ(named.toStdString(),
                  (game.recordsFolder() + c.report->file.c_str()).toStdString());
        EXPECT_EQ(box.text.section(u'»', 1).section(u'.', 0, 0).toStdString(),
                  ": " + c.report->reason);
    } else {
        EXPECT_EQ(game.system.endings, std::vector<int>{0});
    }

    const Entries now = entries(game.recordsFolder());
    if (c.newName)
        EXPECT_EQ(now, (Entries{{"apari.txt", "40\r\n"}, {"pari.txt", *c.newName}}));
    else
        EXPECT_EQ(now, old);
    EXPECT_EQ(box.text.startsWith(u"Ok ho registrato"), c.newName.has_value());
    EXPECT_EQ(entries(elsewhere(game)), elsewhereBefore);
}

const QByteArray nul("50\0\x01\x02\r\n", 7);
const std::string odd = " Zoë🦊e\u0301\u05DE\u202E<b>x</b><img src=x><a href=x>y</a>\t\x01 ";

INSTANTIATE_TEST_SUITE_P(
    BadInput, RecordFiles,
    ::testing::ValuesIn(std::vector<RecordCase>{
        RecordCase("FolderMissing").shows("", "").storesTheMatch("Anna\r\n"),
        RecordCase("RegularFileInPlaceOfTheFolder")
            .given([](const Game &game) { writeFile(game.recordsFolder().chopped(1), ""); })
            .reports("", "non è una cartella")
            .keepsTheOldPair(),
        RecordCase("FolderALinkThatLoops")
            .given([](const Game &game) {
                QFile::link(game.recordsFolder().chopped(1), game.recordsFolder().chopped(1));
            })
            .reports("", "troppi collegamenti simbolici")
            .keepsTheOldPair(),
        // People move their data: the records folder may be a link, its files may not.
        RecordCase("FolderALinkToAnother")
            .given([](const Game &game) {
                QDir().mkpath(game.dataHome.path() + "/spostata");
                QFile::link(game.dataHome.path() + "/spostata", game.recordsFolder().chopped(1));
                game.writeRecord("12\r\n", "Ada\r\n");
            })
            .shows("12\r\n", "Ada\r\n")
            .storesTheMatch("Anna\r\n"),
        RecordCase("FolderForTheScore")
            .given(put(Put::Folder, "apari.txt"))
            .reports("apari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("FifoForTheScore")
            .given(put(Put::Fifo, "apari.txt"))
            .reports("apari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("Empty").given(pair("", "")).shows("", "").storesTheMatch("Anna\r\n"),
        RecordCase("LineEndAlone")
            .given(pair("\r\n", "\r\n"))
            .shows("\r\n", "\r\n")
            .storesTheMatch("Anna\r\n"),
        RecordCase("Blanks")
            .given(pair(" \r\n", "  "))
            .shows(" \r\n", "  ")
            .storesTheMatch("Anna\r\n"),
        RecordCase("GarbageText")
            .given(pair("dodici\r\n", "M"))
            .shows("dodici\r\n", "M")
            .storesTheMatch("Anna\r\n"),
        // A text that is no number is no record, though it starts with one beating 40.
        RecordCase("BinaryWithNulBytes")
            .given(pair(nul, nul))
            .shows(nul.toStdString(), nul.toStdString())
            .storesTheMatch("Anna\r\n"),
        RecordCase("InvalidUtf8")
            .given(pair("\37750\r\n", "Zo\xc3"))
            .shows("\uFFFD50\r\n", "Zo\uFFFD")
            .storesTheMatch("Anna\r\n"),
        RecordCase("LongLine")
            .given(pair(QByteArray(1e5, '9'), "M"))
            .shows(std::string(65536, '9'), "M")
            .keepsTheOldPair(),
        // Only the first 64 KiB are read and shown: still the record 50, which 40 does not beat.
        RecordCase("TenMegabytes")
            .given(pair("50" + QByteArray(1e7, ' '), QByteArray(1e7, 'x')))
            .shows("50" + std::string(65534, ' '), std::string(65536, 'x'))
            .keepsTheOldPair(),
        RecordCase("CarriageReturnAlone")
            .given(pair("50\r", "M\r"))
            .shows("50\r", "M\r")
            .keepsTheOldPair(),
        RecordCase("LineFeedAlone")
            .given(pair("40\n", "M\n"))
            .shows("40\n", "M\n")
            .keepsTheOldPair(),
        RecordCase("SeveralLines")
            .given(pair("50\r\n6\r\n", "M\r\nL\r\n"))
            .shows("50\r\n6\r\n", "M\r\nL\r\n")
            .storesTheMatch("Anna\r\n"),
        // Any number is a record of its value: beyond the game's range none can beat it.
        RecordCase("ElevenNines")
            .given(pair("99999999999\r\n", "M\r\n"))
            .shows("99999999999\r\n", "M\r\n")
            .keepsTheOldPair(),
        RecordCase("BeyondThirtyTwoBits")
            .given(pair("2147483648\r\n", "M\r\n"))
            .shows("2147483648\r\n", "M\r\n")
            .keepsTheOldPair(),
        RecordCase("DecimalAbove")
            .given(pair("40.5\r\n", "M\r\n"))
            .shows("40.5\r\n", "M\r\n")
            .keepsTheOldPair(),
        RecordCase("Exponent")
            .given(pair("1e3\r\n", "M\r\n"))
            .shows("1e3\r\n", "M\r\n")
            .keepsTheOldPair(),
        RecordCase("DecimalBelow")
            .given(pair("39.5\r\n", "M\r\n"))
            .shows("39.5\r\n", "M\r\n")
            .storesTheMatch("Anna\r\n"),
        RecordCase("NameEmpty").playedBy("").shows("", "").storesTheMatch("\r\n"),
        RecordCase("NameBlanksOnly").playedBy("  ").shows("", "").storesTheMatch("  \r\n"),
        // Ten thousand characters; emoji, combining marks, right-to-left text, markup and control
        // characters, all shown and stored as typed.
        RecordCase("LongName")
            .playedBy(QString(1e4, 'n'))
            .shows("", "")
            .storesTheMatch(std::string(1e4, 'n') + "\r\n"),
        RecordCase("NameKeptLiterally")
            .playedBy(QString::fromStdString(odd))
            .shows("", "")
            .storesTheMatch(odd + "\r\n"),
        // The name file holds one line: each line break pasted into the name is stored as a blank.
        RecordCase("NameWithLineBreaks")
            .playedBy("\r\nA\r\nB\nC\r")
            .shows("", "")
            .storesTheMatch("  A  B C \r\n"),
        // A link is never followed, to the player's file elsewhere or to one not there yet.
        RecordCase("ScoreLinkedElsewhere")
            .given(both(pair("50\r\n", "M\r\n"), put(Put::LinkElsewhere, "apari.txt")))
            .reports("apari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("ScoreLinkedToNothingElsewhere")
            .given(put(Put::DanglingLinkElsewhere, "apari.txt"))
            .reports("apari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("NameLinkedToNothingElsewhere")
            .given(both(pair("50\r\n", "M\r\n"), put(Put::DanglingLinkElsewhere, "pari.txt")))
            .reports("pari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("ScoreLinkedElsewhereWhilePlaying")
            .whilePlaying(put(Put::LinkElsewhere, "apari.txt"))
            .shows("", "")
            .reports("apari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("NameLinkedElsewhereWhilePlaying")
            .whilePlaying(put(Put::LinkElsewhere, "pari.txt"))
            .shows("", "")
            .reports("pari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("NameLinkedToNothingElsewhereWhilePlaying")
            .whilePlaying(put(Put::DanglingLinkElsewhere, "pari.txt"))
            .shows("", "")
            .reports("pari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("JournalLinkedElsewhere")
            .given(both(pair("50\r\n", "M\r\n"), put(Put::LinkElsewhere, "record.new")))
            .reports("record.new", notRegular)
            .keepsTheOldPair(),
        RecordCase("JournalLinkedToNothingElsewhereWhilePlaying")
            .whilePlaying(put(Put::DanglingLinkElsewhere, "record.new"))
            .shows("", "")
            .reports("record.new", notRegular)
            .keepsTheOldPair(),
        // Two empty lines are no pair: the journal is dropped and the stored pair stays whole.
        RecordCase("JournalOfEmptyLines")
            .given(both(pair("50\r\n", "M\r\n"),
                        [](const Game &game) {
                            writeFile(game.recordsFolder() + "record.new", "\r\n\r\n");
                        }))
            .shows("50\r\n", "M\r\n")
            .keepsTheOldPair(),
        // The lock is judged at once: a link is reported, an empty file is no game's lock.
        RecordCase("LockLinkedToNothingElsewhere")
            .given(put(Put::DanglingLinkElsewhere, "record.lock"))
            .reports("record.lock", notRegular)
            .keepsTheOldPair(),
        RecordCase("LockLinkedElsewhere")
            .given(put(Put::LinkElsewhere, "record.lock"))
            .reports("record.lock", notRegular)
            .keepsTheOldPair(),
        RecordCase("LockFifo")
            .given(put(Put::Fifo, "record.lock"))
            .reports("record.lock", notRegular)
            .keepsTheOldPair(),
        RecordCase("LockFolder")
            .given(put(Put::Folder, "record.lock"))
            .reports("record.lock", notRegular)
            .keepsTheOldPair(),
        RecordCase("LockEmpty")
            .given(put(Put::Empty, "record.lock"))
            .shows("", "")
            .storesTheMatch("Anna\r\n"),
        RecordCase("ScoreTemporaryFails")
            .whilePlaying(put(Put::LoopingLink, "apari.txt"))
            .shows("", "")
            .reports("apari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("ScoreRenameFails")
            .whilePlaying(put(Put::Chain, "apari.txt"))
            .shows("", "")
            .reports("apari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("NameTemporaryFails")
            .whilePlaying(put(Put::LoopingLink, "pari.txt"))
            .shows("", "")
            .reports("pari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("NameRenameFails")
            .whilePlaying(put(Put::Chain, "pari.txt"))
            .shows("", "")
            .reports("pari.txt", notRegular)
            .keepsTheOldPair(),
        RecordCase("JournalBlocked")
            .whilePlaying(put(Put::Folder, "record.new"))
            .shows("", "")
            .reports("record.new", notRegular)
            .keepsTheOldPair()}),
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
