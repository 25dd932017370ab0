// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's sound files are: beside the executable, or in the installed data folder.
#include "sound/soundfolder.h"

#include <QDir>
#include <QFileInfo>

namespace zarvento {

QString installedSoundFolder(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/" ZARVENTO_SOUNDS_FROM_BINDIR));
}

QString resolveSound(const QString &path, const QString &fallbackFolder)
{
    const QFileInfo asked(path);
    if (asked.isFile() || asked.fileName().isEmpty() || fallbackFolder.isEmpty())
        return path;
    const QString installed = QDir(fallbackFolder).filePath(asked.fileName());
    return QFileInfo(installed).isFile() ? installed : path;
}

} // namespace zarvento
