// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two record files: where they live, reading them, and replacing the pair safely.
#include "records/recordfiles.h"

#include "records/recordlock.h"
#include "records/regularfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
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

// A stored score beyond ±10^18 is held at that bound, far beyond any match; so is an exponent
// beyond 10^9, far beyond any bound.
constexpr qint64 scoreDigitsHeld = 18;
constexpr qint64 scoreBound = 1'000'000'000'000'000'000;
constexpr qint64 exponentHeld = 1'000'000'000;

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
    std::optional<FileError> error;
};

BytesRead readBytes(const QString &path, qint64 limit)
{
    const OpenedFile opened = openRegularFile(path, O_RDONLY, Action::Open);
    if (opened.descriptor < 0)
        return {{}, opened.missing, opened.error};
    QFile file;
    if (!file.open(opened.descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {{}, false, recordFailure(Action::Open, path, failureReason(file.errorString()))};
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return {{}, false, recordFailure(Action::Read, path, failureReason(file.errorString()))};
    return {bytes, false, std::nullopt};
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

std::optional<FileError> completeInterruptedReplacement(const QString &folder)
{
    const QString journalPath = folder + journalName;
    const BytesRead journal = readBytes(journalPath, 2 * maxRecordRead + 4);
    if (journal.missing || journal.error)
        return journal.error;
    const qsizetype cut = journal.bytes.indexOf("\r\n");
    // A whole journal is two lines, and its first holds a score: one that ends after its first
    // line has lost the name, and one cut short inside it may hold no score at all.
    if (cut >= 0 && cut + 2 < journal.bytes.size() && journal.bytes.endsWith("\r\n") &&
        parseScore(QString::fromUtf8(journal.bytes.left(cut)))) {
        if (auto error = replaceFile(folder + scoreFileName, journal.bytes.left(cut + 2)))
            return error;
        if (auto error = replaceFile(folder + nameFileName, journal.bytes.mid(cut + 2)))
            return error;
    }
    QFile::remove(journalPath);
    return std::nullopt;
}

// What every use of the records folder begins with: the folder made when missing, the lock taken,
// and a replacement that an earlier game left cut short completed, so that the pair is whole.
std::optional<FileError> enterRecordsFolder(const QString &folder, RecordLock &lock)
{
    if (auto error = makeFolder(folder))
        return error;
    if (auto error = lock.take(folder + lockName))
        return error;
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

std::optional<FileError> prepareRecordFiles(const QString &folder)
{
    RecordLock lock;
    if (auto error = enterRecordsFolder(folder, lock))
        return error;
    for (const QString &name : {scoreFileName, nameFileName}) {
        const OpenedFile file =
            openRegularFile(folder + name, O_WRONLY | O_APPEND | O_CREAT, Action::Open);
        if (file.error)
            return file.error;
        ::close(file.descriptor);
    }
    return std::nullopt;
}

TextRead readTextFile(const QString &path)
{
    const BytesRead read = readBytes(path, maxRecordRead);
    if (read.missing)
        return {{}, recordFailure(Action::Open, path, failureReason(ENOENT))};
    return {QString::fromUtf8(read.bytes), read.error};
}

std::optional<qint64> parseScore(const QString &text)
{
    const QString number = text.trimmed();
    qsizetype at = 0;
    const auto isDigitAt = [&number](qsizetype i) {
        return i < number.size() && number[i] >= u'0' && number[i] <= u'9';
    };
    const bool negative = number.startsWith(u'-');
    if (negative || number.startsWith(u'+'))
        ++at;

    // The value is 0.digits × 10^pointAt, with the digits' leading zeros dropped.
    QString digits;
    qint64 pointAt = 0;
    bool anyDigit = false;
    for (; isDigitAt(at); ++at, anyDigit = true) {
        if (!digits.isEmpty() || number[at] != u'0') {
            digits += number[at];
            ++pointAt;
        }
    }
    if (at < number.size() && (number[at] == u'.' || number[at] == u',')) {
        for (++at; isDigitAt(at); ++at, anyDigit = true) {
            if (!digits.isEmpty() || number[at] != u'0')
                digits += number[at];
            else
                --pointAt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (at < number.size() && (number[at] == u'e' || number[at] == u'E')) {
        ++at;
        const bool negativeExponent = at < number.size() && number[at] == u'-';
        if (at < number.size() && (negativeExponent || number[at] == u'+'))
            ++at;
        if (!isDigitAt(at))
            return std::nullopt;
        qint64 exponent = 0;
        for (; isDigitAt(at); ++at)
            exponent = std::min<qint64>(exponent * 10 + number[at].digitValue(), exponentHeld);
        pointAt += negativeExponent ? -exponent : exponent;
    }
    if (at != number.size())
        return std::nullopt;

    // Rounded down: a whole score beats the value exactly when it beats this.
    if (digits.isEmpty())
        return 0;
    if (pointAt > scoreDigitsHeld)
        return negative ? -scoreBound : scoreBound;
    qint64 whole = 0;
    for (qint64 i = 0; i < pointAt; ++i)
        whole = whole * 10 + (i < digits.size() ? digits[i].digitValue() : 0);
    const bool fraction =
        std::any_of(digits.begin() + std::clamp<qint64>(pointAt, 0, digits.size()), digits.end(),
                    [](QChar digit) { return digit != u'0'; });
    return negative ? -whole - (fraction ? 1 : 0) : whole;
}

RecordOutcome storeIfRecord(const QString &folder, const QString &scoreText, const QString &name)
{
    RecordLock lock;
    if (auto error = enterRecordsFolder(folder, lock))
        return {false, error};

    const QString scorePath = folder + scoreFileName;
    const QString namePath = folder + nameFileName;
    const BytesRead old = readBytes(scorePath, maxRecordRead);
    if (old.error)
        return {false, old.error};

    const std::optional<qint64> stored = parseScore(QString::fromUtf8(old.bytes));
    const std::optional<qint64> current = parseScore(scoreText);
    if (stored && !(current && *current > *stored))
        return {false, std::nullopt};

    // The name file holds one line: line breaks pasted into the name are stored as blanks.
    QString oneLineName = name;
    oneLineName.replace(QLatin1Char('\r'), QLatin1Char(' '));
    oneLineName.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray newScore = recordLine(scoreText);
    const QByteArray newName = recordLine(oneLineName);

    const QString journalPath = folder + journalName;
    if (auto error = replaceFile(journalPath, newScore + newName))
        return {false, error};
    if (auto error = replaceFile(scorePath, newScore)) {
        QFile::remove(journalPath);
        return {false, error};
    }
    if (auto error = replaceFile(namePath, newName)) {
        // The old score goes back beside the old name. Should that fail too, the journal stays:
        // the next start completes the new pair instead.
        const bool oldScoreBack = !replaceFile(scorePath, old.bytes);
        if (oldScoreBack)
            QFile::remove(journalPath);
        return {false, error};
    }
    QFile::remove(journalPath);
    return {true, std::nullopt};
}

} // namespace zarvento
