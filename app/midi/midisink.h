// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midithrough.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace staverly {

// Somewhere an output message goes: an open device or the built-in synthesizer.
class MidiSink
{
public:
    virtual ~MidiSink() = default;
    // Sends one complete message at once; throws MidiError when it fails.
    virtual void send(const std::uint8_t *bytes, std::size_t size) = 0;
    // False once the device's connection is gone for good (its server went
    // away); a new open is needed.
    virtual bool alive() const { return true; }
    // Still joined to the very port it opened.
    virtual bool connected() const { return alive(); }
    // Joined to the device's port: false when that connection was removed
    // outside the program (a patchbay) while both ports are still there.
    virtual bool linked() const { return true; }
    // MIDI through from the JACK port `from` straight to this device, where
    // the device layer can carry it; null where it cannot.
    virtual std::unique_ptr<MidiThrough> throughFrom(const std::string &from)
    {
        (void)from;
        return nullptr;
    }
};

} // namespace staverly
