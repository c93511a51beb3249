// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "defaultoutput.h"
#include "midibackend.h"
#include "noteoutput.h"

#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace staverly {

// The output port: a selected device (-1 is the default output, the
// built-in synthesizer), an open state and a four-field message buffer.
// Sends go out at once; a failing send raises error(), never an exception.
// forward() may be called from a device's thread; everything else runs on
// the user-interface thread.
class MIDIOutput : public QObject, public NoteOutput
{
    Q_OBJECT

public:
    // Without a default output, device -1 is listed but will not open.
    explicit MIDIOutput(std::shared_ptr<MidiBackend> backend,
                        std::shared_ptr<DefaultOutput> defaultOutput = nullptr,
                        QObject *parent = nullptr);
    ~MIDIOutput() override;

    // Lists the devices anew; they are numbered 0 to n-1, besides device -1.
    int deviceCount();
    void selectDevice(int device);
    int selectedDevice() const { return m_device; }
    // Empty when the selected number names no device.
    QString deviceName();

    // The names of the last listing, device 0 first.
    QStringList deviceNames() const { return m_devices; }
    // Device -1's name.
    QString defaultName() const;
    // The device that is open (-1's name for the default output); empty when
    // none is.
    QString openName() const { return m_openName; }
    quint64 deviceChanges() { return m_backend->changes(); }
    // Device -1's sound, when it is the one open; null otherwise.
    const DefaultOutput *openDefault() const;
    // Device -1's sound, open or not; null when there is none.
    DefaultOutput *defaultOutput() const { return m_defaultOutput.get(); }

    // 1 when open, 0 when not.
    int isOpen() const { return m_target ? 1 : 0; }
    // False when the open device's connection is gone for good.
    bool isAlive() const;
    // Still joined to the very port it opened; may ask the system.
    bool isConnected() const;
    // False when its connection to the device, or one of a direct MIDI
    // through, was removed outside the program.
    bool isLinked() const;
    // Throws MidiError with a description when the device will not open.
    void open();
    void close();

    qint16 status() const { return m_status; }
    qint16 data1() const { return m_data1; }
    qint16 data2() const { return m_data2; }
    qint16 fourth() const { return m_fourth; }
    void setStatus(qint16 status) { m_status = status; }
    void setData1(qint16 data1) { m_data1 = data1; }
    void setData2(qint16 data2) { m_data2 = data2; }
    void setFourth(qint16 fourth) { m_fourth = fourth; }

    // Sends the buffer. A closed port drops it: the failed open was reported.
    void send();
    void send(qint16 status, qint16 data1, qint16 data2, qint16 fourth) override;
    // Sends a received message on, from any thread, leaving the buffer alone;
    // nothing while a direct MIDI through carries it.
    void forward(qint16 status, qint16 data1, qint16 data2);
    // MIDI through from the JACK port `from` (empty: none), carried by the
    // device layer where it can: then forward() lets it be. Kept over a
    // reopening of the device, and looked at again each time.
    void throughFrom(const std::string &from);
    bool throughIsDirect() const { return m_directOn.load(std::memory_order_acquire); }
    // Told of every message that went out, on the thread that sent it; set
    // before anything is sent.
    void watchSent(std::function<void(const std::uint8_t *bytes, std::size_t size)> watcher)
    {
        m_sentWatcher = std::move(watcher);
    }

signals:
    void error(int code, const QString &description);

private:
    struct Bytes
    {
        std::uint8_t data[3];
        std::uint8_t size;
    };

    void sendLocked(qint16 status, qint16 data1, qint16 data2);
    // With m_sending held: what the device's thread left, then `bytes`.
    void sendHeld(const Bytes *bytes);
    // Lets m_sending go, sending whatever the device's thread left meanwhile.
    void release(std::unique_lock<std::mutex> &lock);
    void report(int code, const QString &description);
    void openDirect();
    void closeDirect();

    std::function<void(const std::uint8_t *, std::size_t)> m_sentWatcher;

    std::shared_ptr<MidiBackend> m_backend;
    std::shared_ptr<DefaultOutput> m_defaultOutput;
    QStringList m_devices;
    bool m_listed = false;
    int m_device = -1;
    std::unique_ptr<MidiSink> m_sink;
    QString m_openName;
    // The open device's sink or the default output; null when closed.
    // Guarded by m_sending, which is never held while a device opens or closes.
    MidiSink *m_target = nullptr;
    std::mutex m_sending;
    // The device's thread never waits for m_sending: when the user-interface
    // thread holds it, the message waits here, in order, for whoever holds
    // it next. One writer, that thread; readers hold m_sending.
    static constexpr std::size_t DeferLimit = 65536;
    std::vector<Bytes> m_deferred = std::vector<Bytes>(DeferLimit);
    std::atomic<std::size_t> m_deferWritten{0};
    std::atomic<std::size_t> m_deferRead{0};
    std::atomic<bool> m_errorPending{false};

    // The JACK port MIDI through comes from, and what carries it directly.
    std::string m_throughFrom;
    std::unique_ptr<MidiThrough> m_direct;
    std::string m_directFrom;
    std::atomic<bool> m_directOn{false};

    qint16 m_status = 0;
    qint16 m_data1 = 0;
    qint16 m_data2 = 0;
    qint16 m_fourth = 0;
};

} // namespace staverly
