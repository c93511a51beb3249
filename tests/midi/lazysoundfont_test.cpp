// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazysoundfont.h"
#include "soundfontfile.h"
#include "testsoundfont.h"
#include "tinysoundfont.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace staverly;
using test::tinySoundFont;

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

// The greatest difference between the two synthesizers' sound over a
// second of the note and a second after its release, against the peak.
std::pair<float, float> compare(Synth &own, Synth &lazy, int channel, int key, int velocity)
{
    std::vector<float> heard[2];
    Synth *const synths[] = {&own, &lazy};
    for (int i = 0; i < 2; ++i) {
        fluid_synth_noteon(synths[i]->synth, channel, key, velocity);
        heard[i] = synths[i]->render(24000);
        fluid_synth_noteoff(synths[i]->synth, channel, key);
        const auto tail = synths[i]->render(24000);
        heard[i].insert(heard[i].end(), tail.begin(), tail.end());
    }
    float peak = 0, difference = 0;
    for (std::size_t f = 0; f < heard[0].size(); ++f) {
        peak = std::max(peak, std::abs(heard[0][f]));
        difference = std::max(difference, std::abs(heard[0][f] - heard[1][f]));
    }
    return {peak, difference};
}

QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

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
        // Its sample is followed at once by the next one, which FluidSynth's
        // loader reading instruments as they were chosen played on into.
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
        const auto [peak, difference] = compare(own, lazy, channel, note.key, note.velocity);
        EXPECT_GT(peak, 1e-4f);
        EXPECT_LT(difference, peak * 1e-4f) << "peak " << peak;
    }
}

// A compressed sample's loop counts from the sample's own start, an
// uncompressed one's from the start of all the sample data.
TEST(LazySoundFont, SF3SamplesAreDecodedAsFluidSynthDecodesThem)
{
    QTemporaryDir dir;
    for (const bool compressed : {false, true}) {
        SCOPED_TRACE(compressed ? "SF3" : "SF2");
        const QString path = written(dir, compressed ? "tiny.sf3" : "tiny.sf2", tinySoundFont(compressed));
        Synth own, lazy;
        ASSERT_NE(fluid_synth_sfload(own.synth, path.toUtf8().constData(), 1), FLUID_FAILED);
        LazySoundFont *font = LazySoundFont::install(lazy.synth, path);
        ASSERT_NE(font, nullptr);
        for (Synth *s : {&own, &lazy})
            fluid_synth_program_change(s->synth, 0, 0);
        for (const int key : {69, 57}) {
            font->prepare(font->channelPreset(lazy.synth, 0), key, 100);
            const auto [peak, difference] = compare(own, lazy, 0, key, 100);
            EXPECT_GT(peak, 0.01f);
            EXPECT_LT(difference, peak * 1e-4f) << "key " << key;
        }
    }
}

// Whatever a damaged file holds, reading it and playing what it seems to
// hold neither crashes nor reads outside the file.
TEST(LazySoundFont, DamagedFilesAreRefusedOrPlayedSafely)
{
    QTemporaryDir dir;
    std::mt19937 random(21);
    for (const bool compressed : {false, true}) {
        const QByteArray good = tinySoundFont(compressed);
        const qsizetype pdta = good.indexOf("pdta");
        int refused = 0;
        for (int round = 0; round < 300; ++round) {
            QByteArray bad = good;
            if (round % 10 == 9) {
                bad.truncate(qsizetype(random() % std::uint32_t(good.size())));
            } else {
                for (int n = 0; n < 1 + round % 4; ++n)
                    bad[pdta + qsizetype(random() % std::uint32_t(good.size() - pdta))] = char(random());
            }
            Synth synth;
            LazySoundFont *font = LazySoundFont::install(synth.synth, written(dir, "bad.sf2", bad));
            if (!font) {
                ++refused;
                continue;
            }
            fluid_synth_program_change(synth.synth, 0, 0);
            for (const int key : {0, 69, 127}) {
                font->prepare(font->channelPreset(synth.synth, 0), key, 100);
                fluid_synth_noteon(synth.synth, 0, key, 100);
            }
            synth.render(512);
        }
        EXPECT_GT(refused, 0);
    }
}

} // namespace
