// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clef.h"
#include "pianokeys.h"

#include <QRect>
#include <QString>

namespace staverly {

// The four-octave keyboard of the worksheets, keys 0 to 47 from C upward as on
// the main window. Key rectangles include their one-pixel outline; neighbouring
// white keys share an outline column.
class KeyboardLayout
{
public:
    static constexpr int Width = 460;
    static constexpr int Height = 120;
    static constexpr int Keys = PianoKeys::Keys;
    static constexpr int WhiteKeys = PianoKeys::WhiteKeys;
    static constexpr int WhitePitch = 16;
    static constexpr int WhiteLength = 112;
    // The window's proportions, to the nearest pixel.
    static constexpr int BlackWidth = (PianoKeys::BlackWidth * WhitePitch + PianoKeys::WhitePitch / 2) / PianoKeys::WhitePitch;
    static constexpr int BlackLength =
        (PianoKeys::BlackLength * WhiteLength + PianoKeys::WhiteLength / 2) / PianoKeys::WhiteLength;

    explicit KeyboardLayout(Clef clef);

    Clef clef() const { return m_clef; }
    QString fileName() const;
    int middleCKey() const;
    static bool isBlack(int key);
    QRect keyRect(int key) const;

private:
    Clef m_clef;
};

} // namespace staverly
