// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundfontfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

struct _fluid_mod_t;
struct _fluid_preset_t;
struct _fluid_sample_t;
struct _fluid_sfont_t;
struct _fluid_synth_t;

namespace staverly {

// A SoundFont given to FluidSynth with none of its samples read: a sample
// is read, and decoded when the file keeps it compressed, the first time a
// note needs it. FluidSynth's own loader reads every sample of an instrument
// when a channel is given it, 99 MB of decoding for the piano of MuseScore's
// SoundFont; a note needs a few of them.
//
// prepare() reads what a note needs and may take milliseconds, so it runs on
// the thread that plays into the synthesizer, never a sender's; ready() tells
// a sender whether a note can be played at once.
class LazySoundFont
{
public:
    struct Preset;

    // Reads the lists of the file and hands the SoundFont to the
    // synthesizer, which frees it with itself. Null, with the reason in
    // error, when the file cannot be read so.
    static LazySoundFont *install(_fluid_synth_t *synth, const QString &path, QString *error = nullptr);

    ~LazySoundFont();
    LazySoundFont(const LazySoundFont &) = delete;
    LazySoundFont &operator=(const LazySoundFont &) = delete;

    // What the channel plays, when it is an instrument of this SoundFont.
    const Preset *channelPreset(_fluid_synth_t *synth, int channel) const;
    // Every sample the note needs is at hand (or cannot be had). From any
    // thread; never waits, never allocates.
    bool ready(const Preset *preset, int key, int velocity) const;
    // Reads and decodes the samples the note needs that are not at hand.
    void prepare(const Preset *preset, int key, int velocity);

private:
    struct Held;

    explicit LazySoundFont(SoundFontFile file);
    template <typename Visit> bool eachSample(const Preset &preset, int key, int velocity, Visit visit) const;
    void load(int index);
    std::vector<short> decode(const SoundFontFile::Sample &sample, std::uint32_t &frames);
    static int noteOn(_fluid_preset_t *handle, _fluid_synth_t *synth, int channel, int key, int velocity);
    static int release(_fluid_sfont_t *sfont);

    SoundFontFile m_file;
    QFile m_data;
    QByteArray m_name;
    _fluid_sfont_t *m_sfont = nullptr;
    std::size_t m_iteration = 0;
    std::vector<std::unique_ptr<Preset>> m_presets;
    std::vector<std::unique_ptr<Held>> m_samples;
    // For each instrument, each zone's modulators, those of the global zone
    // included.
    std::vector<std::vector<std::vector<_fluid_mod_t *>>> m_instrumentMods;
};

} // namespace staverly
