// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"

#include "fluidoutput.h"
#include "jackoutput.h"
#include "pulseoutput.h"
#include "wavefile.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cmath>
#include <utility>
#include <fluidsynth.h>

namespace staverly {

namespace {

// How long the synthesizer's reverb and chorus ring on after its last voice
// has ended: a second later they are below -130 dBFS, silent for good, and
// need not be rendered.
constexpr int TailMs = 1000;
// About -120 dBFS: below anything a 16-bit output can show.
constexpr float QuietLevel = 1e-6f;

float sampleAt(const QByteArray &data, qsizetype frame, int channel, const WaveFile &wave)
{
    const int channels = wave.channels;
    const int ch = std::min(channel, channels - 1);
    if (wave.bitsPerSample == 8) {
        const auto raw = quint8(data.at(frame * channels + ch));
        return (float(raw) - 128.0f) / 128.0f;
    }
    const auto raw = qFromLittleEndian<qint16>(data.constData() + 2 * (frame * channels + ch));
    return float(raw) / 32768.0f;
}

} // namespace

AudioEngine::AudioEngine(std::chrono::milliseconds pauseAfter)
    : m_pauseAfter(pauseAfter)
{
    FluidOutput::quietLogs();
}

AudioEngine::~AudioEngine()
{
    stop();
}

QStringList AudioEngine::defaultDrivers()
{
    return {QStringLiteral("pulseaudio"), QStringLiteral("alsa"), QStringLiteral("jack")};
}

bool AudioEngine::start(const QStringList &drivers)
{
    std::lock_guard lock(m_outputMutex);
    if (m_started)
        return true;
    // Trying every driver takes milliseconds: a sound asked for after each
    // answer on a computer without any must not hold up the lesson.
    if (drivers == m_failedDrivers && m_failedAt.isValid() && m_failedAt.elapsed() < RetryFailedAfter.count())
        return false;
    ++m_openAttempts;
    QStringList failures;
    auto output = open(drivers, m_pauseAfter, failures);
    if (!output) {
        m_error = QCoreApplication::translate("AudioEngine", "No audio output could be opened.\n%1").arg(failures.join('\n'));
        m_failedDrivers = drivers;
        m_failedAt.start();
        return false;
    }
    m_failedDrivers.clear();
    m_error.clear();
    m_drivers = drivers;
    m_started = true;
    m_lost = false;
    install(std::move(output));
    m_supervisor = std::thread([this] { supervise(); });
    return true;
}

void AudioEngine::stop()
{
    std::unique_ptr<AudioOutput> output;
    std::thread supervisor;
    {
        std::lock_guard lock(m_outputMutex);
        m_started = false;
        m_lost = false;
        output = std::move(m_output);
        supervisor = std::move(m_supervisor);
    }
    m_supervisorWake.notify_all();
    if (supervisor.joinable())
        supervisor.join();
    output.reset();
    std::lock_guard lock(m_mutex);
    m_rate = SampleRate;
}

bool AudioEngine::isRunning() const
{
    std::lock_guard lock(m_outputMutex);
    return m_started;
}

QString AudioEngine::driverName() const
{
    std::lock_guard lock(m_outputMutex);
    return m_output ? m_output->driverName() : QString();
}

QString AudioEngine::problem() const
{
    std::lock_guard lock(m_outputMutex);
    return m_lost ? QCoreApplication::translate("AudioEngine", "The sound output has gone away; Staverly tries again.") : QString();
}

double AudioEngine::latencyMs() const
{
    std::lock_guard lock(m_outputMutex);
    return m_output ? m_output->requestedLatencyMs() : 1000.0 * Periods * PeriodSize / SampleRate;
}

double AudioEngine::measuredLatencyMs() const
{
    std::lock_guard lock(m_outputMutex);
    return m_output ? m_output->measuredLatencyMs() : 0.0;
}

int AudioEngine::sampleRate() const
{
    std::lock_guard lock(m_mutex);
    return m_rate;
}

bool AudioEngine::isPaused() const
{
    std::lock_guard lock(m_outputMutex);
    return m_output && m_output->paused();
}

void AudioEngine::wake()
{
    std::lock_guard lock(m_outputMutex);
    if (m_output)
        m_output->wake();
}

std::unique_ptr<AudioOutput> AudioEngine::open(const QStringList &drivers,
                                               std::chrono::milliseconds pauseAfter,
                                               QStringList &failures)
{
    const AudioOutput::Render render = [this](int frames, float *left, float *right) {
        return this->render(frames, left, right);
    };
    for (const QString &name : drivers) {
        QString error;
        std::unique_ptr<AudioOutput> output;
        if (name == QLatin1String("pulseaudio"))
            output = PulseOutput::open(render, pauseAfter, error);
        else if (name == QLatin1String("jack"))
            output = JackOutput::open(render, error);
        else
            output = FluidOutput::open(name, render, error);
        if (output)
            return output;
        failures << (error.isEmpty() ? name : name + QStringLiteral(": ") + error);
    }
    return nullptr;
}

// Under m_outputMutex.
void AudioEngine::install(std::unique_ptr<AudioOutput> output)
{
    {
        std::lock_guard lock(m_mutex);
        m_rate = output->sampleRate();
    }
    m_output = std::move(output);
}

// On its own thread while started: notices a lost output, lets it go, and
// opens one again as soon as a server answers.
void AudioEngine::supervise()
{
    std::unique_lock lock(m_outputMutex);
    while (m_started) {
        m_supervisorWake.wait_for(lock, RetryEvery);
        if (!m_started)
            break;
        if (m_output && m_output->lost()) {
            auto lost = std::move(m_output);
            m_lost = true;
            lock.unlock();
            lost.reset();
            drainSynth();
            lock.lock();
            continue;
        }
        if (m_output)
            continue;
        const QStringList drivers = m_drivers;
        const auto pauseAfter = m_pauseAfter;
        lock.unlock();
        forgetPending();
        QStringList failures;
        auto output = open(drivers, pauseAfter, failures);
        lock.lock();
        if (output && m_started) {
            install(std::move(output));
            m_lost = false;
        }
    }
}

// What was asked for while no output played is not played late.
void AudioEngine::forgetPending()
{
    {
        std::lock_guard lock(m_mutex);
        m_clip.reset();
        m_position = 0;
    }
    // Only a note started since it was last quieted can still sound.
    if (m_noteStarted.exchange(false, std::memory_order_acq_rel))
        quietSynth();
}

// The output went away in the middle of a sound: the synthesizer's reverb
// and chorus still hold it, and would play it on the next output.
void AudioEngine::drainSynth()
{
    quietSynth();
}

void AudioEngine::quietSynth()
{
    std::function<void()> quiet;
    {
        std::lock_guard lock(m_mutex);
        if (!m_synth || !m_quiet || m_synthHeld)
            return;
        m_synthHeld = true;
        quiet = m_quiet;
    }
    quiet();
}

void AudioEngine::silence(fluid_synth_t *synth)
{
    if (synth) {
        fluid_synth_all_sounds_off(synth, -1);
        // Run empty as the output would have.
        constexpr int Chunk = 1024;
        std::vector<float> left(Chunk), right(Chunk);
        const std::int64_t tail = std::int64_t(sampleRate()) * TailMs / 1000;
        for (std::int64_t done = 0; done < tail; done += Chunk) {
            std::fill(left.begin(), left.end(), 0.0f);
            std::fill(right.begin(), right.end(), 0.0f);
            float *dry[2] = {left.data(), right.data()};
            float *fx[4] = {left.data(), right.data(), left.data(), right.data()};
            fluid_synth_process(synth, Chunk, 4, fx, 2, dry);
        }
    }
    std::lock_guard lock(m_mutex);
    m_synthHeld = false;
}

void AudioEngine::playClip(const WaveFile &wave)
{
    auto clip = std::make_shared<Clip>();
    const int rate = sampleRate();
    const qsizetype frames =
        wave.samples.size() / (wave.channels * (wave.bitsPerSample / 8));
    if (frames > 0) {
        // Linear resampling to the output rate is plenty for short effects.
        const double step = double(wave.sampleRate) / rate;
        const auto outFrames = std::size_t(double(frames) / step);
        clip->left.resize(outFrames);
        clip->right.resize(outFrames);
        for (std::size_t i = 0; i < outFrames; ++i) {
            const double at = double(i) * step;
            const auto a = qsizetype(at);
            const qsizetype b = std::min(a + 1, frames - 1);
            const float t = float(at - double(a));
            for (int ch = 0; ch < 2; ++ch) {
                const float s = ClipGain
                                * (sampleAt(wave.samples, a, ch, wave) * (1.0f - t)
                                   + sampleAt(wave.samples, b, ch, wave) * t);
                (ch == 0 ? clip->left : clip->right)[i] = s;
            }
        }
    }
    std::shared_ptr<const Clip> old;
    {
        std::lock_guard lock(m_mutex);
        old = std::exchange(m_clip, std::move(clip));
        m_position = 0;
    }
    wake();
}

void AudioEngine::stopClip()
{
    std::lock_guard lock(m_mutex);
    m_clip.reset();
    m_position = 0;
}

bool AudioEngine::clipPlaying() const
{
    std::lock_guard lock(m_mutex);
    return m_clip && m_position < m_clip->left.size();
}

void AudioEngine::attachSynth(fluid_synth_t *synth, std::function<void()> quiet)
{
    std::function<void()> old;
    std::lock_guard lock(m_mutex);
    m_synth = synth;
    old = std::exchange(m_quiet, std::move(quiet));
    m_quietFrames = 0;
}

bool AudioEngine::render(int frames, float *left, float *right)
{
    std::lock_guard lock(m_mutex);
    bool sounded = false;
    if (m_synth && !m_synthHeld && synthAwake(frames)) {
        float *dry[2] = {left, right};
        float *fx[4] = {left, right, left, right};
        fluid_synth_process(m_synth, frames, 4, fx, 2, dry);
        sounded = true;
        // The buffers hold only the synthesizer yet: anything above the
        // floor keeps it awake.
        for (int i = 0; i < frames; ++i) {
            if (std::abs(left[i]) > QuietLevel || std::abs(right[i]) > QuietLevel) {
                m_quietFrames = 0;
                break;
            }
        }
    }
    if (!m_clip)
        return sounded;
    const std::size_t length = m_clip->left.size();
    if (m_position >= length)
        return sounded;
    for (int i = 0; i < frames && m_position < length; ++i, ++m_position) {
        left[i] += m_clip->left[m_position];
        right[i] += m_clip->right[m_position];
    }
    // The finished clip is let go by the next sound or stopClip(), on the
    // user-interface thread: freeing memory has no place in an audio cycle.
    return true;
}

// Rendering silence 750 times a second was most of the idle cost on JACK:
// once the synthesizer has been silent for as long as its effects ring on,
// it is rendered again only after a note-on. Its own voice count would take
// FluidSynth's lock, which loading an instrument holds for up to seconds.
bool AudioEngine::synthAwake(int frames)
{
    if (m_noteStarted.exchange(false, std::memory_order_acq_rel))
        m_quietFrames = 0;
    if (m_quietFrames >= std::int64_t(m_rate) * TailMs / 1000)
        return false;
    m_quietFrames += frames;
    return true;
}

void AudioEngine::noteStarted()
{
    m_noteStarted.store(true, std::memory_order_release);
}

} // namespace staverly
