#pragma once

namespace staverly {

// An open input device. It hands every received message to the receiver it
// was opened with, on a thread of its own, until it is destroyed; after the
// destructor returns the receiver is no longer called.
class MidiSource
{
public:
    virtual ~MidiSource() = default;
};

} // namespace staverly
