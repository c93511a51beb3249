// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <deque>
#include <map>
#include <optional>

namespace staverly {

// One player's last answers to each note of one clef, for drawing weak
// notes more often. Kept in memory, as weights are asked for before every
// question.
//
// A note's weight is 1 + 3 x clamp(0.7 x errorRate + 0.3 x slowness, 0, 1):
// errorRate is the share of wrong answers and time-outs among its last 200
// answers; slowness is how far its median time lies above the median of all
// those answers of the clef, as a fraction of it (0 at or below, 1 at twice
// as slow or more). Mistakes count most; slowness alone can at most
// nearly double a note.
class RecentAnswers
{
public:
    static constexpr int Depth = 200;

    static double weight(double errorRate, double noteMedianMs, double clefMedianMs);

    // Oldest first.
    void add(int note, bool wrong, qint64 ms);
    const std::map<int, double> &weights() const;

private:
    struct Answer
    {
        bool wrong = false;
        qint64 ms = 0;
    };

    std::map<int, std::deque<Answer>> m_notes;
    mutable std::optional<std::map<int, double>> m_weights;
};

} // namespace staverly
