// SPDX-License-Identifier: GPL-3.0-or-later
#include "staffpainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace staverly {

namespace {

void drawLine(QPainter &p, qreal left, qreal right, int y)
{
    const int x0 = int(std::lround(left));
    const int x1 = int(std::lround(right));
    p.fillRect(x0, y - StaffLayout::LineThickness / 2, x1 - x0, StaffLayout::LineThickness, Qt::black);
}

// Noto Music's F clef stands lower on its baseline than engraving wants, so it
// is placed by its two dots, which straddle the F line.
qreal dotsMiddle(const QPainterPath &fClef)
{
    QList<QRectF> parts;
    for (const QPolygonF &outline : fClef.toSubpathPolygons())
        parts.append(outline.boundingRect());
    if (parts.size() < 3)
        return -3.0 * StaffLayout::Spacing;
    std::sort(parts.begin(), parts.end(), [](const QRectF &a, const QRectF &b) {
        return a.width() * a.height() < b.width() * b.height();
    });
    return (parts[0].center().y() + parts[1].center().y()) / 2;
}

} // namespace

StaffPainter::StaffPainter(const OutlineFont &music)
{
    m_gClef = music.glyph(GClef, StaffLayout::GlyphPixelSize);
    m_fClef = music.glyph(FClef, StaffLayout::GlyphPixelSize);
    m_fClefDots = dotsMiddle(m_fClef);
    m_wholeNote = music.glyph(WholeNote, StaffLayout::GlyphPixelSize);
    m_sharp = music.glyph(Sharp, StaffLayout::GlyphPixelSize * StaffLayout::SharpScale);
}

QImage StaffPainter::paint(const StaffLayout &layout, int midi, int scale) const
{
    QImage image(StaffLayout::Width * scale, StaffLayout::Height * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);

    for (int line = 0; line < 5; ++line)
        drawLine(p, layout.staffLeft(), layout.staffRight(), layout.lineY(line));

    const QRectF head = m_wholeNote.boundingRect();
    const qreal headLeft = std::round(layout.noteCentreX() - head.width() / 2);
    const qreal headRight = headLeft + head.width();
    const QList<int> ledgers = layout.ledgerSteps(midi);
    for (int step : ledgers)
        drawLine(p, headLeft - layout.ledgerOverhang(), headRight + layout.ledgerOverhang(),
                 layout.stepY(step));

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);

    // The G clef's curl wraps the second line when its baseline is the bottom line.
    if (layout.clef() == Clef::Treble) {
        p.drawPath(m_gClef.translated(layout.clefLeft() - m_gClef.boundingRect().left(), layout.lineY(0)));
    } else {
        p.drawPath(m_fClef.translated(layout.clefLeft() - m_fClef.boundingRect().left(),
                                      layout.lineY(3) - m_fClefDots));
    }

    // Note heads and sharps are centred on their ink, not on the glyph origin.
    const int y = layout.stepY(layout.step(midi));
    p.drawPath(m_wholeNote.translated(headLeft - head.left(), y - head.center().y()));

    if (StaffLayout::isSharp(midi)) {
        const QRectF sharp = m_sharp.boundingRect();
        // Clear of the ledger-line ends, or else close to the head.
        const qreal facing = ledgers.isEmpty() ? headLeft : headLeft - layout.ledgerOverhang();
        const qreal right = facing - layout.sharpGap();
        p.drawPath(m_sharp.translated(right - sharp.right(), y - sharp.center().y()));
    }
    return image;
}

} // namespace staverly
