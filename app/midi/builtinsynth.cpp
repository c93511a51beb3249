// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtinsynth.h"

#include "audioengine.h"
#include "fluidoutput.h"
#include "midierror.h"
#include "soundfontsearch.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fluidsynth.h>

namespace staverly {

namespace {

bool isNoteOn(const std::uint8_t *bytes, std::size_t size)
{
    return size >= 3 && (bytes[0] & 0xF0) == 0x90 && bytes[2] > 0;
}

constexpr unsigned AllChannels = 0xFFFF;

} // namespace

QString BuiltinSynth::displayName()
{
    return QStringLiteral("Built-in Synthesizer");
}

BuiltinSynth::BuiltinSynth(AudioEngine *engine)
    : m_engine(engine)
{
    for (auto &program : m_programs)
        program.store(-1, std::memory_order_relaxed);
    sem_init(&m_wake, 0, 0);
}

BuiltinSynth::~BuiltinSynth()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    sem_post(&m_wake);
    if (m_thread.joinable())
        m_thread.join();
    {
        std::lock_guard lock(m_mutex);
        attach(false);
    }
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
    sem_destroy(&m_wake);
}

BuiltinSynth::Load BuiltinSynth::loadState() const
{
    return Load(m_state.load(std::memory_order_acquire));
}

void BuiltinSynth::setState(Load state)
{
    m_state.store(int(state), std::memory_order_release);
}

// The chosen file when it can be played, else the first found, with what is
// wrong with the chosen one; false when nothing is found.
bool BuiltinSynth::resolve(QString &path, QString &problem) const
{
    problem.clear();
    if (!m_chosen.isEmpty()) {
        switch (SoundFontSearch::fault(m_chosen)) {
        case SoundFontSearch::Fault::None:
            if (!failedBefore(m_chosen)) {
                path = m_chosen;
                return true;
            }
            problem = tr("The SoundFont chosen in MIDI Setup, %1, could not be loaded.").arg(m_chosen);
            break;
        case SoundFontSearch::Fault::Missing:
            problem = tr("The SoundFont chosen in MIDI Setup, %1, is missing.").arg(m_chosen);
            break;
        case SoundFontSearch::Fault::Unreadable:
            problem = tr("The SoundFont chosen in MIDI Setup, %1, cannot be read.").arg(m_chosen);
            break;
        case SoundFontSearch::Fault::NotASoundFont:
            problem = tr("The SoundFont chosen in MIDI Setup, %1, is not a SoundFont.").arg(m_chosen);
            break;
        }
    }
    const SoundFontSearch search = SoundFontSearch::standard();
    path = search.find();
    if (path.isEmpty()) {
        problem = (problem + QLatin1Char(' ')
                   + tr("The built-in synthesizer found no SoundFont to play with (looked for %1). "
                        "Install a General MIDI SoundFont, such as the package timgm6mb-soundfont.")
                         .arg(search.describe()))
                      .trimmed();
        return false;
    }
    if (!problem.isEmpty())
        problem += QLatin1Char(' ') + playsInstead(path, search);
    return true;
}

// Under m_mutex: the file failed to load and has not changed since.
bool BuiltinSynth::failedBefore(const QString &path) const
{
    return path == m_unloadable && QFileInfo(path).lastModified() == m_unloadableAt;
}

QString BuiltinSynth::playsInstead(const QString &found, const SoundFontSearch &search)
{
    return tr("The built-in synthesizer plays %1 instead, the first found of %2. The choice is kept: "
              "the chosen file plays again once it can be read.")
        .arg(found, search.describe());
}

void BuiltinSynth::open()
{
    std::lock_guard lock(m_mutex);
    const Load state = loadState();
    if (state == Load::Failed)
        throw MidiError(MidiError::SoundFontFailed, m_failure);
    QString path;
    QString problem;
    if (state == Load::Idle && !resolve(path, problem))
        throw MidiError(MidiError::NoSoundFont, problem);
    if (m_engine && !m_engine->start()) {
        throw MidiError(MidiError::NoAudioOutput,
                        tr("The built-in synthesizer has no audio output.\n%1").arg(m_engine->error()));
    }
    m_open = true;
    if (state == Load::Idle) {
        m_path = path;
        m_problem = problem;
        m_next = path;
        m_nextProblem = problem;
        m_reload = true;
        m_loadStart = Clock::now();
        setState(Load::Loading);
        m_thread = std::thread([this] { run(); });
        sem_post(&m_wake);
    } else if (state == Load::Ready) {
        attach(true);
    }
}

void BuiltinSynth::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_open = false;
        attach(false);
    }
    // After whatever was sent before: nothing rings on at the next open.
    static const std::uint8_t silence[1] = {0};
    if (!push(silence, 0))
        return;
    sem_post(&m_wake);
}

void BuiltinSynth::chooseSoundFont(const QString &path)
{
    std::lock_guard lock(m_mutex);
    // The same choice again is looked at anew only while it cannot be
    // played, and only once it looks playable.
    if (path == m_chosen
        && (m_problem.isEmpty() || SoundFontSearch::fault(path) != SoundFontSearch::Fault::None
            || failedBefore(path)))
        return;
    m_chosen = path;
    if (loadState() == Load::Idle)
        return;
    QString found;
    QString problem;
    if (!resolve(found, problem)) {
        // Nothing else to play: what plays plays on.
        m_problem = problem;
        return;
    }
    if (found == m_path && loadState() != Load::Failed) {
        m_problem = problem;
        return;
    }
    if (loadState() == Load::Failed) {
        m_path = found;
        m_loadStart = Clock::now();
        m_failureReported = false;
        setState(Load::Loading);
    }
    m_next = found;
    m_nextProblem = problem;
    m_reload = true;
    sem_post(&m_wake);
}

QString BuiltinSynth::soundFont() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}

QString BuiltinSynth::soundFontProblem() const
{
    std::lock_guard lock(m_mutex);
    return m_problem;
}

double BuiltinSynth::loadMilliseconds() const
{
    std::lock_guard lock(m_mutex);
    return m_loadMs;
}

bool BuiltinSynth::waiting() const
{
    return m_written.load(std::memory_order_acquire) != m_read.load(std::memory_order_acquire);
}

bool BuiltinSynth::push(const std::uint8_t *bytes, std::size_t size)
{
    const std::size_t written = m_written.load(std::memory_order_relaxed);
    if (written - m_read.load(std::memory_order_acquire) >= MaxPending)
        return false;
    Message &slot = m_waiting[written % MaxPending];
    slot.at = Clock::now();
    slot.bytes = {0, 0, 0};
    std::copy(bytes, bytes + size, slot.bytes.begin());
    slot.size = std::uint8_t(size);
    m_written.store(written + 1, std::memory_order_release);
    return true;
}

// What has to load an instrument or a sample first, and so is the thread's
// to play. Holding the synthesizer.
bool BuiltinSynth::needsThread(const std::uint8_t *bytes, std::size_t size) const
{
    const int kind = bytes[0] & 0xF0;
    if (kind == 0xC0 || bytes[0] == 0xFF)
        return true;
    if (!isNoteOn(bytes, size))
        return false;
    const int channel = bytes[0] & 0x0F;
    return !(m_ready.load(std::memory_order_acquire) & (1u << channel))
           || (m_font && !m_font->ready(m_presets[std::size_t(channel)].load(std::memory_order_acquire), bytes[1] & 0x7F,
                                         bytes[2] & 0x7F));
}

void BuiltinSynth::send(const std::uint8_t *bytes, std::size_t size)
{
    if (size == 0 || size > 3)
        return;
    const Load state = loadState();
    if (state == Load::Failed) {
        if (!m_failureReported.exchange(true))
            throw MidiError(MidiError::SoundFontFailed, m_failure);
        return;
    }
    // What a message needs is looked at holding the synthesizer, as a new
    // SoundFont replaces what it looks at.
    if (state == Load::Ready && !waiting() && !m_busy.test_and_set(std::memory_order_acquire)) {
        if (!needsThread(bytes, size)) {
            apply(m_synth, Message{{}, {bytes[0], size > 1 ? bytes[1] : std::uint8_t(0), size > 2 ? bytes[2] : std::uint8_t(0)},
                                   std::uint8_t(size)});
            m_busy.clear(std::memory_order_release);
            if (isNoteOn(bytes, size))
                sem_post(&m_wake);
            return;
        }
        m_busy.clear(std::memory_order_release);
    }
    if (push(bytes, size))
        sem_post(&m_wake);
}

// Takes the synthesizer from whoever plays into it now; a sender holds it
// for one message.
void BuiltinSynth::lockSynth() const
{
    while (m_busy.test_and_set(std::memory_order_acquire))
        std::this_thread::yield();
}

void BuiltinSynth::drain()
{
    lockSynth();
    for (;;) {
        while (waiting()) {
            const std::size_t read = m_read.load(std::memory_order_relaxed);
            const Message message = m_waiting[read % MaxPending];
            m_read.store(read + 1, std::memory_order_release);
            play(message);
        }
        m_busy.clear(std::memory_order_release);
        // A message left while the synthesizer was let go is played here.
        if (!waiting() || m_busy.test_and_set(std::memory_order_acquire))
            return;
    }
}

// On the thread, holding the synthesizer: loads what the message needs.
void BuiltinSynth::play(const Message &message)
{
    if (!m_synth)
        return;
    if (message.size == 0) {
        fluid_synth_all_sounds_off(m_synth, -1);
        return;
    }
    const std::uint8_t *bytes = message.bytes.data();
    if (isNoteOn(bytes, message.size) && Clock::now() - message.at > MaxPendingAge)
        return;
    const unsigned channel = 1u << (bytes[0] & 0x0F);
    if (bytes[0] == 0xFF) {
        fluid_synth_system_reset(m_synth);
        for (auto &program : m_programs)
            program.store(0, std::memory_order_relaxed);
        noteChannels(AllChannels);
        m_ready.store(AllChannels, std::memory_order_release);
        return;
    }
    if ((bytes[0] & 0xF0) == 0xC0) {
        fluid_synth_program_change(m_synth, bytes[0] & 0x0F, bytes[1] & 0x7F);
        m_programs[bytes[0] & 0x0F].store(bytes[1] & 0x7F, std::memory_order_relaxed);
        noteChannels(channel);
        m_ready.fetch_or(channel, std::memory_order_acq_rel);
        return;
    }
    if (isNoteOn(bytes, message.size)) {
        if (!(m_ready.load(std::memory_order_acquire) & channel)) {
            // A channel's first note plays its General MIDI default, piano
            // or, on channel 10, the drums.
            fluid_synth_program_change(m_synth, bytes[0] & 0x0F, 0);
            m_programs[bytes[0] & 0x0F].store(0, std::memory_order_relaxed);
            noteChannels(channel);
            m_ready.fetch_or(channel, std::memory_order_acq_rel);
        }
        if (m_font)
            m_font->prepare(m_presets[bytes[0] & 0x0F].load(std::memory_order_relaxed), bytes[1] & 0x7F,
                            bytes[2] & 0x7F);
    }
    apply(m_synth, message);
}

// On the thread, holding the synthesizer: what the channels now play.
void BuiltinSynth::noteChannels(unsigned channels)
{
    for (int channel = 0; channel < 16; ++channel) {
        if (channels & (1u << channel))
            m_presets[std::size_t(channel)].store(m_font ? m_font->channelPreset(m_synth, channel) : nullptr,
                                                  std::memory_order_release);
    }
}

void BuiltinSynth::apply(fluid_synth_t *synth, const Message &message)
{
    const std::uint8_t *bytes = message.bytes.data();
    const std::size_t size = message.size;
    const int status = bytes[0];
    const int channel = status & 0x0F;
    const int data1 = size > 1 ? bytes[1] & 0x7F : 0;
    const int data2 = size > 2 ? bytes[2] & 0x7F : 0;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, data1);
        break;
    case 0x90:
        if (data2 > 0) {
            fluid_synth_noteon(synth, channel, data1, data2);
            if (m_engine)
                m_engine->noteStarted();
        } else {
            fluid_synth_noteoff(synth, channel, data1);
        }
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, data1, data2);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    default:
        break;
    }
}

// The synthesizer's own thread: loads, plays what waits, and wakes a
// resting output for a note, none of which a sender may wait for.
void BuiltinSynth::run()
{
    for (;;) {
        while (sem_wait(&m_wake) != 0 && errno == EINTR) {
        }
        QString path;
        QString problem;
        bool reload = false;
        {
            std::lock_guard lock(m_mutex);
            if (m_quit)
                return;
            reload = std::exchange(m_reload, false);
            path = m_next;
            problem = m_nextProblem;
        }
        if (reload)
            loadOrFallBack(path, problem);
        if (loadState() == Load::Failed) {
            m_read.store(m_written.load(std::memory_order_acquire), std::memory_order_release);
            continue;
        }
        drain();
        if (m_quietAsked.exchange(false, std::memory_order_acq_rel) && m_engine) {
            lockSynth();
            if (m_synth)
                m_engine->silence(m_synth);
            m_busy.clear(std::memory_order_release);
        }
        if (loadState() == Load::Loading && m_synth) {
            {
                std::lock_guard lock(m_mutex);
                m_loadMs = std::chrono::duration<double, std::milli>(Clock::now() - m_loadStart).count();
            }
            setState(Load::Ready);
            // Whatever came between the last look and Ready.
            drain();
        }
        if (m_engine)
            m_engine->wake();
    }
}

// A chosen file that will not load is told, and the first found plays.
void BuiltinSynth::loadOrFallBack(QString path, QString problem)
{
    bool loaded = load(path, problem);
    QString chosen;
    {
        std::lock_guard lock(m_mutex);
        chosen = m_chosen;
    }
    if (!loaded && path == chosen) {
        {
            std::lock_guard lock(m_mutex);
            m_unloadable = path;
            m_unloadableAt = QFileInfo(path).lastModified();
        }
        const SoundFontSearch search = SoundFontSearch::standard();
        const QString found = search.find();
        problem = tr("The SoundFont chosen in MIDI Setup, %1, could not be loaded.").arg(path);
        if (!found.isEmpty() && found != path) {
            problem += QLatin1Char(' ') + playsInstead(found, search);
            path = found;
            loaded = load(path, problem);
        }
    }
    if (loaded)
        return;
    std::lock_guard lock(m_mutex);
    const QString failure = tr("The built-in synthesizer could not load the SoundFont %1.").arg(path);
    if (loadState() == Load::Loading) {
        m_failure = failure;
        m_path = path;
        m_problem = problem;
        setState(Load::Failed);
    } else {
        // What plays plays on.
        m_problem = (problem + QLatin1Char(' ') + failure).trimmed();
    }
}

// Reads the SoundFont's list of instruments; each channel given one before
// is given it again from the new SoundFont while the old one plays on.
bool BuiltinSynth::load(const QString &path, const QString &problem)
{
    // A SoundFont that will not load is told once, through the program.
    FluidOutput::quietLogs();
    fluid_settings_t *settings = new_fluid_settings();
    // Renders at the rate the output really runs at, or every note is out of tune.
    fluid_settings_setnum(settings, "synth.sample-rate",
                          m_engine ? m_engine->sampleRate() : AudioEngine::SampleRate);
    // FluidSynth's default gain of 0.2 is faint: at 1.4 an A4 at velocity
    // 100 peaks about -16 dBFS, within a few dB of the lesson sounds as the
    // engine mixes them, and a three-note chord at full velocity high up
    // still stays below full scale.
    fluid_settings_setnum(settings, "synth.gain", 1.4);
    // Should FluidSynth's own loader read the file, an instrument's samples
    // are read when a channel is given it: opening MuseScore's 40 MB
    // SoundFont whole took 5 s and 240 MB.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t *synth = new_fluid_synth(settings);
    // FluidSynth's own loader for what this program's reader refuses.
    LazySoundFont *font = synth ? LazySoundFont::install(synth, path) : nullptr;
    const bool loaded =
        synth && (font || fluid_synth_sfload(synth, QFile::encodeName(path).constData(), 0) != FLUID_FAILED);
    if (!loaded) {
        if (synth)
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return false;
    }
    // Only this thread gives channels their instruments.
    const unsigned ready = m_synth ? m_ready.load(std::memory_order_acquire) : 0;
    for (int channel = 0; channel < 16; ++channel) {
        if (ready & (1u << channel))
            fluid_synth_program_change(synth, channel, m_programs[std::size_t(channel)].load(std::memory_order_relaxed));
    }
    fluid_synth_t *old = nullptr;
    fluid_settings_t *oldSettings = nullptr;
    {
        std::lock_guard lock(m_mutex);
        lockSynth();
        const bool attached = m_attached;
        attach(false);
        old = std::exchange(m_synth, synth);
        m_font = font;
        noteChannels(AllChannels);
        oldSettings = std::exchange(m_settings, settings);
        m_ready.store(ready, std::memory_order_release);
        m_busy.clear(std::memory_order_release);
        if (attached || m_open)
            attach(true);
        m_path = path;
        m_problem = problem;
    }
    if (old)
        delete_fluid_synth(old);
    if (oldSettings)
        delete_fluid_settings(oldSettings);
    return true;
}

// FluidSynth's own answer would wait while an instrument loads.
int BuiltinSynth::program(int channel) const
{
    if (loadState() != Load::Ready || channel < 0 || channel > 15
        || !(m_ready.load(std::memory_order_acquire) & (1u << channel)))
        return -1;
    return m_programs[std::size_t(channel)].load(std::memory_order_relaxed);
}

bool BuiltinSynth::settled() const
{
    return loadState() == Load::Ready && !waiting() && !m_busy.test(std::memory_order_acquire);
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
    if (loadState() != Load::Ready || frames <= 0 || waiting()
        || m_busy.test_and_set(std::memory_order_acquire))
        return samples;
    fluid_synth_write_s16(m_synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    m_busy.clear(std::memory_order_release);
    return samples;
}

// Under m_mutex.
void BuiltinSynth::attach(bool on)
{
    if (!m_engine || on == m_attached || (on && !m_synth))
        return;
    if (on)
        m_engine->attachSynth(m_synth, [this] { quiet(); });
    else
        m_engine->attachSynth(nullptr);
    m_attached = on;
}

// From the engine's thread: the thread stops every sound and runs the
// effects empty, where waiting for FluidSynth harms nobody.
void BuiltinSynth::quiet()
{
    m_quietAsked.store(true, std::memory_order_release);
    sem_post(&m_wake);
}

} // namespace staverly
