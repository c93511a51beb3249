// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiooutput.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <vector>

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;

namespace staverly {

// A stream on the PulseAudio server (or PipeWire's PulseAudio service) that
// the environment names. It asks the server for a latency a desktop holds
// without waking many times a millisecond, and lets the stream go after
// some silence, so that neither the program nor the server works while
// nothing sounds; the next sound opens a new one on the same connection.
// (A corked stream is not enough: the server keeps waking for it.)
class PulseOutput final : public AudioOutput
{
public:
    static constexpr int Rate = 48000;
    // The whole stream's latency, buffer and server, as asked for.
    static constexpr std::chrono::milliseconds Latency{15};

    // Null with `error` when no server answers; a server is never started.
    static std::unique_ptr<PulseOutput> open(Render render, std::chrono::milliseconds pauseAfter,
                                             QString &error);
    ~PulseOutput() override;
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    QString driverName() const override { return QStringLiteral("pulseaudio"); }
    int sampleRate() const override { return Rate; }
    double requestedLatencyMs() const override { return double(Latency.count()); }
    double measuredLatencyMs() const override { return double(m_latencyUs.load()) / 1000.0; }
    bool lost() const override { return m_lost.load(); }
    void wake() override;
    bool paused() const override { return m_paused.load(); }

private:
    PulseOutput(Render render, std::chrono::milliseconds pauseAfter);
    bool connect(QString &error);
    bool openStream();
    void closeStream();
    bool waitUntil(const std::function<bool()> &done);
    void fill(std::size_t bytes);
    static void rest(pa_mainloop_api *api, void *self);
    static void contextChanged(pa_context *context, void *self);
    static void streamChanged(pa_stream *stream, void *self);
    static void writable(pa_stream *stream, std::size_t bytes, void *self);

    Render m_render;
    std::int64_t m_pauseFrames;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    bool m_running = false;
    // Only on the loop's thread, or under its lock.
    std::int64_t m_silentFrames = 0;
    bool m_resting = false;
    std::vector<float> m_left, m_right, m_interleaved;
    std::atomic<bool> m_lost{false};
    std::atomic<bool> m_paused{false};
    std::atomic<std::uint64_t> m_latencyUs{0};
};

} // namespace staverly
