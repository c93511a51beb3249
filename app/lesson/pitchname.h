// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace staverly {

// Notes in scientific pitch notation, MIDI 60 = C4, with sharps: in English
// letters as files keep them, and for speech as the pupil names notes.
class PitchName
{
public:
    // "C4", "F#4"; empty outside MIDI 0..127.
    static QString of(int midi);
    // "C4", "F sharp 4", "Fis 4", "Fa sharp 4": for speech.
    static QString spoken(int midi);
};

} // namespace staverly
