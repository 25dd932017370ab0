// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The standard error report's reason: why a record file failed, in Italian, whatever the locale.
// (What failed, on which file, and the game's end are checked with the rules that show the report.)
#include "runtime/errorreport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>

using namespace zarvento;

// Under the locale the system was started with, and under others, the usual causes read the same;
// each from the error number and from the text Qt gives for it. A text that names no cause of the
// system's is an unknown error, still in Italian.
TEST(ErrorReport, GivesTheUsualCausesInItalianUnderAnyLocale)
{
    struct Cause {
        int systemError;
        QString reason;
    };
    const Cause causes[] = {
        {EACCES, "permesso negato"},
        {EROFS, "il disco è di sola lettura"},
        {ENOSPC, "spazio esaurito sul disco"},
        {ENOENT, "il file o la cartella non esiste"},
        {ENOTDIR, "non è una cartella"},
        {EISDIR, "è una cartella"},
        {ELOOP, "troppi collegamenti simbolici"},
        {EIO, "errore di input/output"},
        {ENAMETOOLONG, "il nome del file è troppo lungo"},
        {EBUSY, "il file è occupato"},
        {EWOULDBLOCK, "il file è occupato da un altro programma"}, // a lease held elsewhere
        {EMFILE, "ci sono troppi file aperti"},
        {ENFILE, "ci sono troppi file aperti"},
        {ENOMEM, "la memoria è esaurita"},
        {EXDEV, "il file non si può spostare su un altro disco"},
        {ETXTBSY, "il file è in uso da un programma"},
        {EINTR, "l'operazione è stata interrotta"},
        {EFBIG, "il file è troppo grande"},
        {EEXIST, "il file esiste già"},
        {EINVAL, "l'operazione non è valida"},
        {ENOLCK, "il sistema non ha più blocchi per i file"},
        {EDOM, "errore del sistema numero 33"}, // any other cause, by its number
    };
    for (const char *locale : {"C", "C.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8"})
        for (const Cause &c : causes) // a locale not installed here is left out
            EXPECT_TRUE(!std::setlocale(LC_ALL, locale) ||
                        (failureReason(c.systemError) == c.reason &&
                         failureReason(qt_error_string(c.systemError)) == c.reason))
                << locale << ", error " << c.systemError;
    std::setlocale(LC_ALL, "");
    EXPECT_EQ(failureReason(QStringLiteral("Unknown error")), "errore sconosciuto");
}
