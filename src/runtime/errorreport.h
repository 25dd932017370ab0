// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The standard error report: a file that could not be created, opened, read or written, and the
// text that names it, in the game's language.
#pragma once

#include <QString>

namespace zarvento {

struct FileError {
    enum class Action { Create, Open, Read, Write };
    Action action;
    QString path;
    QString reason;
};

// The text of the error report, in the game's language: what failed, on which file, and why.
QString errorReportText(const FileError &error);

// Why a file operation failed, from the system's error number, in the game's language: the cause
// in words for every one the record files can meet, its number for any other.
QString failureReason(int systemError);
// The same for a failure that Qt reports only as the system's text for its cause; a text that is
// no system's cause reads as an unknown error.
QString failureReason(const QString &systemText);

} // namespace zarvento
