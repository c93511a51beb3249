// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtmidisink.h"

#include "jackserver.h"
#include "jackthrough.h"
#include "midierror.h"

#include <algorithm>
#include <thread>

namespace staverly {

RtMidiSink::RtMidiSink(std::unique_ptr<RtMidiOut> out, unsigned index, const std::string &port,
                       const QString &name, std::chrono::milliseconds settle, const QString &clientName)
    : m_name(name)
    , m_clientName(clientName)
    , m_settle(settle)
    , m_jack(out->getCurrentApi() == RtMidi::UNIX_JACK)
    , m_generation(JackServer::generation())
    , m_out(std::move(out))
{
    // With an error callback RtMidi reports instead of printing and throwing.
    m_out->setErrorCallback(&RtMidiSink::failed, this);
    // Our end of the connection is the one that opening adds.
    const std::vector<std::string> before = m_jack ? JackServer::peers(port.c_str()) : std::vector<std::string>();
    try {
        m_out->openPort(index, "MIDI Out");
    } catch (const RtMidiError &error) {
        m_error = error.getMessage();
    }
    if (m_error.empty() && !m_out->isPortOpen())
        m_error = "the system refused it";
    if (m_error.empty() && m_out->getPortName(index) != port)
        m_error = "the list of ports changed meanwhile";
    if (!m_error.empty()) {
        const QString reason = QString::fromStdString(m_error);
        release();
        throw MidiError(MidiError::OpenFailed,
                        tr("The MIDI output \"%1\" could not be opened: %2").arg(name, reason));
    }
    m_port = port;
    if (m_jack)
        m_identity = JackServer::portIdentity(port.c_str());
    // A JACK connection carries messages only from the next cycle on: the
    // program change sent right after opening would be lost. A busy server
    // may take far longer than one period to get there.
    if (!m_jack || !JackServer::waitCycles(2, 1000))
        std::this_thread::sleep_for(m_settle);
    if (m_jack) {
        for (const std::string &peer : JackServer::peers(port.c_str())) {
            if (std::find(before.begin(), before.end(), peer) == before.end())
                m_own = peer;
        }
    }
}

RtMidiSink::~RtMidiSink()
{
    release();
}

void RtMidiSink::send(const std::uint8_t *bytes, std::size_t size)
{
    m_error.clear();
    try {
        m_out->sendMessage(bytes, size);
    } catch (const RtMidiError &error) {
        m_error = error.getMessage();
    }
    if (!m_error.empty())
        throw MidiError(MidiError::SendFailed,
                        tr("A message to the MIDI output \"%1\" failed: %2")
                            .arg(m_name, QString::fromStdString(m_error)));
}

std::unique_ptr<MidiThrough> RtMidiSink::throughFrom(const std::string &from)
{
    if (!m_jack || from.empty() || !alive())
        return nullptr;
    return JackThrough::open(m_clientName, from, m_port);
}

bool RtMidiSink::alive() const
{
    return !m_jack || JackServer::generation() == m_generation;
}

bool RtMidiSink::linked() const
{
    return m_own.empty() || !connected() || JackServer::joined(m_own, m_port);
}

bool RtMidiSink::connected() const
{
    if (!alive())
        return false;
    if (m_jack)
        return m_identity != 0 && JackServer::portIdentity(m_port.c_str()) == m_identity;
    const unsigned count = m_out->getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        if (m_out->getPortName(i) == m_port)
            return true;
    }
    return false;
}

// RtMidi 5 frees a JACK port's ring buffer while its process callback may
// still be reading it; closing first and waiting lets that callback finish.
// A client of a JACK server that went away is never touched again.
void RtMidiSink::release()
{
    if (!alive()) {
        (void)m_out.release();
        return;
    }
    m_out->closePort();
    std::this_thread::sleep_for(m_settle);
    m_out.reset();
}

void RtMidiSink::failed(RtMidiError::Type type, const std::string &text, void *self)
{
    if (type != RtMidiError::DEBUG_WARNING)
        static_cast<RtMidiSink *>(self)->m_error = text;
}

} // namespace staverly
