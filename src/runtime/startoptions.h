// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help, --version and --scale, read before there is any window.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zarvento {

struct StartOptions {
    // Set when the program ends here: 0 after the help or the version, 2 after a mistake.
    std::optional<int> exitStatus;
    // The factor asked for with --scale, as written.
    std::optional<QString> scale;
    QString output; // for standard output
    QString error;  // for standard error
};

// Reads arguments (the program's name first). Needs an application object for the texts.
StartOptions parseStartOptions(const QStringList &arguments);

// Reads the real command line in the player's language and prints what it has to say. With no
// arguments at all, as from the menu, it returns at once.
StartOptions readStartOptions(int argc, char **argv);

} // namespace zarvento
