#pragma once

#include "defaultoutput.h"
#include "soundfontsearch.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <chrono>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace staverly {

class AudioEngine;

// Output device -1: a FluidSynth synthesizer with a General MIDI SoundFont,
// sounding through the program's one audio output. The SoundFont loads on a
// worker thread so opening never holds up the window; messages sent
// meanwhile are kept and played once it is loaded.
class BuiltinSynth : public DefaultOutput
{
    Q_DECLARE_TR_FUNCTIONS(BuiltinSynth)

public:
    // Messages kept while loading; note-ons older than MaxPendingAge are
    // dropped when loading ends, everything else is played.
    static constexpr std::size_t MaxPending = 256;
    static constexpr std::chrono::milliseconds MaxPendingAge{1000};

    static QString displayName();

    // With no engine the synthesizer only renders offline (renderOffline).
    explicit BuiltinSynth(AudioEngine *engine, SoundFontSearch search = SoundFontSearch::standard());
    ~BuiltinSynth() override;
    BuiltinSynth(const BuiltinSynth &) = delete;
    BuiltinSynth &operator=(const BuiltinSynth &) = delete;

    QString name() const override { return displayName(); }
    // Fails when no SoundFont is found, the last load failed, or no audio
    // output starts; then the program goes on silent.
    void open() override;
    void close() override;
    void send(const std::uint8_t *bytes, std::size_t size) override;

    // The SoundFont is loaded on a thread of its own at the first open.
    enum class Load { Idle, Loading, Ready, Failed };
    Load loadState() const;
    QString soundFontPath() const;
    // From the first open to the SoundFont being ready; negative until then.
    double loadMilliseconds() const;
    // The General MIDI program a channel plays; -1 until loaded.
    int program(int channel) const;
    // The buffering asked of the audio output; 0 offline.
    double latencyMs() const;
    // From a note-on to the note leaving for the loudspeakers, as the audio
    // output in use measures it; 0 offline or while nothing plays.
    double measuredLatencyMs() const override;
    // The audio driver playing now ("pulseaudio", "alsa", "jack"); empty
    // offline or while none plays.
    QString driverName() const override;
    // The audio output gone away while open; load failures are told by open().
    QString problem() const override;

    // Interleaved stereo, rendered here and now without any audio driver;
    // silence until loaded. Only for a synthesizer without an engine.
    std::vector<qint16> renderOffline(int frames);

private:
    using Clock = std::chrono::steady_clock;

    struct Pending
    {
        Clock::time_point at;
        std::array<std::uint8_t, 3> bytes;
        std::size_t size;
    };

    void load();
    void keep(const std::uint8_t *bytes, std::size_t size);
    void replay();
    void apply(const std::uint8_t *bytes, std::size_t size);
    void attach(bool on);

    AudioEngine *m_engine;
    SoundFontSearch m_search;

    mutable std::mutex m_mutex;
    Load m_load = Load::Idle;
    bool m_open = false;
    bool m_attached = false;
    bool m_failureReported = false;
    QString m_path;
    QString m_failure;
    Clock::time_point m_loadStart;
    double m_loadMs = -1.0;
    std::deque<Pending> m_pending;
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_synth_t *m_synth = nullptr;
    std::thread m_loader;
};

} // namespace staverly
