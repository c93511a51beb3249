// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <cstdint>

namespace staverly {

// SplitMix64 with the steady clock added into its state on each stir. Two
// draws within one clock tick still differ because the state always advances.
class ClockedRandom : public Random
{
public:
    ClockedRandom();
    explicit ClockedRandom(std::uint64_t seed);

    void stir() override;
    double uniform() override;

private:
    std::uint64_t next();

    std::uint64_t m_state;
};

} // namespace staverly
