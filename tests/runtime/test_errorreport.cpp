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
// each from the error number and from the text Qt gives for it. The rest read as the system says.
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
        EXPECT_EQ(failureReason(EMFILE), qt_error_string(EMFILE));
    }
    std::setlocale(LC_ALL, "");
    EXPECT_EQ(failureReason(QStringLiteral("Unknown error")), "Unknown error");
}
