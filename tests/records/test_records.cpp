// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The record files: where they are, reading a stored score, replacing the pair safely, what
// stands in their place, and a game that waits with its window alive while another copy of the
// game, or another program, holds them.
#include "game.h"
#include "records/recordfiles.h"
#include "runtime/qtsystem.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <map>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zarvento::testing {
namespace {

struct ScoreText {
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
                             {"BeyondThirtyTwoBits", "2147483648", 2147483648},
                             {"NegativeDecimal", "-12.5", -13},
                             {"DecimalComma", "12,5", 12},
                             {"PointLast", "5.", 5},
                             {"PointFirst", ".5", 0},
                             {"ExponentWithSign", "2.5E+2", 250},
                             {"NegativeExponent", "1250e-2", 12},
                             {"SmallFractionUp", "0.0001e4", 1},
                             {"ZeroWithHugeExponent", "0e999999999999", 0},
                             {"ExponentWithoutDigits", "1e", 1},
                             {"Hexadecimal", "0x10", 0},
                             {"TinyBelowZero", "-1e-999", -1},
                             {"FractionWithHugeExponent", ",5e999", 1'000'000'000'000'000'000},
                             {"ManyDigitsTinyExponent", "-12345e-999", -1},
                             {"FirstLineEmpty", "\r\n32", std::nullopt},
                             {"LineFeedFirst", "\n32", std::nullopt},
                             {"PlusThenMinus", "+-5", std::nullopt},
                             {"SignAlone", "-", std::nullopt},
                             {"PointAlone", ".", std::nullopt},
                             {"Infinity", "inf", std::nullopt},
                             {"ArabicDigits", QString::fromUtf8("\u0661\u0662"), std::nullopt}}),
                         rowName);

// A stored pair and a journal before a start; Bo (or the player named) leaves with the score
// given, or only starts: the start shows the files (up to 64 KiB each), and the pair afterwards
// is the one given. A record beaten is congratulated.
struct PairCase {
    const char *name;
    QByteArray score, holder;
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
    game.writeRecord(c.score, c.holder);
    ASSERT_TRUE(c.journal.isEmpty() || writeFile(game.recordsFolder() + "record.new", c.journal));
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
              (QStringList{"apari.txt", "pari.txt", "record.lock"}));
}

const QByteArray nines(5000, '9');
const QByteArray huge = "1e999999999999999999999";
// The lowest score beside a name as long as the name box takes, of four-byte characters.
const QByteArray longest = "-32768\r\n" + QByteArray("\xf0\x9f\x98\x80").repeated(32767) + "\r\n";
const QByteArray nul("50\0\x01\x02\r\n", 7);
// Emoji, combining marks, right-to-left text, markup, control characters and blanks, as typed.
const QByteArray odd = " Zoë🦊e\u0301\u05DE\u202E<b>x</b><img src=x><a href=x>y</a>\t\x01 ";

INSTANTIATE_TEST_SUITE_P(
    Records, StoredPair,
    ::testing::ValuesIn(std::vector<PairCase>{
        {"HigherScoreReplaces", "12\r\n", "Ada\r\n", "", " 13", " 13\r\nBo\r\n"},
        {"EqualScoreKeeps", "12\r\n", "Ada\r\n", "", "12", "12\r\nAda\r\n"},
        {"LowerScoreKeeps", " 12\r\n", "Ada\r\n", "", "-4", " 12\r\nAda\r\n"},
        {"AnyScoreBeatsNoRecord", "", "", "", "-4", "-4\r\nBo\r\n"},
        {"AnyScoreBeatsText", "dodici\r\n", "M", "", "0", "0\r\nBo\r\n"},
        {"AnyScoreBeatsInvalidUtf8", "\37750\r\n", "Zo\xc3", "", "0", "0\r\nBo\r\n"},
        {"ScoreThenWordsIsThatScore", "32 punti\r\n", "Ada\r\n", "", "0", "32 punti\r\nAda\r\n"},
        {"ScoreThenASecondLineIsThatScore", "32\r\nx", "Ada\r\n", "", "0", "32\r\nxAda\r\n"},
        {"BlanksScoreLettersIsThatScore", " 12abc", "Ada\r\n", "", "12", " 12abcAda\r\n"},
        {"ScoreThenNulBytesIsThatScore", nul, nul, "", "40", nul + nul},
        {"FiveThousandNinesUnbeaten", nines, "Ada\r\n", "", "32767", nines + "Ada\r\n"},
        {"HugeExponentUnbeaten", huge, "Ada\r\n", "", "32767", huge + "Ada\r\n"},
        {"NinesBelowZeroBeaten", "-" + nines + ".5", "A", "", "-32768", "-32768\r\nBo\r\n"},
        {"DecimalNotBeatenByItsWholePart", "12.5\r\n", "Ada\r\n", "", "12", "12.5\r\nAda\r\n"},
        {"JournalCompletedAtAStart", "3\r\n", "Ada\r\n", "9\r\nCy\r\n", nullptr, "9\r\nCy\r\n"},
        {"JournalCompletedBeforeComparing", "3\r\n", "A", "9\r\nCy\r\n", "5", "9\r\nCy\r\n"},
        {"JournalWithoutItsNameDropped", "3\r\n", "Ada\r\n", "9\r\n", nullptr, "3\r\nAda\r\n"},
        {"JournalCutInsideTheNameDropped", "3\r\n", "Ada\r\n", "9\r\nC", "5", "5\r\nBo\r\n"},
        {"JournalWithoutAScoreDropped", "3\r\n", "Ada\r\n", "x\r\nCy\r\n", nullptr, "3\r\nAda\r\n"},
        {"JournalOfTheLongestNameCompleted", "3\r\n", "Ada\r\n", longest, nullptr, longest},
        {"NameEmptyStoredAsAnEmptyLine", "", "", "", "40", "40\r\n\r\n", ""},
        {"NameKeptLiterally", "", "", "", "40", "40\r\n" + odd + "\r\n", QString::fromUtf8(odd)},
        // The name file holds one line: each line break pasted into the name is a blank.
        {"NameBreaksOnOneLine", "", "", "", "40", "40\r\n  A  B C \r\n", "\r\nA\r\nB\nC\r"}}),
    rowName);

// What may stand at a path of the records folder instead of the game's own file. A FIFO hangs
// whoever opens it; no file can be made beside a link that loops through itself.
// A link leads to the player's own file, or to none; Unreadable no game may open.
enum class Put { Nothing, File, Unreadable, Folder, Fifo, Loop, Link, Dangling, FolderLink };

// A folder of the player's beside the records folder, holding mio.txt: where a link from the
// records folder may lead, and where the game must never write.
const auto elsewhere = [](const Game &game) { return game.dataHome.path() + "/altrove/"; };

bool put(const Game &game, Put what, const QString &path)
{
    const QString moved = game.dataHome.path() + "/spostata";
    QFile::remove(path);
    return what == Put::Nothing      ? true
           : what == Put::File       ? writeFile(path, "12345\nhost\nzarvento\n\xff")
           : what == Put::Unreadable ? writeFile(path, "") && QFile::setPermissions(path, {})
           : what == Put::Folder     ? QDir().mkdir(path)
           : what == Put::Fifo       ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
           : what == Put::Loop       ? QFile::link(path + "/x", path)
           : what == Put::Link       ? QFile::link(elsewhere(game) + "mio.txt", path)
           : what == Put::Dangling   ? QFile::link(elsewhere(game) + "nuovo.txt", path)
                                     : QDir().mkpath(moved) && QFile::link(moved, path);
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
            all[f.fileName()] = f.isFile() && !f.isSymLink() ? readFile(f.filePath()) : "-";
    return all;
}

enum class When { Start, Playing };

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
    ASSERT_TRUE(writeFile(elsewhere(game) + "mio.txt", "mio\n"));
    if (*c.file)
        game.writeRecord("50\r\n", "M\r\n");
    ASSERT_TRUE(c.when != When::Start || put(game, c.what, *c.file ? path : path.chopped(1)));
    Entries old = entries(game.recordsFolder());
    LoggedWarnings log;
    game.start();
    ASSERT_EQ(game.tavola.ended(), c.reason && c.when == When::Start);
    if (!game.tavola.ended()) {
        ASSERT_TRUE(c.when != When::Playing || put(game, c.what, path));
        old = entries(game.recordsFolder());
        game.form.setCaption(Control::Punteggio, "60");
        game.tavola.controlClicked(Control::cmdExit);
    }

    // The end: normal, or the standard error report, a critical box naming the file, and status 1,
    // logged once with the file's name.
    const ScriptedDialogs::Box &box = game.dialogs.boxes.back();
    EXPECT_EQ(game.system.endings, std::vector<int>{c.reason ? 1 : 0});
    const QStringList logged = log.lines().filter("zarvento.records: ");
    // Only root may open a lock no game may open; anyone else logs it once and replaces it.
    const bool refused = c.reason || (c.what == Put::Unreadable && ::geteuid() != 0);
    EXPECT_EQ(logged.size(), refused ? 1 : 0) << logged.join('\n').toStdString();
    if (c.reason) {
        EXPECT_TRUE(box.style.icon == MsgBoxStyle::Icon::Critical && box.title == programTitle);
        EXPECT_EQ(box.text.section(u'«', 1).section(u'»', 0, 0), path);
        EXPECT_EQ(box.text.section(u'»', 1).section(u'.', 0, 0), QString(": ") + c.reason);
        EXPECT_TRUE(logged.value(0).contains(path));
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
        {"FolderMissing", "", Put::Nothing, When::Start, nullptr},
        {"FileInPlaceOfTheFolder", "", Put::File, When::Start, "non è una cartella"},
        {"FolderALinkThatLoops", "", Put::Loop, When::Start, "troppi collegamenti simbolici"},
        // People move their data: the records folder may be a link, its files may not.
        {"FolderALinkToAnother", "", Put::FolderLink, When::Start, nullptr},
        {"LockFifo", "record.lock", Put::Fifo, When::Start, notRegular},
        {"FifoForTheScore", "apari.txt", Put::Fifo, When::Start, notRegular},
        {"ScoreLinkedToNothing", "apari.txt", Put::Dangling, When::Start, notRegular},
        {"JournalLinkedElsewhere", "record.new", Put::Link, When::Start, notRegular},
        // What no live game holds is no lock: one left empty, one no game may open (root opens
        // any).
        {"LockLeftByAnother", "record.lock", Put::File, When::Start, nullptr},
        {"LockNoGameMayOpen", "record.lock", Put::Unreadable, When::Start, nullptr},
        {"LockLinkedToNothing", "record.lock", Put::Dangling, When::Start, notRegular},
        {"ScoreLinkedWhilePlaying", "apari.txt", Put::Link, When::Playing, notRegular},
        {"NameLinkedWhilePlaying", "pari.txt", Put::Link, When::Playing, notRegular},
        {"JournalLinkedToNothingWhilePlaying", "record.new", Put::Dangling, When::Playing,
         notRegular},
        {"JournalBlocked", "record.new", Put::Folder, When::Playing, notRegular}}),
    rowName);

// A save cut short leaves its temporary file: the next start removes it under the lock, and
// nothing else of the folder, whatever its name.
struct LeftoverCase {
    const char *name;
    const char *file;
    Put what;
    bool removed;
};

class Leftover : public ::testing::TestWithParam<LeftoverCase> {};

TEST_P(Leftover, OnlyTheGamesOwnTemporaryFilesAreRemovedAtAStart)
{
    const LeftoverCase &c = GetParam();
    Game game;
    const QString path = game.recordsFolder() + c.file;
    ASSERT_TRUE(QDir().mkpath(game.recordsFolder()) && put(game, c.what, path));
    game.start();
    EXPECT_FALSE(game.tavola.ended());
    EXPECT_EQ(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !c.removed);
}

INSTANTIATE_TEST_SUITE_P(Records, Leftover,
                         ::testing::ValuesIn(std::vector<LeftoverCase>{
                             {"ScoreSave", "apari.txt.aB3dE9", Put::File, true},
                             {"NameSave", "pari.txt.Xyz012", Put::File, true},
                             {"JournalSave", "record.new.QWERTY", Put::File, true},
                             {"FiveCharacters", "apari.txt.aB3dE", Put::File, false},
                             {"SevenCharacters", "apari.txt.aB3dE9f", Put::File, false},
                             {"NotALetterOrDigit", "pari.txt.abc-ef", Put::File, false},
                             {"AnotherFilesName", "appunti.txt.abcdef", Put::File, false},
                             {"LockFilesName", "record.lock.abcdef", Put::File, false},
                             {"LinkNamedAsASave", "apari.txt.abcdef", Put::Link, false},
                             {"FolderNamedAsASave", "pari.txt.abcdef", Put::Folder, false}}),
                         rowName);

TEST(RecordsFolder, IsInTheDataFolderAndARelativeOneIsIgnored)
{
    Game game;
    EXPECT_EQ(recordsFolder(), game.recordsFolder());
    qputenv("XDG_DATA_HOME", "dati/relativi");
    EXPECT_EQ(recordsFolder(), QDir::homePath() + "/.local/share/zarvento/");
}

// The lock, as another copy of the game holds it in the middle of its save, or a lease on the
// score, as another program that reads it holds it.
enum class Hold { Lock, Lease };

// A second process that holds it until let go.
struct HeldElsewhere {
    HeldElsewhere(const QString &folder, Hold hold)
    {
        const QByteArray path =
            QFile::encodeName(folder + (hold == Hold::Lock ? "record.lock" : "apari.txt"));
        int ready[2];
        if (::pipe(ready) != 0 || (pid_ = ::fork()) != 0) {
            ::close(ready[1]);
            char said = 0;
            holds = pid_ > 0 && ::read(ready[0], &said, 1) == 1 && said;
            ::close(ready[0]);
            return;
        }
        // The game's open asks a lease holder to let go with SIGIO; this one holds on.
        std::signal(SIGIO, SIG_IGN);
        const int file =
            ::open(path.constData(), hold == Hold::Lock ? O_RDWR | O_CREAT : O_RDONLY, 0666);
        const char said =
            file >= 0 &&
            (hold == Hold::Lock ? ::flock(file, LOCK_EX) : ::fcntl(file, F_SETLEASE, F_WRLCK)) == 0;
        while (::write(ready[1], &said, 1) == 1)
            ::pause();
        ::_exit(1);
    }
    ~HeldElsewhere() { letGo(); }
    // Ends the second process, which lets go of what it held.
    void letGo()
    {
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0)
            ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    pid_t pid_ = -1;
    bool holds = false;
};

const QString toldText =
    "Un'altra copia del gioco sta salvando il record.\n\n"
    "Premi Riprova per aspettare che finisca, o Annulla per chiudere il gioco senza aspettare.";

enum class Moment { Start, Leaving };
constexpr MsgBoxAnswer retry = MsgBoxAnswer::Retry, cancel = MsgBoxAnswer::Cancel,
                       none = MsgBoxAnswer::None;

struct WaitCase {
    const char *name;
    Moment moment;
    Hold hold;
    int letGoAfterPauses;
    QList<MsgBoxAnswer> answers; // one to each box that tells the record is busy
    bool goesOn;                 // the start shows the window; the leaving stores the match
};

class WaitingForRecord : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitingForRecord, KeepsTheWindowAliveTellsAfterASecondAndGoesOnOnceFree)
{
    const WaitCase &c = GetParam();
    Game game;
    if (c.moment == Moment::Start)
        game.writeRecord("12\r\n", "Ada\r\n");
    else
        game.start();
    game.form.setCaption(Control::Punteggio, " 7");
    HeldElsewhere other(game.recordsFolder(), c.hold);
    ASSERT_TRUE(other.holds);

    // The countdown runs on while the leaving waits; before the window is up it waits too.
    int pauses = 0, pausedMs = 0;
    bool countdownRan = false, countdownStopped = false;
    game.system.duringPause = [&] {
        countdownRan = countdownRan || game.form.timers[0];
        countdownStopped = countdownStopped || !game.form.timers[0];
        if (game.form.timers[0])
            game.tavola.timerTicked(Timer::Timer1);
        pausedMs += game.system.pauses.back();
        if (++pauses == c.letGoAfterPauses)
            other.letGo();
    };
    game.dialogs.answers = QList<MsgBoxAnswer>{MsgBoxAnswer::Ok} + c.answers;
    LoggedWarnings log;
    if (c.moment == Moment::Start)
        game.start();
    else
        game.tavola.controlClicked(Control::cmdExit);

    EXPECT_EQ(log.lines().filter("zarvento.records"), QStringList());
    EXPECT_TRUE(c.moment == Moment::Start ? countdownStopped && !countdownRan
                                          : countdownRan && !countdownStopped);
    // Told about every second of waiting, in a box whose Enter waits on.
    const qsizetype told = c.answers.size();
    if (c.goesOn)
        EXPECT_EQ(pauses, c.letGoAfterPauses);
    else
        EXPECT_TRUE(pausedMs > 900 * told && pausedMs <= 1000 * told) << pausedMs;
    qsizetype busy = 0;
    for (const ScriptedDialogs::Box &box : game.dialogs.boxes)
        busy += box.text == toldText && box.title.isEmpty() &&
                box.style.buttons == MsgBoxStyle::Buttons::RetryCancel &&
                box.style.icon == MsgBoxStyle::Icon::Warning &&
                box.style.defaultButton == MsgBoxStyle::Default::First;
    EXPECT_EQ(busy, told);

    if (c.moment == Moment::Start) {
        EXPECT_EQ(game.system.endings, c.goesOn ? std::vector<int>{} : std::vector<int>{1});
        EXPECT_EQ(game.caption(Control::lblpunti), c.goesOn ? "12\r\n" : "0");
        EXPECT_EQ(game.form.timers[0], c.goesOn);
    } else {
        EXPECT_EQ(game.system.endings, std::vector<int>{c.goesOn ? 0 : 1});
        EXPECT_NE(game.caption(Control::lblconto), "00:15:00");
        EXPECT_EQ(game.storedScore() + game.storedName(), c.goesOn ? " 7\r\nAnna\r\n" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, WaitingForRecord,
    ::testing::ValuesIn(std::vector<WaitCase>{
        {"StartLockFreedWithinASecond", Moment::Start, Hold::Lock, 5, {}, true},
        {"StartLockHeldLongerRetried", Moment::Start, Hold::Lock, 30, {retry}, true},
        {"StartLockHeldGivenUp", Moment::Start, Hold::Lock, 30, {cancel}, false},
        {"StartLeaseOnTheScore", Moment::Start, Hold::Lease, 5, {}, true},
        {"LeavingLockFreedWithinASecond", Moment::Leaving, Hold::Lock, 5, {}, true},
        {"LeavingLockRetriedTwice", Moment::Leaving, Hold::Lock, 45, {retry, retry}, true},
        {"LeavingLockHeldGivenUp", Moment::Leaving, Hold::Lock, 30, {cancel}, false},
        {"LeavingBoxClosedWithoutAnAnswer", Moment::Leaving, Hold::Lock, 30, {none}, false},
        {"LeavingLeaseOnTheScore", Moment::Leaving, Hold::Lease, 5, {}, true}}),
    rowName);

// A window that notes the longest time it went without a paint.
struct PaintedWidget final : QWidget {
    void paintEvent(QPaintEvent *) override { longestGap = std::max(longestGap, clock.restart()); }
    QElapsedTimer clock;
    qint64 longestGap = 0;
};

// On the real event loop: the lock held for a second and a half, a window asked to repaint every
// 50 ms. It goes on repainting throughout, and the match is stored.
TEST(WaitingForRecordOnTheEventLoop, NeverLeavesTheWindowASecondWithoutRepainting)
{
    Game game;
    QtSystem system;
    Tavola tavola(game.form, game.dialogs, game.random, game.sounds, system);
    tavola.formInitialize();
    tavola.showWindow();
    game.form.setCaption(Control::Punteggio, "13");

    HeldElsewhere other(game.recordsFolder(), Hold::Lock);
    ASSERT_TRUE(other.holds);
    PaintedWidget window;
    window.show();
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { window.update(); });
    ticker.start(50);
    QElapsedTimer waited;
    waited.start();
    window.clock.start();
    QTimer::singleShot(1500, [&] { other.letGo(); });
    game.dialogs.answers = {MsgBoxAnswer::Ok, retry};
    tavola.controlClicked(Control::cmdExit);

    EXPECT_GE(waited.elapsed(), 1500);
    EXPECT_LT(std::max(window.longestGap, window.clock.elapsed()), 1000);
    EXPECT_EQ(game.storedScore() + game.storedName(), "13\r\n\r\n");
    EXPECT_TRUE(tavola.ended() && tavola.exitStatus() == 0);
}

} // namespace
} // namespace zarvento::testing
