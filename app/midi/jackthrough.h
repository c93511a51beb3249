// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midithrough.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <memory>
#include <string>

struct _jack_client;
struct _jack_port;

namespace staverly {

// MIDI through inside a JACK client of its own, joined from the keyboard's
// port and to the device's. JACK runs a client after those it reads from,
// so a message leaves in the very cycle it came in. Through a reading and a
// writing client apart, as RtMidi has them, it does so only when the server
// happens to run the writer after the reader, else one period later.
//
// Passes what the program's input takes, whole short messages, and leaves
// out exclusive messages, clock, time code and active sensing. Its cycle
// neither waits nor allocates.
class JackThrough final : public MidiThrough
{
public:
    // Null when the server refuses or either port is gone. `clientName` is
    // the program's, so that its ports are never listed as devices.
    static std::unique_ptr<JackThrough> open(const QString &clientName, const std::string &from,
                                             const std::string &to);
    ~JackThrough() override;
    JackThrough(const JackThrough &) = delete;
    JackThrough &operator=(const JackThrough &) = delete;

    void setOn(bool on) override { m_on.store(on, std::memory_order_release); }
    bool alive() const override;
    bool linked() const override;

private:
    JackThrough() = default;
    static int process(unsigned frames, void *self);

    _jack_client *m_client = nullptr;
    _jack_port *m_in = nullptr;
    _jack_port *m_out = nullptr;
    quint64 m_generation = 0;
    std::string m_from;
    std::string m_to;
    std::atomic<bool> m_on{false};
};

} // namespace staverly
