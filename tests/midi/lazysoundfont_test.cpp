// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazysoundfont.h"
#include "soundfontfile.h"
#include "testsoundfont.h"

#include <QFile>
#include <QTemporaryDir>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace staverly;

namespace {

struct Synth
{
    Synth()
    {
        fluid_settings_setnum(settings, "synth.sample-rate", 48000);
        fluid_settings_setint(settings, "synth.reverb.active", 0);
        fluid_settings_setint(settings, "synth.chorus.active", 0);
        synth = new_fluid_synth(settings);
    }
    ~Synth()
    {
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }
    std::vector<float> render(int frames)
    {
        std::vector<float> both(2 * static_cast<std::size_t>(frames));
        fluid_synth_write_float(synth, frames, both.data(), 0, 1, both.data() + frames, 0, 1);
        return both;
    }
    fluid_settings_t *settings = new_fluid_settings();
    fluid_synth_t *synth = nullptr;
};

struct Note
{
    const char *what;
    int bank;
    int program;
    int key;
    int velocity;
};

// The same notes through FluidSynth's own loader and through samples read
// one by one: what a pupil hears must not change with how it was loaded.
TEST(LazySoundFont, SoundsAsFluidSynthsOwnLoader)
{
    const Note notes[] = {
        {"piano, middle C", 0, 0, 60, 100},
        {"piano, soft and low", 0, 0, 36, 20},
        {"piano, loud and high", 0, 0, 96, 127},
        {"violin, a looped sample", 0, 40, 69, 80},
        {"church organ", 0, 19, 48, 64},
        {"the snare drum", 128, 0, 38, 127},
        {"a flute beyond its samples' range", 0, 73, 108, 90},
    };
    for (const Note &note : notes) {
        SCOPED_TRACE(note.what);
        Synth own, lazy;
        ASSERT_NE(fluid_synth_sfload(own.synth, TestSoundFont::path().toUtf8().constData(), 1), FLUID_FAILED);
        LazySoundFont *font = LazySoundFont::install(lazy.synth, TestSoundFont::path());
        ASSERT_NE(font, nullptr);
        const int channel = note.bank == 128 ? 9 : 0;
        for (Synth *s : {&own, &lazy})
            fluid_synth_program_change(s->synth, channel, note.program);
        const LazySoundFont::Preset *preset = font->channelPreset(lazy.synth, channel);
        ASSERT_NE(preset, nullptr);
        EXPECT_FALSE(font->ready(preset, note.key, note.velocity)) << "read before it was needed";
        font->prepare(preset, note.key, note.velocity);
        EXPECT_TRUE(font->ready(preset, note.key, note.velocity));
        std::vector<float> heard[2];
        Synth *const synths[] = {&own, &lazy};
        for (int i = 0; i < 2; ++i) {
            fluid_synth_noteon(synths[i]->synth, channel, note.key, note.velocity);
            heard[i] = synths[i]->render(24000);
            fluid_synth_noteoff(synths[i]->synth, channel, note.key);
            const auto tail = synths[i]->render(24000);
            heard[i].insert(heard[i].end(), tail.begin(), tail.end());
        }
        float peak = 0, difference = 0;
        for (std::size_t f = 0; f < heard[0].size(); ++f) {
            peak = std::max(peak, std::abs(heard[0][f]));
            difference = std::max(difference, std::abs(heard[0][f] - heard[1][f]));
        }
        EXPECT_GT(peak, 1e-4f);
        EXPECT_LT(difference, peak * 1e-4f) << "peak " << peak;
    }
}

} // namespace
