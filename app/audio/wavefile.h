// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

namespace staverly {

// The parts of a RIFF WAVE image that a player needs: PCM format and samples.
struct WaveFile
{
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArray samples;

    // Nothing when the image is not uncompressed PCM in a RIFF WAVE container.
    static std::optional<WaveFile> parse(const QByteArray &image);
    static QByteArray build(int channels, int sampleRate, int bitsPerSample,
                            const QByteArray &samples);
};

} // namespace staverly
