// SPDX-License-Identifier: GPL-3.0-or-later
#include "clockedrandom.h"

#include <chrono>

namespace staverly {

namespace {

std::uint64_t clockTicks()
{
    return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

ClockedRandom::ClockedRandom()
    : ClockedRandom(clockTicks() ^ std::uint64_t(std::chrono::system_clock::now()
                                                      .time_since_epoch()
                                                      .count()))
{
}

ClockedRandom::ClockedRandom(std::uint64_t seed)
    : m_state(seed)
{
}

void ClockedRandom::stir()
{
    m_state += clockTicks() * 0xD1B54A32D192ED03ull;
}

std::uint64_t ClockedRandom::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double ClockedRandom::uniform()
{
    // 53 random bits give every double in [0, 1) on a uniform grid.
    return double(next() >> 11) * 0x1.0p-53;
}

} // namespace staverly
