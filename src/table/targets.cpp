// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The six targets: what a hit on each of them does, one row a target.
#include "table/targets.h"

namespace zarvento {

using V = FormVariables;

const std::array<TargetRow, 6> targetRows{{
    {Control::paricmd, Parity::Even, 100, nullptr, nullptr, nullptr},
    {Control::paricmd1, Parity::Even, 100, nullptr, nullptr, nullptr},
    {Control::paricmd2, Parity::Even, 300, nullptr, &V::shownNum1, nullptr},
    //: The warning of an odd hit, before the number hit.
    {Control::disparicmd, Parity::Odd, 100, nullptr, nullptr,
     QT_TRANSLATE_NOOP("Tavola", "Attenzione!  ")},
    //: The warning of an odd hit on one of the targets, before the number hit.
    {Control::disparicmd1, Parity::Odd, 100, nullptr, nullptr,
     QT_TRANSLATE_NOOP("Tavola", "Attenzione! Hai sbagliato:  ")},
    {Control::disparicmd2, Parity::Odd, 100, &V::shownNum4, &V::shownNum4,
     QT_TRANSLATE_NOOP("Tavola", "Attenzione!  ")},
}};

const TargetRow *targetRow(Control control)
{
    for (const TargetRow &row : targetRows)
        if (row.button == control)
            return &row;
    return nullptr;
}

} // namespace zarvento
