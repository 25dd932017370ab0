// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of the system beyond windows and dialogs: folders, the date, a pause, the end.
#pragma once

#include <QString>

namespace zarvento {

class System {
public:
    virtual ~System() = default;
    // The folder of the program's executable, without a trailing separator.
    virtual QString programFolder() const = 0;
    // Today's date in the short form of the language the game speaks.
    virtual QString shortDate() const = 0;
    // Lets about this many milliseconds go by while the window lives on: timers tick and it
    // repaints. The player's clicks and keys wait until it returns.
    virtual void pause(int milliseconds) = 0;
    // Ends the program with this exit status once control is back in the event loop.
    virtual void endProgram(int status) = 0;
};

} // namespace zarvento
