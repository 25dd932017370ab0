// The Italian text of the error report.
#include "runtime/errorreport.h"

#include <QDir>

namespace zarvento {

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

} // namespace zarvento
