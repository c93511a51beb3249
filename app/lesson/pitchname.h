#pragma once

#include <QString>

namespace staverly {

// Notes as people outside the lesson name them: scientific pitch notation,
// MIDI 60 = C4, with sharps.
class PitchName
{
public:
    // "C4", "F#4"; empty outside MIDI 0..127.
    static QString of(int midi);
    // "C4", "F sharp 4": for speech.
    static QString spoken(int midi);
};

} // namespace staverly
