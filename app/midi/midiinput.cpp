// SPDX-License-Identifier: GPL-3.0-or-later
#include "midiinput.h"

#include "midierror.h"

#include <QSocketNotifier>
#include <sys/eventfd.h>
#include <unistd.h>

namespace staverly {

MIDIInput::MIDIInput(std::shared_ptr<MidiBackend> backend, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
    , m_ring(QueueLimit)
{
    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_wakeFd >= 0) {
        m_wake = new QSocketNotifier(m_wakeFd, QSocketNotifier::Read, this);
        connect(m_wake, &QSocketNotifier::activated, this, &MIDIInput::announce);
    }
}

MIDIInput::~MIDIInput()
{
    close();
    delete m_wake;
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
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
    if (name.isEmpty())
        throw MidiError::notListed(true, m_device + 1, int(m_devices.size()));
    m_source = m_backend->openInput(name, [this](const std::uint8_t *bytes, std::size_t size) {
        receive(bytes, size);
    });
    m_openName = name;
    if (MIDIOutput *output = through())
        output->throughFrom(m_source->jackPort());
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
    if (MIDIOutput *output = through())
        output->throughFrom({});
    m_started = false;
    m_source.reset();
    m_openName.clear();
    clearQueue();
}

void MIDIInput::setThrough(MIDIOutput *output)
{
    MIDIOutput *before = m_through.exchange(output, std::memory_order_acq_rel);
    if (before && before != output)
        before->throughFrom({});
    if (output)
        output->throughFrom(m_source ? m_source->jackPort() : std::string());
}

void MIDIInput::setArrival(quint32 question, bool active)
{
    m_arrival.store(quint64(question) | (active ? quint64(1) << 32 : 0), std::memory_order_release);
}

int MIDIInput::pendingMessages() const
{
    return int(m_written.load(std::memory_order_acquire) - m_read.load(std::memory_order_relaxed));
}

MidiMessage MIDIInput::readMessage() const
{
    if (pendingMessages() == 0)
        return {};
    return m_ring[m_read.load(std::memory_order_relaxed) % QueueLimit].message;
}

MidiStamp MIDIInput::readStamp() const
{
    if (pendingMessages() == 0)
        return {};
    return m_ring[m_read.load(std::memory_order_relaxed) % QueueLimit].stamp;
}

std::chrono::milliseconds MIDIInput::readAge() const
{
    if (pendingMessages() == 0)
        return {};
    const auto arrived = m_ring[m_read.load(std::memory_order_relaxed) % QueueLimit].arrived;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - arrived);
}

void MIDIInput::removeMessage()
{
    if (pendingMessages() > 0)
        m_read.store(m_read.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

// On the device's thread: check, forward, queue, and wake the user-interface
// thread at most once until it has looked, so a burst costs one wake-up.
void MIDIInput::receive(const std::uint8_t *bytes, std::size_t size)
{
    if (!m_started.load(std::memory_order_acquire) || size == 0)
        return;
    // Exclusive messages are not short messages; the back ends leave them
    // out, and one that comes anyway is passed over.
    if (bytes[0] == 0xF0)
        return;
    if (!isWholeShortMessage(bytes, size)) {
        m_malformed.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    const MidiMessage message{qint16(bytes[0]), qint16(size > 1 ? bytes[1] : 0),
                              qint16(size > 2 ? bytes[2] : 0)};
    const quint64 arrival = m_arrival.load(std::memory_order_acquire);
    const MidiStamp stamp{quint32(arrival & 0xFFFFFFFFu), (arrival >> 32) != 0};
    if (MIDIOutput *output = m_through.load(std::memory_order_acquire))
        output->forward(message.status, message.data1, message.data2);
    const std::size_t written = m_written.load(std::memory_order_relaxed);
    if (written - m_read.load(std::memory_order_acquire) >= QueueLimit) {
        m_dropped.fetch_add(1, std::memory_order_relaxed);
    } else {
        m_ring[written % QueueLimit] = {message, stamp, std::chrono::steady_clock::now()};
        m_written.store(written + 1, std::memory_order_release);
    }
    if (m_wakeFd >= 0 && !m_announcing.exchange(true, std::memory_order_acq_rel)) {
        const quint64 one = 1;
        [[maybe_unused]] const auto sent = ::write(m_wakeFd, &one, sizeof one);
    }
}

void MIDIInput::announce()
{
    quint64 count = 0;
    [[maybe_unused]] const auto got = ::read(m_wakeFd, &count, sizeof count);
    // Cleared before looking, so a message queued from now on wakes anew.
    m_announcing.store(false, std::memory_order_release);
    const std::size_t dropped = m_dropped.exchange(0, std::memory_order_relaxed);
    if (dropped > 0) {
        emit error(MidiError::InputOverflow,
                   tr("%1 MIDI messages were lost: the input queue was full.").arg(dropped));
    }
    if (pendingMessages() > 0)
        emit message();
}

void MIDIInput::clearQueue()
{
    // Only after the source is gone: no writer is left.
    m_read.store(m_written.load(std::memory_order_acquire), std::memory_order_release);
    m_dropped.store(0, std::memory_order_relaxed);
}

} // namespace staverly
