// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The standard error report: it names the file and says why in Italian, whatever the locale.
#include "runtime/errorreport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>

using namespace zarvento;

struct Cause {
    const char *name;
    int systemError;
    QString reason;
};

// The causes a player meets, as the game says them.
const Cause usualCauses[] = {
    {"Permission", EACCES, "permesso negato"},
    {"ReadOnlyFileSystem", EROFS, "il disco è di sola lettura"},
    {"NoSpace", ENOSPC, "spazio esaurito sul disco"},
    {"NotFound", ENOENT, "il file o la cartella non esiste"},
    {"NotAFolder", ENOTDIR, "non è una cartella"},
    {"IsAFolder", EISDIR, "è una cartella"},
    {"TooManyLinks", ELOOP, "troppi collegamenti simbolici"},
    {"InputOutput", EIO, "errore di input/output"},
    {"NameTooLong", ENAMETOOLONG, "il nome del file è troppo lungo"},
    {"Busy", EBUSY, "il file è occupato"},
    {"LeaseHeldElsewhere", EWOULDBLOCK, "il file è occupato da un altro programma"},
    {"TooManyOpenFiles", EMFILE, "ci sono troppi file aperti"},
    {"TooManyOpenFilesInTheSystem", ENFILE, "ci sono troppi file aperti"},
    {"OutOfMemory", ENOMEM, "la memoria è esaurita"},
    {"CrossDeviceLink", EXDEV, "il file non si può spostare su un altro disco"},
    {"TextFileBusy", ETXTBSY, "il file è in uso da un programma"},
    {"Interrupted", EINTR, "l'operazione è stata interrotta"},
    {"FileTooBig", EFBIG, "il file è troppo grande"},
    {"Exists", EEXIST, "il file esiste già"},
    {"Invalid", EINVAL, "l'operazione non è valida"},
    {"NoLocksLeft", ENOLCK, "il sistema non ha più blocchi per i file"},
    // Any other cause is said by its number, never in the system's words.
    {"NoWordsForIt", EDOM, "errore del sistema numero 33"},
};

TEST(ErrorReport, NamesWhatFailedOnWhichFileAndWhy)
{
    const FileError error{FileError::Action::Write, "/home/anna/.local/share/zarvento/apari.txt",
                          "spazio esaurito sul disco"};
    EXPECT_EQ(
        errorReportText(error),
        "Impossibile scrivere il file dei record «/home/anna/.local/share/zarvento/apari.txt»: "
        "spazio esaurito sul disco.\n\nIl gioco verrà chiuso.");
}

// Under the locale the system was started with, and under others, the usual causes read the same;
// each from the error number and from the text Qt gives for it. A text that names no cause of the
// system's is an unknown error, still in Italian.
TEST(ErrorReport, GivesTheUsualCausesInItalianUnderAnyLocale)
{
    for (const char *locale : {"C", "C.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale))
            continue; // not installed here
        for (const Cause &cause : usualCauses) {
            SCOPED_TRACE(std::string(locale) + " " + cause.name);
            EXPECT_EQ(failureReason(cause.systemError), cause.reason);
            EXPECT_EQ(failureReason(qt_error_string(cause.systemError)), cause.reason);
        }
    }
    std::setlocale(LC_ALL, "");
    EXPECT_EQ(failureReason(QStringLiteral("Unknown error")), "errore sconosciuto");
}
