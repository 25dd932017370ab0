// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's sound files are: beside the executable, or in the installed data folder.
#pragma once

#include <QString>

namespace zarvento {

// The folder the install puts the sounds in, found from the executable's folder by the install's
// own layout (share/zarvento/suoni beside bin/ by default), so a moved install still finds it.
QString installedSoundFolder(const QString &programFolder);

// path itself when a file is there; otherwise the file of the same name in fallbackFolder when
// that one is there; otherwise path unchanged, so a missing sound stays missing.
QString resolveSound(const QString &path, const QString &fallbackFolder);

} // namespace zarvento
