#include "midioutput.h"

#include "midierror.h"

namespace staverly {

namespace {

// Bytes on the wire for a status byte; 0 for one that starts no short message.
std::size_t messageLength(int status)
{
    if (status < 0x80 || status > 0xFF)
        return 0;
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
        return 2;
    case 0xF0:
        break;
    default:
        return 3;
    }
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 2;
    case 0xF2:
        return 3;
    case 0xF0:
    case 0xF7:
    case 0xF4:
    case 0xF5:
    case 0xF9:
    case 0xFD:
        return 0;
    default:
        return 1;
    }
}

} // namespace

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

QString MIDIOutput::deviceName()
{
    if (m_device == -1)
        return m_defaultOutput ? m_defaultOutput->name() : QStringLiteral("No default output");
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
                            QStringLiteral("This system has no default MIDI output."));
        }
        m_defaultOutput->open();
        std::lock_guard lock(m_sending);
        m_target = m_defaultOutput.get();
        return;
    }
    const QString name = deviceName();
    if (name.isEmpty()) {
        throw MidiError(MidiError::NoSuchDevice,
                        QStringLiteral("There is no MIDI output device number %1; this system has %2 "
                                       "besides the default output.")
                            .arg(m_device)
                            .arg(m_devices.size()));
    }
    std::unique_ptr<MidiSink> sink = m_backend->openOutput(name);
    std::lock_guard lock(m_sending);
    m_sink = std::move(sink);
    m_target = m_sink.get();
}

void MIDIOutput::close()
{
    MidiSink *target = nullptr;
    std::unique_ptr<MidiSink> sink;
    {
        std::lock_guard lock(m_sending);
        target = m_target;
        m_target = nullptr;
        sink = std::move(m_sink);
    }
    if (target && target == m_defaultOutput.get())
        m_defaultOutput->close();
}

void MIDIOutput::send()
{
    sendLocked(m_status, m_data1, m_data2);
}

void MIDIOutput::forward(qint16 status, qint16 data1, qint16 data2)
{
    sendLocked(status, data1, data2);
}

void MIDIOutput::sendLocked(qint16 status, qint16 data1, qint16 data2)
{
    std::unique_lock lock(m_sending);
    if (!m_target)
        return;
    const std::size_t length = messageLength(status);
    if (length == 0) {
        lock.unlock();
        report(MidiError::NotAMessage,
               QStringLiteral("%1 does not start a short MIDI message.").arg(status));
        return;
    }
    const std::uint8_t bytes[3] = {std::uint8_t(status), std::uint8_t(data1 & 0x7F),
                                   std::uint8_t(data2 & 0x7F)};
    try {
        m_target->send(bytes, length);
    } catch (const MidiError &failure) {
        lock.unlock();
        report(failure.code(), failure.description());
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
