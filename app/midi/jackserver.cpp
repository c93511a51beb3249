#include "jackserver.h"

#include <QByteArray>
#include <QtGlobal>
#include <jack/jack.h>
#include <mutex>

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
    jack_status_t status{};
    jack_client_t *client = jack_client_open("Staverly probe", JackNoStartServer, &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

} // namespace staverly
