// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

namespace staverly {

// The JACK server this process talks to. Nothing here ever starts one.
//
// A server can die or be restarted under the program. libjack then frees
// what every client of the old server held as soon as the process opens a
// client on the new one, so a port or client of the old server must never
// be closed or destroyed after that: whoever keeps one compares the
// generation it was opened in with generation() and, when it changed, lets
// it go without touching it.
class JackServer
{
public:
    // Keeps every JACK client of the process from spawning a server of its
    // own and silences libjack's console chatter. Idempotent.
    static void preventAutostart();
    // Whether a server answers now. Also starts watching it.
    static bool running();

    // Goes up each time a server the process was connected to went away.
    static quint64 generation();
    // Goes up whenever ports come or go, or a server comes or goes.
    static quint64 changes();
    // Watches the server when one runs and is not watched yet; cheap when
    // nothing changed. Call before opening ports, and now and then.
    static void watch();
    // Closes the watching client of a server that still runs, as every JACK
    // client must be before the process ends: one left open leaves its
    // share of the user's JACK metadata store taken for good. Also done at
    // a normal exit.
    static void release();
    // What tells this port from one registered again under its name; 0 when
    // there is no such port, or no server is watched.
    static quint64 portIdentity(const char *fullName);
    // The full names of the ports joined to `fullName`; none when no server
    // is watched.
    static std::vector<std::string> peers(const char *fullName);
    // Whether the two ports are joined now; true when that cannot be told.
    static bool joined(const std::string &a, const std::string &b);
    // Returns once the server has run `cycles` whole process cycles from
    // now, so that a connection made before is in effect; false when it
    // did not within `timeoutMs` (a server too busy, or gone).
    static bool waitCycles(int cycles, int timeoutMs);
};

} // namespace staverly
