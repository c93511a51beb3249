// SPDX-License-Identifier: GPL-3.0-or-later
#include "lazysoundfont.h"

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <fluidsynth.h>
#include <sndfile.h>

namespace staverly {

using Zone = SoundFontFile::Zone;
using Modulator = SoundFontFile::Modulator;

struct LazySoundFont::Preset
{
    LazySoundFont *font = nullptr;
    const SoundFontFile::Preset *data = nullptr;
    fluid_preset_t *handle = nullptr;
    QByteArray name;
    // Each zone's modulators, those of the global zone included.
    std::vector<std::vector<fluid_mod_t *>> mods;
};

struct LazySoundFont::Held
{
    enum State { Absent, Present, Failed };
    std::atomic<int> state{Absent};
    fluid_sample_t *sample = nullptr;
    std::vector<short> pcm;
};

namespace {

// FluidSynth reads voices' samples a few frames beyond both ends.
constexpr std::size_t Margin = 8;
// Six minutes at 44.1 kHz: no sample is longer, and a broken file claiming
// more gets no more memory.
constexpr sf_count_t MaxFrames = sf_count_t(1) << 24;
// As the EMU hardware scaled attenuation, which SoundFonts are voiced for.
constexpr float AttenuationScale = 0.4f;

int flags(std::uint16_t source)
{
    static constexpr int curves[] = {FLUID_MOD_LINEAR, FLUID_MOD_CONCAVE, FLUID_MOD_CONVEX, FLUID_MOD_SWITCH};
    int result = (source & 0x80) ? FLUID_MOD_CC : FLUID_MOD_GC;
    if (source & 0x100)
        result |= FLUID_MOD_NEGATIVE;
    if (source & 0x200)
        result |= FLUID_MOD_BIPOLAR;
    if ((source >> 10) < 4)
        result |= curves[source >> 10];
    return result;
}

fluid_mod_t *fluidModulator(const Modulator &m)
{
    fluid_mod_t *mod = new_fluid_mod();
    fluid_mod_set_source1(mod, m.source & 0x7F, flags(m.source));
    fluid_mod_set_source2(mod, m.amountSource & 0x7F, flags(m.amountSource));
    fluid_mod_set_dest(mod, m.destination);
    fluid_mod_set_amount(mod, m.amount);
    return mod;
}

// A zone's own modulators replace the identical ones of its global zone.
std::vector<fluid_mod_t *> zoneModulators(const Zone &zone, const std::optional<Zone> &global)
{
    std::vector<fluid_mod_t *> result;
    for (const Modulator &m : zone.modulators)
        result.push_back(fluidModulator(m));
    if (global) {
        for (const Modulator &g : global->modulators) {
            const bool replaced = std::any_of(zone.modulators.begin(), zone.modulators.end(),
                                              [&](const Modulator &m) { return m.sameAs(g); });
            if (!replaced && result.size() < 64)
                result.push_back(fluidModulator(g));
        }
    }
    return result;
}

float generator(const Zone &zone, int id)
{
    const float amount = zone.amounts[std::size_t(id)];
    return id == SoundFontFile::GenAttenuation ? amount * AttenuationScale : amount;
}

struct Memory
{
    const QByteArray *bytes;
    sf_count_t at = 0;
};

sf_count_t memoryLength(void *data)
{
    return static_cast<Memory *>(data)->bytes->size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *data)
{
    auto *m = static_cast<Memory *>(data);
    const sf_count_t base = whence == SEEK_CUR ? m->at : whence == SEEK_END ? m->bytes->size() : 0;
    m->at = std::clamp<sf_count_t>(base + offset, 0, m->bytes->size());
    return m->at;
}

sf_count_t memoryRead(void *into, sf_count_t count, void *data)
{
    auto *m = static_cast<Memory *>(data);
    count = std::clamp<sf_count_t>(count, 0, m->bytes->size() - m->at);
    std::memcpy(into, m->bytes->constData() + m->at, std::size_t(count));
    m->at += count;
    return count;
}

sf_count_t memoryTell(void *data)
{
    return static_cast<Memory *>(data)->at;
}

const char *presetName(fluid_preset_t *handle)
{
    return static_cast<LazySoundFont::Preset *>(fluid_preset_get_data(handle))->name.constData();
}

} // namespace

LazySoundFont::LazySoundFont(SoundFontFile file)
    : m_file(std::move(file))
    , m_data(m_file.path)
{
}

LazySoundFont::~LazySoundFont()
{
    for (auto &preset : m_presets) {
        for (auto &mods : preset->mods)
            std::for_each(mods.begin(), mods.end(), delete_fluid_mod);
        if (preset->handle)
            delete_fluid_preset(preset->handle);
    }
    for (auto &instrument : m_instrumentMods) {
        for (auto &mods : instrument)
            std::for_each(mods.begin(), mods.end(), delete_fluid_mod);
    }
    for (auto &held : m_samples) {
        if (held->sample)
            delete_fluid_sample(held->sample);
    }
    if (m_sfont)
        delete_fluid_sfont(m_sfont);
}

LazySoundFont *LazySoundFont::install(fluid_synth_t *synth, const QString &path, QString *error)
{
    std::optional<SoundFontFile> file = SoundFontFile::read(path, error);
    if (!file)
        return nullptr;
    std::unique_ptr<LazySoundFont> font(new LazySoundFont(std::move(*file)));
    if (!font->m_data.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot be opened");
        return nullptr;
    }
    for (std::size_t i = 0; i < font->m_file.samples.size(); ++i)
        font->m_samples.push_back(std::make_unique<Held>());
    for (const auto &instrument : font->m_file.instruments) {
        auto &mods = font->m_instrumentMods.emplace_back();
        for (const Zone &zone : instrument.zones)
            mods.push_back(zoneModulators(zone, instrument.global));
    }

    font->m_sfont = new_fluid_sfont(
        [](fluid_sfont_t *sfont) {
            return static_cast<LazySoundFont *>(fluid_sfont_get_data(sfont))->m_name.constData();
        },
        [](fluid_sfont_t *sfont, int bank, int number) -> fluid_preset_t * {
            for (const auto &preset : static_cast<LazySoundFont *>(fluid_sfont_get_data(sfont))->m_presets) {
                if (preset->data->bank == bank && preset->data->number == number)
                    return preset->handle;
            }
            return nullptr;
        },
        [](fluid_sfont_t *sfont) { static_cast<LazySoundFont *>(fluid_sfont_get_data(sfont))->m_iteration = 0; },
        [](fluid_sfont_t *sfont) -> fluid_preset_t * {
            auto *self = static_cast<LazySoundFont *>(fluid_sfont_get_data(sfont));
            return self->m_iteration < self->m_presets.size() ? self->m_presets[self->m_iteration++]->handle
                                                               : nullptr;
        },
        &LazySoundFont::release);
    if (!font->m_sfont)
        return nullptr;
    fluid_sfont_set_data(font->m_sfont, font.get());
    font->m_name = QFile::encodeName(path);
    for (const auto &data : font->m_file.presets) {
        auto preset = std::make_unique<Preset>();
        preset->font = font.get();
        preset->data = &data;
        preset->name = data.name.toUtf8();
        for (const Zone &zone : data.zones)
            preset->mods.push_back(zoneModulators(zone, data.global));
        preset->handle = new_fluid_preset(
            font->m_sfont, presetName,
            [](fluid_preset_t *h) { return static_cast<Preset *>(fluid_preset_get_data(h))->data->bank; },
            [](fluid_preset_t *h) { return static_cast<Preset *>(fluid_preset_get_data(h))->data->number; },
            &LazySoundFont::noteOn, [](fluid_preset_t *) {});
        Preset &added = *font->m_presets.emplace_back(std::move(preset));
        if (!added.handle)
            return nullptr;
        fluid_preset_set_data(added.handle, &added);
    }
    if (fluid_synth_add_sfont(synth, font->m_sfont) == FLUID_FAILED) {
        if (error)
            *error = QStringLiteral("was refused by the synthesizer");
        return nullptr;
    }
    return font.release();
}

int LazySoundFont::release(fluid_sfont_t *sfont)
{
    delete static_cast<LazySoundFont *>(fluid_sfont_get_data(sfont));
    return 0;
}

const LazySoundFont::Preset *LazySoundFont::channelPreset(fluid_synth_t *synth, int channel) const
{
    fluid_preset_t *handle = fluid_synth_get_channel_preset(synth, channel);
    if (!handle || fluid_preset_get_sfont(handle) != m_sfont)
        return nullptr;
    return static_cast<const Preset *>(fluid_preset_get_data(handle));
}

// Calls visit with each sample the note sounds, in FluidSynth's order;
// stops, returning false, when visit does.
template <typename Visit>
bool LazySoundFont::eachSample(const Preset &preset, int key, int velocity, Visit visit) const
{
    const auto &zones = preset.data->zones;
    for (std::size_t z = zones.size(); z-- > 0;) {
        if (!zones[z].covers(key, velocity))
            continue;
        const auto &instrument = m_file.instruments[std::size_t(zones[z].target)];
        for (std::size_t i = 0; i < instrument.zones.size(); ++i) {
            if (instrument.zones[i].covers(key, velocity) && !visit(z, std::size_t(zones[z].target), i))
                return false;
        }
    }
    return true;
}

bool LazySoundFont::ready(const Preset *preset, int key, int velocity) const
{
    if (!preset)
        return true;
    return eachSample(*preset, key, velocity, [&](std::size_t, std::size_t instrument, std::size_t zone) {
        const int sample = m_file.instruments[instrument].zones[zone].target;
        return m_samples[std::size_t(sample)]->state.load(std::memory_order_acquire) != Held::Absent;
    });
}

void LazySoundFont::prepare(const Preset *preset, int key, int velocity)
{
    if (!preset)
        return;
    eachSample(*preset, key, velocity, [&](std::size_t, std::size_t instrument, std::size_t zone) {
        load(m_file.instruments[instrument].zones[zone].target);
        return true;
    });
}

void LazySoundFont::load(int index)
{
    Held &held = *m_samples[std::size_t(index)];
    if (held.state.load(std::memory_order_acquire) != Held::Absent)
        return;
    const SoundFontFile::Sample &header = m_file.samples[std::size_t(index)];
    std::uint32_t frames = 0;
    held.pcm = decode(header, frames);
    if (frames == 0) {
        held.state.store(Held::Failed, std::memory_order_release);
        return;
    }
    qint64 loopStart = header.loopStart, loopEnd = header.loopEnd;
    // SF2 loops count from the start of the sample data, SF3 ones from the
    // start of the sample.
    if (!header.compressed()) {
        loopStart -= header.start;
        loopEnd -= header.start;
    }
    if (loopStart > loopEnd)
        std::swap(loopStart, loopEnd);
    if (loopStart < 0 || loopStart > frames)
        loopStart = 0;
    if (loopEnd < 0 || loopEnd > frames)
        loopEnd = frames;
    fluid_sample_t *sample = new_fluid_sample();
    fluid_sample_set_sound_data(sample, held.pcm.data() + Margin, nullptr, frames,
                                header.rate ? header.rate : 44100, 0);
    fluid_sample_set_loop(sample, unsigned(loopStart), unsigned(loopEnd));
    fluid_sample_set_pitch(sample, header.pitch <= 127 ? header.pitch : 60, header.correction);
    fluid_voice_optimize_sample(sample);
    held.sample = sample;
    held.state.store(Held::Present, std::memory_order_release);
}

// The sample's frames with Margin silent ones either side; frames is 0
// when the sample cannot be read.
std::vector<short> LazySoundFont::decode(const SoundFontFile::Sample &sample, std::uint32_t &frames)
{
    frames = 0;
    if (!m_data.isOpen())
        return {};
    if (!sample.compressed()) {
        const std::uint32_t count = sample.end - sample.start;
        std::vector<short> pcm(count + 2 * Margin, 0);
        const qint64 bytes = qint64(count) * 2;
        if (!m_data.seek(m_file.sampleOffset + qint64(sample.start) * 2)
            || m_data.read(reinterpret_cast<char *>(pcm.data() + Margin), bytes) != bytes)
            return {};
        if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
            for (short &s : pcm)
                s = qFromLittleEndian(s);
        }
        frames = count;
        return pcm;
    }
    if (!m_data.seek(m_file.sampleOffset + sample.start))
        return {};
    const QByteArray compressed = m_data.read(qint64(sample.end) - sample.start);
    Memory memory{&compressed};
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, nullptr, memoryTell};
    SF_INFO info{};
    SNDFILE *file = sf_open_virtual(&io, SFM_READ, &info, &memory);
    if (!file)
        return {};
    std::vector<short> pcm;
    if (info.channels == 1 && info.frames > 0 && info.frames < MaxFrames) {
        pcm.assign(std::size_t(info.frames) + 2 * Margin, 0);
        if (sf_readf_short(file, pcm.data() + Margin, info.frames) == info.frames)
            frames = std::uint32_t(info.frames);
    }
    sf_close(file);
    return frames ? pcm : std::vector<short>();
}

int LazySoundFont::noteOn(fluid_preset_t *handle, fluid_synth_t *synth, int channel, int key, int velocity)
{
    const auto &preset = *static_cast<const Preset *>(fluid_preset_get_data(handle));
    const LazySoundFont &font = *preset.font;
    const auto &global = preset.data->global;
    bool ok = true;
    font.eachSample(preset, key, velocity, [&](std::size_t z, std::size_t i, std::size_t iz) {
        const Zone &presetZone = preset.data->zones[z];
        const auto &instrument = font.m_file.instruments[i];
        const Zone &zone = instrument.zones[iz];
        const Held &held = *font.m_samples[std::size_t(zone.target)];
        // Not yet read: the thread that plays reads it before the note.
        if (held.state.load(std::memory_order_acquire) != Held::Present)
            return true;
        fluid_voice_t *voice = fluid_synth_alloc_voice(synth, held.sample, channel, key, velocity);
        if (!voice) {
            ok = false;
            return false;
        }
        // An instrument zone's generators replace the global zone's, a
        // preset zone's add to them.
        for (int g = 0; g < SoundFontFile::Generators; ++g) {
            if (zone.set[std::size_t(g)])
                fluid_voice_gen_set(voice, g, generator(zone, g));
            else if (instrument.global && instrument.global->set[std::size_t(g)])
                fluid_voice_gen_set(voice, g, generator(*instrument.global, g));
        }
        for (fluid_mod_t *mod : font.m_instrumentMods[i][iz])
            fluid_voice_add_mod(voice, mod, FLUID_VOICE_OVERWRITE);
        for (int g = 0; g < SoundFontFile::Generators; ++g) {
            if (presetZone.set[std::size_t(g)])
                fluid_voice_gen_incr(voice, g, generator(presetZone, g));
            else if (global && global->set[std::size_t(g)])
                fluid_voice_gen_incr(voice, g, generator(*global, g));
        }
        for (fluid_mod_t *mod : preset.mods[z]) {
            if (fluid_mod_get_amount(mod) != 0)
                fluid_voice_add_mod(voice, mod, FLUID_VOICE_ADD);
        }
        fluid_synth_start_voice(synth, voice);
        return true;
    });
    return ok ? FLUID_OK : FLUID_FAILED;
}

} // namespace staverly
