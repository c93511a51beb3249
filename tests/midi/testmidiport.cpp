// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmidiport.h"

#include "jackserver.h"

#include <QCoreApplication>
#include <thread>

namespace staverly {

TestMidiPort::TestMidiPort(const QString &role)
    : m_keysClient(QStringLiteral("%1 Keyboard %2").arg(role).arg(QCoreApplication::applicationPid()))
    , m_sinkClient(QStringLiteral("%1 Sink %2").arg(role).arg(QCoreApplication::applicationPid()))
{
    JackServer::preventAutostart();
    m_keys = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, m_keysClient.toStdString());
    m_keys->openVirtualPort("keys");
    m_sink = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, m_sinkClient.toStdString());
    m_sink->ignoreTypes(false, false, false);
    m_sink->setCallback(&TestMidiPort::arrived, this);
    m_sink->openVirtualPort("sink");
}

TestMidiPort::~TestMidiPort()
{
    // RtMidi 5 frees a JACK output's ring buffer while its process callback
    // may still read it: close the ports and let the callbacks finish first.
    m_keys->closePort();
    m_sink->closePort();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

QString TestMidiPort::keysName() const
{
    return keysPort() + QStringLiteral(" (JACK)");
}

QString TestMidiPort::sinkName() const
{
    return sinkPort() + QStringLiteral(" (JACK)");
}

QString TestMidiPort::keysPort() const
{
    return m_keysClient + QStringLiteral(":keys");
}

QString TestMidiPort::sinkPort() const
{
    return m_sinkClient + QStringLiteral(":sink");
}

void TestMidiPort::play(const Bytes &bytes)
{
    m_keys->sendMessage(bytes.data(), bytes.size());
}

std::vector<TestMidiPort::Bytes> TestMidiPort::received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::vector<TestMidiPort::Clock::time_point> TestMidiPort::arrivals() const
{
    std::lock_guard lock(m_mutex);
    return m_arrivals;
}

std::size_t TestMidiPort::receivedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_received.size();
}

bool TestMidiPort::waitForCount(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
}

void TestMidiPort::clear()
{
    std::lock_guard lock(m_mutex);
    m_received.clear();
    m_arrivals.clear();
}

void TestMidiPort::arrived(double, std::vector<unsigned char> *message, void *self)
{
    const auto now = Clock::now();
    auto *port = static_cast<TestMidiPort *>(self);
    {
        std::lock_guard lock(port->m_mutex);
        port->m_received.emplace_back(message->begin(), message->end());
        port->m_arrivals.push_back(now);
    }
    port->m_arrived.notify_all();
}

} // namespace staverly
