// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The six rows of the target motion, as the tick draws them.
#include "table/motion.h"

namespace zarvento {

namespace {
using C = Control;
using V = FormVariables;
constexpr Axis L = Axis::Left;
constexpr Axis T = Axis::Top;
} // namespace

const std::array<Control, 3> shownEveryTick{C::paricmd1, C::disparicmd1, C::disparicmd2};

const std::array<MotionRow, 6> motionRows{{
    {{{C::disparicmd, L, 450}, {C::disparicmd, T, 1100}, {C::paricmd1, L, 300}, {C::paricmd, T, 600}},
     {C::paricmd, C::paricmd2},
     {C::paricmd1, C::disparicmd1, C::disparicmd2},
     std::nullopt},
    {{{C::paricmd, L, 800}, {C::paricmd, T, 800}, {C::paricmd1, L, 300}, {C::paricmd1, T, 300}},
     {C::paricmd, C::paricmd1, C::disparicmd1, C::disparicmd2},
     {},
     C::disparicmd1,
     &V::shownNum3},
    {{{C::paricmd2, T, 150},
      {C::paricmd1, T, 300},
      {C::disparicmd1, T, 300},
      {C::disparicmd2, T, 150},
      {C::disparicmd2, L, 50}},
     {C::disparicmd1, C::disparicmd2},
     {C::paricmd, C::paricmd1, C::disparicmd},
     C::disparicmd,
     &V::shownNum2},
    {{{C::disparicmd, L, 300, 1},
      {C::disparicmd, T, 1000, 1},
      {C::paricmd1, T, 500},
      {C::paricmd1, L, 300}},
     {C::paricmd1, C::paricmd2, C::disparicmd, C::disparicmd1},
     {C::disparicmd2},
     std::nullopt},
    {{{C::paricmd2, T, 200},
      {C::paricmd1, T, 300},
      {C::disparicmd1, T, 900},
      {C::disparicmd2, T, 500},
      {C::disparicmd, T, 300}},
     {C::disparicmd1},
     {C::paricmd, C::paricmd1, C::disparicmd, C::disparicmd2},
     std::nullopt},
    {{{C::paricmd, T, 200},
      {C::paricmd2, T, 30},
      {C::disparicmd, T, 900},
      {C::disparicmd1, T, 70},
      {C::disparicmd2, T, 250},
      {C::disparicmd1, L, 300}},
     {C::disparicmd2},
     {C::paricmd1, C::disparicmd1},
     C::disparicmd2,
     &V::shownNum4},
}};

} // namespace zarvento
