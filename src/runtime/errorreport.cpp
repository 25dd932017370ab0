// The text of the error report, in Italian or the player's language.
#include "runtime/errorreport.h"

#include <QCoreApplication>
#include <QDir>

namespace zarvento {

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

} // namespace zarvento
