// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midibackend.h"
#include "midierror.h"

#include <mutex>
#include <vector>

namespace staverly {

// Devices in memory: the test plays the input from any thread and reads
// what the output was sent.
class FakeMidiBackend : public MidiBackend
{
public:
    QStringList inputs{QStringLiteral("Fake Keyboard")};
    QStringList outputs{QStringLiteral("Fake Sink")};
    std::vector<std::vector<std::uint8_t>> sent;
    bool failSends = false;
    int inputsOpen = 0;

    QStringList inputNames() override { return inputs; }
    QStringList outputNames() override { return outputs; }
    quint64 changes() override { return changeCount; }
    // A device plugged in or pulled out, as the system announces it.
    void plugInput(const QString &name);
    void unplugInput(const QString &name);
    void plugOutput(const QString &name);
    void unplugOutput(const QString &name);
    quint64 changeCount = 0;
    std::unique_ptr<MidiSource> openInput(const QString &name, Receiver receiver) override;
    std::unique_ptr<MidiSink> openOutput(const QString &name) override;

    // Delivers bytes as the device's thread would; nothing when closed.
    void play(std::vector<std::uint8_t> bytes);
    bool inputOpen();

private:
    class Source : public MidiSource
    {
    public:
        explicit Source(FakeMidiBackend &backend) : m_backend(backend) {}
        ~Source() override;

    private:
        FakeMidiBackend &m_backend;
    };

    class Sink : public MidiSink
    {
    public:
        explicit Sink(FakeMidiBackend &backend) : m_backend(backend) {}
        void send(const std::uint8_t *bytes, std::size_t size) override;

    private:
        FakeMidiBackend &m_backend;
    };

    std::mutex m_mutex;
    Receiver m_receiver;
};

} // namespace staverly
