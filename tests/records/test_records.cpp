// The record files: reading what is there, however odd, and replacing the pair safely.
#include "records/recordfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zarvento {
namespace {

class RecordFiles : public ::testing::Test {
protected:
    QString path(const QString &name) const { return folder + name; }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    QString folder = dir.path() + QStringLiteral("/zarvento/");
};

TEST(ParseScore, AcceptsAWholeNumberWithBlanksAndLineEndsOnly)
{
    const struct {
        const char *text;
        std::optional<int> score;
    } cases[] = {{"12\r\n", 12},  {" 30", 30},      {"-4\r\n", -4}, {"  7  \n", 7},
                 {"", std::nullopt}, {" \r\n", std::nullopt}, {"garbage", std::nullopt},
                 {"1 2", std::nullopt}, {"12abc", std::nullopt}, {"99999999999", std::nullopt}};
    for (const auto &c : cases)
        EXPECT_EQ(parseScore(QString::fromUtf8(c.text)), c.score) << c.text;
}

TEST_F(RecordFiles, PreparingCreatesTheFolderAndEmptyFilesAndKeepsExistingOnes)
{
    ASSERT_FALSE(prepareRecordFiles(folder));
    EXPECT_EQ(read(scoreFileName), QByteArray());
    EXPECT_EQ(read(nameFileName), QByteArray());
    write(scoreFileName, " 12\r\n");
    ASSERT_FALSE(prepareRecordFiles(folder));
    EXPECT_EQ(read(scoreFileName), QByteArray(" 12\r\n"));
}

TEST_F(RecordFiles, OddFilesReadAsTextWithoutHangingOrFlooding)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    write(QStringLiteral("crlf"), "12\r\n");
    write(QStringLiteral("lines"), "1\n2\r3\r\n");
    write(QStringLiteral("binary"), QByteArray("a\0b\xff\xfe", 5));
    write(QStringLiteral("huge"), QByteArray(10 * 1024 * 1024, '7'));

    EXPECT_EQ(readTextFile(path(QStringLiteral("crlf"))).text, QStringLiteral("12\r\n"));
    EXPECT_EQ(readTextFile(path(QStringLiteral("lines"))).text, QStringLiteral("1\n2\r3\r\n"));
    const TextRead binary = readTextFile(path(QStringLiteral("binary")));
    EXPECT_FALSE(binary.error);
    EXPECT_EQ(binary.text.left(3), QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    EXPECT_TRUE(binary.text.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(readTextFile(path(QStringLiteral("huge"))).text.size(), maxRecordRead);
}

TEST_F(RecordFiles, ADirectoryOrAFifoInPlaceOfARecordFileIsAnErrorNotAHang)
{
    ASSERT_TRUE(QDir().mkpath(folder + scoreFileName));
    std::optional<FileError> error = prepareRecordFiles(folder);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, path(scoreFileName));
    EXPECT_EQ(error->action, FileError::Action::Open);

    ASSERT_TRUE(QDir(folder).rmdir(scoreFileName));
    ASSERT_EQ(mkfifo(path(nameFileName).toLocal8Bit().constData(), 0600), 0);
    error = prepareRecordFiles(folder);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, path(nameFileName));
    EXPECT_TRUE(readTextFile(path(nameFileName)).error);
    EXPECT_TRUE(storeIfRecord(folder, QStringLiteral("3"), QStringLiteral("x")).error);
}

TEST_F(RecordFiles, ErrorReportNamesTheFileAndTheReasonInItalian)
{
    const FileError error{FileError::Action::Write, QStringLiteral("/a/apari.txt"),
                          QStringLiteral("Permission denied")};
    const QString text = errorReportText(error);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Impossibile scrivere il file dei record «/a/apari.txt»: Permission denied")))
        << text.toStdString();
}

TEST_F(RecordFiles, ANewRecordReplacesThePairAndLineBreaksInTheNameBecomeBlanks)
{
    ASSERT_FALSE(prepareRecordFiles(folder));
    const RecordOutcome outcome =
        storeIfRecord(folder, QStringLiteral(" 5"), QStringLiteral("Anna\r\nMaria\nx"));
    EXPECT_TRUE(outcome.newRecord);
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(read(scoreFileName), QByteArray(" 5\r\n"));
    EXPECT_EQ(read(nameFileName), QByteArray("Anna  Maria x\r\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("record.new"))));
    // No stray temporary files are left beside the record.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(RecordFiles, AnInterruptedReplacementIsCompletedAtTheNextStart)
{
    ASSERT_FALSE(prepareRecordFiles(folder));
    write(scoreFileName, "3\r\n");
    write(nameFileName, "Lia\r\n");
    // Killed between the two renames: the new score stands beside the old name.
    write(QStringLiteral("record.new"), " 9\r\nBruno\r\n");
    write(scoreFileName, " 9\r\n");
    ASSERT_FALSE(prepareRecordFiles(folder));
    EXPECT_EQ(read(scoreFileName), QByteArray(" 9\r\n"));
    EXPECT_EQ(read(nameFileName), QByteArray("Bruno\r\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("record.new"))));
}

TEST_F(RecordFiles, ARecordThatCannotBeReplacedLeavesTheOldPair)
{
    ASSERT_FALSE(prepareRecordFiles(folder));
    write(scoreFileName, "3\r\n");
    write(nameFileName, "Lia\r\n");
    // The score file cannot be replaced: the old pair stays whole.
    QFile::remove(path(scoreFileName));
    ASSERT_TRUE(QDir().mkdir(path(scoreFileName)));
    RecordOutcome outcome = storeIfRecord(folder, QStringLiteral("8"), QStringLiteral("Bruno"));
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(read(nameFileName), QByteArray("Lia\r\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("record.new"))));
}

} // namespace
} // namespace zarvento
