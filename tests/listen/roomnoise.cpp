// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomnoise.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace staverly {

double RoomNoise::white()
{
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<double>(m_state) / 2147483648.0 - 1.0;
}

double RoomNoise::rms(const float *samples, std::size_t frames)
{
    double power = 0.0;
    for (std::size_t i = 0; i < frames; ++i)
        power += static_cast<double>(samples[i]) * samples[i];
    return frames ? std::sqrt(power / static_cast<double>(frames)) : 0.0;
}

void RoomNoise::scale(std::vector<float> &samples, double level)
{
    const double now = rms(samples.data(), samples.size());
    if (now <= 0.0)
        return;
    for (float &s : samples)
        s = static_cast<float>(s * level / now);
}

std::vector<float> RoomNoise::pink(std::size_t frames, double level)
{
    // Paul Kellet's filter: within half a decibel of -3 dB/octave.
    std::vector<float> out(frames);
    double b0 = 0, b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0, b6 = 0;
    for (float &s : out) {
        const double w = white();
        b0 = 0.99886 * b0 + w * 0.0555179;
        b1 = 0.99332 * b1 + w * 0.0750759;
        b2 = 0.96900 * b2 + w * 0.1538520;
        b3 = 0.86650 * b3 + w * 0.3104856;
        b4 = 0.55000 * b4 + w * 0.5329522;
        b5 = -0.7616 * b5 - w * 0.0168980;
        s = static_cast<float>(b0 + b1 + b2 + b3 + b4 + b5 + b6 + w * 0.5362);
        b6 = w * 0.115926;
    }
    scale(out, level);
    return out;
}

std::vector<float> RoomNoise::brown(std::size_t frames, double level)
{
    std::vector<float> out(frames);
    double y = 0.0;
    for (float &s : out) {
        y = 0.998 * y + 0.05 * white();
        s = static_cast<float>(y);
    }
    scale(out, level);
    return out;
}

std::vector<float> RoomNoise::thumps(std::size_t frames, int sampleRate, double peak, std::size_t spacing)
{
    std::vector<float> out(frames, 0.0f);
    const auto length = static_cast<std::size_t>(sampleRate * 0.08);
    const double cutoff = 1.0 - std::exp(-2.0 * M_PI * 120.0 / sampleRate);
    for (std::size_t at = spacing / 2; at + length < frames;
         at += spacing / 2 + static_cast<std::size_t>((white() + 1.0) * spacing / 2)) {
        double low = 0.0;
        for (std::size_t i = 0; i < length; ++i) {
            low += cutoff * (white() - low);
            const double envelope = std::exp(-static_cast<double>(i) / (sampleRate * 0.015));
            out[at + i] += static_cast<float>(low * envelope);
        }
    }
    float highest = 0.0f;
    for (float s : out)
        highest = std::max(highest, std::abs(s));
    if (highest > 0.0f)
        for (float &s : out)
            s = static_cast<float>(s * peak / highest);
    return out;
}

std::optional<std::vector<float>> RoomNoise::speech(const char *text, int sampleRate)
{
    const std::string command = std::string("espeak-ng --stdout \"") + text + "\" 2>/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string wave;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        wave.append(buffer, n);
    if (pclose(pipe) != 0 || wave.size() < 44 || wave.compare(0, 4, "RIFF") != 0)
        return std::nullopt;
    // espeak-ng writes 16-bit mono PCM; its header may not give the data size.
    std::uint32_t rate = 0;
    std::memcpy(&rate, wave.data() + 24, 4);
    std::size_t data = 12;
    while (data + 8 <= wave.size() && wave.compare(data, 4, "data") != 0) {
        std::uint32_t chunk = 0;
        std::memcpy(&chunk, wave.data() + data + 4, 4);
        data += 8 + chunk;
    }
    data += 8;
    if (rate == 0 || data >= wave.size())
        return std::nullopt;
    const std::size_t count = (wave.size() - data) / 2;
    std::vector<float> source(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t s = 0;
        std::memcpy(&s, wave.data() + data + 2 * i, 2);
        source[i] = s / 32768.0f;
    }
    const double step = static_cast<double>(rate) / sampleRate;
    std::vector<float> out(static_cast<std::size_t>(count / step));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double at = i * step;
        const auto k = static_cast<std::size_t>(at);
        const double f = at - k;
        const float next = k + 1 < count ? source[k + 1] : source[k];
        out[i] = static_cast<float>(source[k] * (1.0 - f) + next * f);
    }
    return out;
}

} // namespace staverly
