// The message and input boxes as Qt dialog objects, always showing their text as plain text.
#pragma once

#include "runtime/dialogs.h"

class QWidget;

namespace zarvento {

class QtDialogs final : public Dialogs {
public:
    MsgBoxAnswer messageBox(const QString &text, MsgBoxStyle style, const QString &title) override;
    QString inputBox(const QString &prompt) override;
};

} // namespace zarvento
