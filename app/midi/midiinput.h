#pragma once

#include "midibackend.h"
#include "midimessage.h"
#include "midioutput.h"
#include "midistamp.h"

#include <QObject>
#include <QStringList>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>

namespace staverly {

// The input port: one selected device, opened, started, and a queue of the
// short messages it received. Everything but the device's own thread runs
// on the user-interface thread.
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
    void selectDevice(int device);
    int selectedDevice() const { return m_device; }
    // Empty when the selected number names no device.
    QString deviceName();

    // 1 when open, 0 when not.
    int isOpen() const { return m_source ? 1 : 0; }
    // Throws MidiError with a description when the device will not open.
    void open();
    void start();
    void stop();
    void close();

    // MIDI through: while set, every message is sent on to `output` on the
    // device's own thread as it arrives, before it is queued, so it leaves in
    // the same audio period. Null stops it. The output must outlive the port.
    void setThrough(MIDIOutput *output);
    MIDIOutput *through() const { return m_through.load(std::memory_order_acquire); }

    // What every message is stamped with as it arrives, from now on.
    void setArrival(quint32 question, bool active);

    int pendingMessages() const;
    // The oldest message, left in the queue; all zero when none is waiting.
    MidiMessage readMessage() const;
    // What the oldest message was stamped with.
    MidiStamp readStamp() const;
    void removeMessage();

signals:
    // Raised on the user-interface thread after messages have been queued.
    void message();
    void error(int code, const QString &description);

private:
    void receive(const std::uint8_t *bytes, std::size_t size);
    void announce();
    void clearQueue();

    std::shared_ptr<MidiBackend> m_backend;
    QStringList m_devices;
    bool m_listed = false;
    int m_device = 0;
    std::unique_ptr<MidiSource> m_source;

    std::atomic<bool> m_started{false};
    std::atomic<MIDIOutput *> m_through{nullptr};
    // The question in the low 32 bits, the active window in bit 32: one
    // load gives a consistent pair on the device's thread.
    std::atomic<quint64> m_arrival{0};
    std::atomic<bool> m_announcing{false};
    mutable std::mutex m_mutex;
    struct Received
    {
        MidiMessage message;
        MidiStamp stamp;
    };
    std::deque<Received> m_queue;
    std::size_t m_dropped = 0;
};

} // namespace staverly
