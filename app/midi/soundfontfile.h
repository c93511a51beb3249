// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

namespace staverly {

// What a SoundFont 2 file (SF2, or SF3 with Ogg Vorbis samples) says about
// its instruments, read without its samples: the lists of presets,
// instruments and sample headers, and where the sample data lies. Records
// that point outside their lists are dropped, so every index here is valid.
class SoundFontFile
{
public:
    // The SoundFont 2.01 generators, 0 to 58.
    static constexpr int Generators = 59;
    static constexpr int GenInstrument = 41;
    static constexpr int GenKeyRange = 43;
    static constexpr int GenVelocityRange = 44;
    static constexpr int GenAttenuation = 48;
    static constexpr int GenSampleId = 53;

    struct Modulator
    {
        std::uint16_t source = 0;
        std::uint16_t destination = 0;
        std::int16_t amount = 0;
        std::uint16_t amountSource = 0;
        std::uint16_t transform = 0;

        // The same sources and destination: one replaces the other.
        bool sameAs(const Modulator &other) const
        {
            return source == other.source && destination == other.destination && amountSource == other.amountSource;
        }
    };

    struct Zone
    {
        std::uint8_t keyLow = 0;
        std::uint8_t keyHigh = 127;
        std::uint8_t velocityLow = 0;
        std::uint8_t velocityHigh = 127;
        std::bitset<Generators> set;
        std::array<std::int16_t, Generators> amounts{};
        std::vector<Modulator> modulators;
        // The instrument of a preset zone, the sample of an instrument zone.
        int target = -1;

        bool covers(int key, int velocity) const
        {
            return keyLow <= key && key <= keyHigh && velocityLow <= velocity && velocity <= velocityHigh;
        }
    };

    struct Instrument
    {
        std::optional<Zone> global;
        std::vector<Zone> zones;
    };

    struct Preset
    {
        QString name;
        int bank = 0;
        int number = 0;
        std::optional<Zone> global;
        std::vector<Zone> zones;
    };

    struct Sample
    {
        // Words into the sample data for SF2, bytes of Ogg Vorbis for SF3.
        std::uint32_t start = 0;
        std::uint32_t end = 0;
        std::uint32_t loopStart = 0;
        std::uint32_t loopEnd = 0;
        std::uint32_t rate = 0;
        std::uint8_t pitch = 60;
        std::int8_t correction = 0;
        std::uint16_t type = 0;

        bool compressed() const { return type & 0x10; }
        bool inRom() const { return type & 0x8000; }
    };

    // Empty, with what is wrong in error, when the file is not a SoundFont
    // this program can read.
    static std::optional<SoundFontFile> read(const QString &path, QString *error = nullptr);

    QString path;
    int majorVersion = 2;
    // Where the sample data chunk starts in the file, and its length in bytes.
    qint64 sampleOffset = 0;
    qint64 sampleBytes = 0;
    std::vector<Preset> presets;
    std::vector<Instrument> instruments;
    std::vector<Sample> samples;
};

} // namespace staverly
