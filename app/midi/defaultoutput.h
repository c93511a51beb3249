// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The SoundFont to play, a path; empty takes the first found. Outputs
    // that play none let it be.
    virtual void chooseSoundFont(const QString &) {}
    // The SoundFont file playing, or loading; empty when none.
    virtual QString soundFont() const { return {}; }
    // Why the chosen SoundFont is not the one playing, for a notice; empty
    // when it is.
    virtual QString soundFontProblem() const { return {}; }
};

} // namespace staverly
