#pragma once

#include "midisink.h"

#include <QString>

namespace staverly {

// What output device -1 stands for. It outlives the port's open and close,
// so reopening it is cheap.
class DefaultOutput : public MidiSink
{
public:
    virtual QString name() const = 0;
    // Throws MidiError with a description for the user when it cannot sound.
    virtual void open() = 0;
    virtual void close() = 0;
};

} // namespace staverly
