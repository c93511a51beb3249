// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainartwork.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace staverly {

QIcon MainArtwork::buttonIcon(const QString &kind)
{
    QPixmap pix(40, 40);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == QLatin1String("new")) {
        // A play triangle: start a new lesson.
        QPainterPath path;
        path.moveTo(12, 8);
        path.lineTo(32, 20);
        path.lineTo(12, 32);
        path.closeSubpath();
        p.fillPath(path, QColor(0x1E, 0x8C, 0x3A));
    } else {
        // A light bulb: a clue.
        p.setBrush(QColor(0xF2, 0xB7, 0x05));
        p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1.5));
        p.drawEllipse(QRectF(10, 4, 20, 20));
        p.setBrush(QColor(0x70, 0x70, 0x70));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(14, 24, 12, 10), 2, 2);
        p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1.2));
        p.drawLine(QPointF(14, 27), QPointF(26, 27));
        p.drawLine(QPointF(14, 30), QPointF(26, 30));
    }
    return QIcon(pix);
}

QCursor MainArtwork::keyCursor()
{
    // A small eighth note, pointing with its head.
    QPixmap pix(24, 24);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(9, 19), QPointF(9, 3));
    p.drawLine(QPointF(9, 3), QPointF(16, 9));
    p.setPen(QPen(Qt::black, 1.6));
    p.drawLine(QPointF(9, 19), QPointF(9, 3));
    p.drawLine(QPointF(9, 3), QPointF(16, 9));
    p.setBrush(Qt::black);
    p.setPen(QPen(Qt::white, 1.2));
    p.save();
    p.translate(6, 19);
    p.rotate(-20);
    p.drawEllipse(QRectF(-4.5, -3.2, 9, 6.4));
    p.restore();
    return QCursor(pix, 2, 19);
}

void MainArtwork::useCompactFace()
{
    QFont face;
    face.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    face.setPixelSize(11);
    QApplication::setFont(face);
}

} // namespace staverly
