// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random generator and the two ways the game turns a draw into a whole number.
#include "runtime/random.h"

#include <QTime>

#include <cmath>

namespace zarvento {

namespace {

// splitmix64's finaliser: spreads every bit of the input over the whole word.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int secondsSinceMidnight()
{
    return QTime(0, 0).secsTo(QTime::currentTime());
}

} // namespace

// Handlers reseed from 0 before every draw, and from the clock several times a second, and
// still need varying numbers: a seed is folded into the state, never put in its place.
void MixingRandom::mixIn(std::uint64_t seed)
{
    state_ = mix(state_ ^ (seed << 32));
}

void MixingRandom::reseedFromClock()
{
    mixIn(static_cast<std::uint64_t>(secondsSinceMidnight()));
}

void MixingRandom::reseed(std::int16_t value)
{
    mixIn(static_cast<std::uint16_t>(value));
}

std::uint64_t MixingRandom::next()
{
    state_ += 0x9e3779b97f4a7c15ULL;
    return mix(state_);
}

float MixingRandom::draw()
{
    // 24 bits fill a float's mantissa exactly, so the result is strictly below 1.
    return static_cast<float>(next() >> 40) * (1.0f / 16777216.0f);
}

int oneTo(Random &random, int k)
{
    return static_cast<int>(std::floor(static_cast<float>(k) * random.draw() + 1.0f));
}

int below(Random &random, int n)
{
    return static_cast<int>(std::floor(random.draw() * static_cast<float>(n)));
}

} // namespace zarvento
