// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picturescan.h"

#include <optional>

namespace staverly {

// What a reader sees on a one-note staff picture: the five lines, any ledger
// lines, and the symbols between them from left to right (clef, accidental,
// note head). Found from the pixels alone.
class StaffReading
{
public:
    using Span = PictureScan::Span;
    struct Box
    {
        Span x;
        Span y;
    };

    explicit StaffReading(const QImage &image);

    const PictureScan &scan() const { return m_scan; }
    // Rows of the staff lines, top line first; anything but five means no staff.
    const QList<Span> &staffLines() const { return m_staffLines; }
    double spacing() const { return m_spacing; }
    // Staff position of a row: 0 on the bottom line, one per line or space upward.
    double stepAt(double y) const;
    double stepY(double step) const;

    // Short horizontal lines off the staff, top first.
    const QList<Span> &ledgerLines() const { return m_ledgerLines; }
    // The columns a ledger line covers where it meets the note.
    Span ledgerExtent(const Span &ledger) const;

    // Rows taken by a staff or ledger line.
    bool isRuled(int y) const;

    // The rightmost symbol, and the one just before it if it stands close.
    std::optional<Box> noteHead() const { return m_noteHead; }
    std::optional<Box> accidental() const { return m_accidental; }
    // Everything further left: the clef.
    std::optional<Box> clef() const { return m_clef; }

private:
    bool isSymbol(int x, int y) const;
    Box boxOf(const Span &columns) const;

    PictureScan m_scan;
    QList<Span> m_staffLines;
    double m_spacing = 0;
    QList<Span> m_ruledRows;
    QList<Span> m_ledgerLines;
    std::optional<Box> m_noteHead;
    std::optional<Box> m_accidental;
    std::optional<Box> m_clef;
};

} // namespace staverly
