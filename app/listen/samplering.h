// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace staverly {

// The latest input samples, addressed by absolute frame number, so that a
// window can be cut ending at any recent frame.
class SampleRing
{
public:
    explicit SampleRing(std::size_t capacity);

    void push(const float *samples, std::size_t frames);
    std::int64_t end() const { return m_end; }
    // `count` samples ending just before frame `endFrame`; frames older than
    // the ring holds (or before the start) read as silence.
    void copy(std::int64_t endFrame, std::size_t count, float *out) const;

private:
    std::vector<float> m_data;
    std::int64_t m_end = 0;
};

} // namespace staverly
