// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <rtmidi/RtMidi.h>
#include <vector>

namespace staverly {

// The test's own pair of JACK ports: "keys" plays like the pupil's keyboard,
// "sink" records what arrives, with the time of arrival.
class TestMidiPort
{
public:
    using Clock = std::chrono::steady_clock;
    using Bytes = std::vector<std::uint8_t>;

    // The process id keeps the client names apart when tests run side by side.
    explicit TestMidiPort(const QString &role = QStringLiteral("Test"));
    ~TestMidiPort();

    // How MIDIInput and MIDIOutput list the two ports.
    QString keysName() const;
    QString sinkName() const;
    // Their full JACK names, "client:port".
    QString keysPort() const;
    QString sinkPort() const;

    void play(const Bytes &bytes);
    std::vector<Bytes> received() const;
    std::vector<Clock::time_point> arrivals() const;
    std::size_t receivedCount() const;
    bool waitForCount(std::size_t count, std::chrono::milliseconds timeout) const;
    void clear();

private:
    static void arrived(double, std::vector<unsigned char> *message, void *self);

    QString m_keysClient;
    QString m_sinkClient;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    std::vector<Bytes> m_received;
    std::vector<Clock::time_point> m_arrivals;
    std::unique_ptr<RtMidiOut> m_keys;
    std::unique_ptr<RtMidiIn> m_sink;
};

} // namespace staverly
