#include "midilistener.h"

#include "jackserver.h"

#include <QCoreApplication>
#include <stdexcept>
#include <thread>

namespace staverly {

MidiListener::MidiListener(const QString &port)
{
    JackServer::preventAutostart();
    const QString client = QStringLiteral("Listener %1").arg(QCoreApplication::applicationPid());
    m_in = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, client.toStdString());
    m_in->ignoreTypes(false, false, false);
    m_in->setCallback(&MidiListener::arrived, this);
    for (unsigned i = 0; i < m_in->getPortCount(); ++i) {
        if (QString::fromStdString(m_in->getPortName(i)) == port) {
            m_in->openPort(i, "in");
            // A new JACK connection carries messages from the next cycle on.
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            return;
        }
    }
    throw std::runtime_error("no JACK port " + port.toStdString());
}

MidiListener::~MidiListener()
{
    // Closed first, so that no callback runs while the client goes.
    m_in->closePort();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

std::vector<MidiListener::Bytes> MidiListener::received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::size_t MidiListener::receivedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_received.size();
}

void MidiListener::arrived(double, std::vector<unsigned char> *message, void *self)
{
    auto *listener = static_cast<MidiListener *>(self);
    std::lock_guard lock(listener->m_mutex);
    listener->m_received.emplace_back(message->begin(), message->end());
}

} // namespace staverly
