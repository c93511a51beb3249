// SPDX-License-Identifier: GPL-3.0-or-later
#include "jackinput.h"

#include "jackserver.h"

#include <QCoreApplication>
#include <algorithm>
#include <jack/jack.h>

namespace staverly {

namespace {

QString noServer()
{
    return QCoreApplication::translate("JackInput", "No JACK server is running, so Staverly cannot hear a microphone; "
                                                    "start JACK or answer on the keyboard.");
}

QString serverGone()
{
    return QCoreApplication::translate("JackInput", "The JACK server has stopped; Staverly listens again as soon as it is back.");
}

QString absent(const QString &wanted)
{
    if (wanted.isEmpty())
        return QCoreApplication::translate("JackInput", "JACK offers no microphone input; plug one in and Staverly listens at once.");
    return QCoreApplication::translate("JackInput", "The input “%1” is unplugged or switched off; Staverly listens again as soon "
                                                    "as it is back.")
        .arg(wanted);
}

// The first physical capture port: what a musician would plug a microphone into.
QByteArray firstCapturePort(jack_client_t *client)
{
    QByteArray name;
    if (const char **ports = jack_get_ports(client, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                            JackPortIsPhysical | JackPortIsOutput)) {
        if (ports[0])
            name = ports[0];
        jack_free(ports);
    }
    return name;
}

} // namespace

struct JackInput::Link
{
    Block block;
    quint64 generation = 0;
    jack_client_t *client = nullptr;
    jack_port_t *port = nullptr;
    int rate = 0;
    std::vector<float> pending = std::vector<float>(BlockFrames);
    std::size_t filled = 0;
    std::atomic<bool> lost{false};
    // Closing: the cycle hands out nothing more, and counts that it saw this.
    std::atomic<bool> closing{false};
    std::atomic<int> idleCycles{0};

    bool gone() const { return lost.load() || JackServer::generation() != generation; }

    static int process(jack_nframes_t frames, void *data)
    {
        auto *link = static_cast<Link *>(data);
        if (link->closing.load(std::memory_order_acquire)) {
            link->idleCycles.fetch_add(1, std::memory_order_release);
            return 0;
        }
        const auto *in = static_cast<const float *>(jack_port_get_buffer(link->port, frames));
        for (jack_nframes_t i = 0; i < frames; ++i) {
            link->pending[link->filled++] = std::clamp(in[i], -1.0f, 1.0f);
            if (link->filled == link->pending.size()) {
                link->filled = 0;
                link->block(link->pending.data(), link->pending.size(), link->rate);
            }
        }
        return 0;
    }

    static void shutdown(jack_status_t, const char *, void *data)
    {
        static_cast<Link *>(data)->lost.store(true);
    }
};

JackInput::JackInput() = default;

JackInput::~JackInput()
{
    stop();
}

std::vector<AudioCapture::Source> JackInput::sources() const
{
    JackServer::preventAutostart();
    jack_client_t *client = jack_client_open("staverly-ports", JackNoStartServer, nullptr);
    if (!client)
        return {};
    std::vector<Source> all;
    if (const char **ports = jack_get_ports(client, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                            JackPortIsPhysical | JackPortIsOutput)) {
        for (const char **name = ports; *name; ++name) {
            // An alias names the card's own input where the server knows it.
            QString description = QString::fromUtf8(*name);
            const jack_port_t *port = jack_port_by_name(client, *name);
            const auto size = std::size_t(jack_port_name_size());
            std::vector<char> first(size), second(size);
            char *aliases[2] = {first.data(), second.data()};
            if (port && jack_port_get_aliases(port, aliases) > 0)
                description = QString::fromUtf8(aliases[0]);
            all.push_back({QString::fromUtf8(*name), description});
        }
        jack_free(ports);
    }
    jack_client_close(client);
    return all;
}

bool JackInput::start(const QString &source, Block block)
{
    stop();
    m_wanted = source;
    m_block = std::move(block);
    {
        std::lock_guard lock(m_linkMutex);
        if (!openLink()) {
            setProblem(noServer());
            return false;
        }
        join();
    }
    m_stopping = false;
    m_supervisor = std::thread([this] { supervise(); });
    return true;
}

void JackInput::stop()
{
    if (m_supervisor.joinable()) {
        {
            std::lock_guard lock(m_supervisorMutex);
            m_stopping = true;
        }
        m_supervisorWake.notify_all();
        m_supervisor.join();
    }
    {
        std::lock_guard lock(m_linkMutex);
        closeLink();
    }
    m_block = {};
    setProblem({});
}

QString JackInput::problem() const
{
    std::lock_guard lock(m_problemMutex);
    return m_problem;
}

int JackInput::problemChanges() const
{
    std::lock_guard lock(m_problemMutex);
    return m_problemChanges;
}

int JackInput::sampleRate() const
{
    return m_rate.load();
}

// Under m_linkMutex.
bool JackInput::openLink()
{
    JackServer::watch();
    auto link = std::make_unique<Link>();
    link->block = m_block;
    link->generation = JackServer::generation();
    link->client = jack_client_open("staverly-listens", JackNoStartServer, nullptr);
    if (!link->client)
        return false;
    link->rate = int(jack_get_sample_rate(link->client));
    link->port = jack_port_register(link->client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(link->client, Link::process, link.get());
    jack_on_info_shutdown(link->client, Link::shutdown, link.get());
    if (!link->port || jack_activate(link->client) != 0) {
        jack_client_close(link->client);
        return false;
    }
    m_rate.store(link->rate);
    m_link = link.release();
    return true;
}

// Under m_linkMutex. Closing a realtime client cancels its thread wherever
// it is: inside the block it would leave a lock or the heap taken for good.
// Only once a cycle has passed doing nothing is it safe.
void JackInput::closeLink()
{
    Link *link = std::exchange(m_link, nullptr);
    m_rate.store(0);
    if (!link || link->gone())
        return;
    link->closing.store(true, std::memory_order_release);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (link->idleCycles.load(std::memory_order_acquire) < 2 && !link->gone()
           && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (link->gone())
        return;
    jack_deactivate(link->client);
    jack_client_close(link->client);
    delete link;
}

// Under m_linkMutex: joins the wanted port to ours when it is there.
void JackInput::join()
{
    if (!m_link)
        return;
    const QByteArray wanted = m_wanted.isEmpty() ? firstCapturePort(m_link->client) : m_wanted.toUtf8();
    if (wanted.isEmpty() || !jack_port_by_name(m_link->client, wanted.constData())) {
        setProblem(absent(m_wanted));
        return;
    }
    if (!jack_port_connected_to(m_link->port, wanted.constData())
        && jack_connect(m_link->client, wanted.constData(), jack_port_name(m_link->port)) != 0) {
        setProblem(absent(m_wanted));
        return;
    }
    setProblem({});
}

void JackInput::supervise()
{
    std::unique_lock lock(m_supervisorMutex);
    while (!m_supervisorWake.wait_for(lock, RetryEvery, [this] { return m_stopping; })) {
        lock.unlock();
        {
            std::lock_guard linkLock(m_linkMutex);
            if (m_link && m_link->gone()) {
                // Left alone for good (see JackServer).
                m_link = nullptr;
                m_rate.store(0);
                setProblem(serverGone());
            }
            if (m_link || openLink())
                join();
        }
        lock.lock();
    }
}

void JackInput::setProblem(const QString &text)
{
    std::lock_guard lock(m_problemMutex);
    if (text == m_problem)
        return;
    m_problem = text;
    ++m_problemChanges;
}

} // namespace staverly
