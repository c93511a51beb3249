// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <cmath>

namespace staverly {

// Counters are 16-bit; one that would pass 32767 stays there instead of
// overflowing.
inline qint16 incremented(qint16 value)
{
    return value < 32767 ? qint16(value + 1) : value;
}

// A fractional value converted to an integer: nearest, halves to even.
inline long roundHalfEven(double value)
{
    return std::lrint(value);
}

// Right answers as a percentage of all answers, halves to even.
inline qint16 percentScore(qint16 yes, qint16 trys)
{
    if (trys <= 0)
        return 0;
    return qint16(roundHalfEven(double(yes) / double(trys) * 100.0));
}

} // namespace staverly
