// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazysoundfont.h"
#include "soundfontfile.h"
#include "testsoundfont.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sndfile.h>

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

// A SoundFont of one looped sine at A4, written as SF2 or, its sample
// compressed as Ogg Vorbis, as SF3.
QByteArray tinySoundFont(bool compressed)
{
    constexpr int Frames = 11025, LoopStart = 1000, LoopEnd = 11000;
    std::vector<short> sine(Frames);
    for (int i = 0; i < Frames; ++i)
        sine[std::size_t(i)] = short(12000 * std::sin(2 * M_PI * 441.0 * i / 44100.0));
    QByteArray smpl;
    if (compressed) {
        struct Out
        {
            QByteArray bytes;
            sf_count_t at = 0;
        } out;
        SF_VIRTUAL_IO io{[](void *o) -> sf_count_t { return static_cast<Out *>(o)->bytes.size(); },
                         [](sf_count_t offset, int whence, void *o) -> sf_count_t {
                             auto *m = static_cast<Out *>(o);
                             m->at = (whence == SEEK_CUR ? m->at : whence == SEEK_END ? m->bytes.size() : 0) + offset;
                             return m->at;
                         },
                         [](void *, sf_count_t, void *) -> sf_count_t { return 0; },
                         [](const void *from, sf_count_t count, void *o) -> sf_count_t {
                             auto *m = static_cast<Out *>(o);
                             if (m->bytes.size() < m->at + count)
                                 m->bytes.resize(m->at + count);
                             std::memcpy(m->bytes.data() + m->at, from, std::size_t(count));
                             m->at += count;
                             return count;
                         },
                         [](void *o) -> sf_count_t { return static_cast<Out *>(o)->at; }};
        SF_INFO info{0, 44100, 1, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 0, 0};
        SNDFILE *file = sf_open_virtual(&io, SFM_WRITE, &info, &out);
        sf_writef_short(file, sine.data(), Frames);
        sf_close(file);
        smpl = out.bytes;
    } else {
        sine.resize(Frames + 46, 0);
        smpl = QByteArray(reinterpret_cast<const char *>(sine.data()), qsizetype(sine.size() * 2));
    }
    // The sample does not start the sample data, as no real one but the first does.
    const int lead = compressed ? 10 : 64;
    smpl.prepend(QByteArray(compressed ? lead : 2 * lead, 0));
    const int start = lead, end = lead + (compressed ? int(smpl.size()) - lead : Frames);
    const int loopShift = compressed ? 0 : lead;
    auto u16 = [](int v) { QByteArray b(2, 0); qToLittleEndian<quint16>(quint16(v), b.data()); return b; };
    auto u32 = [](qint64 v) { QByteArray b(4, 0); qToLittleEndian<quint32>(quint32(v), b.data()); return b; };
    auto name = [](const char *n) { QByteArray b(n); b.resize(20, 0); return b; };
    auto chunk = [&](const char *id, const QByteArray &body) { return QByteArray(id) + u32(body.size()) + body; };
    auto list = [&](const char *kind, const QByteArray &body) { return chunk("LIST", kind + body); };
    auto gen = [&](int id, int amount) { return u16(id) + u16(amount); };
    const QByteArray info = chunk("ifil", u16(compressed ? 3 : 2) + u16(1)) + chunk("INAM", "Tiny");
    const QByteArray pdta =
        chunk("phdr", name("Sine") + u16(0) + u16(0) + u16(0) + u32(0) + u32(0) + u32(0) + name("EOP") + u16(0)
                          + u16(0) + u16(1) + u32(0) + u32(0) + u32(0))
        + chunk("pbag", u16(0) + u16(0) + u16(1) + u16(0)) + chunk("pmod", QByteArray(10, 0))
        + chunk("pgen", gen(41, 0) + gen(0, 0)) + chunk("inst", name("Sine") + u16(0) + name("EOI") + u16(1))
        + chunk("ibag", u16(0) + u16(0) + u16(3) + u16(0)) + chunk("imod", QByteArray(10, 0))
        + chunk("igen", gen(43, 127 << 8) + gen(54, 1) + gen(53, 0) + gen(0, 0))
        + chunk("shdr", name("Sine") + u32(start) + u32(end) + u32(LoopStart + loopShift)
                            + u32(LoopEnd + loopShift) + u32(44100) + QByteArray(1, char(69))
                            + QByteArray(1, 0) + u16(0) + u16(compressed ? 0x11 : 1) + name("EOS")
                            + QByteArray(26, 0));
    const QByteArray body = "sfbk" + list("INFO", info) + list("sdta", chunk("smpl", smpl)) + list("pdta", pdta);
    return "RIFF" + u32(body.size()) + body;
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
