#include "midiinput.h"

#include "midierror.h"

#include <QMetaObject>

namespace staverly {

MIDIInput::MIDIInput(std::shared_ptr<MidiBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
{
}

MIDIInput::~MIDIInput()
{
    close();
}

int MIDIInput::deviceCount()
{
    m_devices = m_backend->inputNames();
    m_listed = true;
    return int(m_devices.size());
}

void MIDIInput::selectDevice(int device)
{
    m_device = device;
}

QString MIDIInput::deviceName()
{
    if (!m_listed)
        deviceCount();
    return m_device >= 0 && m_device < m_devices.size() ? m_devices.at(m_device) : QString();
}

void MIDIInput::open()
{
    close();
    const QString name = deviceName();
    if (name.isEmpty()) {
        throw MidiError(MidiError::NoSuchDevice,
                        QStringLiteral("There is no MIDI input device number %1; this system has %2.")
                            .arg(m_device)
                            .arg(m_devices.size()));
    }
    m_source = m_backend->openInput(name, [this](const std::uint8_t *bytes, std::size_t size) {
        receive(bytes, size);
    });
}

void MIDIInput::start()
{
    m_started = true;
}

void MIDIInput::stop()
{
    m_started = false;
}

void MIDIInput::close()
{
    m_started = false;
    m_source.reset();
    clearQueue();
}

void MIDIInput::setThrough(MIDIOutput *output)
{
    m_through.store(output, std::memory_order_release);
}

void MIDIInput::setArrival(quint32 question, bool active)
{
    m_arrival.store(quint64(question) | (active ? quint64(1) << 32 : 0), std::memory_order_release);
}

int MIDIInput::pendingMessages() const
{
    std::lock_guard lock(m_mutex);
    return int(m_queue.size());
}

MidiMessage MIDIInput::readMessage() const
{
    std::lock_guard lock(m_mutex);
    return m_queue.empty() ? MidiMessage{} : m_queue.front().message;
}

MidiStamp MIDIInput::readStamp() const
{
    std::lock_guard lock(m_mutex);
    return m_queue.empty() ? MidiStamp{} : m_queue.front().stamp;
}

void MIDIInput::removeMessage()
{
    std::lock_guard lock(m_mutex);
    if (!m_queue.empty())
        m_queue.pop_front();
}

// On the device's thread: queue, and post at most one announcement at a time
// so that a burst costs the event loop one wake-up, not one per message.
void MIDIInput::receive(const std::uint8_t *bytes, std::size_t size)
{
    if (!m_started.load(std::memory_order_acquire) || size == 0)
        return;
    const MidiMessage message{qint16(bytes[0]), qint16(size > 1 ? bytes[1] : 0),
                              qint16(size > 2 ? bytes[2] : 0)};
    const quint64 arrival = m_arrival.load(std::memory_order_acquire);
    const MidiStamp stamp{quint32(arrival & 0xFFFFFFFFu), (arrival >> 32) != 0};
    if (MIDIOutput *output = m_through.load(std::memory_order_acquire))
        output->forward(message.status, message.data1, message.data2);
    {
        std::lock_guard lock(m_mutex);
        if (m_queue.size() < QueueLimit)
            m_queue.push_back({message, stamp});
        else
            ++m_dropped;
    }
    if (!m_announcing.exchange(true, std::memory_order_acq_rel))
        QMetaObject::invokeMethod(this, &MIDIInput::announce, Qt::QueuedConnection);
}

void MIDIInput::announce()
{
    // Cleared before looking, so a message queued from now on posts anew.
    m_announcing.store(false, std::memory_order_release);
    std::size_t dropped = 0;
    bool waiting = false;
    {
        std::lock_guard lock(m_mutex);
        std::swap(dropped, m_dropped);
        waiting = !m_queue.empty();
    }
    if (dropped > 0) {
        emit error(MidiError::InputOverflow,
                   QStringLiteral("%1 MIDI messages were lost: the input queue was full.").arg(dropped));
    }
    if (waiting)
        emit message();
}

void MIDIInput::clearQueue()
{
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_dropped = 0;
}

} // namespace staverly
