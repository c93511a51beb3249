// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outlinefont.h"
#include "stafflayout.h"

#include <QImage>

namespace staverly {

// Draws one note on a five-line staff: clef, ledger lines, sharp and whole
// note, black on white and antialiased.
class StaffPainter
{
public:
    static constexpr char32_t GClef = 0x1D11E;
    static constexpr char32_t FClef = 0x1D122;
    static constexpr char32_t WholeNote = 0x1D15D;
    static constexpr char32_t Sharp = 0x266F;

    explicit StaffPainter(const OutlineFont &music);

    // `scale` 2 draws the same picture with twice the pixels each way, for
    // screens of two device pixels a point.
    QImage paint(const StaffLayout &layout, int midi, int scale = 1) const;

private:
    QPainterPath m_gClef;
    QPainterPath m_fClef;
    qreal m_fClefDots = 0;
    QPainterPath m_wholeNote;
    QPainterPath m_sharp;
};

} // namespace staverly
