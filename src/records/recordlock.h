// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The lock that keeps two games from touching the record files at once.
#pragma once

#include "records/regularfile.h"

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

    // Takes the lock of path at once, or reports it busy while another game holds it: the wait
    // is the caller's, who keeps the window alive meanwhile.
    RecordAttempt take(const QString &path);

private:
    int descriptor_ = -1;
};

} // namespace zarvento
