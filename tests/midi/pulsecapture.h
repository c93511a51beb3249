// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

struct pa_simple;

namespace staverly {

// Records the null sink's monitor of the PulseAudio server the process talks
// to, as loudspeakers would hear it: the loudest sample since reset() and
// when sound first arrived, in 2 ms steps.
class PulseCapture
{
public:
    using Clock = std::chrono::steady_clock;

    PulseCapture();
    ~PulseCapture();
    PulseCapture(const PulseCapture &) = delete;
    PulseCapture &operator=(const PulseCapture &) = delete;

    bool isOpen() const { return m_open; }
    float peak() const { return m_peak.load(); }
    Clock::time_point firstSound() const;
    void reset(float level = 0.01f);
    // The left channel of the last tenth of a second, at 48 kHz.
    std::vector<double> recent() const;

private:
    void record(pa_simple *stream);

    bool m_open = false;
    std::atomic<bool> m_stop{false};
    std::atomic<float> m_peak{0.0f};
    std::atomic<float> m_level{0.01f};
    std::atomic<Clock::rep> m_firstSound{0};
    mutable std::mutex m_mutex;
    std::vector<double> m_recent;
    std::thread m_thread;
};

} // namespace staverly
