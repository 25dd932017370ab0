// The record files: where they are, reading them leniently, and replacing the pair safely.
#include "records/recordfiles.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <vector>

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
    // Nothing is left beside the pair: no journal, no lock, no temporary file.
    QStringList files() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    const QString folder = dir.path() + "/zarvento/";
};

TEST(ParseScore, TakesAWholeNumberBetweenBlanksAndLineEndsOnly)
{
    const std::pair<QString, std::optional<int>> cases[] = {
        {" 12\r\n", 12},    {"-4", -4},  {"", {}},    {"  ", {}},
        {"abc", {}},        {"12x", {}}, {"1 2", {}}, {QString("1") + QChar(0) + " 2", {}},
        {"99999999999", {}}};
    for (const auto &[text, score] : cases)
        EXPECT_EQ(parseScore(text), score) << text.toStdString();
}

TEST_F(RecordFiles, AreReadAsTextWithLineEndsAtMost64KiBInvalidUtf8Replaced)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::pair<QByteArray, QString> cases[] = {{"1\n2\r3\r\n", "1\n2\r3\r\n"},
                                                    {"\xff!\r\n", "\uFFFD!\r\n"},
                                                    {QByteArray(70000, '7'), QString(65536, '7')}};
    for (const auto &[bytes, text] : cases) {
        write("file", bytes);
        const TextRead read = readTextFile(folder + "file");
        EXPECT_TRUE(read.text == text && !read.error) << read.text.left(9).toStdString();
    }
}

// A stored score beside the name Ada, and a journal, before a start (no score) or before Bo leaves
// with a score: the pair afterwards. A journal of two whole lines is completed first, before the
// scores are compared; one cut short is dropped.
TEST_F(RecordFiles, OnlyABeatenRecordIsReplacedAndAnInterruptedReplacementIsCompleted)
{
    ASSERT_EQ(recordsFolder(), folder);
    ASSERT_FALSE(prepareRecordFiles(folder));
    EXPECT_EQ(files(), QStringList({scoreFileName, nameFileName}));
    EXPECT_EQ(pair(), "");
    const std::tuple<QByteArray, QByteArray, const char *, QByteArray> cases[] = {
        {"12\r\n", "", " 13", " 13\r\nBo\r\n"},
        {"12\r\n", "", "12", "12\r\nAda\r\n"},
        {"3\r\n", "9\r\nCy\r\n", nullptr, "9\r\nCy\r\n"},
        {"3\r\n", "9\r\nCy\r\n", "5", "9\r\nCy\r\n"},
        {"3\r\n", "9\r\n", nullptr, "3\r\nAda\r\n"},
        {"3\r\n", "9\r\nC", "5", "5\r\nBo\r\n"}};
    for (const auto &[stored, journal, leaving, after] : cases) {
        SCOPED_TRACE((stored + "|" + journal + "|" + (leaving ? leaving : "start")).toStdString());
        write(scoreFileName, stored);
        write(nameFileName, "Ada\r\n");
        write("record.new", journal);
        const RecordOutcome outcome = leaving ? storeIfRecord(folder, leaving, "Bo")
                                              : RecordOutcome{false, prepareRecordFiles(folder)};
        EXPECT_TRUE(outcome.newRecord == after.endsWith("Bo\r\n") && !outcome.error);
        EXPECT_EQ(pair(), after);
        EXPECT_EQ(files(), QStringList({scoreFileName, nameFileName}));
    }
}

TEST_F(RecordFiles, ALockHeldByAnotherGameMakesTheStoreWaitForIt)
{
    ASSERT_FALSE(prepareRecordFiles(folder));
    QLockFile held(folder + "record.lock");
    ASSERT_TRUE(held.tryLock(0));
    auto leaving = std::async(std::launch::async, [&] { return storeIfRecord(folder, "5", "Bo"); });
    EXPECT_EQ(leaving.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
    held.unlock();
    EXPECT_TRUE(leaving.get().newRecord);
    EXPECT_EQ(pair(), "5\r\nBo\r\n");
}

// What the game logs about its records: one line for a failure, naming the file; nothing when all
// goes well.
std::vector<QString> recordLog;
void keepRecordLog(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1String(context.category) == QLatin1String("zarvento.records"))
        recordLog.push_back(message);
}

TEST_F(RecordFiles, AFailureIsLoggedOnceAndANormalRunNotAtAll)
{
    recordLog.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepRecordLog);
    ASSERT_FALSE(prepareRecordFiles(folder));
    ASSERT_TRUE(storeIfRecord(folder, "5", "Bo").newRecord);
    EXPECT_TRUE(recordLog.empty());
    ASSERT_TRUE(QDir().mkdir(folder + nameFileName + "~")); // the name can no longer be replaced
    ASSERT_TRUE(QFile::remove(folder + nameFileName));
    ASSERT_TRUE(QFile::link(folder + nameFileName + "~", folder + nameFileName));
    EXPECT_TRUE(storeIfRecord(folder, "6", "Cy").error);
    qInstallMessageHandler(previous);
    ASSERT_EQ(recordLog.size(), 1u);
    EXPECT_TRUE(recordLog.front().contains(folder + nameFileName))
        << recordLog.front().toStdString();
}
