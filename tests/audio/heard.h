// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiocapture.h"

#include <cmath>
#include <mutex>
#include <vector>

namespace staverly::test {

// What a capture delivered since reset(): up to the last second, and the
// largest block.
struct Heard
{
    std::mutex mutex;
    std::vector<double> samples;
    std::size_t frames = 0;
    std::size_t largest = 0;
    int rate = 0;

    AudioCapture::Block block()
    {
        return [this](const float *s, std::size_t n, int sampleRate) {
            std::lock_guard lock(mutex);
            samples.insert(samples.end(), s, s + n);
            if (samples.size() > 48000)
                samples.erase(samples.begin(), samples.end() - 48000);
            frames += n;
            largest = std::max(largest, n);
            rate = sampleRate;
        };
    }
    void reset()
    {
        std::lock_guard lock(mutex);
        samples.clear();
        frames = 0;
    }
    std::size_t count()
    {
        std::lock_guard lock(mutex);
        return frames;
    }
    std::vector<double> last(std::size_t n)
    {
        std::lock_guard lock(mutex);
        return {samples.end() - std::ptrdiff_t(std::min(n, samples.size())), samples.end()};
    }
    double rms(std::size_t n = 8192)
    {
        double sum = 0;
        for (double s : last(n))
            sum += s * s;
        return std::sqrt(sum / double(n));
    }
    // Of a clean sine, from its rising zero crossings: an autocorrelation may
    // take a lag of several periods, an octave or two off.
    double frequency(std::size_t n = 8192)
    {
        const auto s = last(n);
        double first = -1, end = -1;
        int periods = -1;
        for (std::size_t i = 1; i < s.size(); ++i) {
            if (s[i - 1] < 0 && s[i] >= 0) {
                end = double(i - 1) + s[i - 1] / (s[i - 1] - s[i]);
                first = first < 0 ? end : first;
                ++periods;
            }
        }
        return periods > 0 ? rate * periods / (end - first) : 0.0;
    }
};

} // namespace staverly::test
