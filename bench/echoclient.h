// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <rtmidi/RtMidi.h>

namespace staverly {

// The shortest possible MIDI through: a JACK client that sends each message
// on from inside its own input callback. The yardstick for the program's.
class EchoClient
{
public:
    // Connects from the `from` port and to the `to` port (full JACK names).
    EchoClient(const QString &from, const QString &to);
    ~EchoClient();

private:
    static void forward(double, std::vector<unsigned char> *message, void *self);

    std::unique_ptr<RtMidiOut> m_out;
    std::unique_ptr<RtMidiIn> m_in;
};

} // namespace staverly
