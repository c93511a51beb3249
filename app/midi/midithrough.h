// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly {

// MIDI through carried by the device layer itself, from an input device
// straight to an output device, without passing the program's threads.
class MidiThrough
{
public:
    virtual ~MidiThrough() = default;
    // While off nothing goes through. From any thread; never waits.
    virtual void setOn(bool on) = 0;
    // False once its server went away: a new one is needed.
    virtual bool alive() const = 0;
    // Both its connections are there: false when one was removed outside
    // the program (a patchbay).
    virtual bool linked() const { return true; }
};

} // namespace staverly
