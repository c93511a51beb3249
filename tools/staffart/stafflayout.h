// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clef.h"

#include <QList>
#include <QString>

namespace staverly {

// Where everything goes on the staff pictures of one clef. A "step" is a line
// or a space counted in half staff spaces from the bottom line (0) upward, so
// the top line is step 8 and middle C is step -2 in treble and 10 in bass.
// Lines and note centres lie on pixel boundaries: a line at y fills the rows
// y - 1 and y, which keeps the lines crisp.
class StaffLayout
{
public:
    static constexpr int Width = 460;
    static constexpr int Height = 240;
    static constexpr int Spacing = 14;
    static constexpr int LineThickness = 2;
    // Music fonts draw one staff height to the em.
    static constexpr qreal GlyphPixelSize = 4.0 * Spacing;
    // The font's sharp is drawn for text and stands taller than an engraved one.
    static constexpr qreal SharpScale = 0.85;

    explicit StaffLayout(Clef clef);

    Clef clef() const { return m_clef; }
    int lowestNote() const;
    int highestNote() const;
    // "t60.gif"; with `scale` 2, "t60@2x.gif".
    QString fileName(int midi, int scale = 1) const;

    // Black keys are written as the sharp of the white key below.
    static bool isSharp(int midi);
    int step(int midi) const;
    QList<int> ledgerSteps(int midi) const;

    int stepY(int step) const;
    int lineY(int line) const;

    int staffLeft() const { return 10; }
    int staffRight() const { return Width - 10; }
    qreal clefLeft() const { return staffLeft() + 0.5 * Spacing; }
    qreal noteCentreX() const { return 250.0; }
    qreal ledgerOverhang() const { return 0.4 * Spacing; }
    // Between a sharp and the note head or ledger-line ends it stands before.
    qreal sharpGap() const { return 0.25 * Spacing; }

private:
    Clef m_clef;
    int m_bottomLineY;
};

} // namespace staverly
