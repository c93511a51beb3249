#pragma once

#include <QString>
#include <memory>
#include <mutex>
#include <rtmidi/RtMidi.h>
#include <vector>

namespace staverly {

// A bare RtMidi JACK input connected straight to a port, keeping what
// arrives: what the server delivered to a client that does nothing else, to
// hold the program's input against in the same run.
class MidiListener
{
public:
    using Bytes = std::vector<std::uint8_t>;

    // `port` is the full JACK name, "client:port".
    explicit MidiListener(const QString &port);
    ~MidiListener();
    MidiListener(const MidiListener &) = delete;
    MidiListener &operator=(const MidiListener &) = delete;

    std::vector<Bytes> received() const;
    std::size_t receivedCount() const;

private:
    static void arrived(double, std::vector<unsigned char> *message, void *self);

    mutable std::mutex m_mutex;
    std::vector<Bytes> m_received;
    std::unique_ptr<RtMidiIn> m_in;
};

} // namespace staverly
