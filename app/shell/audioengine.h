#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <vector>

struct _fluid_audio_driver_t;
struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace staverly {

struct WaveFile;

// The program's one audio output: FluidSynth's audio driver (PulseAudio,
// ALSA or JACK, whichever starts) with the built-in synthesizer and the short
// lesson sounds mixed in its callback. Qt's own audio needs a PulseAudio
// server, which a plain ALSA desktop lacks.
class AudioEngine
{
public:
    static constexpr int SampleRate = 48000;
    static constexpr int PeriodSize = 64;
    static constexpr int Periods = 2;

    AudioEngine();
    ~AudioEngine();
    AudioEngine(const AudioEngine &) = delete;
    AudioEngine &operator=(const AudioEngine &) = delete;

    static QStringList defaultDrivers();

    // Tries each driver in turn; false with error() when none starts.
    bool start(const QStringList &drivers = defaultDrivers());
    void stop();
    bool isRunning() const { return m_driver != nullptr; }
    QString driverName() const { return m_driverName; }
    QString error() const { return m_error; }
    // The configured buffering, periods x period size / rate.
    double latencyMs() const;
    // Frames a second the output really runs at: a JACK server keeps its own
    // rate, whatever was asked for. SampleRate while stopped.
    int sampleRate() const { return m_rate; }

    // Starts a sound, cutting off the one still playing.
    void playClip(const WaveFile &wave);
    void stopClip();
    bool clipPlaying() const;

    // The synthesizer renders into the same output; null detaches it.
    void attachSynth(_fluid_synth_t *synth);

    // One period of output, as the driver asks for it; public for offline use.
    void render(int frames, float *left, float *right);

private:
    struct Clip
    {
        std::vector<float> left;
        std::vector<float> right;
    };

    static int callback(void *data, int len, int nfx, float *fx[], int nout, float *out[]);

    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_audio_driver_t *m_driver = nullptr;
    QString m_driverName;
    QString m_error;
    int m_rate = SampleRate;

    mutable std::mutex m_mutex;
    std::shared_ptr<const Clip> m_clip;
    std::size_t m_position = 0;
    _fluid_synth_t *m_synth = nullptr;
};

} // namespace staverly
