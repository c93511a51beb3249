// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"

#include <deque>

namespace staverly::test {

// Hands out the queued numbers in order, then 0; counts stirs.
class ScriptedRandom : public Random
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::deque<double> values) : values(std::move(values)) {}

    void stir() override { ++stirs; }
    double uniform() override
    {
        if (values.empty())
            return 0.0;
        const double v = values.front();
        values.pop_front();
        return v;
    }
    // Queues the draw that picks item `index` of `count` equally likely ones.
    void pick(int index, int count) { values.push_back((index + 0.5) / count); }

    std::deque<double> values;
    int stirs = 0;
};

} // namespace staverly::test
