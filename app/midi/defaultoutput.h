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
    // What keeps it silent right now, for a notice; empty while it sounds.
    virtual QString problem() const { return {}; }
    // The audio driver it plays through ("pulseaudio", "alsa", "jack");
    // empty when none.
    virtual QString driverName() const { return {}; }
    // From a note-on to the note leaving for the loudspeakers, as the audio
    // driver measures it; 0 while nothing plays.
    virtual double measuredLatencyMs() const { return 0.0; }
};

} // namespace staverly
