// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtmidisource.h"

#include "jackserver.h"
#include "midierror.h"

#include <algorithm>
#include <thread>

namespace staverly {

RtMidiSource::RtMidiSource(std::unique_ptr<RtMidiIn> in, unsigned index, const std::string &port,
                           const QString &name, MidiBackend::Receiver receiver,
                           std::chrono::milliseconds settle)
    : m_receiver(std::move(receiver))
    , m_settle(settle)
    , m_jack(in->getCurrentApi() == RtMidi::UNIX_JACK)
    , m_generation(JackServer::generation())
    , m_in(std::move(in))
{
    // With an error callback RtMidi reports instead of printing and throwing.
    m_in->setErrorCallback(&RtMidiSource::failed, this);
    m_in->ignoreTypes(true, true, true);
    m_in->setCallback(&RtMidiSource::received, this);
    std::string reason;
    // Our end of the connection is the one that opening adds.
    const std::vector<std::string> before = m_jack ? JackServer::peers(port.c_str()) : std::vector<std::string>();
    try {
        m_in->openPort(index, "MIDI In");
    } catch (const RtMidiError &error) {
        reason = error.getMessage();
    }
    {
        std::lock_guard lock(m_errorMutex);
        if (reason.empty())
            reason = m_error;
    }
    if (reason.empty() && !m_in->isPortOpen())
        reason = "the system refused it";
    if (reason.empty() && m_in->getPortName(index) != port)
        reason = "the list of ports changed meanwhile";
    if (!reason.empty()) {
        release();
        throw MidiError(MidiError::OpenFailed,
                        tr("The MIDI input \"%1\" could not be opened: %2")
                            .arg(name, QString::fromStdString(reason)));
    }
    m_port = port;
    if (m_jack)
        m_identity = JackServer::portIdentity(port.c_str());
    // A JACK connection carries messages only from the next cycle on; once
    // open returns, what the device plays arrives, on a busy server too.
    if (!m_jack || !JackServer::waitCycles(2, 1000))
        std::this_thread::sleep_for(m_settle);
    if (m_jack) {
        for (const std::string &peer : JackServer::peers(port.c_str())) {
            if (std::find(before.begin(), before.end(), peer) == before.end())
                m_own = peer;
        }
    }
}

RtMidiSource::~RtMidiSource()
{
    release();
}

bool RtMidiSource::alive() const
{
    return !m_jack || JackServer::generation() == m_generation;
}

bool RtMidiSource::linked() const
{
    return m_own.empty() || !connected() || JackServer::joined(m_own, m_port);
}

bool RtMidiSource::connected() const
{
    if (!alive())
        return false;
    if (m_jack)
        return m_identity != 0 && JackServer::portIdentity(m_port.c_str()) == m_identity;
    // An ALSA port's name carries its client and port numbers, which a
    // device plugged in again does not keep.
    const unsigned count = m_in->getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        if (m_in->getPortName(i) == m_port)
            return true;
    }
    return false;
}

// The port is closed and given time to leave the JACK graph before its
// client goes; destroying the client stops its thread, so no callback
// outlives this. A client of a JACK server that went away is never touched
// again: libjack has freed what it stood on.
void RtMidiSource::release()
{
    if (!alive()) {
        (void)m_in.release();
        return;
    }
    m_in->closePort();
    std::this_thread::sleep_for(m_settle);
    m_in.reset();
}

void RtMidiSource::received(double, std::vector<unsigned char> *message, void *self)
{
    if (message && !message->empty())
        static_cast<RtMidiSource *>(self)->m_receiver(message->data(), message->size());
}

void RtMidiSource::failed(RtMidiError::Type type, const std::string &text, void *self)
{
    if (type == RtMidiError::DEBUG_WARNING)
        return;
    auto *source = static_cast<RtMidiSource *>(self);
    std::lock_guard lock(source->m_errorMutex);
    source->m_error = text;
}

} // namespace staverly
