// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <aubio/aubio.h>
#include <cstdint>
#include <optional>

namespace staverly {

// Attacks in the input, one hop at a time, from aubio's onset detection
// function. An attack is taken as soon as the function crosses its adaptive
// threshold rather than at its peak, which aubio waits for: that would add
// some 15 ms to every answer.
class OnsetFinder
{
public:
    OnsetFinder(int sampleRate, int hop);
    ~OnsetFinder();
    OnsetFinder(const OnsetFinder &) = delete;
    OnsetFinder &operator=(const OnsetFinder &) = delete;

    // The frame where an attack began, when this hop completed one.
    std::optional<std::int64_t> push(const float *samples);

private:
    int m_hop;
    std::int64_t m_minimumGap;
    aubio_onset_t *m_onset;
    fvec_t *m_input;
    fvec_t *m_output;
    std::int64_t m_frames = 0;
    std::int64_t m_riseStart = 0;
    std::int64_t m_last = -1;
    float m_previous = 0.0f;
    float m_lastValue = 0.0f;
    bool m_above = false;
};

} // namespace staverly
