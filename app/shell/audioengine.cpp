#include "audioengine.h"

#include "wavefile.h"

#include <QtEndian>
#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <jack/jack.h>

namespace staverly {

namespace {

thread_local QString lastFluidError;

void keepError(int level, const char *message, void *)
{
    if (level <= FLUID_ERR)
        lastFluidError = QString::fromLocal8Bit(message);
}

void alsaSilence(const char *, int, const char *, int, const char *, ...)
{
}

void quietLogs()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // ALSA prints its own complaints on a machine without a sound card;
        // the failure reaches the user once, through the program.
        snd_lib_error_set_handler(alsaSilence);
        fluid_set_log_function(FLUID_PANIC, keepError, nullptr);
        fluid_set_log_function(FLUID_ERR, keepError, nullptr);
        fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    });
}

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

// A JACK server runs at its own rate and FluidSynth's driver keeps the one
// asked for; ask the server. 0 when it does not answer.
int jackRate()
{
    jack_client_t *client = jack_client_open("staverly-rate", JackNoStartServer, nullptr);
    if (!client)
        return 0;
    const auto rate = int(jack_get_sample_rate(client));
    jack_client_close(client);
    return rate;
}

} // namespace

AudioEngine::AudioEngine()
{
    quietLogs();
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
    if (m_driver)
        return true;
    QStringList failures;
    for (const QString &name : drivers) {
        // FluidSynth's JACK driver starts a server of its own when none runs,
        // which takes seconds and may take the sound card from the desktop:
        // only a server that already runs is used.
        if (name == QLatin1String("jack") && jackRate() <= 0) {
            failures << QStringLiteral("jack: no JACK server is running");
            continue;
        }
        fluid_settings_t *settings = new_fluid_settings();
        fluid_settings_setstr(settings, "audio.driver", name.toLatin1().constData());
        fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
        fluid_settings_setint(settings, "audio.period-size", PeriodSize);
        fluid_settings_setint(settings, "audio.periods", Periods);
        fluid_settings_setstr(settings, "audio.jack.id", "staverly");
        fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
        lastFluidError.clear();
        fluid_audio_driver_t *driver = new_fluid_audio_driver2(settings, callback, this);
        if (driver) {
            const int rate = name == QLatin1String("jack") ? jackRate() : 0;
            m_rate = rate > 0 ? rate : SampleRate;
            m_settings = settings;
            m_driver = driver;
            m_driverName = name;
            m_error.clear();
            return true;
        }
        delete_fluid_settings(settings);
        failures << (lastFluidError.isEmpty() ? name : name + QStringLiteral(": ") + lastFluidError);
    }
    m_error = QStringLiteral("No audio output could be opened.\n%1").arg(failures.join('\n'));
    return false;
}

void AudioEngine::stop()
{
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    if (m_settings)
        delete_fluid_settings(m_settings);
    m_driver = nullptr;
    m_settings = nullptr;
    m_driverName.clear();
    m_rate = SampleRate;
}

double AudioEngine::latencyMs() const
{
    return 1000.0 * Periods * PeriodSize / m_rate;
}

void AudioEngine::playClip(const WaveFile &wave)
{
    auto clip = std::make_shared<Clip>();
    const qsizetype frames =
        wave.samples.size() / (wave.channels * (wave.bitsPerSample / 8));
    if (frames > 0) {
        // Linear resampling to the output rate is plenty for short effects.
        const double step = double(wave.sampleRate) / m_rate;
        const auto outFrames = std::size_t(double(frames) / step);
        clip->left.resize(outFrames);
        clip->right.resize(outFrames);
        for (std::size_t i = 0; i < outFrames; ++i) {
            const double at = double(i) * step;
            const auto a = qsizetype(at);
            const qsizetype b = std::min(a + 1, frames - 1);
            const float t = float(at - double(a));
            for (int ch = 0; ch < 2; ++ch) {
                const float s = sampleAt(wave.samples, a, ch, wave) * (1.0f - t)
                                + sampleAt(wave.samples, b, ch, wave) * t;
                (ch == 0 ? clip->left : clip->right)[i] = s;
            }
        }
    }
    std::lock_guard lock(m_mutex);
    m_clip = std::move(clip);
    m_position = 0;
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

void AudioEngine::attachSynth(fluid_synth_t *synth)
{
    std::lock_guard lock(m_mutex);
    m_synth = synth;
}

void AudioEngine::render(int frames, float *left, float *right)
{
    std::lock_guard lock(m_mutex);
    if (m_synth) {
        float *dry[2] = {left, right};
        float *fx[4] = {left, right, left, right};
        fluid_synth_process(m_synth, frames, 4, fx, 2, dry);
    }
    if (!m_clip)
        return;
    const std::size_t length = m_clip->left.size();
    for (int i = 0; i < frames && m_position < length; ++i, ++m_position) {
        left[i] += m_clip->left[m_position];
        right[i] += m_clip->right[m_position];
    }
    if (m_position >= length)
        m_clip.reset();
}

int AudioEngine::callback(void *data, int len, int, float *[], int nout, float *out[])
{
    if (nout < 2)
        return FLUID_OK;
    static_cast<AudioEngine *>(data)->render(len, out[0], out[1]);
    return FLUID_OK;
}

} // namespace staverly
