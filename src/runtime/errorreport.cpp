// The Italian text of the error report.
#include "runtime/errorreport.h"

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
    {EACCES, "permesso negato"},
    {EPERM, "operazione non permessa"},
    {EROFS, "il disco è di sola lettura"},
    {ENOSPC, "spazio esaurito sul disco"},
    {EDQUOT, "quota del disco esaurita"},
    {ENOENT, "il file o la cartella non esiste"},
    {ENOTDIR, "non è una cartella"},
    {EISDIR, "è una cartella"},
    {ELOOP, "troppi collegamenti simbolici"},
    {EIO, "errore di input/output"},
};

} // namespace

QString errorReportText(const FileError &error)
{
    QString what;
    switch (error.action) {
    case FileError::Action::Create:
        what = QStringLiteral("Impossibile creare la cartella dei record «%1»");
        break;
    case FileError::Action::Open:
        what = QStringLiteral("Impossibile aprire il file dei record «%1»");
        break;
    case FileError::Action::Read:
        what = QStringLiteral("Impossibile leggere il file dei record «%1»");
        break;
    case FileError::Action::Write:
        what = QStringLiteral("Impossibile scrivere il file dei record «%1»");
        break;
    }
    return what.arg(QDir::toNativeSeparators(error.path)) + QStringLiteral(": ") + error.reason +
           QStringLiteral(".\n\nIl gioco verrà chiuso.");
}

QString failureReason(int systemError)
{
    for (const Reason &reason : usualReasons)
        if (reason.systemError == systemError)
            return QString::fromUtf8(reason.text);
    return qt_error_string(systemError);
}

QString failureReason(const QString &systemText)
{
    // Qt words the cause of a failed file operation as qt_error_string of the system's error
    // number: the same text identifies the number.
    for (const Reason &reason : usualReasons)
        if (systemText == qt_error_string(reason.systemError))
            return QString::fromUtf8(reason.text);
    return systemText;
}

} // namespace zarvento
