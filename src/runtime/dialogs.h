// Modal message and input boxes; ticks of the timers go on while one is open.
#pragma once

#include <QString>

namespace zarvento {

// Style values and answers of a message box, as the game writes them.
namespace MsgBox {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int DefaultButton2 = 256;

constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgBox

inline const QString programTitle = QStringLiteral("Zarvento");

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows text as plain text; an empty title means the program's title. Returns the button code.
    virtual int messageBox(const QString &text, int style = MsgBox::OkOnly,
                           const QString &title = QString()) = 0;
    // Returns the text typed, or the empty text on Cancel or closing.
    virtual QString inputBox(const QString &prompt) = 0;
};

} // namespace zarvento
