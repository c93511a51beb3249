// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulseoutput.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <pulse/pulseaudio.h>

namespace staverly {

namespace {

constexpr pa_sample_spec Format{PA_SAMPLE_FLOAT32NE, PulseOutput::Rate, 2};
constexpr int ChunkFrames = 512;
constexpr std::size_t FrameBytes = 2 * sizeof(float);
// Connecting to a local server takes milliseconds; one that hangs must not
// freeze the window.
constexpr int ConnectTimeoutMs = 3000;

bool contextFailed(pa_context_state_t state)
{
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

bool streamFailed(pa_stream_state_t state)
{
    return state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

} // namespace

PulseOutput::PulseOutput(Render render, std::chrono::milliseconds pauseAfter)
    : m_render(std::move(render))
    , m_pauseFrames(std::int64_t(pauseAfter.count()) * Rate / 1000)
    , m_left(ChunkFrames)
    , m_right(ChunkFrames)
    , m_interleaved(2 * ChunkFrames)
{
}

std::unique_ptr<PulseOutput> PulseOutput::open(Render render, std::chrono::milliseconds pauseAfter,
                                               QString &error)
{
    std::unique_ptr<PulseOutput> output(new PulseOutput(std::move(render), pauseAfter));
    if (!output->connect(error))
        return nullptr;
    return output;
}

PulseOutput::~PulseOutput()
{
    if (!m_loop)
        return;
    // With the loop's thread gone no callback runs; a dead server is fine.
    if (m_running)
        pa_threaded_mainloop_stop(m_loop);
    closeStream();
    if (m_context) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_free(m_loop);
}

bool PulseOutput::connect(QString &error)
{
    m_loop = pa_threaded_mainloop_new();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Staverly");
    pa_context_set_state_callback(m_context, contextChanged, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0
        || pa_threaded_mainloop_start(m_loop) < 0) {
        error = QString::fromLocal8Bit(pa_strerror(pa_context_errno(m_context)));
        return false;
    }
    m_running = true;
    const auto contextState = [this] { return pa_context_get_state(m_context); };
    if (!waitUntil([&] { return contextState() == PA_CONTEXT_READY || contextFailed(contextState()); })
        || contextState() != PA_CONTEXT_READY) {
        error = QCoreApplication::translate("PulseOutput", "no PulseAudio server answers");
        return false;
    }

    pa_threaded_mainloop_lock(m_loop);
    const bool opened = openStream();
    pa_threaded_mainloop_unlock(m_loop);
    const auto streamState = [this] { return pa_stream_get_state(m_stream); };
    if (!opened
        || !waitUntil([&] { return streamState() == PA_STREAM_READY || streamFailed(streamState()); })
        || streamState() != PA_STREAM_READY) {
        error = QCoreApplication::translate("PulseOutput", "the PulseAudio server refused the stream");
        return false;
    }
    return true;
}

// Under the loop's lock. Connecting goes on without waiting: the server asks
// for sound once the stream is ready.
bool PulseOutput::openStream()
{
    m_stream = pa_stream_new(m_context, "Staverly", &Format, nullptr);
    if (!m_stream)
        return false;
    pa_stream_set_state_callback(m_stream, streamChanged, this);
    pa_stream_set_write_callback(m_stream, writable, this);
    pa_buffer_attr attr;
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(pa_usec_to_bytes(pa_usec_t(Latency.count()) * PA_USEC_PER_MSEC, &Format));
    attr.prebuf = std::uint32_t(-1);
    attr.minreq = std::uint32_t(-1);
    attr.fragsize = std::uint32_t(-1);
    // ADJUST_LATENCY makes tlength the latency of the whole way out, and lets
    // the server set its own buffer to match.
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING
                                         | PA_STREAM_AUTO_TIMING_UPDATE);
    m_silentFrames = 0;
    m_paused.store(false);
    return pa_stream_connect_playback(m_stream, nullptr, &attr, flags, nullptr, nullptr) == 0;
}

// Under the loop's lock. A stream let go on purpose is not a lost server.
void PulseOutput::closeStream()
{
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

bool PulseOutput::waitUntil(const std::function<bool()> &done)
{
    for (int waited = 0; waited < ConnectTimeoutMs; waited += 2) {
        pa_threaded_mainloop_lock(m_loop);
        const bool ready = done();
        pa_threaded_mainloop_unlock(m_loop);
        if (ready)
            return true;
        QThread::msleep(2);
    }
    return false;
}

void PulseOutput::wake()
{
    pa_threaded_mainloop_lock(m_loop);
    m_silentFrames = 0;
    if (!m_stream && !m_lost.load() && !openStream())
        closeStream();
    pa_threaded_mainloop_unlock(m_loop);
}

void PulseOutput::fill(std::size_t bytes)
{
    for (std::size_t frames = bytes / FrameBytes; frames > 0;) {
        const int n = int(std::min<std::size_t>(frames, ChunkFrames));
        std::fill_n(m_left.begin(), n, 0.0f);
        std::fill_n(m_right.begin(), n, 0.0f);
        const bool sounded = m_render(n, m_left.data(), m_right.data());
        for (int i = 0; i < n; ++i) {
            m_interleaved[2 * i] = m_left[i];
            m_interleaved[2 * i + 1] = m_right[i];
        }
        pa_stream_write(m_stream, m_interleaved.data(), std::size_t(n) * FrameBytes, nullptr, 0,
                        PA_SEEK_RELATIVE);
        m_silentFrames = sounded ? 0 : m_silentFrames + n;
        frames -= std::size_t(n);
    }
    pa_usec_t latency = 0;
    int negative = 0;
    if (pa_stream_get_latency(m_stream, &latency, &negative) == 0 && !negative)
        m_latencyUs.store(latency);
    if (m_silentFrames >= m_pauseFrames && !m_resting) {
        // Not from inside the stream's own callback.
        m_resting = true;
        pa_mainloop_api_once(pa_threaded_mainloop_get_api(m_loop), rest, this);
    }
}

void PulseOutput::rest(pa_mainloop_api *, void *data)
{
    auto *self = static_cast<PulseOutput *>(data);
    self->m_resting = false;
    if (self->m_silentFrames < self->m_pauseFrames)
        return;
    self->closeStream();
    self->m_paused.store(true);
}

void PulseOutput::contextChanged(pa_context *context, void *data)
{
    if (contextFailed(pa_context_get_state(context)))
        static_cast<PulseOutput *>(data)->m_lost.store(true);
}

void PulseOutput::streamChanged(pa_stream *stream, void *data)
{
    if (streamFailed(pa_stream_get_state(stream)))
        static_cast<PulseOutput *>(data)->m_lost.store(true);
}

void PulseOutput::writable(pa_stream *, std::size_t bytes, void *data)
{
    static_cast<PulseOutput *>(data)->fill(bytes);
}

} // namespace staverly
