// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The record files: where they are, reading a stored score, replacing the pair safely, and what
// stands in their place.
#include "game.h"
#include "heldelsewhere.h"
#include "records/recordfiles.h"
#include "support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#include <sys/stat.h>
#include <unistd.h>

using namespace zarvento;
using namespace zarvento::testing;

namespace {

// Every test keeps its records where the game keeps them, under a data folder of its own.
class RecordFiles : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path())); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray pair() const
    {
        QFile score(folder + scoreFileName), name(folder + nameFileName);
        EXPECT_TRUE(score.open(QIODevice::ReadOnly) && name.open(QIODevice::ReadOnly));
        return score.readAll() + name.readAll();
    }

    QTemporaryDir dir;
    const QString folder = dir.path() + "/zarvento/";
};

const auto byName = [](const auto &row) { return std::string(row.param.name); };

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

struct ScoreText {
    // Reported by its name, not its bytes.
    friend void PrintTo(const ScoreText &c, std::ostream *out) { *out << c.name; }
    const char *name;
    QString text;
    std::optional<qint64> value; // rounded down; none: no number, so no record
};

class ParseScore : public ::testing::TestWithParam<ScoreText> {};

TEST_P(ParseScore, ReadsTheNumberTheFirstLineStartsWithRoundedDownAndNoneWithoutOne)
{
    EXPECT_EQ(parseScore(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseScore,
                         ::testing::ValuesIn(std::vector<ScoreText>{
                             {"PlusSign", "+7", 7},
                             {"LeadingZeros", "007", 7},
                             {"BeyondSixteenBits", "99999", 99999},
                             {"NegativeDecimal", "-12.5", -13},
                             {"DecimalComma", "12,5", 12},
                             {"DecimalZeros", "12.000", 12},
                             {"PointLast", "5.", 5},
                             {"PointFirst", ".5", 0},
                             {"ExponentWithSign", "2.5E+2", 250},
                             {"NegativeExponent", "1250e-2", 12},
                             {"SmallFractionUp", "0.0001e4", 1},
                             {"ZeroWithHugeExponent", "0e999999999999", 0},
                             {"NumberThenWord", "12x", 12},
                             {"TwoNumbers", "1 2", 1},
                             {"ExponentWithoutDigits", "1e", 1},
                             {"Hexadecimal", "0x10", 0},
                             {"TinyBelowZero", "-1e-999", -1},
                             {"FirstLineEmpty", "\r\n32", std::nullopt},
                             {"PlusThenMinus", "+-5", std::nullopt},
                             {"SignAlone", "-", std::nullopt},
                             {"PointAlone", ".", std::nullopt},
                             {"ExponentAlone", "e3", std::nullopt},
                             {"Infinity", "inf", std::nullopt},
                             {"ArabicDigits", QString::fromUtf8("\u0661\u0662"), std::nullopt}}),
                         byName);

// A stored pair and a journal, before a start; the player named leaves with the score given, or
// stays: the record line the start shows is the files' content (up to 64 KiB each), and the
// pair afterwards is the one given. A record beaten is congratulated.
struct PairCase {
    // Reported by its name, not its bytes.
    friend void PrintTo(const PairCase &c, std::ostream *out) { *out << c.name; }
    const char *name;
    QByteArray storedScore, storedName;
    QByteArray journal;  // empty: none
    const char *leaving; // the score text the match leaves with; null: the start alone
    QByteArray after;    // score and name files, one after the other
    QString player = QStringLiteral("Bo");
};

class StoredPair : public ::testing::TestWithParam<PairCase> {};

TEST_P(StoredPair, IsShownAtTheStartAndReplacedOnlyByABetterScoreOrAWholeJournal)
{
    const PairCase &c = GetParam();
    Game game;
    game.writeRecord(c.storedScore, c.storedName);
    if (!c.journal.isEmpty())
        writeFile(game.recordsFolder() + "record.new", c.journal);
    game.start(c.player);
    ASSERT_FALSE(game.tavola.ended());
    const QByteArray started = game.storedScore() + game.storedName();
    EXPECT_EQ(game.caption(Control::lblpunti), QString::fromUtf8(game.storedScore().left(65536)));
    EXPECT_EQ(game.caption(Control::lblnome), QString::fromUtf8(game.storedName().left(65536)));
    if (c.leaving) {
        game.form.setCaption(Control::Punteggio, c.leaving);
        game.tavola.controlClicked(Control::cmdExit);
        EXPECT_EQ(game.system.endings, std::vector<int>{0});
    }
    EXPECT_EQ(game.storedScore() + game.storedName(), c.after);
    EXPECT_EQ(game.dialogs.boxes.back().text.startsWith("Ok ho registrato"), c.after != started);
    // Nothing is left beside the pair and the lock: no journal, no temporary file.
    EXPECT_EQ(QDir(game.recordsFolder())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{scoreFileName, nameFileName, "record.lock"}));
}

const QByteArray nines(5000, '9');
// The lowest score beside a name as long as the name box takes, of four-byte characters.
const QByteArray longestJournal =
    "-32768\r\n" + QByteArray("\xf0\x9f\x98\x80").repeated(32767) + "\r\n";
const QByteArray nul("50\0\x01\x02\r\n", 7);
const std::string odd = " Zoë🦊e\u0301\u05DE\u202E<b>x</b><img src=x><a href=x>y</a>\t\x01 ";

INSTANTIATE_TEST_SUITE_P(
    Records, StoredPair,
    ::testing::ValuesIn(std::vector<PairCase>{
        {"HigherScoreReplaces", "12\r\n", "Ada\r\n", "", " 13", " 13\r\nBo\r\n"},
        {"EqualScoreKeeps", "12\r\n", "Ada\r\n", "", "12", "12\r\nAda\r\n"},
        {"LowerScoreKeeps", " 12\r\n", "Ada\r\n", "", "-4", " 12\r\nAda\r\n"},
        {"AnyScoreBeatsNoRecord", "", "", "", "-4", "-4\r\nBo\r\n"},
        {"AnyScoreBeatsALineEndAlone", "\r\n", "\r\n", "", "-4", "-4\r\nBo\r\n"},
        {"AnyScoreBeatsBlanks", " \r\n", "  ", "", "0", "0\r\nBo\r\n"},
        {"AnyScoreBeatsText", "dodici\r\n", "M", "", "0", "0\r\nBo\r\n"},
        {"AnyScoreBeatsInvalidUtf8", "\37750\r\n", "Zo\xc3", "", "0", "0\r\nBo\r\n"},
        {"ScoreThenWordsIsThatScore", "32 punti\r\n", "Ada\r\n", "", "0", "32 punti\r\nAda\r\n"},
        {"ScoreThenASecondLineIsThatScore", "32\r\nx", "Ada\r\n", "", "0", "32\r\nxAda\r\n"},
        {"ScoreThenSeveralLinesIsThatScore", "50\r\n6\r\n", "M\r\nL\r\n", "", "40",
         "50\r\n6\r\nM\r\nL\r\n"},
        {"ScoreThenNulBytesIsThatScore", nul, nul, "", "40", nul + nul},
        {"BlanksScoreLettersIsThatScore", " 12abc", "Ada\r\n", "", "12", " 12abcAda\r\n"},
        {"CarriageReturnAloneEndsTheScore", "50\r", "M\r", "", "40", "50\rM\r"},
        {"LineFeedAloneEndsTheScore", "40\n", "M\n", "", "40", "40\nM\n"},
        {"ElevenNinesCannotBeBeaten", "99999999999\r\n", "Ada\r\n", "", "32767",
         "99999999999\r\nAda\r\n"},
        {"BeyondThirtyTwoBitsCannotBeBeaten", "2147483648\r\n", "Ada\r\n", "", "32767",
         "2147483648\r\nAda\r\n"},
        {"FiveThousandNinesCannotBeBeaten", nines, "Ada\r\n", "", "32767", nines + "Ada\r\n"},
        // Only the first 64 KiB of each file are read and shown.
        {"LongLineCannotBeBeaten", QByteArray(1e5, '9'), "M", "", "32767",
         QByteArray(1e5, '9') + "M"},
        {"TenMegabytesReadFromTheStart", "50" + QByteArray(1e7, ' '), QByteArray(1e7, 'x'), "",
         "40", "50" + QByteArray(1e7, ' ') + QByteArray(1e7, 'x')},
        {"HugeExponentCannotBeBeaten", "1e999999999999999999999", "Ada\r\n", "", "32767",
         "1e999999999999999999999Ada\r\n"},
        {"FarBelowZeroIsBeaten", "-99999999999\r\n", "Ada\r\n", "", "-32768", "-32768\r\nBo\r\n"},
        {"FiveThousandNinesBelowZeroIsBeaten", "-" + nines + ".5", "Ada\r\n", "", "-32768",
         "-32768\r\nBo\r\n"},
        {"DecimalNotBeatenByItsWholePart", "12.5\r\n", "Ada\r\n", "", "12", "12.5\r\nAda\r\n"},
        {"DecimalBeatenByTheNextWhole", "12.5\r\n", "Ada\r\n", "", "13", "13\r\nBo\r\n"},
        {"ExponentNotBeatenBelowIt", "1e3\r\n", "Ada\r\n", "", "999", "1e3\r\nAda\r\n"},
        {"WholeJournalCompletedAtAStart", "3\r\n", "Ada\r\n", "9\r\nCy\r\n", nullptr,
         "9\r\nCy\r\n"},
        {"WholeJournalCompletedBeforeComparing", "3\r\n", "Ada\r\n", "9\r\nCy\r\n", "5",
         "9\r\nCy\r\n"},
        {"JournalWithoutItsNameDropped", "3\r\n", "Ada\r\n", "9\r\n", nullptr, "3\r\nAda\r\n"},
        {"JournalCutInsideTheNameDropped", "3\r\n", "Ada\r\n", "9\r\nC", "5", "5\r\nBo\r\n"},
        {"JournalOfEmptyLinesDropped", "3\r\n", "Ada\r\n", "\r\n\r\n", nullptr, "3\r\nAda\r\n"},
        {"JournalWithoutAScoreDropped", "3\r\n", "Ada\r\n", "x\r\nCy\r\n", nullptr, "3\r\nAda\r\n"},
        {"JournalOfTheLongestNameCompleted", "3\r\n", "Ada\r\n", longestJournal, nullptr,
         longestJournal},
        {"NameEmptyStoredAsAnEmptyLine", "", "", "", "40", "40\r\n\r\n", ""},
        {"NameOfBlanksKept", "", "", "", "40", "40\r\n  \r\n", "  "},
        {"LongNameKept", "", "", "", "40", "40\r\n" + QByteArray(1e4, 'n') + "\r\n",
         QString(1e4, 'n')},
        // Emoji, combining marks, right-to-left text, markup and control characters, as typed.
        {"NameKeptLiterally", "", "", "", "40", "40\r\n" + QByteArray::fromStdString(odd) + "\r\n",
         QString::fromStdString(odd)},
        // The name file holds one line: each line break pasted into the name is a blank.
        {"NameWithLineBreaksOnOneLine", "", "", "", "40", "40\r\n  A  B C \r\n",
         "\r\nA\r\nB\nC\r"}}),
    byName);

// What may stand at a path of the records folder instead of the game's own file. A FIFO hangs
// whoever opens it; no temporary file can be made beside a link that loops through itself; a
// chain of more links than the system follows hides a folder.
enum class Put {
    Nothing,
    Empty,
    Folder,
    Fifo,
    LoopingLink,
    Chain,
    LinkToPlayersFile,
    LinkToNothing,
    LinkToAFolder
};

// A folder of the player's beside the records folder, with one file in it: what a link from the
// records folder may lead to, and what the game must never write.
QString elsewhere(const Game &game)
{
    return game.dataHome.path() + "/altrove/";
}

void put(const Game &game, Put what, const QString &path)
{
    QFile::remove(path);
    const QString moved = game.dataHome.path() + "/spostata";
    QString to = path + "~";
    bool done =
        what == Put::Nothing       ? true
        : what == Put::Empty       ? QFile(path).open(QIODevice::WriteOnly)
        : what == Put::Folder      ? QDir().mkdir(path)
        : what == Put::Fifo        ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
        : what == Put::LoopingLink ? QFile::link(path + "/x", path)
        : what == Put::Chain       ? QDir().mkdir(to)
        : what == Put::LinkToAFolder
            ? QDir().mkpath(moved) && QFile::link(moved, path)
            : QFile::link(elsewhere(game) + (what == Put::LinkToNothing ? "nuovo.txt" : "mio.txt"),
                          path);
    for (int i = 0; what == Put::Chain && i <= 50; to = path + QString::number(i++))
        done = done && QFile::link(to, i < 50 ? path + QString::number(i) : path);
    ASSERT_TRUE(done) << path.toStdString();
}

// The entries of a folder by name, with the content of each regular file; anything else (folder,
// FIFO, link) shows as "-" and is never opened. A lost or mixed pair shows here. The lock file is
// left out: it stays in the records folder, and nothing is stored in it.
using Entries = std::map<QString, QByteArray>;
Entries entries(const QString &folder)
{
    Entries all;
    for (const QFileInfo &f :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (f.fileName() != "record.lock")
            all[f.fileName()] =
                f.isFile() && !f.isSymLink() ? zarvento::testing::readFile(f.filePath()) : "-";
    return all;
}

enum class When { BeforeTheStart, WhilePlaying };

// What stands at a file of the records folder ("" the folder itself), put there before the start
// beside the record 50 of M, or while Anna plays; the standard error report's reason, or none when
// the game ends normally and Anna's 60 is stored.
struct HostileCase {
    const char *name;
    const char *file;
    Put what;
    When when;
    const char *reason;
};

class HostilePath : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostilePath, NeitherHangsTheGameNorLosesOrMixesThePairNorWritesElsewhere)
{
    const HostileCase &c = GetParam();
    Game game;
    const QString path = game.recordsFolder() + c.file;
    ASSERT_TRUE(QDir().mkpath(elsewhere(game)));
    writeFile(elsewhere(game) + "mio.txt", "mio\n");
    if (*c.file)
        game.writeRecord("50\r\n", "M\r\n");
    if (c.when == When::BeforeTheStart)
        put(game, c.what, *c.file ? path : path.chopped(1));
    Entries old = entries(game.recordsFolder());
    game.start();
    ASSERT_EQ(game.tavola.ended(), c.reason && c.when == When::BeforeTheStart);
    if (!game.tavola.ended()) {
        if (c.when == When::WhilePlaying)
            put(game, c.what, path);
        old = entries(game.recordsFolder());
        game.form.setCaption(Control::Punteggio, "60");
        game.tavola.controlClicked(Control::cmdExit);
    }

    // The end: normal, or the standard error report, a critical box naming the file, and status 1.
    const ScriptedDialogs::Box &box = game.dialogs.boxes.back();
    EXPECT_EQ(game.system.endings, std::vector<int>{c.reason ? 1 : 0});
    if (c.reason) {
        EXPECT_TRUE(box.style.icon == MsgBoxStyle::Icon::Critical && box.title == programTitle);
        EXPECT_EQ(box.text.section(u'«', 1).section(u'»', 0, 0), path);
        EXPECT_EQ(box.text.section(u'»', 1).section(u'.', 0, 0), QString(": ") + c.reason);
    }
    const Entries stored{{"apari.txt", "60\r\n"}, {"pari.txt", "Anna\r\n"}};
    EXPECT_EQ(entries(game.recordsFolder()), c.reason ? old : stored);
    EXPECT_EQ(box.text.startsWith(u"Ok ho registrato"), !c.reason);
    EXPECT_EQ(entries(elsewhere(game)), (Entries{{"mio.txt", "mio\n"}}));
}

const char *const notRegular = "non è un file normale";

INSTANTIATE_TEST_SUITE_P(
    Records, HostilePath,
    ::testing::ValuesIn(std::vector<HostileCase>{
        {"FolderMissing", "", Put::Nothing, When::BeforeTheStart, nullptr},
        {"FileInPlaceOfTheFolder", "", Put::Empty, When::BeforeTheStart, "non è una cartella"},
        {"FolderALinkThatLoops", "", Put::LoopingLink, When::BeforeTheStart,
         "troppi collegamenti simbolici"},
        // People move their data: the records folder may be a link, its files may not.
        {"FolderALinkToAnother", "", Put::LinkToAFolder, When::BeforeTheStart, nullptr},
        {"FolderForTheScore", "apari.txt", Put::Folder, When::BeforeTheStart, notRegular},
        {"FifoForTheScore", "apari.txt", Put::Fifo, When::BeforeTheStart, notRegular},
        {"ScoreLinkedElsewhere", "apari.txt", Put::LinkToPlayersFile, When::BeforeTheStart,
         notRegular},
        {"ScoreLinkedToNothingElsewhere", "apari.txt", Put::LinkToNothing, When::BeforeTheStart,
         notRegular},
        {"NameLinkedToNothingElsewhere", "pari.txt", Put::LinkToNothing, When::BeforeTheStart,
         notRegular},
        {"JournalLinkedElsewhere", "record.new", Put::LinkToPlayersFile, When::BeforeTheStart,
         notRegular},
        {"LockLinkedToNothingElsewhere", "record.lock", Put::LinkToNothing, When::BeforeTheStart,
         notRegular},
        {"LockLinkedElsewhere", "record.lock", Put::LinkToPlayersFile, When::BeforeTheStart,
         notRegular},
        {"LockFifo", "record.lock", Put::Fifo, When::BeforeTheStart, notRegular},
        {"LockFolder", "record.lock", Put::Folder, When::BeforeTheStart, notRegular},
        {"ScoreLinkedWhilePlaying", "apari.txt", Put::LinkToPlayersFile, When::WhilePlaying,
         notRegular},
        {"NameLinkedWhilePlaying", "pari.txt", Put::LinkToPlayersFile, When::WhilePlaying,
         notRegular},
        {"NameLinkedToNothingWhilePlaying", "pari.txt", Put::LinkToNothing, When::WhilePlaying,
         notRegular},
        {"JournalLinkedToNothingWhilePlaying", "record.new", Put::LinkToNothing, When::WhilePlaying,
         notRegular},
        {"ScoreTemporaryFails", "apari.txt", Put::LoopingLink, When::WhilePlaying, notRegular},
        {"ScoreRenameFails", "apari.txt", Put::Chain, When::WhilePlaying, notRegular},
        {"NameTemporaryFails", "pari.txt", Put::LoopingLink, When::WhilePlaying, notRegular},
        {"NameRenameFails", "pari.txt", Put::Chain, When::WhilePlaying, notRegular},
        {"JournalBlocked", "record.new", Put::Folder, When::WhilePlaying, notRegular}}),
    byName);

// Another game holds the lock while it replaces the pair, another program a lease on a file: the
// try is busy at once, changes nothing and reports nothing; once let go, the same try stores.
struct BusyCase {
    const char *name;
    const char *file;
    Hold hold;
};

class HeldRecord : public RecordFiles, public ::testing::WithParamInterface<BusyCase> {};

TEST_P(HeldRecord, IsBusyAtOnceChangingNothingUntilLetGo)
{
    const BusyCase &c = GetParam();
    ASSERT_FALSE(prepareRecordFiles(folder).error);
    write(scoreFileName, "3\r\n");
    write(nameFileName, "Ada\r\n");
    HeldElsewhere other(folder + c.file, c.hold);
    ASSERT_TRUE(other.holds());
    zarvento::testing::LoggedWarnings log;
    QElapsedTimer clock;
    clock.start();
    const RecordOutcome outcome = storeIfRecord(folder, "5", "Bo");
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_TRUE(outcome.busy);
    EXPECT_FALSE(outcome.error);
    EXPECT_TRUE(prepareRecordFiles(folder).busy);
    EXPECT_EQ(log.lines(), QStringList());
    other.letGo(); // reading the pair would wait for a lease to be broken
    EXPECT_EQ(pair(), "3\r\nAda\r\n");
    EXPECT_FALSE(prepareRecordFiles(folder).busy);
    EXPECT_TRUE(storeIfRecord(folder, "5", "Bo").newRecord);
    EXPECT_EQ(pair(), "5\r\nBo\r\n");
}

INSTANTIATE_TEST_SUITE_P(Records, HeldRecord,
                         ::testing::ValuesIn(std::vector<BusyCase>{
                             {"LockHeldByAnotherGame", "record.lock", Hold::Lock},
                             {"LeaseOnTheScore", "apari.txt", Hold::Lease}}),
                         byName);

// A save cut short leaves its temporary file: the next start removes it under the lock, and
// nothing else of the folder, whatever its name.
struct LeftoverCase {
    const char *name;
    const char *file;
    enum { Regular, Link, Folder } what;
    bool removed;
};

class Leftover : public RecordFiles, public ::testing::WithParamInterface<LeftoverCase> {};

TEST_P(Leftover, OnlyTheGamesOwnTemporaryFilesAreRemovedAtAStart)
{
    const LeftoverCase &c = GetParam();
    ASSERT_FALSE(prepareRecordFiles(folder).error);
    const QString path = folder + c.file;
    ASSERT_TRUE(c.what == LeftoverCase::Regular ? QFile(path).open(QIODevice::WriteOnly)
                : c.what == LeftoverCase::Link  ? QFile::link(folder + scoreFileName, path)
                                                : QDir().mkdir(path));
    EXPECT_FALSE(prepareRecordFiles(folder).error);
    EXPECT_EQ(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !c.removed);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Leftover,
    ::testing::ValuesIn(std::vector<LeftoverCase>{
        {"ScoreSave", "apari.txt.aB3dE9", LeftoverCase::Regular, true},
        {"NameSave", "pari.txt.Xyz012", LeftoverCase::Regular, true},
        {"JournalSave", "record.new.QWERTY", LeftoverCase::Regular, true},
        {"FiveCharacters", "apari.txt.aB3dE", LeftoverCase::Regular, false},
        {"SevenCharacters", "apari.txt.aB3dE9f", LeftoverCase::Regular, false},
        {"NotALetterOrDigit", "pari.txt.abc-ef", LeftoverCase::Regular, false},
        {"AnotherFilesName", "appunti.txt.abcdef", LeftoverCase::Regular, false},
        {"LockFilesName", "record.lock.abcdef", LeftoverCase::Regular, false},
        {"LinkNamedAsASave", "apari.txt.abcdef", LeftoverCase::Link, false},
        {"FolderNamedAsASave", "pari.txt.abcdef", LeftoverCase::Folder, false}}),
    byName);

// What no live game holds is no lock, whatever the file holds, and is taken at once: an
// empty one, one with another program's text, one left by a killed game. A game that holds the
// lock can always open its file: one it may not open was made so by hand (root opens any file).
TEST_F(RecordFiles, ALockFileNoLiveGameHoldsIsTakenAtOnce)
{
    struct Case {
        const char *name;
        QByteArray content;
        bool unreadable = false;
    };
    const Case cases[] = {{"Empty", ""},
                          {"OwnerLeftItsNumber", "12345\nhost\nzarvento\n"},
                          {"Garbage", QByteArray(4096, '\xff')},
                          {"NoGameMayOpenIt", "", ::geteuid() != 0}};
    ASSERT_FALSE(prepareRecordFiles(folder).error);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        write("record.lock", c.content);
        ASSERT_TRUE(!c.unreadable || QFile::setPermissions(folder + "record.lock", {}));
        const RecordOutcome outcome = storeIfRecord(folder, "5", "Bo");
        EXPECT_FALSE(outcome.busy || outcome.error);
    }
}

TEST_F(RecordFiles, ARelativeDataHomeIsIgnored)
{
    qputenv("XDG_DATA_HOME", "dati/relativi");
    EXPECT_EQ(recordsFolder(), QDir::homePath() + "/.local/share/zarvento/");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    EXPECT_EQ(recordsFolder(), folder);
}

// One line for a failure, naming the file; nothing when all goes well.
TEST_F(RecordFiles, AFailureIsLoggedOnceAndANormalRunNotAtAll)
{
    zarvento::testing::LoggedWarnings log;
    ASSERT_FALSE(prepareRecordFiles(folder).error);
    ASSERT_TRUE(storeIfRecord(folder, "5", "Bo").newRecord);
    EXPECT_EQ(log.lines().filter("zarvento.records"), QStringList());
    ASSERT_TRUE(QDir().mkdir(folder + nameFileName + "~")); // the name can no longer be replaced
    ASSERT_TRUE(QFile::remove(folder + nameFileName));
    ASSERT_TRUE(QFile::link(folder + nameFileName + "~", folder + nameFileName));
    EXPECT_TRUE(storeIfRecord(folder, "6", "Cy").error);
    const QStringList logged = log.lines().filter("zarvento.records");
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].startsWith("zarvento.records: ") &&
                logged[0].contains(folder + nameFileName))
        << logged[0].toStdString();
}

} // namespace
