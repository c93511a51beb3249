// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardpainter.h"

#include <QPainter>

namespace staverly {

namespace {

void outline(QPainter &p, const QRect &r, const QColor &colour)
{
    p.fillRect(r.left(), r.top(), r.width(), 1, colour);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
    p.fillRect(r.left(), r.top(), 1, r.height(), colour);
    p.fillRect(r.right(), r.top(), 1, r.height(), colour);
}

} // namespace

KeyboardPainter::KeyboardPainter(const OutlineFont &label)
    : m_letterC(label.glyph(U'C', 13))
{
}

QImage KeyboardPainter::paint(const KeyboardLayout &layout) const
{
    QImage image(KeyboardLayout::Width, KeyboardLayout::Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);

    for (int key = 0; key < KeyboardLayout::Keys; ++key) {
        if (!KeyboardLayout::isBlack(key))
            outline(p, layout.keyRect(key), Qt::black);
    }
    // A light fill rather than solid black, so pencil still shows on black keys.
    const QColor fill(BlackKeyFill, BlackKeyFill, BlackKeyFill);
    const QColor edge(BlackKeyOutline, BlackKeyOutline, BlackKeyOutline);
    for (int key = 0; key < KeyboardLayout::Keys; ++key) {
        if (!KeyboardLayout::isBlack(key))
            continue;
        const QRect r = layout.keyRect(key);
        p.fillRect(r, fill);
        outline(p, r, edge);
    }
    // Black keys hang from the keyboard's top edge, which stays black.
    const QRect first = layout.keyRect(0);
    const QRect last = layout.keyRect(KeyboardLayout::Keys - 1);
    p.fillRect(first.left(), first.top(), last.right() - first.left() + 1, 1, Qt::black);

    const QRect c = layout.keyRect(layout.middleCKey());
    const QRectF ink = m_letterC.boundingRect();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(m_letterC.translated(c.left() + (c.width() - ink.width()) / 2 - ink.left(),
                                    c.bottom() - 6 - ink.bottom()));
    return image;
}

} // namespace staverly
