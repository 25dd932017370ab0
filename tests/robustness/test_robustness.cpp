// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input of every kind on the real rules and record files: the game goes on normally or shows
// the standard error report and ends with status 1; never a crash, a hang, a lost record or a
// score beside a name it does not belong to.
#include "game.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zarvento::testing {
namespace {

using Prepare = std::function<void(const Game &)>;
using Entries = std::map<std::string, std::string>;

// Puts at path what no record or sound file can be. A FIFO hangs whoever opens it; no temporary
// can be made beside a link that loops through itself; a chain of more links than the system
// follows hides a folder. The two links are made by at(), below.
enum class Put { Folder, Fifo, LoopingLink, Chain, Empty, LinkToPlayersFile, LinkToNothing };
void put(Put what, const QString &path)
{
    QString to = path + "~";
    QFile::remove(path);
    bool done = what == Put::Empty         ? QFile(path).open(QIODevice::WriteOnly)
                : what == Put::Fifo        ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                : what == Put::LoopingLink ? QFile::link(path + "/x", path)
                                           : QDir().mkdir(what == Put::Folder ? path : to);
    for (int i = 0; what == Put::Chain && i <= 50; to = path + QString::number(i++))
        done = done && QFile::link(to, i < 50 ? path + QString::number(i) : path);
    ASSERT_TRUE(done) << path.toStdString();
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
                f.isFile() && !f.isSymLink() ? readFile(f.filePath()).toStdString() : "-";
    return all;
}

// ---- Record files, names, and replacing the record failing at each step -------------------------

// A folder of the player's beside the records folder, with one file in it: what a link from the
// records folder may lead to, and what the game must never write.
QString elsewhere(const Game &game)
{
    return game.dataHome.path() + "/altrove/";
}
const Entries elsewhereBefore = {{"mio.txt", "mio\n"}};

// What stands at a file of the records folder; a link leads to the player's own file elsewhere, or
// to one not there yet.
Prepare at(const QString &file, Put what)
{
    return [=](const Game &game) {
        const QString path = game.recordsFolder() + file;
        QDir().mkpath(game.recordsFolder());
        if (what != Put::LinkToPlayersFile && what != Put::LinkToNothing)
            return put(what, path);
        QFile::remove(path);
        const QString target = what == Put::LinkToNothing ? "nuovo.txt" : "mio.txt";
        ASSERT_TRUE(QFile::link(elsewhere(game) + target, path));
    };
}

// The pair a match finds stored.
Prepare pair(const QByteArray &score, const QByteArray &name)
{
    return [=](const Game &game) { game.writeRecord(score, name); };
}

const std::string notRegular = "non è un file normale";

// A case reads as a sentence: what stands in the records folder, what the start shows, what the
// standard error report says, and which pair the folder holds in the end, after Anna (or the
// player named) leaves with 40; unless told, the pair the folder held before.
struct RecordCase {
    // Reported by its name, not its bytes.
    friend void PrintTo(const RecordCase &c, std::ostream *out) { *out << c.name; }
    struct Shown {
        std::string score, name; // the record line's two labels
    };
    struct Report {
        std::string file, reason; // the file it names, within the records folder, and why
    };

    explicit RecordCase(const char *caseName) : name(caseName) {}
    template <typename Field, typename Value> RecordCase &set(Field &field, Value value)
    {
        field = std::move(value);
        return *this;
    }

    const char *name;
    Prepare before;    // in the records folder at the start
    Prepare atLeaving; // put there while the match is played; none: the start itself reports
    QString player = QStringLiteral("Anna");
    Shown shown;                        // unless the start itself reports
    std::optional<Report> report;       // none: the game ends normally
    std::optional<std::string> newName; // the name file of the match's pair; none: the old pair

    RecordCase &given(Prepare p) { return set(before, std::move(p)); }
    RecordCase &playedBy(QString p) { return set(player, std::move(p)); }
    RecordCase &shows(std::string score, std::string n) { return set(shown, Shown{score, n}); }
    RecordCase &reports(std::string file, std::string why = notRegular)
    {
        return set(report, Report{file, why});
    }
    RecordCase &storesTheMatch(std::string line = "Anna\r\n") { return set(newName, line); }
    // What stands at file while the match is played; the start shows no record.
    RecordCase &whilePlaying(const QString &file, Put what)
    {
        atLeaving = at(file, what);
        return reports(file.toStdString());
    }
    // A stored pair shown as it is, and a start that refuses what stands at file beside it.
    RecordCase &storedShown(const QByteArray &score, const QByteArray &storedName)
    {
        return given(pair(score, storedName)).shows(score.toStdString(), storedName.toStdString());
    }
    RecordCase &refusedAtStart(const QString &file, Put what)
    {
        before = [=, prepare = at(file, what)](const Game &game) {
            game.writeRecord("50\r\n", "M\r\n");
            prepare(game);
        };
        return reports(file.toStdString());
    }
};

class RecordFiles : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordFiles, NeitherHangTheGameNorLoseOrMixThePairNorWriteElsewhere)
{
    const RecordCase &c = GetParam();
    Game game;
    ASSERT_TRUE(QDir().mkpath(elsewhere(game)));
    ASSERT_TRUE(writeFile(elsewhere(game) + "mio.txt", "mio\n"));
    if (c.before)
        c.before(game);
    Entries old = entries(game.recordsFolder());
    game.start(c.player);
    ASSERT_EQ(game.tavola.ended(), c.report && !c.atLeaving);
    if (!game.tavola.ended()) {
        EXPECT_EQ(game.caption(Control::lblpunti).toStdString(), c.shown.score);
        EXPECT_EQ(game.caption(Control::lblnome).toStdString(), c.shown.name);
        EXPECT_EQ(game.caption(Control::lblnome1), c.player);
        if (c.atLeaving)
            c.atLeaving(game);
        old = entries(game.recordsFolder());
        game.form.setCaption(Control::Punteggio, QStringLiteral("40"));
        game.tavola.controlClicked(Control::cmdExit);
    }

    // The end: normal, or the standard error report, a critical box naming the file, and status 1.
    const ScriptedDialogs::Box &box = game.dialogs.boxes.back();
    EXPECT_EQ(game.system.endings, std::vector<int>{c.report ? 1 : 0});
    if (c.report) {
        EXPECT_TRUE(box.style.icon == MsgBoxStyle::Icon::Critical && box.title == programTitle);
        const QString named = box.text.section(u'«', 1).section(u'»', 0, 0);
        EXPECT_EQ(named.toStdString(),
                  (game.recordsFolder() + c.report->file.c_str()).toStdString());
        EXPECT_EQ(box.text.section(u'»', 1).section(u'.', 0, 0).toStdString(),
                  ": " + c.report->reason);
    }
    const Entries now = entries(game.recordsFolder());
    EXPECT_EQ(now, (c.newName ? Entries{{"apari.txt", "40\r\n"}, {"pari.txt", *c.newName}} : old));
    EXPECT_EQ(box.text.startsWith(u"Ok ho registrato"), c.newName.has_value());
    EXPECT_EQ(entries(elsewhere(game)), elsewhereBefore);
}

const QByteArray nul("50\0\x01\x02\r\n", 7);
const std::string odd = " Zoë🦊e\u0301\u05DE\u202E<b>x</b><img src=x><a href=x>y</a>\t\x01 ";

INSTANTIATE_TEST_SUITE_P(
    BadInput, RecordFiles,
    ::testing::ValuesIn(std::vector<RecordCase>{
        RecordCase("FolderMissing").storesTheMatch(),
        RecordCase("RegularFileInPlaceOfTheFolder")
            .given([](const Game &game) {
                ASSERT_TRUE(writeFile(game.recordsFolder().chopped(1), ""));
            })
            .reports("", "non è una cartella"),
        RecordCase("FolderALinkThatLoops")
            .given([](const Game &game) {
                QFile::link(game.recordsFolder().chopped(1), game.recordsFolder().chopped(1));
            })
            .reports("", "troppi collegamenti simbolici"),
        // People move their data: the records folder may be a link, its files may not.
        RecordCase("FolderALinkToAnother")
            .given([](const Game &game) {
                QDir().mkpath(game.dataHome.path() + "/spostata");
                QFile::link(game.dataHome.path() + "/spostata", game.recordsFolder().chopped(1));
                game.writeRecord("12\r\n", "Ada\r\n");
            })
            .shows("12\r\n", "Ada\r\n")
            .storesTheMatch(),
        RecordCase("Empty").storedShown("", "").storesTheMatch(),
        RecordCase("LineEndAlone").storedShown("\r\n", "\r\n").storesTheMatch(),
        RecordCase("Blanks").storedShown(" \r\n", "  ").storesTheMatch(),
        RecordCase("GarbageText").storedShown("dodici\r\n", "M").storesTheMatch(),
        // A text that is no number is no record, though it starts with one beating 40.
        RecordCase("BinaryWithNulBytes").storedShown(nul, nul).storesTheMatch(),
        RecordCase("InvalidUtf8")
            .given(pair("\37750\r\n", "Zo\xc3"))
            .shows("\uFFFD50\r\n", "Zo\uFFFD")
            .storesTheMatch(),
        RecordCase("LongLine")
            .given(pair(QByteArray(1e5, '9'), "M"))
            .shows(std::string(65536, '9'), "M"),
        // Only the first 64 KiB are read and shown: still the record 50, which 40 does not beat.
        RecordCase("TenMegabytes")
            .given(pair("50" + QByteArray(1e7, ' '), QByteArray(1e7, 'x')))
            .shows("50" + std::string(65534, ' '), std::string(65536, 'x')),
        RecordCase("CarriageReturnAlone").storedShown("50\r", "M\r"),
        RecordCase("LineFeedAlone").storedShown("40\n", "M\n"),
        RecordCase("SeveralLines").storedShown("50\r\n6\r\n", "M\r\nL\r\n").storesTheMatch(),
        // Any number is a record of its value: beyond the game's range none can beat it.
        RecordCase("ElevenNines").storedShown("99999999999\r\n", "M\r\n"),
        RecordCase("BeyondThirtyTwoBits").storedShown("2147483648\r\n", "M\r\n"),
        RecordCase("DecimalAbove").storedShown("40.5\r\n", "M\r\n"),
        RecordCase("Exponent").storedShown("1e3\r\n", "M\r\n"),
        RecordCase("DecimalBelow").storedShown("39.5\r\n", "M\r\n").storesTheMatch(),
        RecordCase("NameEmpty").playedBy("").storesTheMatch("\r\n"),
        RecordCase("NameBlanksOnly").playedBy("  ").storesTheMatch("  \r\n"),
        // Ten thousand characters; emoji, combining marks, right-to-left text, markup and control
        // characters, all shown and stored as typed.
        RecordCase("LongName")
            .playedBy(QString(1e4, 'n'))

            .storesTheMatch(std::string(1e4, 'n') + "\r\n"),
        RecordCase("NameKeptLiterally")
            .playedBy(QString::fromStdString(odd))

            .storesTheMatch(odd + "\r\n"),
        // The name file holds one line: each line break pasted into the name is stored as a blank.
        RecordCase("NameWithLineBreaks")
            .playedBy("\r\nA\r\nB\nC\r")

            .storesTheMatch("  A  B C \r\n"),
        // Two empty lines are no pair: the journal is dropped and the stored pair stays whole.
        RecordCase("JournalOfEmptyLines")
            .given([](const Game &game) {
                game.writeRecord("50\r\n", "M\r\n");
                ASSERT_TRUE(writeFile(game.recordsFolder() + "record.new", "\r\n\r\n"));
            })
            .shows("50\r\n", "M\r\n"),
        // A link is never followed, to the player's file elsewhere or to one not there yet; the
        // lock is judged at once: a link is reported, an empty file is no game's lock.
        RecordCase("FolderForTheScore").refusedAtStart("apari.txt", Put::Folder),
        RecordCase("FifoForTheScore").refusedAtStart("apari.txt", Put::Fifo),
        RecordCase("ScoreLinkedElsewhere").refusedAtStart("apari.txt", Put::LinkToPlayersFile),
        RecordCase("ScoreLinkedToNothingElsewhere").refusedAtStart("apari.txt", Put::LinkToNothing),
        RecordCase("NameLinkedToNothingElsewhere").refusedAtStart("pari.txt", Put::LinkToNothing),
        RecordCase("JournalLinkedElsewhere").refusedAtStart("record.new", Put::LinkToPlayersFile),
        RecordCase("LockLinkedToNothingElsewhere")
            .refusedAtStart("record.lock", Put::LinkToNothing),
        RecordCase("LockLinkedElsewhere").refusedAtStart("record.lock", Put::LinkToPlayersFile),
        RecordCase("LockFifo").refusedAtStart("record.lock", Put::Fifo),
        RecordCase("LockFolder").refusedAtStart("record.lock", Put::Folder),
        RecordCase("LockEmpty").given(at("record.lock", Put::Empty)).storesTheMatch(),
        RecordCase("ScoreLinkedWhilePlaying").whilePlaying("apari.txt", Put::LinkToPlayersFile),
        RecordCase("NameLinkedWhilePlaying").whilePlaying("pari.txt", Put::LinkToPlayersFile),
        RecordCase("NameLinkedToNothingWhilePlaying").whilePlaying("pari.txt", Put::LinkToNothing),
        RecordCase("JournalLinkedToNothingWhilePlaying")
            .whilePlaying("record.new", Put::LinkToNothing),
        RecordCase("ScoreTemporaryFails").whilePlaying("apari.txt", Put::LoopingLink),
        RecordCase("ScoreRenameFails").whilePlaying("apari.txt", Put::Chain),
        RecordCase("NameTemporaryFails").whilePlaying("pari.txt", Put::LoopingLink),
        RecordCase("NameRenameFails").whilePlaying("pari.txt", Put::Chain),
        RecordCase("JournalBlocked").whilePlaying("record.new", Put::Folder)}),
    rowName);

} // namespace
} // namespace zarvento::testing
