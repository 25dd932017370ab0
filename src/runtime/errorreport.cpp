// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the error report, in Italian or the player's language.
#include "runtime/errorreport.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>

namespace zarvento {

namespace {

// The causes a player meets, said in the game's language whatever the system's locale.
struct Reason {
    int systemError;
    const char *text;
};
constexpr Reason usualReasons[] = {
    {EACCES, QT_TRANSLATE_NOOP("ErrorReport", "permesso negato")},
    {EPERM, QT_TRANSLATE_NOOP("ErrorReport", "operazione non permessa")},
    {EROFS, QT_TRANSLATE_NOOP("ErrorReport", "il disco è di sola lettura")},
    {ENOSPC, QT_TRANSLATE_NOOP("ErrorReport", "spazio esaurito sul disco")},
    {EDQUOT, QT_TRANSLATE_NOOP("ErrorReport", "quota del disco esaurita")},
    {ENOENT, QT_TRANSLATE_NOOP("ErrorReport", "il file o la cartella non esiste")},
    {ENOTDIR, QT_TRANSLATE_NOOP("ErrorReport", "non è una cartella")},
    {EISDIR, QT_TRANSLATE_NOOP("ErrorReport", "è una cartella")},
    {ELOOP, QT_TRANSLATE_NOOP("ErrorReport", "troppi collegamenti simbolici")},
    {EIO, QT_TRANSLATE_NOOP("ErrorReport", "errore di input/output")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("ErrorReport", "il nome del file è troppo lungo")},
    {EBUSY, QT_TRANSLATE_NOOP("ErrorReport", "il file è occupato")},
    {EAGAIN, QT_TRANSLATE_NOOP("ErrorReport", "il file è occupato da un altro programma")},
    {EMFILE, QT_TRANSLATE_NOOP("ErrorReport", "ci sono troppi file aperti")},
    {ENFILE, QT_TRANSLATE_NOOP("ErrorReport", "ci sono troppi file aperti")},
    {ENOMEM, QT_TRANSLATE_NOOP("ErrorReport", "la memoria è esaurita")},
    {EXDEV, QT_TRANSLATE_NOOP("ErrorReport", "il file non si può spostare su un altro disco")},
    {ETXTBSY, QT_TRANSLATE_NOOP("ErrorReport", "il file è in uso da un programma")},
    {EINTR, QT_TRANSLATE_NOOP("ErrorReport", "l'operazione è stata interrotta")},
    {EFBIG, QT_TRANSLATE_NOOP("ErrorReport", "il file è troppo grande")},
    {EEXIST, QT_TRANSLATE_NOOP("ErrorReport", "il file esiste già")},
    {EINVAL, QT_TRANSLATE_NOOP("ErrorReport", "l'operazione non è valida")},
    {ENXIO, QT_TRANSLATE_NOOP("ErrorReport", "il dispositivo non esiste")},
    {ENODEV, QT_TRANSLATE_NOOP("ErrorReport", "il dispositivo non esiste")},
    {ESTALE, QT_TRANSLATE_NOOP("ErrorReport", "il file non è più raggiungibile")},
    {EOVERFLOW, QT_TRANSLATE_NOOP("ErrorReport", "il file è troppo grande")},
    {ENOLCK, QT_TRANSLATE_NOOP("ErrorReport", "il sistema non ha più blocchi per i file")},
};

// The numbers the system gives causes: enough to name any cause Qt reports only by its text.
constexpr int highestSystemError = 255;

QString numberedReason(int systemError)
{
    //: The reason of a failure the game has no words for, with the system's number for it.
    return QCoreApplication::translate("ErrorReport", "errore del sistema numero %1")
        .arg(systemError);
}

} // namespace

QString errorReportText(const FileError &error)
{
    QString what;
    switch (error.action) {
    case FileError::Action::Create:
        what = QCoreApplication::translate("ErrorReport",
                                           "Impossibile creare la cartella dei record «%1»");
        break;
    case FileError::Action::Open:
        what = QCoreApplication::translate("ErrorReport",
                                           "Impossibile aprire il file dei record «%1»");
        break;
    case FileError::Action::Read:
        what = QCoreApplication::translate("ErrorReport",
                                           "Impossibile leggere il file dei record «%1»");
        break;
    case FileError::Action::Write:
        what = QCoreApplication::translate("ErrorReport",
                                           "Impossibile scrivere il file dei record «%1»");
        break;
    }
    //: The end of the error report, after the reason.
    const QString ending =
        QCoreApplication::translate("ErrorReport", ".\n\nIl gioco verrà chiuso.");
    return what.arg(QDir::toNativeSeparators(error.path)) + QStringLiteral(": ") + error.reason +
           ending;
}

QString failureReason(int systemError)
{
    for (const Reason &reason : usualReasons)
        if (reason.systemError == systemError)
            return QCoreApplication::translate("ErrorReport", reason.text);
    return numberedReason(systemError);
}

QString failureReason(const QString &systemText)
{
    // Qt words the cause of a failed file operation as qt_error_string of the system's error
    // number: the same text identifies the number.
    for (int systemError = 1; systemError <= highestSystemError; ++systemError)
        if (systemText == qt_error_string(systemError))
            return failureReason(systemError);
    //: The reason of a failure that neither the game nor the system could name.
    return QCoreApplication::translate("ErrorReport", "errore sconosciuto");
}

} // namespace zarvento
