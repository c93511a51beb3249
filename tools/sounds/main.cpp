// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the three lesson sounds as RIFF WAVE files:
//   101.wav  wrong answer        22050 Hz, 16-bit, stereo, 96924 data bytes
//   102.wav  time-up warning     11025 Hz,  8-bit, mono,    9981 data bytes
//   103.wav  lesson complete     22050 Hz, 16-bit, stereo, 171008 data bytes
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Tone
{
    double start;    // seconds
    double length;   // seconds
    double hz;
    double level;    // 0..1
    double decay;    // per second, exponential
    double bright;   // weight of the upper partials
};

double voice(const Tone &t, double time)
{
    const double local = time - t.start;
    if (local < 0.0 || local >= t.length)
        return 0.0;
    const double attack = std::min(1.0, local / 0.006);
    const double release = std::min(1.0, (t.length - local) / 0.02);
    const double envelope = attack * release * std::exp(-t.decay * local);
    const double phase = 2.0 * Pi * t.hz * local;
    const double wave = std::sin(phase) + t.bright * 0.5 * std::sin(2.0 * phase)
                        + t.bright * 0.25 * std::sin(3.0 * phase)
                        + t.bright * 0.12 * std::sin(4.0 * phase);
    return t.level * envelope * wave / (1.0 + t.bright * 0.87);
}

std::vector<double> render(const std::vector<Tone> &tones, int rate, int frames)
{
    std::vector<double> out(std::size_t(frames), 0.0);
    for (int i = 0; i < frames; ++i) {
        const double time = double(i) / rate;
        for (const Tone &t : tones)
            out[std::size_t(i)] += voice(t, time);
    }
    // Fade the last few milliseconds so the sound never ends in a click.
    const int fade = rate / 100;
    for (int i = 0; i < fade && i < frames; ++i)
        out[std::size_t(frames - 1 - i)] *= double(i) / fade;
    return out;
}

void put(std::string &b, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.push_back(char((v >> (8 * i)) & 0xFF));
}

bool writeWave(const std::string &path, int channels, int rate, int bits,
               const std::string &data)
{
    std::string out = "RIFF";
    put(out, std::uint32_t(36 + data.size() + (data.size() & 1)), 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, std::uint32_t(channels), 2);
    put(out, std::uint32_t(rate), 4);
    put(out, std::uint32_t(rate * channels * bits / 8), 4);
    put(out, std::uint32_t(channels * bits / 8), 2);
    put(out, std::uint32_t(bits), 2);
    out += "data";
    put(out, std::uint32_t(data.size()), 4);
    out += data;
    if (data.size() & 1)
        out.push_back('\0');
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

// Stereo 16-bit with a slight spread between the channels.
std::string stereo16(const std::vector<double> &left, const std::vector<double> &right)
{
    std::string data;
    data.reserve(left.size() * 4);
    for (std::size_t i = 0; i < left.size(); ++i) {
        for (double s : {left[i], right[i]}) {
            const long v = std::lrint(std::clamp(s, -1.0, 1.0) * 32767.0 * 0.8);
            put(data, std::uint32_t(std::uint16_t(std::int16_t(v))), 2);
        }
    }
    return data;
}

std::string mono8(const std::vector<double> &samples)
{
    std::string data;
    data.reserve(samples.size());
    for (double s : samples)
        data.push_back(char(std::uint8_t(128 + std::lrint(std::clamp(s, -1.0, 1.0) * 127.0 * 0.8))));
    return data;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];

    // Wrong answer: a soft falling "uh-oh", minor third down, slightly detuned.
    const int wrongFrames = 96924 / 4;
    const std::vector<Tone> wrongL{{0.00, 0.34, 392.0, 0.55, 3.0, 0.9},
                                   {0.30, 0.80, 329.6, 0.60, 2.6, 0.9}};
    const std::vector<Tone> wrongR{{0.00, 0.34, 392.8, 0.55, 3.0, 0.9},
                                   {0.30, 0.80, 330.4, 0.60, 2.6, 0.9}};
    // Time-up: three short beeps like a kitchen timer.
    const int timeFrames = 9981;
    std::vector<Tone> timeUp;
    for (int i = 0; i < 3; ++i)
        timeUp.push_back({0.05 + 0.28 * i, 0.16, 1046.5, 0.7, 1.5, 0.3});
    // Lesson complete: a bright rising arpeggio ending on a held chord.
    const int doneFrames = 171008 / 4;
    const std::vector<double> notes{523.25, 659.25, 783.99, 1046.5};
    std::vector<Tone> doneL;
    std::vector<Tone> doneR;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const double start = 0.12 * double(i);
        const double length = 1.92 - start;
        doneL.push_back({start, length, notes[i], 0.32, 1.6, 0.6});
        doneR.push_back({start + 0.004, length - 0.004, notes[i] * 1.002, 0.32, 1.6, 0.6});
    }

    bool ok = writeWave(folder + "/101.wav", 2, 22050, 16,
                        stereo16(render(wrongL, 22050, wrongFrames),
                                 render(wrongR, 22050, wrongFrames)));
    ok = ok && writeWave(folder + "/102.wav", 1, 11025, 8,
                         mono8(render(timeUp, 11025, timeFrames)));
    ok = ok && writeWave(folder + "/103.wav", 2, 22050, 16,
                         stereo16(render(doneL, 22050, doneFrames),
                                  render(doneR, 22050, doneFrames)));
    if (!ok) {
        std::fprintf(stderr, "could not write the sounds into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
