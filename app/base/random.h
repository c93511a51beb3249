// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly {

// The program's one shared source of random numbers.
class Random
{
public:
    virtual ~Random() = default;
    // Mixes the clock into the state: the sequence varies with time but is
    // never restarted.
    virtual void stir() = 0;
    // Uniform in [0, 1).
    virtual double uniform() = 0;
};

} // namespace staverly
