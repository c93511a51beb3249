// SPDX-License-Identifier: GPL-3.0-or-later
#include "midioutput.h"

#include "midierror.h"
#include "midimessage.h"

namespace staverly {

MIDIOutput::MIDIOutput(std::shared_ptr<MidiBackend> backend,
                       std::shared_ptr<DefaultOutput> defaultOutput, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
    , m_defaultOutput(std::move(defaultOutput))
{
}

MIDIOutput::~MIDIOutput()
{
    close();
}

int MIDIOutput::deviceCount()
{
    m_devices = m_backend->outputNames();
    m_listed = true;
    return int(m_devices.size());
}

void MIDIOutput::selectDevice(int device)
{
    m_device = device;
}

const DefaultOutput *MIDIOutput::openDefault() const
{
    return m_target && m_target == m_defaultOutput.get() ? m_defaultOutput.get() : nullptr;
}

QString MIDIOutput::defaultName() const
{
    return m_defaultOutput ? m_defaultOutput->name() : QStringLiteral("No default output");
}

QString MIDIOutput::deviceName()
{
    if (m_device == -1)
        return defaultName();
    if (!m_listed)
        deviceCount();
    return m_device >= 0 && m_device < m_devices.size() ? m_devices.at(m_device) : QString();
}

void MIDIOutput::open()
{
    close();
    if (m_device == -1) {
        if (!m_defaultOutput) {
            throw MidiError(MidiError::NoSuchDevice,
                            tr("This system has no default MIDI output."));
        }
        m_defaultOutput->open();
        std::lock_guard lock(m_sending);
        m_target = m_defaultOutput.get();
        m_openName = m_defaultOutput->name();
        return;
    }
    const QString name = deviceName();
    // The list shows the default output first, then device 0 and on.
    if (name.isEmpty())
        throw MidiError::notListed(false, m_device + 2, int(m_devices.size()) + 1);
    std::unique_ptr<MidiSink> sink = m_backend->openOutput(name);
    {
        std::lock_guard lock(m_sending);
        m_sink = std::move(sink);
        m_target = m_sink.get();
        m_openName = name;
    }
    openDirect();
}

void MIDIOutput::throughFrom(const std::string &from)
{
    m_throughFrom = from;
    if (from.empty()) {
        m_directOn.store(false, std::memory_order_release);
        if (m_direct)
            m_direct->setOn(false);
        return;
    }
    openDirect();
}

// Kept open while off: windows come and go far more often than devices.
void MIDIOutput::openDirect()
{
    if (m_throughFrom.empty())
        return;
    if (!m_direct || m_directFrom != m_throughFrom || !m_direct->alive()) {
        closeDirect();
        if (m_sink)
            m_direct = m_sink->throughFrom(m_throughFrom);
        m_directFrom = m_throughFrom;
    }
    if (!m_direct)
        return;
    m_direct->setOn(true);
    m_directOn.store(true, std::memory_order_release);
}

void MIDIOutput::closeDirect()
{
    m_directOn.store(false, std::memory_order_release);
    m_direct.reset();
    m_directFrom.clear();
}

bool MIDIOutput::isAlive() const
{
    return m_sink ? m_sink->alive() : m_target != nullptr;
}

bool MIDIOutput::isConnected() const
{
    return m_sink ? m_sink->connected() : m_target != nullptr;
}

bool MIDIOutput::isLinked() const
{
    return (!m_sink || m_sink->linked()) && (!m_direct || m_direct->linked());
}

void MIDIOutput::close()
{
    closeDirect();
    MidiSink *target = nullptr;
    std::unique_ptr<MidiSink> sink;
    {
        std::lock_guard lock(m_sending);
        target = m_target;
        m_target = nullptr;
        sink = std::move(m_sink);
        m_openName.clear();
    }
    if (target && target == m_defaultOutput.get())
        m_defaultOutput->close();
}

void MIDIOutput::send()
{
    sendLocked(m_status, m_data1, m_data2);
}

// On the device's thread: queued, then sent at once unless the other thread
// is sending, which then sends it on its way out. Nothing here waits.
void MIDIOutput::forward(qint16 status, qint16 data1, qint16 data2)
{
    if (m_directOn.load(std::memory_order_acquire))
        return;
    const std::size_t length = midiMessageLength(status);
    if (length == 0)
        return;
    const std::size_t written = m_deferWritten.load(std::memory_order_relaxed);
    if (written - m_deferRead.load(std::memory_order_acquire) >= DeferLimit)
        return;
    m_deferred[written % DeferLimit] = {{std::uint8_t(status), std::uint8_t(data1 & 0x7F),
                                         std::uint8_t(data2 & 0x7F)},
                                        std::uint8_t(length)};
    m_deferWritten.store(written + 1, std::memory_order_release);
    std::unique_lock lock(m_sending, std::try_to_lock);
    if (!lock.owns_lock())
        return;
    sendHeld(nullptr);
    release(lock);
}

void MIDIOutput::sendLocked(qint16 status, qint16 data1, qint16 data2)
{
    const std::size_t length = midiMessageLength(status);
    if (length == 0) {
        report(MidiError::NotAMessage,
               tr("%1 does not start a short MIDI message.").arg(status));
        return;
    }
    const Bytes bytes{{std::uint8_t(status), std::uint8_t(data1 & 0x7F), std::uint8_t(data2 & 0x7F)},
                      std::uint8_t(length)};
    std::unique_lock lock(m_sending);
    sendHeld(&bytes);
    release(lock);
}

void MIDIOutput::sendHeld(const Bytes *bytes)
{
    const auto sendOne = [this](const Bytes &message) {
        if (!m_target)
            return;
        try {
            m_target->send(message.data, message.size);
            if (m_sentWatcher)
                m_sentWatcher(message.data, message.size);
        } catch (const MidiError &failure) {
            report(failure.code(), failure.description());
        }
    };
    const std::size_t written = m_deferWritten.load(std::memory_order_acquire);
    std::size_t read = m_deferRead.load(std::memory_order_relaxed);
    for (; read != written; ++read)
        sendOne(m_deferred[read % DeferLimit]);
    m_deferRead.store(read, std::memory_order_release);
    if (bytes)
        sendOne(*bytes);
}

void MIDIOutput::release(std::unique_lock<std::mutex> &lock)
{
    for (;;) {
        lock.unlock();
        // A message queued while the lock was held, after the last look:
        // whoever gets the lock now sends it.
        if (m_deferRead.load(std::memory_order_acquire) == m_deferWritten.load(std::memory_order_acquire)
            || !lock.try_lock())
            return;
        sendHeld(nullptr);
    }
}

void MIDIOutput::send(qint16 status, qint16 data1, qint16 data2, qint16 fourth)
{
    setStatus(status);
    setData1(data1);
    setData2(data2);
    setFourth(fourth);
    send();
}

void MIDIOutput::report(int code, const QString &description)
{
    // Queued, so a handler that shows a box does not run inside the sender,
    // and one at a time, so a dead device does not stack up a box per note.
    if (m_errorPending.exchange(true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this, code, description] {
            m_errorPending = false;
            emit error(code, description);
        },
        Qt::QueuedConnection);
}

} // namespace staverly
