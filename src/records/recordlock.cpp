// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The lock that keeps two games from touching the record files at once.
#include "records/recordlock.h"

#include "records/regularfile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zarvento {

RecordLock::~RecordLock()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

RecordAttempt RecordLock::take(const QString &path)
{
    OpenedFile lockFile = openRegularFile(path, O_RDWR | O_CREAT, FileError::Action::Write);
    if (lockFile.systemError == EACCES && QFile::remove(path)) {
        // A lock file the game may not open was made so by hand: a game that holds the lock can
        // always open its file. A fresh one takes its place.
        lockFile = openRegularFile(path, O_RDWR | O_CREAT, FileError::Action::Write);
    }
    if (lockFile.descriptor < 0)
        return {lockFile.busy, lockFile.error};
    descriptor_ = lockFile.descriptor;

    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0)
        return {};
    const int systemError = errno;
    if (systemError == EWOULDBLOCK || systemError == EINTR)
        return {true, std::nullopt};
    return {false, recordFailure(FileError::Action::Write, path, failureReason(systemError))};
}

} // namespace zarvento
