// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianorenderer.h"

#include <algorithm>
#include <fluidsynth.h>

namespace staverly {

PianoRenderer::PianoRenderer(const std::string &soundFont, int sampleRate, bool roomReverb)
    : m_sampleRate(sampleRate)
{
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    m_settings = new_fluid_settings();
    fluid_settings_setnum(m_settings, "synth.sample-rate", sampleRate);
    fluid_settings_setint(m_settings, "synth.chorus.active", 0);
    fluid_settings_setint(m_settings, "synth.reverb.active", roomReverb ? 1 : 0);
    if (roomReverb) {
        // A small, fairly dead room.
        fluid_settings_setnum(m_settings, "synth.reverb.room-size", 0.25);
        fluid_settings_setnum(m_settings, "synth.reverb.damp", 0.5);
        fluid_settings_setnum(m_settings, "synth.reverb.width", 0.8);
        fluid_settings_setnum(m_settings, "synth.reverb.level", 0.6);
    }
    m_synth = new_fluid_synth(m_settings);
    m_font = fluid_synth_sfload(m_synth, soundFont.c_str(), 1);
}

PianoRenderer::~PianoRenderer()
{
    delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
}

void PianoRenderer::strike(std::vector<PianoEvent> &events, int midi, int velocity, std::int64_t at,
                           std::int64_t hold)
{
    events.push_back({at, PianoEvent::KeyDown, midi, velocity});
    events.push_back({at + hold, PianoEvent::KeyUp, midi, 0});
}

std::vector<float> PianoRenderer::render(std::vector<PianoEvent> events, std::int64_t frames)
{
    std::vector<float> out(static_cast<std::size_t>(std::max<std::int64_t>(frames, 0)), 0.0f);
    if (!loaded())
        return out;
    // Nothing of the last rendering may ring on into this one.
    fluid_synth_cc(m_synth, 0, 64, 0);
    fluid_synth_all_sounds_off(m_synth, -1);
    std::vector<float> left(4096), right(4096);
    for (int i = 0; i < 4; ++i)
        fluid_synth_write_float(m_synth, 4096, left.data(), 0, 1, right.data(), 0, 1);
    fluid_synth_system_reset(m_synth);
    fluid_synth_program_select(m_synth, 0, m_font, 0, 0);
    fluid_synth_cc(m_synth, 0, 91, 50);
    // Two semitones of bend by default.
    const int bend = 8192 + static_cast<int>(m_detuneCents / 200.0 * 8192.0);
    fluid_synth_pitch_bend(m_synth, 0, std::clamp(bend, 0, 16383));
    std::stable_sort(events.begin(), events.end(),
                     [](const PianoEvent &a, const PianoEvent &b) { return a.frame < b.frame; });

    std::int64_t at = 0;
    auto next = events.begin();
    while (at < frames) {
        while (next != events.end() && next->frame <= at) {
            switch (next->kind) {
            case PianoEvent::KeyDown:
                fluid_synth_noteon(m_synth, 0, next->midi, next->velocity);
                break;
            case PianoEvent::KeyUp:
                fluid_synth_noteoff(m_synth, 0, next->midi);
                break;
            case PianoEvent::PedalDown:
                fluid_synth_cc(m_synth, 0, 64, 127);
                break;
            case PianoEvent::PedalUp:
                fluid_synth_cc(m_synth, 0, 64, 0);
                break;
            }
            ++next;
        }
        const std::int64_t until = next == events.end() ? frames : std::min(frames, next->frame);
        const auto count = static_cast<int>(std::min<std::int64_t>(until - at, 4096));
        left.resize(static_cast<std::size_t>(count));
        right.resize(static_cast<std::size_t>(count));
        fluid_synth_write_float(m_synth, count, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < count; ++i)
            out[static_cast<std::size_t>(at + i)] = 0.5f * (left[static_cast<std::size_t>(i)] + right[static_cast<std::size_t>(i)]);
        at += count;
    }
    return out;
}

} // namespace staverly
