// SPDX-License-Identifier: GPL-3.0-or-later
#include "midilistener.h"

#include "jackserver.h"

#include <QCoreApplication>
#include <algorithm>
#include <stdexcept>
#include <thread>

namespace staverly {

MidiListener::MidiListener(const QString &port, std::size_t capacity)
    : m_messages(capacity)
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
    const std::size_t count = m_count.load(std::memory_order_acquire);
    std::vector<Bytes> received;
    received.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Message &message = m_messages[i];
        received.emplace_back(message.bytes.begin(),
                              message.bytes.begin() + std::min(message.size, message.bytes.size()));
    }
    return received;
}

std::size_t MidiListener::receivedCount() const
{
    return m_count.load(std::memory_order_acquire);
}

// On the JACK thread, the only writer.
void MidiListener::arrived(double, std::vector<unsigned char> *message, void *self)
{
    auto *listener = static_cast<MidiListener *>(self);
    const std::size_t count = listener->m_count.load(std::memory_order_relaxed);
    if (count == listener->m_messages.size())
        return;
    Message &kept = listener->m_messages[count];
    kept.size = message->size();
    std::copy_n(message->begin(), std::min(message->size(), kept.bytes.size()), kept.bytes.begin());
    listener->m_count.store(count + 1, std::memory_order_release);
}

} // namespace staverly
