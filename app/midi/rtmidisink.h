// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midisink.h"

#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <memory>
#include <rtmidi/RtMidi.h>
#include <string>

namespace staverly {

// An open RtMidi output port; messages leave at once.
class RtMidiSink : public MidiSink
{
    Q_DECLARE_TR_FUNCTIONS(RtMidiSink)

public:
    // Opens port `index` of `out`; throws MidiError when it will not open.
    // `settle` is how long a new connection takes to carry messages, and how
    // long a closed port may still be read by the back end's thread.
    // `port` is the back end's name of port `index`; opening fails when the
    // list changed and the index names another port by then.
    // `clientName` names the client of a direct MIDI through.
    RtMidiSink(std::unique_ptr<RtMidiOut> out, unsigned index, const std::string &port,
               const QString &name, std::chrono::milliseconds settle, const QString &clientName);
    ~RtMidiSink() override;

    void send(const std::uint8_t *bytes, std::size_t size) override;
    bool alive() const override;
    bool connected() const override;
    bool linked() const override;
    std::unique_ptr<MidiThrough> throughFrom(const std::string &from) override;

private:
    void release();
    static void failed(RtMidiError::Type type, const std::string &text, void *self);

    QString m_name;
    QString m_clientName;
    std::chrono::milliseconds m_settle;
    bool m_jack;
    quint64 m_generation;
    std::string m_port;
    quint64 m_identity = 0;
    // Our end of the JACK connection to the device's port.
    std::string m_own;
    std::string m_error;
    std::unique_ptr<RtMidiOut> m_out;
};

} // namespace staverly
