// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The lock that keeps two games from touching the record files at once.
#pragma once

#include "runtime/errorreport.h"

#include <optional>

namespace zarvento {

// An advisory lock on a lock file in the records folder. The system drops it when the game that
// holds it ends, however it ends, so a lock is never stale: the file that carries it stays in the
// folder and is never removed, which spares the races of removing a lock another game is taking.
class RecordLock {
public:
    RecordLock() = default;
    RecordLock(const RecordLock &) = delete;
    RecordLock &operator=(const RecordLock &) = delete;
    ~RecordLock();

    // Takes the lock of path, waiting a few seconds for a game that holds it.
    std::optional<FileError> take(const QString &path);

private:
    int descriptor_ = -1;
};

} // namespace zarvento
