// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace staverly {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PictureBox::scaleWidth() const
{
    return width() * TwipsPerPixel;
}

int PictureBox::scaleHeight() const
{
    return height() * TwipsPerPixel;
}

void PictureBox::setBackColor(const QColor &color)
{
    m_back = color;
    clear();
}

void PictureBox::clear()
{
    ensureCanvas();
    m_canvas.fill(m_back);
    update();
}

bool PictureBox::loadPicture(const QString &path)
{
    // A screen of more device pixels gets the picture drawn with more.
    const qreal ratio = devicePixelRatioF();
    QString file = path;
    if (ratio > 1 && path.endsWith(QLatin1String(".gif"))) {
        const QString sharper = path.chopped(4) + QStringLiteral("@2x.gif");
        if (QFileInfo::exists(sharper))
            file = sharper;
    }
    QImageReader reader(file);
    QImage picture = reader.read();
    if (file != path)
        picture.setDevicePixelRatio(2);
    ensureCanvas();
    m_canvas.fill(m_back);
    if (picture.isNull()) {
        m_error = reader.errorString();
        drawNotice(path);
        update();
        return false;
    }
    m_error.clear();
    QPainter painter(&m_canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0, 0), picture);
    update();
    return true;
}

void PictureBox::drawNotice(const QString &path)
{
    QPainter painter(&m_canvas);
    const QRect box = QRect(QPoint(), size()).adjusted(12, 12, -12, -12);
    painter.setPen(QPen(QColor(0x80, 0, 0), 2, Qt::DashLine));
    painter.drawRect(box);
    painter.setPen(QColor(0x80, 0, 0));
    QFont font = painter.font();
    font.setPointSize(11);
    painter.setFont(font);
    painter.drawText(box.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("The staff picture is missing or cannot be read:\n%1\n\n"
                        "Play on: the note still sounds, and its name shows as a clue.")
                         .arg(QFileInfo(path).absoluteFilePath()));
}

void PictureBox::fillBox(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
{
    ensureCanvas();
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    // Both corners are part of the box; clip to the canvas before narrowing.
    const qint64 left = std::max<qint64>(x1 / TwipsPerPixel, 0);
    const qint64 top = std::max<qint64>(y1 / TwipsPerPixel, 0);
    const qint64 right = std::min<qint64>(x2 / TwipsPerPixel, width() - 1);
    const qint64 bottom = std::min<qint64>(y2 / TwipsPerPixel, height() - 1);
    if (x2 < 0 || y2 < 0 || left > right || top > bottom)
        return;
    const QRect cell{QPoint(int(left), int(top)), QPoint(int(right), int(bottom))};
    QPainter painter(&m_canvas);
    painter.fillRect(cell, m_fore);
    painter.end();
    // Drawing cell by cell must not mean a trip to the screen per cell: the
    // cells reach it in batches a few milliseconds apart.
    m_dirty += cell;
    if (!m_sinceFlush.isValid() || m_sinceFlush.elapsed() >= FlushMs) {
        flush();
    } else if (!m_flushQueued) {
        m_flushQueued = true;
        QTimer::singleShot(FlushMs, this, [this] {
            m_flushQueued = false;
            flush();
        });
    }
}

void PictureBox::flush()
{
    if (!m_dirty.isEmpty())
        update(m_dirty);
    m_dirty = QRegion();
    m_sinceFlush.restart();
}

void PictureBox::showNow()
{
    flush();
    repaint();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    ++m_paints;
    QPainter painter(this);
    const qreal ratio = m_canvas.devicePixelRatio();
    const QRectF shown(event->rect());
    painter.drawImage(shown, m_canvas, QRectF(shown.topLeft() * ratio, shown.size() * ratio));
    // Reached by Tab, for a screen reader to read: the focus shows.
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0, 90, 200), 2, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    ensureCanvas();
}

void PictureBox::ensureCanvas()
{
    // A hidden widget gets its resize event only when shown; draw on the right
    // size from the start.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_canvas.size() == pixels && m_canvas.devicePixelRatio() == ratio)
        return;
    QImage grown(pixels, QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(m_back);
    QPainter painter(&grown);
    painter.drawImage(0, 0, m_canvas);
    painter.end();
    m_canvas = grown;
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mousePressed();
    QWidget::mousePressEvent(event);
}

} // namespace staverly
