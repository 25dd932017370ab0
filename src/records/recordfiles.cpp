// The two record files: where they live, reading them, and replacing the pair safely.
#include "records/recordfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace zarvento {

namespace {

// While a pair is being replaced, this file holds the new pair: a replacement cut short by a
// crash is completed at the next start, so the score and the name always belong together.
const QString journalName = QStringLiteral("record.new");
const QString lockName = QStringLiteral("record.lock");
// A game holds the lock for milliseconds; one killed while taking it leaves a lock file without its
// owner's name, which only its age can tell stale.
constexpr int lockStaleMs = 3000;
constexpr int lockWaitMs = 10000;

using Action = FileError::Action;

std::optional<FileError> notRegular(const QString &path, Action action)
{
    // A directory or a FIFO where a record file should be would fail or block on opening.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return FileError{action, path, QStringLiteral("non è un file normale")};
    return std::nullopt;
}

std::optional<FileError> makeFolder(const QString &folder)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), ec);
    if (ec)
        return FileError{Action::Create, folder, QString::fromStdString(ec.message())};
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
        return {{}, FileError{Action::Open, path, file.errorString()}};
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return {{}, FileError{Action::Read, path, file.errorString()}};
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
        return FileError{Action::Write, path, file.errorString()};
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
        return FileError{Action::Write, path,
                         QStringLiteral("è bloccato da un'altra copia del gioco")};
    case QLockFile::PermissionError:
        return FileError{Action::Write, path, QStringLiteral("permesso negato")};
    default:
        return FileError{Action::Write, path, QStringLiteral("errore sconosciuto")};
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

} // namespace

QString recordsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zarvento/");
}

std::optional<FileError> prepareRecordFiles(const QString &folder)
{
    if (auto error = makeFolder(folder))
        return error;
    QLockFile lockFile(folder + lockName);
    if (auto error = lock(lockFile, folder + lockName))
        return error;
    if (auto error = completeInterruptedReplacement(folder))
        return error;
    for (const QString &name : {scoreFileName, nameFileName}) {
        const QString path = folder + name;
        if (auto error = notRegular(path, Action::Open))
            return error;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return FileError{Action::Open, path, file.errorString()};
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
    if (auto error = makeFolder(folder))
        return {false, error};
    QLockFile lockFile(folder + lockName);
    if (auto error = lock(lockFile, folder + lockName))
        return {false, error};
    if (auto error = completeInterruptedReplacement(folder))
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
        // Put the old score back beside the old name; if even that fails, the journal stays and
        // the next start completes the new pair instead.
        if (!replaceFile(scorePath, old.bytes))
            QFile::remove(journalPath);
        return {false, error};
    }
    QFile::remove(journalPath);
    return {true, std::nullopt};
}

} // namespace zarvento
