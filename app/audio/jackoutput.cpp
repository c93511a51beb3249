// SPDX-License-Identifier: GPL-3.0-or-later
#include "jackoutput.h"

#include "jackserver.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <jack/jack.h>

namespace staverly {

struct JackOutput::Link
{
    Render render;
    quint64 generation = 0;
    jack_client_t *client = nullptr;
    jack_port_t *ports[2] = {nullptr, nullptr};
    int rate = 0;
    std::atomic<bool> lost{false};
    std::atomic<jack_nframes_t> period{0};
    std::atomic<jack_nframes_t> latency{0};
    // Closing: the cycle renders nothing more, and counts that it saw this.
    std::atomic<bool> closing{false};
    std::atomic<int> idleCycles{0};

    static int process(jack_nframes_t frames, void *data)
    {
        auto *link = static_cast<Link *>(data);
        auto *left = static_cast<float *>(jack_port_get_buffer(link->ports[0], frames));
        auto *right = static_cast<float *>(jack_port_get_buffer(link->ports[1], frames));
        std::fill_n(left, frames, 0.0f);
        std::fill_n(right, frames, 0.0f);
        if (link->closing.load(std::memory_order_acquire)) {
            link->idleCycles.fetch_add(1, std::memory_order_release);
            return 0;
        }
        link->render(int(frames), left, right);
        // Read here, where the server is known to live: a sound started now
        // waits up to one cycle, then goes the port's way to the speakers.
        jack_latency_range_t range{};
        jack_port_get_latency_range(link->ports[0], JackPlaybackLatency, &range);
        link->period.store(frames);
        link->latency.store(frames + range.max);
        return 0;
    }

    static void shutdown(jack_status_t, const char *, void *data)
    {
        static_cast<Link *>(data)->lost.store(true);
    }
};

JackOutput::JackOutput(Link *link)
    : m_link(link)
{
}

std::unique_ptr<JackOutput> JackOutput::open(Render render, QString &error)
{
    JackServer::watch();
    auto link = std::make_unique<Link>();
    link->render = std::move(render);
    link->generation = JackServer::generation();
    link->client = jack_client_open("staverly", JackNoStartServer, nullptr);
    if (!link->client) {
        error = QCoreApplication::translate("JackOutput", "no JACK server is running");
        return nullptr;
    }
    link->rate = int(jack_get_sample_rate(link->client));
    link->period.store(jack_get_buffer_size(link->client));
    link->ports[0] = jack_port_register(link->client, "left", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    link->ports[1] = jack_port_register(link->client, "right", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(link->client, Link::process, link.get());
    jack_on_info_shutdown(link->client, Link::shutdown, link.get());
    if (!link->ports[0] || !link->ports[1] || jack_activate(link->client) != 0) {
        jack_client_close(link->client);
        error = QCoreApplication::translate("JackOutput", "the JACK server refused the program's ports");
        return nullptr;
    }
    if (const char **speakers = jack_get_ports(link->client, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                               JackPortIsPhysical | JackPortIsInput)) {
        for (int i = 0; i < 2 && speakers[i]; ++i)
            jack_connect(link->client, jack_port_name(link->ports[i]), speakers[i]);
        jack_free(speakers);
    }
    return std::unique_ptr<JackOutput>(new JackOutput(link.release()));
}

JackOutput::~JackOutput()
{
    if (lost())
        return;
    // Closing a realtime client cancels its thread wherever it is: in the
    // middle of the program's rendering it would leave a lock or the heap
    // taken for good. Only once a cycle has passed doing nothing is it safe.
    m_link->closing.store(true, std::memory_order_release);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (m_link->idleCycles.load(std::memory_order_acquire) < 2 && !lost()
           && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (lost())
        return;
    jack_deactivate(m_link->client);
    jack_client_close(m_link->client);
    delete m_link;
}

int JackOutput::sampleRate() const
{
    return m_link->rate;
}

double JackOutput::requestedLatencyMs() const
{
    // The server's period is the musician's choice; nothing else is asked.
    return 1000.0 * double(m_link->period.load()) / m_link->rate;
}

double JackOutput::measuredLatencyMs() const
{
    return 1000.0 * double(m_link->latency.load()) / m_link->rate;
}

bool JackOutput::lost() const
{
    return m_link->lost.load() || JackServer::generation() != m_link->generation;
}

} // namespace staverly
