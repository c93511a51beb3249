// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midibackend.h"

#include <QCoreApplication>
#include <chrono>
#include <memory>
#include <rtmidi/RtMidi.h>
#include <mutex>
#include <string>

namespace staverly {

// An open RtMidi input port.
class RtMidiSource : public MidiSource
{
    Q_DECLARE_TR_FUNCTIONS(RtMidiSource)

public:
    // Opens port `index` of `in`; throws MidiError when it will not open.
    // `settle` is how long a new connection takes to carry messages, and how
    // long a closed port may still be read by the back end's thread.
    // `port` is the back end's name of port `index`; opening fails when the
    // list changed and the index names another port by then.
    RtMidiSource(std::unique_ptr<RtMidiIn> in, unsigned index, const std::string &port,
                 const QString &name, MidiBackend::Receiver receiver,
                 std::chrono::milliseconds settle);
    ~RtMidiSource() override;

    bool alive() const override;
    bool connected() const override;
    bool linked() const override;
    std::string jackPort() const override { return m_jack ? m_port : std::string(); }

private:
    void release();
    static void received(double, std::vector<unsigned char> *message, void *self);
    static void failed(RtMidiError::Type type, const std::string &text, void *self);

    MidiBackend::Receiver m_receiver;
    std::chrono::milliseconds m_settle;
    bool m_jack;
    quint64 m_generation;
    std::string m_port;
    quint64 m_identity = 0;
    // Our end of the JACK connection to the device's port.
    std::string m_own;
    std::mutex m_errorMutex;
    std::string m_error;
    // Last, so it is closed first: its thread uses the members above.
    std::unique_ptr<RtMidiIn> m_in;
};

} // namespace staverly
