// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct _fluid_synth_t;

namespace staverly {

class AudioOutput;
struct WaveFile;

// The program's one audio output, with the built-in synthesizer and the
// short lesson sounds mixed in its callback: a PulseAudio stream, FluidSynth's
// ALSA driver or a JACK client, whichever starts first. Qt's own audio needs
// a PulseAudio server, which a plain ALSA desktop lacks.
//
// A sound server may go away and come back under the program: the output is
// then opened again by itself, and meanwhile everything goes on silently,
// with problem() saying so.
class AudioEngine
{
public:
    static constexpr int SampleRate = 48000;
    // What ALSA is asked for; JACK runs at the server's own period.
    static constexpr int PeriodSize = 64;
    static constexpr int Periods = 2;
    // Silence after which a PulseAudio stream is let go (see PulseOutput).
    static constexpr std::chrono::milliseconds PauseAfter{3000};
    // The lesson sounds peak near full scale, far above a played note: they
    // are mixed 6 dB down and the synthesizer is turned up (BuiltinSynth),
    // so that the two sit within a few dB of each other.
    static constexpr float ClipGain = 0.5f;
    // How often a lost output is tried again.
    static constexpr std::chrono::milliseconds RetryEvery{250};
    // How long start() with the same drivers gives up at once after none
    // would open.
    static constexpr std::chrono::milliseconds RetryFailedAfter{3000};

    // pauseAfter: the silence after which a PulseAudio stream rests.
    explicit AudioEngine(std::chrono::milliseconds pauseAfter = PauseAfter);
    ~AudioEngine();
    AudioEngine(const AudioEngine &) = delete;
    AudioEngine &operator=(const AudioEngine &) = delete;

    static QStringList defaultDrivers();

    // Tries each driver in turn; false with error() when none starts. Once
    // started, true until stop(), even while a lost output is being reopened.
    bool start(const QStringList &drivers = defaultDrivers());
    void stop();
    bool isRunning() const;
    // The driver playing now: "pulseaudio", "alsa" or "jack"; empty while none.
    QString driverName() const;
    QString error() const { return m_error; }
    // How many times start() has tried the drivers.
    int openAttempts() const { return m_openAttempts; }
    // For a small notice beside the window: empty while the output plays.
    QString problem() const;
    // The buffering asked of the driver in use.
    double latencyMs() const;
    // From a note or sound being started to its leaving for the loudspeakers,
    // as the driver in use measures it; 0 while nothing plays.
    double measuredLatencyMs() const;
    // Frames a second the output really runs at: a JACK server keeps its own
    // rate, whatever was asked for. SampleRate while stopped.
    int sampleRate() const;
    // Whether the output is resting after a silence (PulseAudio only).
    bool isPaused() const;

    // A sound is about to start: wakes a resting output.
    void wake();

    // Starts a sound, cutting off the one still playing.
    void playClip(const WaveFile &wave);
    void stopClip();
    bool clipPlaying() const;

    // The synthesizer renders into the same output; null detaches it.
    // Stopping its sounds is asked of `quiet`, which answers with silence()
    // from a thread of its own: FluidSynth's calls other than rendering wait
    // while an instrument loads, and the output's thread must never wait.
    void attachSynth(_fluid_synth_t *synth, std::function<void()> quiet = {});
    // Stops every sound of the synthesizer and runs its effects empty; from
    // the time quiet was asked until then the output renders without it.
    void silence(_fluid_synth_t *synth);
    // A note-on reached the synthesizer: it is rendered again from the next
    // period. From any thread; never waits.
    void noteStarted();

    // Adds one period of output to zeroed buffers, as the driver asks for
    // it; false when it was silence. Public for offline use.
    bool render(int frames, float *left, float *right);

private:
    struct Clip
    {
        std::vector<float> left;
        std::vector<float> right;
    };

    std::unique_ptr<AudioOutput> open(const QStringList &drivers, std::chrono::milliseconds pauseAfter,
                                      QStringList &failures);
    void install(std::unique_ptr<AudioOutput> output);
    void supervise();
    void forgetPending();
    void drainSynth();
    void quietSynth();
    bool synthAwake(int frames);

    QString m_error;

    // The output and what is known of it; never held while rendering.
    mutable std::mutex m_outputMutex;
    std::condition_variable m_supervisorWake;
    std::unique_ptr<AudioOutput> m_output;
    QStringList m_drivers;
    bool m_started = false;
    bool m_lost = false;
    QStringList m_failedDrivers;
    QElapsedTimer m_failedAt;
    int m_openAttempts = 0;
    const std::chrono::milliseconds m_pauseAfter;
    std::thread m_supervisor;

    // What the output's thread mixes.
    mutable std::mutex m_mutex;
    std::shared_ptr<const Clip> m_clip;
    std::size_t m_position = 0;
    _fluid_synth_t *m_synth = nullptr;
    std::function<void()> m_quiet;
    // Between asking quiet and silence().
    bool m_synthHeld = false;
    int m_rate = SampleRate;
    std::int64_t m_quietFrames = 0;
    std::atomic<bool> m_noteStarted{false};
};

} // namespace staverly
