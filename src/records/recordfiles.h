// The two record files: where they live, reading them, and replacing the pair safely.
#pragma once

#include "runtime/errorreport.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zarvento {

inline const QString scoreFileName = QStringLiteral("apari.txt");
inline const QString nameFileName = QStringLiteral("pari.txt");

// A record file bigger than this was not written by the game; only its beginning is read, so
// that it cannot freeze start-up or fill the window.
constexpr qint64 maxRecordRead = 64 * 1024;

// The per-user folder of the record files, with a trailing separator.
QString recordsFolder();

// Creates the folder when missing and each record file empty when missing; an existing file
// keeps its content. Completes a replacement that was interrupted before.
std::optional<FileError> prepareRecordFiles(const QString &folder);

struct TextRead {
    QString text;
    std::optional<FileError> error;
};
// The content of a text file as text, line ends included, at most maxRecordRead bytes; bytes that
// do not decode as UTF-8 read as replacement characters.
TextRead readTextFile(const QString &path);

// A stored score read leniently: blanks and line ends around a whole number are allowed; an empty
// or unparseable text is no record.
std::optional<int> parseScore(const QString &text);

struct RecordOutcome {
    bool newRecord = false;
    std::optional<FileError> error;
};
// Stores the match's score text and name when they beat the stored record (or there is none).
// Both files are replaced together, under a lock: the folder then holds the old pair or the
// new pair, never one of each.
RecordOutcome storeIfRecord(const QString &folder, const QString &scoreText, const QString &name);

} // namespace zarvento
