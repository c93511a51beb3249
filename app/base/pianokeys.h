#pragma once

namespace staverly {

// The one table of where the black keys fall in an octave, for every
// keyboard the program draws or reads. A key counts chromatically from a C
// (a key index or a MIDI number alike).
class PianoKeys
{
public:
    static bool isBlack(int key)
    {
        switch (((key % 12) + 12) % 12) {
        case 1: case 3: case 6: case 8: case 10:
            return true;
        default:
            return false;
        }
    }

    // The white keys from C up to and including this one's own white key (a
    // black key counts as the white key below it), less one.
    static int whiteIndex(int key)
    {
        static constexpr int inOctave[12] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
        return (key / 12) * 7 + inOctave[key % 12];
    }
};

} // namespace staverly
