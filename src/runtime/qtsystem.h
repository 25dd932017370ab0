// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The system as a Qt program sees it: the executable's folder, today's date, the event loop's end.
#pragma once

#include "runtime/system.h"

namespace zarvento {

class QtSystem final : public System {
public:
    QString programFolder() const override;
    QString shortDate() const override;
    void pause(int milliseconds) override;
    void endProgram(int status) override;
};

} // namespace zarvento
