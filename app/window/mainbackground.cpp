// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainbackground.h"

#include <QPainter>
#include <QPainterPath>

namespace staverly {

MainBackground::MainBackground(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MainBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // Left panel: deep blue, lighter towards the top.
    QLinearGradient panel(0, 0, 0, 245);
    panel.setColorAt(0.0, QColor(0x2F, 0x55, 0x9A));
    panel.setColorAt(1.0, QColor(0x15, 0x24, 0x4A));
    p.fillRect(QRect(0, 0, 167, 245), panel);

    // Captions of the four counters, right-aligned against them.
    QFont caption;
    caption.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    caption.setPixelSize(13);
    caption.setBold(true);
    p.setFont(caption);
    p.setPen(QColor(0xE8, 0xEE, 0xFA));
    const char *captions[] = {QT_TR_NOOP("Right"), QT_TR_NOOP("Wrong"), QT_TR_NOOP("Score %"), QT_TR_NOOP("Time")};
    const int tops[] = {33, 64, 95, 126};
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(6, tops[i], 90, 29), Qt::AlignRight | Qt::AlignVCenter,
                   tr(captions[i]));
    // A soft well behind the counters, which doubles as the Lesson Setup area.
    QPainterPath well;
    well.addRoundedRect(QRectF(98.5, 31.5, 48, 126), 6, 6);
    p.fillPath(well, QColor(0, 0, 0, 70));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawPath(well);

    // A light card under the message line and the two buttons: the praise and
    // failure words are dark blue and dark red, which need a light ground.
    QPainterPath card;
    card.addRoundedRect(QRectF(4.5, 189.5, 158, 55), 7, 7);
    p.fillPath(card, QColor(0xF7, 0xF4, 0xEC));
    p.setPen(QPen(QColor(0xC8, 0xC0, 0xA8), 1));
    p.drawPath(card);

    // The staff's frame.
    p.fillRect(QRect(167, 0, 473, 245), QColor(0xF7, 0xF4, 0xEC));

    // The keyboard's bed, from the high slider down.
    QLinearGradient bed(0, 244, 0, 440);
    bed.setColorAt(0.0, QColor(0x3A, 0x2A, 0x22));
    bed.setColorAt(1.0, QColor(0x1E, 0x15, 0x10));
    p.fillRect(QRect(0, 244, 640, 196), bed);
}

} // namespace staverly
