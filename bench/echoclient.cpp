// SPDX-License-Identifier: GPL-3.0-or-later
#include "echoclient.h"

#include <stdexcept>
#include <thread>

namespace staverly {

namespace {

template<class Client>
void openNamed(Client &client, const QString &name, const char *portName)
{
    for (unsigned i = 0; i < client.getPortCount(); ++i) {
        if (QString::fromStdString(client.getPortName(i)) == name) {
            client.openPort(i, portName);
            return;
        }
    }
    throw std::runtime_error("no JACK port " + name.toStdString());
}

} // namespace

EchoClient::EchoClient(const QString &from, const QString &to)
    : m_out(std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, "Bench Echo"))
    , m_in(std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, "Bench Echo"))
{
    openNamed(*m_out, to, "out");
    m_in->setCallback(&EchoClient::forward, this);
    openNamed(*m_in, from, "in");
    // New JACK connections carry messages from the next cycle on.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

EchoClient::~EchoClient()
{
    // RtMidi 5 frees a JACK output's ring buffer while its process callback
    // may still read it: close the ports and let the callbacks finish first.
    m_in->closePort();
    m_out->closePort();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

void EchoClient::forward(double, std::vector<unsigned char> *message, void *self)
{
    static_cast<EchoClient *>(self)->m_out->sendMessage(message);
}

} // namespace staverly
