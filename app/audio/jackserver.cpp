// SPDX-License-Identifier: GPL-3.0-or-later
#include "jackserver.h"

#include <QByteArray>
#include <atomic>
#include <jack/jack.h>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace staverly {

namespace {

void quiet(const char *) {}

// Runs at load time, before any thread or audio driver exists: a JACK client
// opened without it (FluidSynth's, RtMidi's) may try to start jackd on ALSA
// and hang for seconds.
[[maybe_unused]] const bool autostartPrevented = [] {
    JackServer::preventAutostart();
    return true;
}();

std::atomic<quint64> serverGeneration{0};
std::atomic<quint64> portChanges{0};

// A client of our own that only listens: the server tells it when ports
// come and go, and libjack tells it when the server is gone.
struct Watch
{
    std::mutex mutex;
    jack_client_t *client = nullptr;
    std::atomic<bool> gone{false};
};

Watch &theWatch()
{
    static Watch *watch = new Watch; // never destroyed: libjack may call in late
    return *watch;
}

void serverGone(void *)
{
    theWatch().gone.store(true);
    serverGeneration.fetch_add(1);
    portChanges.fetch_add(1);
}

void portRegistered(jack_port_id_t, int, void *)
{
    portChanges.fetch_add(1);
}

void clientRegistered(const char *, int, void *)
{
    portChanges.fetch_add(1);
}

} // namespace

void JackServer::preventAutostart()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qputenv("JACK_NO_START_SERVER", QByteArrayLiteral("1"));
        jack_set_error_function(quiet);
        jack_set_info_function(quiet);
    });
}

bool JackServer::running()
{
    preventAutostart();
    watch();
    Watch &w = theWatch();
    {
        std::lock_guard lock(w.mutex);
        if (w.client && !w.gone.load())
            return true;
    }
    jack_status_t status{};
    jack_client_t *client = jack_client_open("Staverly probe", JackNoStartServer, &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

quint64 JackServer::generation()
{
    return serverGeneration.load();
}

quint64 JackServer::changes()
{
    return portChanges.load();
}

quint64 JackServer::portIdentity(const char *fullName)
{
    Watch &w = theWatch();
    std::lock_guard lock(w.mutex);
    if (!w.client || w.gone.load())
        return 0;
    const jack_port_t *port = jack_port_by_name(w.client, fullName);
    return port ? quint64(jack_port_uuid(port)) : 0;
}

std::vector<std::string> JackServer::peers(const char *fullName)
{
    Watch &w = theWatch();
    std::lock_guard lock(w.mutex);
    if (!w.client || w.gone.load())
        return {};
    const jack_port_t *port = jack_port_by_name(w.client, fullName);
    const char **names = port ? jack_port_get_all_connections(w.client, port) : nullptr;
    std::vector<std::string> all;
    for (const char **name = names; name && *name; ++name)
        all.emplace_back(*name);
    jack_free(names);
    return all;
}

bool JackServer::joined(const std::string &a, const std::string &b)
{
    Watch &w = theWatch();
    std::lock_guard lock(w.mutex);
    if (!w.client || w.gone.load())
        return true;
    const jack_port_t *port = jack_port_by_name(w.client, a.c_str());
    return !port || jack_port_connected_to(port, b.c_str());
}

namespace {

int countCycle(jack_nframes_t, void *counter)
{
    static_cast<std::atomic<int> *>(counter)->fetch_add(1, std::memory_order_relaxed);
    return 0;
}

} // namespace

bool JackServer::waitCycles(int cycles, int timeoutMs)
{
    preventAutostart();
    jack_client_t *client = jack_client_open("Staverly sync", JackNoStartServer, nullptr);
    if (!client)
        return false;
    std::atomic<int> counted{0};
    jack_set_process_callback(client, countCycle, &counted);
    bool done = false;
    if (jack_activate(client) == 0) {
        // The first call may come in the cycle that was running already.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (counted.load(std::memory_order_relaxed) <= cycles
               && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        done = counted.load(std::memory_order_relaxed) > cycles;
        jack_deactivate(client);
    }
    jack_client_close(client);
    return done;
}

void JackServer::watch()
{
    preventAutostart();
    Watch &w = theWatch();
    std::lock_guard lock(w.mutex);
    if (w.client && !w.gone.load())
        return;
    // A client of a server that went away is left alone for good.
    jack_client_t *client = jack_client_open("Staverly watch", JackNoStartServer, nullptr);
    if (!client) {
        w.client = nullptr;
        return;
    }
    jack_on_shutdown(client, serverGone, nullptr);
    jack_set_port_registration_callback(client, portRegistered, nullptr);
    jack_set_client_registration_callback(client, clientRegistered, nullptr);
    if (jack_activate(client) != 0) {
        jack_client_close(client);
        w.client = nullptr;
        return;
    }
    w.client = client;
    w.gone.store(false);
    // A server that came (back) brings ports with it.
    portChanges.fetch_add(1);
    static std::once_flag atExit;
    std::call_once(atExit, [] { std::atexit(&JackServer::release); });
}

void JackServer::release()
{
    Watch &w = theWatch();
    std::lock_guard lock(w.mutex);
    if (!w.client || w.gone.load())
        return;
    jack_deactivate(w.client);
    jack_client_close(w.client);
    w.client = nullptr;
}

} // namespace staverly
