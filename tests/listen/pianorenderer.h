// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace staverly {

// What a pianist does, at a frame of the rendering.
struct PianoEvent
{
    enum Kind { KeyDown, KeyUp, PedalDown, PedalUp };
    std::int64_t frame = 0;
    Kind kind = KeyDown;
    int midi = 0;
    int velocity = 0;
};

// A General MIDI piano (program 0) of a SoundFont rendered offline to mono
// samples by FluidSynth, with no audio driver.
class PianoRenderer
{
public:
    PianoRenderer(const std::string &soundFont, int sampleRate, bool roomReverb = false);
    ~PianoRenderer();
    PianoRenderer(const PianoRenderer &) = delete;
    PianoRenderer &operator=(const PianoRenderer &) = delete;

    bool loaded() const { return m_font >= 0; }
    int sampleRate() const { return m_sampleRate; }
    // The whole piano tuned this far from A4 = 440 Hz (up to a semitone).
    void setDetuneCents(double cents) { m_detuneCents = cents; }

    std::vector<float> render(std::vector<PianoEvent> events, std::int64_t frames);

    // A key struck at `at` and let go `hold` frames later.
    static void strike(std::vector<PianoEvent> &events, int midi, int velocity, std::int64_t at,
                       std::int64_t hold);

private:
    int m_sampleRate;
    double m_detuneCents = 0.0;
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_synth_t *m_synth = nullptr;
    int m_font = -1;
};

} // namespace staverly
