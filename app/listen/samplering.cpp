// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplering.h"

namespace staverly {

SampleRing::SampleRing(std::size_t capacity)
    : m_data(capacity, 0.0f)
{
}

void SampleRing::push(const float *samples, std::size_t frames)
{
    const std::size_t size = m_data.size();
    for (std::size_t i = 0; i < frames; ++i)
        m_data[static_cast<std::size_t>(m_end + static_cast<std::int64_t>(i)) % size] = samples[i];
    m_end += static_cast<std::int64_t>(frames);
}

void SampleRing::copy(std::int64_t endFrame, std::size_t count, float *out) const
{
    const auto size = static_cast<std::int64_t>(m_data.size());
    const std::int64_t start = endFrame - static_cast<std::int64_t>(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t frame = start + static_cast<std::int64_t>(i);
        const bool held = frame >= 0 && frame < m_end && frame >= m_end - size;
        out[i] = held ? m_data[static_cast<std::size_t>(frame % size)] : 0.0f;
    }
}

} // namespace staverly
