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

} // namespace zarvento
