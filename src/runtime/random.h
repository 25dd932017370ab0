// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one random generator: uniform draws in [0, 1), reseeded from the clock or a number.
#pragma once

#include <cstdint>

namespace zarvento {

class Random {
public:
    virtual ~Random() = default;
    virtual void reseedFromClock() = 0;
    // Mixes value into the current state: the same value twice does not give the same draw.
    virtual void reseed(std::int16_t value) = 0;
    virtual float draw() = 0;
};

// A 64-bit mixing generator; reseeding never returns it to a fixed state.
class MixingRandom final : public Random {
public:
    explicit MixingRandom(std::uint64_t state = 0x5a617276656e746fULL) : state_(state) {}
    void reseedFromClock() override;
    void reseed(std::int16_t value) override;
    float draw() override;

private:
    void mixIn(std::uint64_t seed);
    std::uint64_t next();
    std::uint64_t state_;
};

// floor(K * r + 1): a whole number from 1 to K.
int oneTo(Random &random, int k);
// floor(r * n): a whole number from 0 to n - 1.
int below(Random &random, int n);

} // namespace zarvento
