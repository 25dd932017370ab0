// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a file of the records folder only when it is a regular file, and logging what fails.
#include "records/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvento {

Q_LOGGING_CATEGORY(lcRecords, "zarvento.records")

FileError recordFailure(FileError::Action action, const QString &path, const QString &reason)
{
    qCWarning(lcRecords, "record file %ls failed: %ls", qUtf16Printable(path),
              qUtf16Printable(reason));
    return FileError{action, path, reason};
}

FileError notRegularFailure(FileError::Action action, const QString &path)
{
    return recordFailure(action, path,
                         QCoreApplication::translate("ErrorReport", "non è un file normale"));
}

bool isNotRegular(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymbolicLink() || (info.exists() && !info.isFile());
}

OpenedFile openRegularFile(const QString &path, int flags, FileError::Action action)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        const int systemError = errno;
        if (systemError == ENOENT && !(flags & O_CREAT))
            return {-1, true, false, systemError, std::nullopt};
        if (systemError == EWOULDBLOCK)
            return {-1, false, true, systemError, std::nullopt};
        // No-follow refuses a link as a loop; a folder refuses to be opened for writing.
        if (isNotRegular(path))
            return {-1, false, false, systemError, notRegularFailure(action, path)};
        return {-1, false, false, systemError,
                recordFailure(action, path, failureReason(systemError))};
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return {-1, false, false, 0, notRegularFailure(action, path)};
    }
    return {descriptor, false, false, 0, std::nullopt};
}

} // namespace zarvento
