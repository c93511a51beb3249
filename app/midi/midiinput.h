// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midibackend.h"
#include "midimessage.h"
#include "midioutput.h"
#include "midistamp.h"

#include <QObject>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace staverly {

// The input port: one selected device, opened, started, and a queue of the
// short messages it received.
//
// The device's own thread (for JACK, the audio thread) only checks, forwards
// and queues: no lock, no allocation, no Qt event. The queue is a ring with
// one writer, that thread, and one reader, the user-interface thread, which
// a wake-up descriptor tells that messages wait.
class MIDIInput : public QObject
{
    Q_OBJECT

public:
    // Beyond this many unread messages new ones are dropped and reported.
    static constexpr std::size_t QueueLimit = 65536;

    explicit MIDIInput(std::shared_ptr<MidiBackend> backend, QObject *parent = nullptr);
    ~MIDIInput() override;

    // Lists the devices anew; they are numbered 0 to n-1.
    int deviceCount();
    // The names of the last listing.
    QStringList deviceNames() const { return m_devices; }
    void selectDevice(int device);
    int selectedDevice() const { return m_device; }
    // Empty when the selected number names no device.
    QString deviceName();
    // The device that is open; empty when none is.
    QString openName() const { return m_openName; }
    // Goes up when the system's devices may have changed.
    quint64 deviceChanges() { return m_backend->changes(); }

    // 1 when open, 0 when not.
    int isOpen() const { return m_source ? 1 : 0; }
    // False when the open device's connection is gone for good.
    bool isAlive() const { return m_source && m_source->alive(); }
    // Still joined to the very port it opened; may ask the system.
    bool isConnected() const { return m_source && m_source->connected(); }
    // False when its connection to the device was removed outside the program.
    bool isLinked() const { return !m_source || m_source->linked(); }
    // Throws MidiError with a description when the device will not open.
    void open();
    void start();
    void stop();
    void close();

    // MIDI through: while set, every message is sent on to `output` as it
    // arrives, before it is queued: by the device layer itself from one JACK
    // port to another, otherwise on the device's own thread. Null stops it.
    // The output must outlive the port.
    void setThrough(MIDIOutput *output);
    MIDIOutput *through() const { return m_through.load(std::memory_order_acquire); }

    // What every message is stamped with as it arrives, from now on.
    void setArrival(quint32 question, bool active);

    int pendingMessages() const;
    // The oldest message, left in the queue; all zero when none is waiting.
    MidiMessage readMessage() const;
    // What the oldest message was stamped with.
    MidiStamp readStamp() const;
    // How long ago the oldest message arrived; 0 when none is waiting.
    std::chrono::milliseconds readAge() const;
    void removeMessage();

    // Messages that were not whole short messages (a data byte where a
    // status belongs, a message shorter than its status needs): dropped
    // unforwarded and unanswered, and counted here.
    quint64 malformedCount() const { return m_malformed.load(std::memory_order_relaxed); }

signals:
    // Raised on the user-interface thread after messages have been queued.
    void message();
    void error(int code, const QString &description);

private:
    struct Received
    {
        MidiMessage message;
        MidiStamp stamp;
        std::chrono::steady_clock::time_point arrived;
    };

    void receive(const std::uint8_t *bytes, std::size_t size);
    void announce();
    void clearQueue();

    std::shared_ptr<MidiBackend> m_backend;
    QStringList m_devices;
    bool m_listed = false;
    int m_device = 0;
    QString m_openName;
    std::unique_ptr<MidiSource> m_source;

    std::atomic<bool> m_started{false};
    std::atomic<MIDIOutput *> m_through{nullptr};
    // The question in the low 32 bits, the active window in bit 32: one
    // load gives a consistent pair on the device's thread.
    std::atomic<quint64> m_arrival{0};

    std::vector<Received> m_ring;
    // Counts of messages written and read; their difference is the queue.
    std::atomic<std::size_t> m_written{0};
    std::atomic<std::size_t> m_read{0};
    std::atomic<std::size_t> m_dropped{0};
    std::atomic<quint64> m_malformed{0};
    std::atomic<bool> m_announcing{false};
    int m_wakeFd = -1;
    QSocketNotifier *m_wake = nullptr;
};

} // namespace staverly
