// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace staverly {

// An open input device. It hands every received message to the receiver it
// was opened with, on a thread of its own, until it is destroyed; after the
// destructor returns the receiver is no longer called.
class MidiSource
{
public:
    virtual ~MidiSource() = default;
    // False once the device's connection is gone for good (its server went
    // away): it delivers nothing more, and only a new open helps.
    virtual bool alive() const { return true; }
    // Still joined to the very port it opened: false too when that port went
    // and one of the same name came back, which must be opened anew.
    virtual bool connected() const { return alive(); }
    // Joined to the device's port: false when that connection was removed
    // outside the program (a patchbay) while both ports are still there.
    virtual bool linked() const { return true; }
    // The device's full JACK port name; empty for a device of another kind.
    virtual std::string jackPort() const { return {}; }
};

} // namespace staverly
