// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace staverly {

// Sounds of a room that are not a piano, for feeding a listener.
class RoomNoise
{
public:
    explicit RoomNoise(std::uint32_t seed) : m_state(seed | 1u) {}

    // Pink (a fan) and brown (a rumble) noise at this RMS level.
    std::vector<float> pink(std::size_t frames, double rms);
    std::vector<float> brown(std::size_t frames, double rms);
    // Door-like thumps: short low noise bursts of this peak, one every
    // `spacing` frames or so.
    std::vector<float> thumps(std::size_t frames, int sampleRate, double peak, std::size_t spacing);
    // What espeak-ng says, at this sample rate; nothing without espeak-ng.
    static std::optional<std::vector<float>> speech(const char *text, int sampleRate);

    static double rms(const float *samples, std::size_t frames);
    static void scale(std::vector<float> &samples, double rms);

private:
    double white();
    std::uint32_t m_state;
};

} // namespace staverly
