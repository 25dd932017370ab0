// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The lock that keeps two games from touching the record files at once.
#include "records/recordlock.h"

#include "records/regularfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zarvento {

namespace {

// Another game holds the lock for the milliseconds of one replacement; a few seconds cover one
// slowed down by a busy disk, and then the player is told.
constexpr int lockWaitMs = 5000;
constexpr unsigned long lockRetryMs = 10;

} // namespace

RecordLock::~RecordLock()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::optional<FileError> RecordLock::take(const QString &path)
{
    OpenedFile lockFile = openRegularFile(path, O_RDWR | O_CREAT, FileError::Action::Write);
    if (lockFile.systemError == EACCES && QFile::remove(path)) {
        // A lock file the game may not open was made so by hand: a game that holds the lock can
        // always open its file. A fresh one takes its place.
        lockFile = openRegularFile(path, O_RDWR | O_CREAT, FileError::Action::Write);
    }
    if (lockFile.error)
        return lockFile.error;
    descriptor_ = lockFile.descriptor;

    const QDeadlineTimer deadline(lockWaitMs);
    while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        const int systemError = errno;
        if (systemError != EWOULDBLOCK && systemError != EINTR)
            return recordFailure(FileError::Action::Write, path, failureReason(systemError));
        if (deadline.hasExpired())
            return recordFailure(FileError::Action::Write, path,
                                 QCoreApplication::translate(
                                     "ErrorReport", "è bloccato da un'altra copia del gioco"));
        QThread::msleep(lockRetryMs);
    }
    return std::nullopt;
}

} // namespace zarvento
