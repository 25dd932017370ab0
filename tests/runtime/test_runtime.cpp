// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The generator as the handlers use it: reseeded from 0 before every draw, it still varies.
#include "runtime/random.h"

#include <gtest/gtest.h>

#include <set>

TEST(Runtime, ReseedsFromZeroStillGiveVaryingDrawsBelowOne)
{
    zarvento::MixingRandom random;
    std::set<float> seen;
    for (int i = 0; i < 1000; ++i) {
        random.reseed(0);
        seen.insert(random.draw());
    }
    EXPECT_TRUE(*seen.begin() >= 0 && *seen.rbegin() < 1 && seen.size() > 900);
}
