// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianokey.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace staverly {

PianoKey::PianoKey(int index, QWidget *parent)
    : QAbstractButton(parent)
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("pianoKey%1").arg(index));
    // A screen reader's press, like click(), comes as pressed and released;
    // the mouse and Return come through the handlers below, which emit
    // neither: each way sounds and answers alike.
    connect(this, &QAbstractButton::pressed, this, [this] { emit mouseDown(m_index); });
    connect(this, &QAbstractButton::released, this, [this] { emit mouseUp(m_index); });
}

void PianoKey::setBackColor(const QColor &color)
{
    m_back = color;
    update();
}

void PianoKey::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.0, -0.5, -0.5);
    QColor face = m_back;
    if (isDown())
        face = face.lightness() > 128 ? face.darker(118) : face.lighter(160);

    // A little shading sells the key: lighter at the top, a lip at the bottom.
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0.0, face.lightness() > 128 ? face.darker(104) : face.lighter(130));
    shade.setColorAt(0.85, face);
    shade.setColorAt(1.0, face.lightness() > 128 ? face.darker(112) : face.lighter(115));
    QPainterPath path;
    path.addRoundedRect(r.adjusted(0, -3, 0, 0), 3, 3);
    p.setClipRect(rect());
    p.fillPath(path, shade);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawPath(path);

    if (!text().isEmpty()) {
        // Down the key's left edge, the part a neighbouring black key leaves free.
        QFont f = font();
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(40, 40, 90));
        const QStringList lines = text().split(QLatin1Char('\n'));
        const int step = QFontMetrics(f).height() - 1;
        int y = 4;
        for (const QString &line : lines) {
            p.drawText(QRect(3, y, width() - 3, step), Qt::AlignLeft | Qt::AlignVCenter, line.trimmed());
            y += step;
        }
    }
    if (hasFocus()) {
        const QColor mark = m_back.lightness() > 128 ? QColor(0, 90, 200) : QColor(120, 190, 255);
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        const qreal d = std::min<qreal>(width() - 6, 8);
        p.drawEllipse(QRectF((width() - d) / 2.0, height() - d - 6, d, d));
    }
}

void PianoKey::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setDown(true);
    setFocus(Qt::MouseFocusReason);
    emit mouseDown(m_index);
}

void PianoKey::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setDown(false);
    emit mouseUp(m_index);
}

// Return plays the focused key, as a click would; the window handles the
// letters and Space before a key sees them.
static bool pressesKey(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()
           && event->modifiers() == Qt::NoModifier;
}

void PianoKey::keyPressEvent(QKeyEvent *event)
{
    if (!pressesKey(event)) {
        event->ignore();
        return;
    }
    setDown(true);
    emit mouseDown(m_index);
}

void PianoKey::keyReleaseEvent(QKeyEvent *event)
{
    if (!pressesKey(event) || !isDown()) {
        event->ignore();
        return;
    }
    setDown(false);
    emit mouseUp(m_index);
}

} // namespace staverly
