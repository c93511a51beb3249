// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutfrm.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace staverly {

aboutFrm::aboutFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("aboutFrm"));
    setFixedSize(410, 287); // 6150 by 4305 twips
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    setCursor(Qt::WaitCursor);

    auto *art = new QLabel(this);
    art->setPixmap(picture());
    art->setGeometry(0, 0, 409, 274);

    Label1 = new QLabel(tr("Last Updated 8/7/2000"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(236, 32, 113, 13);
    QPalette labelPal = Label1->palette();
    labelPal.setColor(QPalette::WindowText, QColor(0, 0, 0xC0));
    Label1->setPalette(labelPal);
    QFont small = Label1->font();
    small.setPixelSize(10);
    Label1->setFont(small);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
}

void aboutFrm::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Timer1->start();
    QDialog::showEvent(event);
}

void aboutFrm::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    QDialog::hideEvent(event);
}

QPixmap aboutFrm::picture()
{
    QPixmap pix(409, 274);
    pix.fill(Qt::white);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    // Title and tag line.
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x20, 0x30, 0x70));
    p.drawText(QRect(18, 50, 380, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Staverly"));
    QFont tag(QStringLiteral("DejaVu Sans"));
    tag.setPixelSize(13);
    p.setFont(tag);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(QRect(20, 98, 380, 20), Qt::AlignLeft,
               tr("Read the staff. Find the key. Play the note."));

    // A small staff with a rising scale.
    const int top = 132;
    const int gap = 9;
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    for (int i = 0; i < 5; ++i)
        p.drawLine(20, top + i * gap, 389, top + i * gap);
    p.setBrush(QColor(0x20, 0x30, 0x70));
    for (int n = 0; n < 9; ++n) {
        const double x = 60 + n * 36;
        const double y = top + 4 * gap + gap - n * gap / 2.0;
        p.save();
        p.translate(x, y);
        p.rotate(-20);
        p.drawEllipse(QRectF(-6, -4.2, 12, 8.4));
        p.restore();
        p.drawLine(QPointF(x + 5.5, y - 1), QPointF(x + 5.5, y - 30));
        if (n == 0)
            p.drawLine(QPointF(x - 10, y), QPointF(x + 10, y));
    }

    // A strip of keyboard along the bottom.
    const int kTop = 200;
    const int kHeight = 66;
    const int whiteW = 17;
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    for (int w = 0; w < 23; ++w)
        p.drawRect(QRectF(9 + w * whiteW, kTop, whiteW, kHeight));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    for (int w = 0; w < 22; ++w) {
        const int inOctave = w % 7;
        if (inOctave == 2 || inOctave == 6)
            continue;
        p.drawRect(QRectF(9 + w * whiteW + whiteW * 0.65, kTop, whiteW * 0.7, kHeight * 0.6));
    }
    p.setBrush(QColor(0xE0, 0xE0, 0xE0));
    p.drawRect(QRectF(9 + 7 * whiteW + 1, kTop + 44, whiteW - 2, 20));
    return pix;
}

} // namespace staverly
