// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "defaultoutput.h"
#include "lazysoundfont.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <semaphore.h>
#include <thread>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace staverly {

class AudioEngine;
struct SoundFontSearch;

// Output device -1: a FluidSynth synthesizer with a General MIDI SoundFont,
// the one chosen or else the first found, sounding through the program's one
// audio output.
//
// Only what is played is loaded: opening reads the SoundFont's lists of
// instruments, a matter of milliseconds whatever its size, and a sample is
// read (and decoded, from an SF3 file) when a note first needs it. That
// happens on the synthesizer's own thread, so no sender ever waits: a
// message is played at once when the synthesizer is free and has what it
// needs, and otherwise waits in order for that thread, as every message does
// while a sample loads.
class BuiltinSynth : public DefaultOutput
{
    Q_DECLARE_TR_FUNCTIONS(BuiltinSynth)

public:
    // Messages that can wait at once; beyond that new ones are dropped.
    // Note-ons that waited longer than MaxPendingAge are not played late.
    static constexpr std::size_t MaxPending = 4096;
    // As long as a MIDI answer may wait to be judged.
    static constexpr std::chrono::milliseconds MaxPendingAge{2000};

    static QString displayName();

    // With no engine the synthesizer only renders offline (renderOffline).
    explicit BuiltinSynth(AudioEngine *engine);
    ~BuiltinSynth() override;
    BuiltinSynth(const BuiltinSynth &) = delete;
    BuiltinSynth &operator=(const BuiltinSynth &) = delete;

    QString name() const override { return displayName(); }
    // Fails when no SoundFont is found, the last load failed, or no audio
    // output starts; then the program goes on silent.
    void open() override;
    void close() override;
    // From any thread, one at a time; never waits and never allocates.
    void send(const std::uint8_t *bytes, std::size_t size) override;

    // Empty takes the first found. A new choice is loaded while the old one
    // plays on; a chosen file that cannot be played is told once through
    // soundFontProblem() and the first found plays instead, until the chosen
    // one is chosen again and can be.
    void chooseSoundFont(const QString &path) override;
    QString soundFont() const override;
    QString soundFontProblem() const override;

    enum class Load { Idle, Loading, Ready, Failed };
    Load loadState() const;
    QString soundFontPath() const { return soundFont(); }
    // From the first open to the SoundFont read and the instruments asked
    // for meanwhile loaded; negative until then.
    double loadMilliseconds() const;
    // The General MIDI program a channel plays; -1 until it has one. Never
    // waits for an instrument to load.
    int program(int channel) const;
    // Loaded, and everything sent before played, its instruments loaded.
    bool settled() const;
    // The buffering asked of the audio output; 0 offline.
    double latencyMs() const;
    double measuredLatencyMs() const override;
    QString driverName() const override;
    // The audio output gone away while open; load failures are told by open().
    QString problem() const override;

    // Interleaved stereo, rendered here and now without any audio driver;
    // silence, and nothing rendered, until settled(): it never waits for an
    // instrument to load. Only for a synthesizer without an engine.
    std::vector<qint16> renderOffline(int frames);

private:
    using Clock = std::chrono::steady_clock;

    struct Message
    {
        Clock::time_point at;
        std::array<std::uint8_t, 3> bytes;
        // 0: every sound on every channel off, as the port closes.
        std::uint8_t size;
    };

    void run();
    bool resolve(QString &path, QString &problem) const;
    void loadOrFallBack(QString path, QString problem);
    bool load(const QString &path, const QString &problem);
    bool failedBefore(const QString &path) const;
    static QString playsInstead(const QString &found, const SoundFontSearch &search);
    void play(const Message &message);
    void apply(_fluid_synth_t *synth, const Message &message);
    void noteChannels(unsigned channels);
    bool needsThread(const std::uint8_t *bytes, std::size_t size) const;
    bool push(const std::uint8_t *bytes, std::size_t size);
    bool waiting() const;
    void drain();
    void lockSynth() const;
    void attach(bool on);
    void setState(Load state);
    void quiet();

    AudioEngine *m_engine;

    // Who plays into the synthesizer now: a sender, or the thread.
    mutable std::atomic_flag m_busy = ATOMIC_FLAG_INIT;
    std::atomic<int> m_state{int(Load::Idle)};
    // The channels that have their instrument, and which; written only by
    // the thread.
    std::atomic<unsigned> m_ready{0};
    std::array<std::atomic<int>, 16> m_programs{};
    // The engine asks for every sound to be stopped.
    std::atomic<bool> m_quietAsked{false};
    std::atomic<bool> m_failureReported{false};
    // Written before the state turns Failed, read only after.
    QString m_failure;
    // Held only while m_busy is.
    _fluid_synth_t *m_synth = nullptr;
    // Null when FluidSynth's own loader read the file.
    LazySoundFont *m_font = nullptr;
    // What each channel plays, of m_font; written only by the thread.
    std::array<std::atomic<const LazySoundFont::Preset *>, 16> m_presets{};
    _fluid_hashtable_t *m_settings = nullptr;

    // One writer, the sender; one reader, whoever holds m_busy.
    std::vector<Message> m_waiting = std::vector<Message>(MaxPending);
    std::atomic<std::size_t> m_written{0};
    std::atomic<std::size_t> m_read{0};

    // Never taken by a sender.
    mutable std::mutex m_mutex;
    bool m_open = false;
    bool m_attached = false;
    bool m_quit = false;
    bool m_reload = false;
    QString m_chosen;
    // What plays (or loads first), and why it is not the chosen file.
    QString m_path;
    QString m_problem;
    // What the thread is to load next.
    QString m_next;
    QString m_nextProblem;
    // A chosen file that would not load, as it was then.
    QString m_unloadable;
    QDateTime m_unloadableAt;
    Clock::time_point m_loadStart;
    double m_loadMs = -1.0;

    sem_t m_wake;
    std::thread m_thread;
};

} // namespace staverly
