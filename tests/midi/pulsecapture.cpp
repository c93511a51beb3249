// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsecapture.h"

#include <array>
#include <cmath>
#include <pulse/simple.h>

namespace staverly {

namespace {

constexpr int Rate = 48000;
constexpr int StepFrames = Rate / 500;
constexpr std::size_t RecentFrames = Rate / 10;

} // namespace

PulseCapture::PulseCapture()
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, Rate, 2};
    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.fragsize = StepFrames * 2 * sizeof(float);
    pa_simple *stream = pa_simple_new(nullptr, "Staverly test", PA_STREAM_RECORD, "out.monitor",
                                      "capture", &format, nullptr, &attr, nullptr);
    if (!stream)
        return;
    m_open = true;
    m_thread = std::thread([this, stream] { record(stream); });
}

PulseCapture::~PulseCapture()
{
    m_stop.store(true);
    if (m_thread.joinable())
        m_thread.join();
}

PulseCapture::Clock::time_point PulseCapture::firstSound() const
{
    return Clock::time_point(Clock::duration(m_firstSound.load()));
}

void PulseCapture::reset(float level)
{
    m_level.store(level);
    m_firstSound.store(0);
    m_peak.store(0.0f);
}

std::vector<double> PulseCapture::recent() const
{
    std::lock_guard lock(m_mutex);
    return m_recent;
}

void PulseCapture::record(pa_simple *stream)
{
    std::array<float, 2 * StepFrames> samples{};
    while (!m_stop.load()) {
        // Fails once the server has gone.
        if (pa_simple_read(stream, samples.data(), sizeof samples, nullptr) < 0)
            break;
        float peak = 0.0f;
        for (float s : samples)
            peak = std::max(peak, std::abs(s));
        if (peak > m_peak.load())
            m_peak.store(peak);
        if (peak >= m_level.load() && m_firstSound.load() == 0)
            m_firstSound.store(Clock::now().time_since_epoch().count());
        std::lock_guard lock(m_mutex);
        for (std::size_t i = 0; i < samples.size(); i += 2)
            m_recent.push_back(samples[i]);
        if (m_recent.size() > RecentFrames)
            m_recent.erase(m_recent.begin(), m_recent.end() - RecentFrames);
    }
    pa_simple_free(stream);
}

} // namespace staverly
