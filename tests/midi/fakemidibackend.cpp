// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakemidibackend.h"

namespace staverly {

std::unique_ptr<MidiSource> FakeMidiBackend::openInput(const QString &name, Receiver receiver)
{
    if (!inputs.contains(name))
        throw MidiError(MidiError::NoSuchDevice, QStringLiteral("no input %1").arg(name));
    std::lock_guard lock(m_mutex);
    m_receiver = std::move(receiver);
    ++inputsOpen;
    return std::make_unique<Source>(*this);
}

std::unique_ptr<MidiSink> FakeMidiBackend::openOutput(const QString &name)
{
    if (!outputs.contains(name))
        throw MidiError(MidiError::NoSuchDevice, QStringLiteral("no output %1").arg(name));
    return std::make_unique<Sink>(*this);
}

void FakeMidiBackend::plugInput(const QString &name)
{
    inputs << name;
    ++changeCount;
}

void FakeMidiBackend::unplugInput(const QString &name)
{
    inputs.removeAll(name);
    ++changeCount;
}

void FakeMidiBackend::plugOutput(const QString &name)
{
    outputs << name;
    ++changeCount;
}

void FakeMidiBackend::unplugOutput(const QString &name)
{
    outputs.removeAll(name);
    ++changeCount;
}

bool FakeMidiBackend::inputOpen()
{
    std::lock_guard lock(m_mutex);
    return bool(m_receiver);
}

void FakeMidiBackend::play(std::vector<std::uint8_t> bytes)
{
    std::lock_guard lock(m_mutex);
    if (m_receiver)
        m_receiver(bytes.data(), bytes.size());
}

FakeMidiBackend::Source::~Source()
{
    std::lock_guard lock(m_backend.m_mutex);
    m_backend.m_receiver = nullptr;
    --m_backend.inputsOpen;
}

void FakeMidiBackend::Sink::send(const std::uint8_t *bytes, std::size_t size)
{
    if (m_backend.failSends)
        throw MidiError(MidiError::SendFailed, QStringLiteral("the cable is out"));
    m_backend.sent.emplace_back(bytes, bytes + size);
}

} // namespace staverly
