// The two record files: where they live, reading them, and replacing the pair safely.
#include "records/recordfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace zarvento {

namespace {

Q_LOGGING_CATEGORY(lcRecords, "zarvento.records")

// While a pair is being replaced, this file holds the new pair: a replacement cut short by a
// crash is completed at the next start, so the score and the name always belong together.
const QString journalName = QStringLiteral("record.new");
const QString lockName = QStringLiteral("record.lock");
// A game holds the lock for milliseconds; one killed while taking it leaves a lock file without its
// owner's name, which only its age can tell stale.
constexpr int lockStaleMs = 3000;
constexpr int lockWaitMs = 10000;

using Action = FileError::Action;

// Every failure with the record files is worth one line to whoever reads the log: the report the
// player sees ends the game, and a failed restore is seen nowhere else.
FileError failure(Action action, const QString &path, const QString &reason)
{
    qCWarning(lcRecords).noquote() << "record file" << path << "failed:" << reason;
    return FileError{action, path, reason};
}

std::optional<FileError> notRegular(const QString &path, Action action)
{
    // A directory or a FIFO where a record file should be would fail or block on opening.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failure(action, path, QStringLiteral("non è un file normale"));
    return std::nullopt;
}

std::optional<FileError> makeFolder(const QString &folder)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), ec);
    if (ec)
        return failure(Action::Create, folder, QString::fromStdString(ec.message()));
    return std::nullopt;
}

struct BytesRead {
    QByteArray bytes;
    std::optional<FileError> error;
};

BytesRead readBytes(const QString &path, qint64 limit)
{
    if (auto error = notRegular(path, Action::Read))
        return {{}, error};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, failure(Action::Open, path, file.errorString())};
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return {{}, failure(Action::Read, path, file.errorString())};
    return {bytes, std::nullopt};
}

std::optional<FileError> replaceFile(const QString &path, const QByteArray &bytes)
{
    if (auto error = notRegular(path, Action::Write))
        return error;
    QSaveFile file(path);
    // commit() does not notice a failed flush of its buffer (a full disk): flush first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        return failure(Action::Write, path, file.errorString());
    return std::nullopt;
}

QByteArray recordLine(const QString &text)
{
    return text.toUtf8() + "\r\n";
}

std::optional<FileError> lock(QLockFile &lockFile, const QString &path)
{
    // QLockFile reads a lock file it finds to judge it stale: a FIFO there would block for ever.
    if (auto error = notRegular(path, Action::Write))
        return error;
    lockFile.setStaleLockTime(lockStaleMs);
    if (lockFile.tryLock(lockWaitMs))
        return std::nullopt;
    switch (lockFile.error()) {
    case QLockFile::LockFailedError:
        return failure(Action::Write, path,
                       QStringLiteral("è bloccato da un'altra copia del gioco"));
    case QLockFile::PermissionError:
        return failure(Action::Write, path, QStringLiteral("permesso negato"));
    default:
        return failure(Action::Write, path, QStringLiteral("errore sconosciuto"));
    }
}

std::optional<FileError> completeInterruptedReplacement(const QString &folder)
{
    const QString journalPath = folder + journalName;
    if (!QFileInfo::exists(journalPath))
        return std::nullopt;
    const BytesRead journal = readBytes(journalPath, 2 * maxRecordRead + 4);
    if (journal.error)
        return journal.error;
    const qsizetype cut = journal.bytes.indexOf("\r\n");
    // A whole journal is two lines: one that ends after its first line has lost the name.
    if (cut >= 0 && cut + 2 < journal.bytes.size() && journal.bytes.endsWith("\r\n")) {
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
std::optional<FileError> enterRecordsFolder(const QString &folder, QLockFile &lockFile)
{
    if (auto error = makeFolder(folder))
        return error;
    if (auto error = lock(lockFile, folder + lockName))
        return error;
    return completeInterruptedReplacement(folder);
}

} // namespace

QString recordsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zarvento/");
}

std::optional<FileError> prepareRecordFiles(const QString &folder)
{
    QLockFile lockFile(folder + lockName);
    if (auto error = enterRecordsFolder(folder, lockFile))
        return error;
    for (const QString &name : {scoreFileName, nameFileName}) {
        const QString path = folder + name;
        if (auto error = notRegular(path, Action::Open))
            return error;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return failure(Action::Open, path, file.errorString());
    }
    return std::nullopt;
}

TextRead readTextFile(const QString &path)
{
    BytesRead read = readBytes(path, maxRecordRead);
    return {QString::fromUtf8(read.bytes), read.error};
}

std::optional<int> parseScore(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    // Qt's conversion stops at a NUL, which would let binary junk after a number pass.
    return ok && !text.contains(QChar::Null) ? std::optional<int>(value) : std::nullopt;
}

RecordOutcome storeIfRecord(const QString &folder, const QString &scoreText, const QString &name)
{
    QLockFile lockFile(folder + lockName);
    if (auto error = enterRecordsFolder(folder, lockFile))
        return {false, error};

    const QString scorePath = folder + scoreFileName;
    const QString namePath = folder + nameFileName;
    const BytesRead old =
        QFileInfo::exists(scorePath) ? readBytes(scorePath, maxRecordRead) : BytesRead{};
    if (old.error)
        return {false, old.error};

    const std::optional<int> stored = parseScore(QString::fromUtf8(old.bytes));
    const std::optional<int> current = parseScore(scoreText);
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
