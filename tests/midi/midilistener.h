// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <atomic>
#include <memory>
#include <rtmidi/RtMidi.h>
#include <vector>

namespace staverly {

// A bare RtMidi JACK input connected straight to a port, keeping what
// arrives: what the server delivered to a client that does nothing else, to
// hold the program's input against in the same run. Its callback takes no
// lock, so reading meanwhile never makes it late for a cycle.
class MidiListener
{
public:
    using Bytes = std::vector<std::uint8_t>;

    // `port` is the full JACK name, "client:port". Messages beyond `capacity`
    // are not kept; of a longer message the first three bytes are.
    explicit MidiListener(const QString &port, std::size_t capacity = 1 << 16);
    ~MidiListener();
    MidiListener(const MidiListener &) = delete;
    MidiListener &operator=(const MidiListener &) = delete;

    std::vector<Bytes> received() const;
    std::size_t receivedCount() const;

private:
    struct Message
    {
        std::size_t size = 0;
        std::array<std::uint8_t, 3> bytes{};
    };

    static void arrived(double, std::vector<unsigned char> *message, void *self);

    std::vector<Message> m_messages;
    std::atomic<std::size_t> m_count{0};
    std::unique_ptr<RtMidiIn> m_in;
};

} // namespace staverly
