// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A second process that holds a file of the records folder: the lock, as another copy of the game
// in the middle of its save, or a lease, as another program that reads the file.
#pragma once

#include <QFile>
#include <QString>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zarvento::testing {

enum class Hold { Lock, Lease };

class HeldElsewhere {
public:
    HeldElsewhere(const QString &path, Hold hold)
    {
        const QByteArray name = QFile::encodeName(path);
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]); // or letting go would never be heard
            // The game's open asks a lease holder to let go with SIGIO; this one holds on until
            // it is told to.
            std::signal(SIGIO, SIG_IGN);
            const int file =
                ::open(name.constData(), hold == Hold::Lock ? O_RDWR | O_CREAT : O_RDONLY, 0666);
            const bool holds =
                file >= 0 && (hold == Hold::Lock ? ::flock(file, LOCK_EX) == 0
                                                 : ::fcntl(file, F_SETLEASE, F_WRLCK) == 0);
            const char said = holds ? '1' : '0';
            char heard = 0;
            const bool told =
                ::write(ready[1], &said, 1) == 1 && ::read(release[0], &heard, 1) >= 0;
            ::_exit(told ? 0 : 1);
        }
        ::close(ready[1]);
        ::close(release[0]);
        char said = 0;
        holds_ = ::read(ready[0], &said, 1) == 1 && said == '1';
        ::close(ready[0]);
        release_ = release[1];
    }
    HeldElsewhere(const HeldElsewhere &) = delete;
    HeldElsewhere &operator=(const HeldElsewhere &) = delete;
    ~HeldElsewhere() { letGo(); }

    bool holds() const { return holds_; }
    // Ends the second process, which lets go of what it held.
    void letGo()
    {
        if (release_ < 0)
            return;
        ::close(release_);
        release_ = -1;
        ::waitpid(pid_, nullptr, 0);
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool holds_ = false;
};

} // namespace zarvento::testing
