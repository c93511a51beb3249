#include "builtinsynth.h"

#include "audioengine.h"
#include "midierror.h"

#include <QFile>
#include <fluidsynth.h>

namespace staverly {

namespace {

bool isNoteOn(const std::uint8_t *bytes, std::size_t size)
{
    return size >= 3 && (bytes[0] & 0xF0) == 0x90 && bytes[2] > 0;
}

bool isNote(const std::uint8_t *bytes)
{
    const int kind = bytes[0] & 0xF0;
    return kind == 0x80 || kind == 0x90;
}

} // namespace

QString BuiltinSynth::displayName()
{
    return QStringLiteral("Built-in Synthesizer");
}

BuiltinSynth::BuiltinSynth(AudioEngine *engine, SoundFontSearch search)
    : m_engine(engine)
    , m_search(std::move(search))
{
}

BuiltinSynth::~BuiltinSynth()
{
    if (m_loader.joinable())
        m_loader.join();
    {
        std::lock_guard lock(m_mutex);
        attach(false);
    }
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
}

void BuiltinSynth::open()
{
    std::lock_guard lock(m_mutex);
    if (m_load == Load::Failed)
        throw MidiError(MidiError::SoundFontFailed, m_failure);
    if (m_load == Load::Idle) {
        m_path = m_search.find();
        if (m_path.isEmpty()) {
            throw MidiError(MidiError::NoSoundFont,
                            tr("The built-in synthesizer found no SoundFont to play "
                               "with (looked for %1). Install a General MIDI SoundFont, "
                               "such as the package timgm6mb-soundfont.")
                                .arg(m_search.describe()));
        }
    }
    if (m_engine && !m_engine->start()) {
        throw MidiError(MidiError::NoAudioOutput,
                        tr("The built-in synthesizer has no audio output.\n%1")
                            .arg(m_engine->error()));
    }
    m_open = true;
    if (m_load == Load::Idle) {
        m_load = Load::Loading;
        m_loadStart = Clock::now();
        m_loader = std::thread([this] { load(); });
    } else if (m_load == Load::Ready) {
        attach(true);
    }
}

void BuiltinSynth::close()
{
    std::lock_guard lock(m_mutex);
    m_open = false;
    m_pending.clear();
    if (m_load == Load::Ready)
        fluid_synth_all_sounds_off(m_synth, -1);
    attach(false);
}

void BuiltinSynth::send(const std::uint8_t *bytes, std::size_t size)
{
    if (size == 0 || size > 3)
        return;
    std::unique_lock lock(m_mutex);
    switch (m_load) {
    case Load::Ready:
        lock.unlock();
        apply(bytes, size);
        return;
    case Load::Failed:
        if (!m_failureReported) {
            m_failureReported = true;
            throw MidiError(MidiError::SoundFontFailed, m_failure);
        }
        return;
    case Load::Idle:
    case Load::Loading:
        keep(bytes, size);
        return;
    }
}

BuiltinSynth::Load BuiltinSynth::loadState() const
{
    std::lock_guard lock(m_mutex);
    return m_load;
}

QString BuiltinSynth::soundFontPath() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}

double BuiltinSynth::loadMilliseconds() const
{
    std::lock_guard lock(m_mutex);
    return m_loadMs;
}

int BuiltinSynth::program(int channel) const
{
    if (loadState() != Load::Ready)
        return -1;
    int font = 0, bank = 0, preset = 0;
    if (fluid_synth_get_program(m_synth, channel, &font, &bank, &preset) != FLUID_OK)
        return -1;
    return preset;
}

double BuiltinSynth::latencyMs() const
{
    return m_engine ? m_engine->latencyMs() : 0.0;
}

double BuiltinSynth::measuredLatencyMs() const
{
    return m_engine ? m_engine->measuredLatencyMs() : 0.0;
}

QString BuiltinSynth::driverName() const
{
    return m_engine ? m_engine->driverName() : QString();
}

QString BuiltinSynth::problem() const
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_open)
            return {};
    }
    return m_engine ? m_engine->problem() : QString();
}

std::vector<qint16> BuiltinSynth::renderOffline(int frames)
{
    std::vector<qint16> samples(2 * std::size_t(std::max(frames, 0)), 0);
    if (loadState() != Load::Ready || frames <= 0)
        return samples;
    fluid_synth_write_s16(m_synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}

// On the worker thread; the synthesizer is handed over only when complete,
// since loading holds FluidSynth's lock and would stall the audio thread.
void BuiltinSynth::load()
{
    fluid_settings_t *settings = new_fluid_settings();
    // Renders at the rate the output really runs at, or every note is out of tune.
    fluid_settings_setnum(settings, "synth.sample-rate",
                          m_engine ? m_engine->sampleRate() : AudioEngine::SampleRate);
    // FluidSynth's default gain of 0.2 is faint: at 1.4 an A4 at velocity
    // 100 peaks about -16 dBFS, within a few dB of the lesson sounds as the
    // engine mixes them, and a three-note chord at full velocity high up
    // still stays below full scale.
    fluid_settings_setnum(settings, "synth.gain", 1.4);
    fluid_synth_t *synth = new_fluid_synth(settings);
    const bool loaded =
        synth && fluid_synth_sfload(synth, QFile::encodeName(m_path).constData(), 1) != FLUID_FAILED;

    std::lock_guard lock(m_mutex);
    m_settings = settings;
    m_synth = synth;
    if (loaded) {
        replay();
        m_load = Load::Ready;
        m_loadMs = std::chrono::duration<double, std::milli>(Clock::now() - m_loadStart).count();
        if (m_open)
            attach(true);
    } else {
        m_load = Load::Failed;
        m_failure = tr("The built-in synthesizer could not load the SoundFont %1.").arg(m_path);
        m_pending.clear();
    }
}

void BuiltinSynth::keep(const std::uint8_t *bytes, std::size_t size)
{
    if (m_pending.size() >= MaxPending) {
        // Notes go first: a lost program or controller change would colour
        // every later note.
        auto oldestNote = std::find_if(m_pending.begin(), m_pending.end(),
                                       [](const Pending &p) { return isNote(p.bytes.data()); });
        m_pending.erase(oldestNote != m_pending.end() ? oldestNote : m_pending.begin());
    }
    Pending pending{Clock::now(), {0, 0, 0}, size};
    std::copy(bytes, bytes + size, pending.bytes.begin());
    m_pending.push_back(pending);
}

void BuiltinSynth::replay()
{
    const auto now = Clock::now();
    for (const Pending &pending : m_pending) {
        if (isNoteOn(pending.bytes.data(), pending.size) && now - pending.at > MaxPendingAge)
            continue;
        apply(pending.bytes.data(), pending.size);
    }
    m_pending.clear();
}

void BuiltinSynth::apply(const std::uint8_t *bytes, std::size_t size)
{
    const int status = bytes[0];
    const int channel = status & 0x0F;
    const int data1 = size > 1 ? bytes[1] & 0x7F : 0;
    const int data2 = size > 2 ? bytes[2] & 0x7F : 0;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(m_synth, channel, data1);
        break;
    case 0x90:
        if (data2 > 0) {
            fluid_synth_noteon(m_synth, channel, data1, data2);
            // An output resting after a silence plays again.
            if (m_engine)
                m_engine->wake();
        } else {
            fluid_synth_noteoff(m_synth, channel, data1);
        }
        break;
    case 0xA0:
        fluid_synth_key_pressure(m_synth, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(m_synth, channel, data1, data2);
        break;
    case 0xC0:
        fluid_synth_program_change(m_synth, channel, data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(m_synth, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(m_synth, channel, data1 | (data2 << 7));
        break;
    default:
        if (status == 0xFF)
            fluid_synth_system_reset(m_synth);
        break;
    }
}

void BuiltinSynth::attach(bool on)
{
    if (!m_engine || on == m_attached)
        return;
    m_engine->attachSynth(on ? m_synth : nullptr);
    m_attached = on;
}

} // namespace staverly
