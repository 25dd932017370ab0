// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a file of the records folder only when it is a regular file, and logging what fails.
#pragma once

#include "runtime/errorreport.h"

#include <QLoggingCategory>

#include <optional>

namespace zarvento {

Q_DECLARE_LOGGING_CATEGORY(lcRecords)

// A failure with a file of the records folder. Logged where it is found, once: the report the
// player sees ends the game, and a failure the game gets over is seen nowhere else.
FileError recordFailure(FileError::Action action, const QString &path, const QString &reason);

// A link, a FIFO, a device or a folder where a record file, the journal or the lock should be.
FileError notRegularFailure(FileError::Action action, const QString &path);

// Whether path names something other than a regular file; a link counts as other, whatever it
// points to.
bool isNotRegular(const QString &path);

// What one try at the record files came to. Busy: another game holds the lock, or another program
// a lease on a record file; nothing was changed, and the same try may be made again later.
struct RecordAttempt {
    bool busy = false;
    std::optional<FileError> error;
};

struct OpenedFile {
    int descriptor = -1;  // owned by the caller when not -1
    bool missing = false; // no such file, and flags did not ask to create it
    bool busy = false;    // another program holds a lease on it and has been asked to let go
    int systemError = 0;  // why open(2) failed, when it did
    std::optional<FileError> error;
};
// Opens path with the open(2) flags given, never through a link (which could lead outside the
// folder) and never a FIFO (which would block) or anything else but a regular file. A file under
// another program's lease is not waited for here: it is reported busy at once.
OpenedFile openRegularFile(const QString &path, int flags, FileError::Action action);

} // namespace zarvento
