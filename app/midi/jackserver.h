#pragma once

namespace staverly {

// Whether a JACK server is there to talk to. Nothing here ever starts one.
class JackServer
{
public:
    // Keeps every JACK client of the process from spawning a server of its
    // own and silences libjack's console chatter. Idempotent.
    static void preventAutostart();
    static bool running();
};

} // namespace staverly
