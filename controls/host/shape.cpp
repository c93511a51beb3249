// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include "hostcolor.h"
#include "twips.h"

#include <QPainter>
#include <QPalette>

namespace staverly::host {

QRect Shape::pixelRect() const
{
    if (!(width > 0.0f) || !(height > 0.0f))
        return {};
    const int x0 = pixelsFromTwips(left);
    const int y0 = pixelsFromTwips(top);
    const int x1 = pixelsFromTwips(double(left) + width);
    const int y1 = pixelsFromTwips(double(top) + height);
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void Shape::paint(QPainter &painter, const QPalette &palette) const
{
    const QRect r = pixelRect();
    if (r.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(r, toQColor(fillColor, palette));
    painter.setPen(QPen(toQColor(borderColor, palette), 0));
    painter.setBrush(Qt::NoBrush);
    // A cosmetic pen covers one pixel more than the rectangle on each axis.
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace staverly::host
