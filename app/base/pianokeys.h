// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

namespace staverly {

// The one table of where the black keys fall in an octave, and the one
// layout of the 48-key keyboard, for every keyboard the program draws or
// reads. A key counts chromatically from a C (a key index or a MIDI number
// alike).
class PianoKeys
{
public:
    static constexpr int Keys = 48;
    static constexpr int WhiteKeys = 28;

    // The window's keyboard, in twips: white keys 340 apart.
    static constexpr int WhitePitch = 340;
    static constexpr int WhiteWidth = 330;
    static constexpr int WhiteLength = 2630;
    static constexpr int BlackWidth = 230;
    static constexpr int BlackLength = 1590;
    static constexpr int Width = (WhiteKeys - 1) * WhitePitch + WhiteWidth;

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

    // Key 0 to 47 in twips from the keyboard's top left.
    static QRectF keyTwips(int key);
    // The same key on a keyboard drawn with white keys `pitch` apart and
    // `length` long, the proportions kept.
    static QRectF keyRect(int key, double pitch, double length);
};

} // namespace staverly
