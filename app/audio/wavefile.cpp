// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefile.h"

#include <QtEndian>

namespace staverly {

namespace {

quint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

void put32(QByteArray &b, quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

void put16(QByteArray &b, quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

} // namespace

std::optional<WaveFile> WaveFile::parse(const QByteArray &image)
{
    if (image.size() < 12 || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveFile wave;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const QByteArray id = image.mid(at, 4);
        const quint32 size = le32(image, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(image.size() - body))
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || le16(image, body) != 1)
                return std::nullopt;
            wave.channels = le16(image, body + 2);
            wave.sampleRate = int(le32(image, body + 4));
            wave.bitsPerSample = le16(image, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            wave.samples = image.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData || wave.channels < 1 || wave.sampleRate < 1
        || (wave.bitsPerSample != 8 && wave.bitsPerSample != 16))
        return std::nullopt;
    return wave;
}

QByteArray WaveFile::build(int channels, int sampleRate, int bitsPerSample,
                           const QByteArray &samples)
{
    const int blockAlign = channels * bitsPerSample / 8;
    QByteArray out;
    out.reserve(44 + samples.size() + 1);
    out.append("RIFF");
    put32(out, quint32(36 + samples.size() + (samples.size() & 1)));
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, quint16(channels));
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate * blockAlign));
    put16(out, quint16(blockAlign));
    put16(out, quint16(bitsPerSample));
    out.append("data");
    put32(out, quint32(samples.size()));
    out.append(samples);
    if (samples.size() & 1)
        out.append('\0');
    return out;
}

} // namespace staverly
