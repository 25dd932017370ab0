// Leaves the game over and over, as fast as it can, so that a test can kill it or race two.
// Usage: record_writer FOLDER FIRST COUNT   stores the scores FIRST.. with the names "giocatore N"
//        record_writer FOLDER --start        prepares the files as every start of the game does
#include "records/recordfiles.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    QString folder = args[1];
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    if (args[2] == QLatin1String("--start")) {
        const auto error = zarvento::prepareRecordFiles(folder);
        if (error)
            std::fprintf(stderr, "%s\n", qPrintable(zarvento::errorReportText(*error)));
        return error ? 1 : 0;
    }
    const int first = args[2].toInt();
    const int count = args.size() > 3 ? args[3].toInt() : 1;
    for (int score = first; score < first + count; ++score) {
        const auto outcome = zarvento::storeIfRecord(folder, QString::number(score),
                                                     QStringLiteral("giocatore %1").arg(score));
        if (outcome.error) {
            std::fprintf(stderr, "%s\n", qPrintable(zarvento::errorReportText(*outcome.error)));
            return 1;
        }
    }
    return 0;
}
