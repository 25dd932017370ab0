// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message and input boxes; ticks of the timers go on while one is open.
#pragma once

#include <QString>

namespace zarvento {

// What a message box offers: its buttons, its icon, and which button Enter presses.
struct MsgBoxStyle {
    enum class Buttons { OkOnly, YesNo, RetryCancel };
    enum class Icon { None, Critical, Question, Warning };
    enum class Default { First, Second };

    Buttons buttons = Buttons::OkOnly;
    Icon icon = Icon::None;
    Default defaultButton = Default::First;
};

// The button that closed a message box; None when the program ended while it was open.
enum class MsgBoxAnswer { None, Ok, Yes, No, Retry, Cancel };

inline const QString programTitle = QStringLiteral("Zarvento");

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows text as plain text; an empty title means the program's title. Returns the button code.
    virtual MsgBoxAnswer messageBox(const QString &text, MsgBoxStyle style = {},
                                    const QString &title = QString()) = 0;
    // Returns the text typed, or the empty text on Cancel or closing.
    virtual QString inputBox(const QString &prompt) = 0;
};

} // namespace zarvento
