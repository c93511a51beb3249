// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QPainter>
#include <QPainterPath>

namespace staverly {

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient back(0, 0, 0, 64);
    back.setColorAt(0, QColor(0x2B, 0x4C, 0x8C));
    back.setColorAt(1, QColor(0x16, 0x25, 0x4A));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.fillPath(tile, back);

    p.setPen(QPen(QColor(0xF4, 0xF1, 0xE8), 1.6));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(9, 10 + i * 5.5), QPointF(55, 10 + i * 5.5));
    p.setPen(QPen(QColor(0xF4, 0xF1, 0xE8), 3));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(32, 18.25);
    p.rotate(-18);
    p.drawEllipse(QRectF(-6.5, -4, 13, 8));
    p.restore();

    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(QColor(0xFA, 0xFA, 0xFA));
    for (int k = 0; k < 5; ++k)
        p.drawRect(QRectF(9 + k * 9.2, 40, 9.2, 17));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    for (int k : {0, 1, 3})
        p.drawRect(QRectF(15 + k * 9.2, 40, 5.5, 10));
    return pix;
}

} // namespace

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace staverly
