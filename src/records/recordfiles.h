// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two record files: where they live, reading them, and replacing the pair safely.
#pragma once

#include "records/regularfile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zarvento {

inline const QString scoreFileName = QStringLiteral("apari.txt");
inline const QString nameFileName = QStringLiteral("pari.txt");

// A record file bigger than this was not written by the game; only its beginning is read, so
// that it cannot freeze start-up or fill the window.
constexpr qint64 maxRecordRead = 64 * 1024;
// The name box takes no longer name, counted in UTF-16 units; the name file keeps no more of one.
constexpr qsizetype longestName = 32767;

// The per-user folder of the record files, with a trailing separator.
QString recordsFolder();

// Creates the folder when missing and each record file empty when missing; an existing file
// keeps its content. Completes a replacement that was interrupted before and removes what an
// interrupted save left behind. A link, FIFO or folder in place of a record file, the journal or
// the lock is an error: none is ever followed.
RecordAttempt prepareRecordFiles(const QString &folder);

struct TextRead {
    QString text;
    bool busy = false; // under another program's lease: nothing read yet
    std::optional<FileError> error;
};
// The content of a text file as text, line ends included, at most maxRecordRead bytes; bytes that
// do not decode as UTF-8 read as replacement characters.
TextRead readTextFile(const QString &path);

// A stored score: the number at the start of the first line, after any blanks, whatever follows
// it (" 12\r\n", "32 punti", "-4", "12,5", "1e3"), with an optional sign, decimal point or comma,
// and exponent. It is rounded down to a whole number, which is all a match's whole score is
// compared with: beating 12.5 takes 13. Beyond ±10^18 the value is held at that bound. A first
// line that starts with no number gives nothing: no record.
std::optional<qint64> parseScore(const QString &text);

struct RecordOutcome {
    bool newRecord = false;
    bool busy = false; // another game or program holds the record: nothing was stored yet
    std::optional<FileError> error;
};
// Stores the match's score text and name when they beat the stored record (or there is none).
// Both files are replaced together, under a lock: the folder then holds the old pair or the
// new pair, never one of each. A name longer than longestName is cut there.
RecordOutcome storeIfRecord(const QString &folder, const QString &scoreText, const QString &name);

} // namespace zarvento
