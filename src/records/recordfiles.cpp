// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two record files: where they live, reading them, and replacing the pair safely.
#include "records/recordfiles.h"

#include "records/recordlock.h"
#include "records/regularfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace zarvento {

namespace {

// While a pair is being replaced, this file holds the new pair: a replacement cut short by a
// crash is completed at the next start, so the score and the name always belong together.
const QString journalName = QStringLiteral("record.new");
const QString lockName = QStringLiteral("record.lock");

using Action = FileError::Action;

// A stored score beyond ±10^18 is held at that bound, far beyond any match.
constexpr qint64 scoreBound = 1'000'000'000'000'000'000;

// The journal holds a score line and a name line: a score file's worth, and the longest name the
// game stores, at most four bytes a unit in UTF-8.
constexpr qint64 journalRead = maxRecordRead + 4 * longestName + 4;

// A save cut short before its rename leaves QSaveFile's temporary file: the target's name, a point
// and six letters or digits.
const QRegularExpression
    interruptedSave(QStringLiteral("\\A(apari\\.txt|pari\\.txt|record\\.new)\\.[A-Za-z0-9]{6}\\z"));

std::optional<FileError> makeFolder(const QString &folder)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), ec);
    // A file in the folder's place is reported as what it is not.
    if (ec == std::errc::file_exists)
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec)
        return recordFailure(Action::Create, folder, failureReason(ec.value()));
    return std::nullopt;
}

struct BytesRead {
    QByteArray bytes;
    bool missing = false;
    bool busy = false;
    std::optional<FileError> error;
};

BytesRead readBytes(const QString &path, qint64 limit)
{
    const OpenedFile opened = openRegularFile(path, O_RDONLY, Action::Open);
    if (opened.descriptor < 0)
        return {{}, opened.missing, opened.busy, opened.error};
    QFile file;
    if (!file.open(opened.descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {
            {}, false, false, recordFailure(Action::Open, path, failureReason(file.errorString()))};
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return {
            {}, false, false, recordFailure(Action::Read, path, failureReason(file.errorString()))};
    return {bytes, false, false, std::nullopt};
}

std::optional<FileError> replaceFile(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes through a link to wherever it leads, and creates a missing target.
    if (isNotRegular(path))
        return notRegularFailure(Action::Write, path);
    QSaveFile file(path);
    // commit() does not notice a failed flush of its buffer (a full disk): flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        return recordFailure(Action::Write, path, failureReason(file.errorString()));
    return std::nullopt;
}

QByteArray recordLine(const QString &text)
{
    return text.toUtf8() + "\r\n";
}

RecordAttempt completeInterruptedReplacement(const QString &folder)
{
    const QString journalPath = folder + journalName;
    const BytesRead journal = readBytes(journalPath, journalRead);
    if (journal.missing || journal.busy || journal.error)
        return {journal.busy, journal.error};
    const qsizetype cut = journal.bytes.indexOf("\r\n");
    // A whole journal is two lines, and its first holds a score: one that ends after its first
    // line has lost the name, and one cut short inside it may hold no score at all.
    if (cut >= 0 && cut + 2 < journal.bytes.size() && journal.bytes.endsWith("\r\n") &&
        parseScore(QString::fromUtf8(journal.bytes.left(cut)))) {
        if (auto error = replaceFile(folder + scoreFileName, journal.bytes.left(cut + 2)))
            return {false, error};
        if (auto error = replaceFile(folder + nameFileName, journal.bytes.mid(cut + 2)))
            return {false, error};
    }
    QFile::remove(journalPath);
    return {};
}

// Only the game's own temporary files go, and only regular ones: a link or a folder of that name
// is someone else's.
void removeInterruptedSaves(const QString &folder)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (!interruptedSave.match(entry.fileName()).hasMatch() || entry.isSymLink())
            continue;
        if (QFile::remove(entry.filePath()))
            qCInfo(lcRecords, "removed %ls, left by a save cut short",
                   qUtf16Printable(entry.filePath()));
    }
}

// What every use of the records folder begins with: the folder made when missing, the lock taken,
// and a replacement that an earlier game left cut short completed, so that the pair is whole.
RecordAttempt enterRecordsFolder(const QString &folder, RecordLock &lock)
{
    if (auto error = makeFolder(folder))
        return {false, error};
    if (const RecordAttempt taken = lock.take(folder + lockName); taken.busy || taken.error)
        return taken;
    removeInterruptedSaves(folder);
    return completeInterruptedReplacement(folder);
}

} // namespace

QString recordsFolder()
{
    QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // A relative XDG_DATA_HOME is to be ignored: the record would move with the working folder.
    if (QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + QStringLiteral("/zarvento/");
}

RecordAttempt prepareRecordFiles(const QString &folder)
{
    RecordLock lock;
    if (const RecordAttempt entered = enterRecordsFolder(folder, lock);
        entered.busy || entered.error)
        return entered;
    for (const QString &name : {scoreFileName, nameFileName}) {
        const OpenedFile file =
            openRegularFile(folder + name, O_WRONLY | O_APPEND | O_CREAT, Action::Open);
        if (file.descriptor < 0)
            return {file.busy, file.error};
        ::close(file.descriptor);
    }
    return {};
}

TextRead readTextFile(const QString &path)
{
    const BytesRead read = readBytes(path, maxRecordRead);
    if (read.missing)
        return {{}, false, recordFailure(Action::Open, path, failureReason(ENOENT))};
    return {QString::fromUtf8(read.bytes), read.busy, read.error};
}

namespace {

// For a number beyond a double's range, unsigned: whether it is huge rather than tiny, that is
// whether its first significant digit stands at the units or above once the exponent has moved it.
bool isBeyondOne(std::string_view number)
{
    const std::size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
    const std::string_view digits = number.substr(0, exponentAt);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t significant = digits.find_first_of("123456789");
    if (significant == std::string_view::npos)
        return false;
    // Places of the first significant digit: 0 at the units, -1 at the tenths.
    const long long place =
        significant < point ? static_cast<long long>(point - significant) - 1
                            : static_cast<long long>(point) - static_cast<long long>(significant);

    std::string_view exponentText = number.substr(std::min(exponentAt + 1, number.size()));
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    // Held within a billion either way, which outweighs the places of any line the game reads.
    constexpr long long exponentBound = 1'000'000'000;
    long long exponent = 0;
    if (std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent)
            .ec == std::errc::result_out_of_range)
        exponent = exponentText.front() == '-' ? -exponentBound : exponentBound;
    return place + std::clamp(exponent, -exponentBound, exponentBound) >= 0;
}

} // namespace

std::optional<qint64> parseScore(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    // Non-ASCII characters turn into '?', which no number starts with.
    QByteArray line = text.section(lineEnd, 0, 0).trimmed().toLatin1();
    line.replace(',', '.');
    const char *begin = line.constData();
    const char *end = begin + line.size();
    // from_chars takes no plus sign, and takes "inf" and "nan": only a digit or a point may follow
    // the sign.
    if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    const char *first = begin != end && *begin == '-' ? begin + 1 : begin;
    if (first == end || !(std::isdigit(static_cast<unsigned char>(*first)) || *first == '.'))
        return std::nullopt;

    double value = 0;
    const auto [stop, status] = std::from_chars(begin, end, value);
    if (status == std::errc::invalid_argument)
        return std::nullopt;
    if (status == std::errc::result_out_of_range) {
        const double magnitude =
            isBeyondOne(std::string_view(first, static_cast<std::size_t>(stop - first))) ? HUGE_VAL
                                                                                         : 0.5;
        value = *begin == '-' ? -magnitude : magnitude;
    }
    // Rounded down: a whole score beats the value exactly when it beats this.
    value = std::floor(value);
    if (value >= static_cast<double>(scoreBound))
        return scoreBound;
    if (value <= -static_cast<double>(scoreBound))
        return -scoreBound;
    return static_cast<qint64>(value);
}

RecordOutcome storeIfRecord(const QString &folder, const QString &scoreText, const QString &name)
{
    RecordLock lock;
    if (const RecordAttempt entered = enterRecordsFolder(folder, lock);
        entered.busy || entered.error)
        return {false, entered.busy, entered.error};

    const QString scorePath = folder + scoreFileName;
    const QString namePath = folder + nameFileName;
    const BytesRead old = readBytes(scorePath, maxRecordRead);
    if (old.busy || old.error)
        return {false, old.busy, old.error};

    const std::optional<qint64> stored = parseScore(QString::fromUtf8(old.bytes));
    const std::optional<qint64> current = parseScore(scoreText);
    if (stored && !(current && *current > *stored))
        return {};

    // The name file holds one line: line breaks pasted into the name are stored as blanks.
    QString oneLineName = name.left(longestName);
    oneLineName.replace(QLatin1Char('\r'), QLatin1Char(' '));
    oneLineName.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray newScore = recordLine(scoreText);
    const QByteArray newName = recordLine(oneLineName);

    const QString journalPath = folder + journalName;
    if (auto error = replaceFile(journalPath, newScore + newName))
        return {false, false, error};
    if (auto error = replaceFile(scorePath, newScore)) {
        QFile::remove(journalPath);
        return {false, false, error};
    }
    if (auto error = replaceFile(namePath, newName)) {
        // The old score goes back beside the old name. Should that fail too, the journal stays:
        // the next start completes the new pair instead.
        const bool oldScoreBack = !replaceFile(scorePath, old.bytes);
        if (oldScoreBack)
            QFile::remove(journalPath);
        return {false, false, error};
    }
    QFile::remove(journalPath);
    return {true, false, std::nullopt};
}

} // namespace zarvento
