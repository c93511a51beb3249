// SPDX-License-Identifier: GPL-3.0-or-later
#include "jackthrough.h"

#include "jackserver.h"
#include "midimessage.h"

#include <jack/jack.h>
#include <jack/midiport.h>

namespace staverly {

namespace {

// What the program's input passes on: RtMidi leaves out exclusive messages,
// time code, clock and active sensing before the program sees them.
bool passes(const jack_midi_data_t *bytes, std::size_t size)
{
    if (size == 0 || bytes[0] == 0xF1 || bytes[0] == 0xF8 || bytes[0] == 0xFE)
        return false;
    return isWholeShortMessage(bytes, size);
}

} // namespace

std::unique_ptr<JackThrough> JackThrough::open(const QString &clientName, const std::string &from,
                                               const std::string &to)
{
    JackServer::preventAutostart();
    std::unique_ptr<JackThrough> through(new JackThrough);
    through->m_generation = JackServer::generation();
    through->m_from = from;
    through->m_to = to;
    through->m_client = jack_client_open(clientName.toUtf8().constData(), JackNoStartServer, nullptr);
    if (!through->m_client)
        return nullptr;
    through->m_in = jack_port_register(through->m_client, "through in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    through->m_out =
        jack_port_register(through->m_client, "through out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    if (!through->m_in || !through->m_out || jack_set_process_callback(through->m_client, process, through.get()) != 0
        || jack_activate(through->m_client) != 0)
        return nullptr;
    if (jack_connect(through->m_client, from.c_str(), jack_port_name(through->m_in)) != 0
        || jack_connect(through->m_client, jack_port_name(through->m_out), to.c_str()) != 0)
        return nullptr;
    // A new connection carries messages from the next cycle on.
    JackServer::waitCycles(2, 1000);
    return through;
}

JackThrough::~JackThrough()
{
    // A client of a server that went away is never touched again.
    if (!m_client || !alive())
        return;
    jack_deactivate(m_client);
    jack_client_close(m_client);
}

bool JackThrough::alive() const
{
    return JackServer::generation() == m_generation;
}

bool JackThrough::linked() const
{
    return !alive()
           || (JackServer::joined(m_from, jack_port_name(m_in)) && JackServer::joined(jack_port_name(m_out), m_to));
}

int JackThrough::process(unsigned frames, void *data)
{
    auto *self = static_cast<JackThrough *>(data);
    void *out = jack_port_get_buffer(self->m_out, frames);
    jack_midi_clear_buffer(out);
    if (!self->m_on.load(std::memory_order_acquire))
        return 0;
    void *in = jack_port_get_buffer(self->m_in, frames);
    const std::uint32_t count = jack_midi_get_event_count(in);
    for (std::uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, in, i) == 0 && passes(event.buffer, event.size))
            jack_midi_event_write(out, event.time, event.buffer, event.size);
    }
    return 0;
}

} // namespace staverly
