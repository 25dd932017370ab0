// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Leaves the game over and over, as fast as it can, so that a test can kill it or race two.
// Usage: record_writer FOLDER FIRST COUNT   stores the scores FIRST.. with the names "giocatore N"
//        record_writer FOLDER --start        prepares the files as every start of the game does
#include "records/recordfiles.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

using namespace zarvento;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString folder = args.value(1) + "/";
    std::optional<FileError> error;
    // Like the game, it waits for another writer's lock; having no window, it just sleeps.
    if (args.value(2) == "--start") {
        RecordAttempt attempt = prepareRecordFiles(folder);
        for (; attempt.busy; attempt = prepareRecordFiles(folder))
            QThread::msleep(5);
        error = attempt.error;
    }
    const int first = args.value(2).toInt(); // none for a start
    for (int score = first; !error && score < first + args.value(3).toInt(); ++score) {
        const QString number = QString::number(score);
        RecordOutcome outcome = storeIfRecord(folder, number, "giocatore " + number);
        for (; outcome.busy; outcome = storeIfRecord(folder, number, "giocatore " + number))
            QThread::msleep(5);
        error = outcome.error;
    }
    if (error)
        std::fprintf(stderr, "%s\n", qPrintable(errorReportText(*error)));
    return error ? 1 : 0;
}
