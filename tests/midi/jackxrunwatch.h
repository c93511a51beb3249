// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

struct _jack_client;

namespace staverly {

// Counts the JACK server's xruns: cycles in which some client did not finish
// and whose MIDI events are therefore gone. A test that loses messages can
// tell the server's loss from its own with it.
class JackXrunWatch
{
public:
    JackXrunWatch();
    ~JackXrunWatch();
    JackXrunWatch(const JackXrunWatch &) = delete;
    JackXrunWatch &operator=(const JackXrunWatch &) = delete;

    int count() const { return m_count.load(); }

private:
    static int xrun(void *self);

    _jack_client *m_client = nullptr;
    std::atomic<int> m_count{0};
};

} // namespace staverly
