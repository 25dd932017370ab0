// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The record files: where they are, reading a stored score, and replacing the pair safely.
#include "records/recordfiles.h"
#include "support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace zarvento;

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
    std::future<RecordOutcome> leaveWith5() const
    {
        return std::async(std::launch::async, [this] { return storeIfRecord(folder, "5", "Bo"); });
    }

    QTemporaryDir dir;
    const QString folder = dir.path() + "/zarvento/";
};

const auto byName = [](const auto &row) { return std::string(row.param.name); };

struct ScoreText {
    // Reported by its name, not its bytes.
    friend void PrintTo(const ScoreText &c, std::ostream *out) { *out << c.name; }
    const char *name;
    QString text;
    std::optional<qint64> value; // rounded down; none: no number, so no record
};

class ParseScore : public ::testing::TestWithParam<ScoreText> {};

TEST_P(ParseScore, ReadsAnyNumberAsItsValueRoundedDownAndOnlyTextThatIsNoNumberAsNone)
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
                             {"NumberThenWord", "12x", std::nullopt},
                             {"TwoNumbers", "1 2", std::nullopt},
                             {"SignAlone", "-", std::nullopt},
                             {"PointAlone", ".", std::nullopt},
                             {"ExponentAlone", "e3", std::nullopt},
                             {"ExponentWithoutDigits", "1e", std::nullopt},
                             {"Infinity", "inf", std::nullopt},
                             {"Hexadecimal", "0x10", std::nullopt},
                             {"ArabicDigits", QString::fromUtf8("\u0661\u0662"), std::nullopt}}),
                         byName);

// A stored score beside the name Ada, and a journal, before a start (no score) or before Bo leaves
// with a score: the pair afterwards.
struct PairCase {
    // Reported by its name, not its bytes.
    friend void PrintTo(const PairCase &c, std::ostream *out) { *out << c.name; }
    const char *name;
    QByteArray storedScore;
    QByteArray journal;  // empty: none
    const char *leaving; // Bo's score; null: a start
    QByteArray after;    // score and name files, one after the other
};

class StoredPair : public RecordFiles, public ::testing::WithParamInterface<PairCase> {};

TEST_P(StoredPair, OnlyABeatenRecordIsReplacedAndOnlyAWholeJournalCompleted)
{
    const PairCase &c = GetParam();
    ASSERT_FALSE(prepareRecordFiles(folder));
    write(scoreFileName, c.storedScore);
    write(nameFileName, "Ada\r\n");
    if (!c.journal.isEmpty())
        write("record.new", c.journal);
    const RecordOutcome outcome = c.leaving ? storeIfRecord(folder, c.leaving, "Bo")
                                            : RecordOutcome{false, prepareRecordFiles(folder)};
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.newRecord, c.after.endsWith("Bo\r\n"));
    EXPECT_EQ(pair(), c.after);
    // Nothing is left beside the pair and the lock: no journal, no temporary file.
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                     QDir::NoDotAndDotDot),
              (QStringList{scoreFileName, nameFileName, "record.lock"}));
}

const QByteArray nines(5000, '9');

INSTANTIATE_TEST_SUITE_P(
    Records, StoredPair,
    ::testing::ValuesIn(std::vector<PairCase>{
        {"HigherScoreReplaces", "12\r\n", "", " 13", " 13\r\nBo\r\n"},
        {"EqualScoreKeeps", "12\r\n", "", "12", "12\r\nAda\r\n"},
        {"LowerScoreKeeps", " 12\r\n", "", "-4", " 12\r\nAda\r\n"},
        {"AnyScoreBeatsNoRecord", "", "", "-4", "-4\r\nBo\r\n"},
        {"AnyScoreBeatsText", "dodici\r\n", "", "0", "0\r\nBo\r\n"},
        {"ElevenNinesCannotBeBeaten", "99999999999\r\n", "", "32767", "99999999999\r\nAda\r\n"},
        {"BeyondThirtyTwoBitsCannotBeBeaten", "2147483648\r\n", "", "32767",
         "2147483648\r\nAda\r\n"},
        {"FiveThousandNinesCannotBeBeaten", nines, "", "32767", nines + "Ada\r\n"},
        {"HugeExponentCannotBeBeaten", "1e999999999999999999999", "", "32767",
         "1e999999999999999999999Ada\r\n"},
        {"FarBelowZeroIsBeaten", "-99999999999\r\n", "", "-32768", "-32768\r\nBo\r\n"},
        {"FiveThousandNinesBelowZeroIsBeaten", "-" + nines + ".5", "", "-32768",
         "-32768\r\nBo\r\n"},
        {"DecimalNotBeatenByItsWholePart", "12.5\r\n", "", "12", "12.5\r\nAda\r\n"},
        {"DecimalBeatenByTheNextWhole", "12.5\r\n", "", "13", "13\r\nBo\r\n"},
        {"ExponentNotBeatenBelowIt", "1e3\r\n", "", "999", "1e3\r\nAda\r\n"},
        {"WholeJournalCompletedAtAStart", "3\r\n", "9\r\nCy\r\n", nullptr, "9\r\nCy\r\n"},
        {"WholeJournalCompletedBeforeComparing", "3\r\n", "9\r\nCy\r\n", "5", "9\r\nCy\r\n"},
        {"JournalWithoutItsNameDropped", "3\r\n", "9\r\n", nullptr, "3\r\nAda\r\n"},
        {"JournalCutInsideTheNameDropped", "3\r\n", "9\r\nC", "5", "5\r\nBo\r\n"},
        {"JournalOfEmptyLinesDropped", "3\r\n", "\r\n\r\n", nullptr, "3\r\nAda\r\n"},
        {"JournalWithoutAScoreDropped", "3\r\n", "x\r\nCy\r\n", nullptr, "3\r\nAda\r\n"}}),
    byName);

// Another game holds the lock for as long as it replaces the pair: a store waits for it, and gives
// up after a while, saying so, when it is never let go.
TEST_F(RecordFiles, ALockHeldByAnotherGameIsWaitedForThenReported)
{
    ASSERT_FALSE(prepareRecordFiles(folder));
    const int held = ::open(QFile::encodeName(folder + "record.lock").constData(), O_RDWR);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    const RecordOutcome outcome = storeIfRecord(folder, "5", "Bo");
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->path, folder + "record.lock");
    EXPECT_EQ(outcome.error->reason, "è bloccato da un'altra copia del gioco");
    EXPECT_EQ(pair(), "");

    auto leaving = leaveWith5();
    EXPECT_EQ(leaving.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
    ::close(held);
    EXPECT_TRUE(leaving.get().newRecord);
    EXPECT_EQ(pair(), "5\r\nBo\r\n");
}

// What no live game holds is no lock, whatever the file holds, and is taken without a wait: an
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
    ASSERT_FALSE(prepareRecordFiles(folder));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        write("record.lock", c.content);
        ASSERT_TRUE(!c.unreadable || QFile::setPermissions(folder + "record.lock", {}));
        auto leaving = leaveWith5();
        // Far less than the wait for a held lock.
        ASSERT_EQ(leaving.wait_for(std::chrono::seconds(2)), std::future_status::ready);
        EXPECT_FALSE(leaving.get().error);
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
    ASSERT_FALSE(prepareRecordFiles(folder));
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
