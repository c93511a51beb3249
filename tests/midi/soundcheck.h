// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <cmath>
#include <cstddef>
#include <vector>

namespace staverly::test {

// The left channel of interleaved stereo, frames [from, to).
inline std::vector<double> left(const std::vector<qint16> &stereo, std::size_t from = 0,
                                std::size_t to = std::size_t(-1))
{
    std::vector<double> mono;
    for (std::size_t i = 2 * from; i < stereo.size() && i < 2 * to; i += 2)
        mono.push_back(stereo[i]);
    return mono;
}

inline double rms(const std::vector<double> &samples)
{
    double sum = 0;
    for (double s : samples)
        sum += s * s;
    return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

// The lag of the strongest self-similarity between 100 and 1000 Hz, refined
// between samples, as a frequency.
inline double fundamental(std::vector<double> samples, int rate)
{
    double mean = 0;
    for (double s : samples)
        mean += s;
    mean /= double(samples.size());
    for (double &s : samples)
        s -= mean;
    const int minLag = rate / 1000;
    const int maxLag = rate / 100;
    std::vector<double> r(maxLag + 2, 0.0);
    for (int lag = minLag - 1; lag <= maxLag + 1; ++lag) {
        double sum = 0;
        for (std::size_t i = 0; i + lag < samples.size(); ++i)
            sum += samples[i] * samples[i + lag];
        r[lag] = sum / double(samples.size() - lag);
    }
    int best = minLag;
    for (int lag = minLag; lag <= maxLag; ++lag) {
        if (r[lag] > r[best])
            best = lag;
    }
    const double a = r[best - 1], b = r[best], c = r[best + 1];
    const double shift = 0.5 * (a - c) / (a - 2 * b + c);
    return rate / (best + shift);
}

} // namespace staverly::test
