// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtGlobal>

class QPainter;
class QPalette;

namespace staverly::host {

// A rectangle of the drawing layer: placed in twips as floats, filled
// opaquely and outlined one pixel wide inside its bounds.
struct Shape
{
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    quint32 fillColor = 0;
    quint32 borderColor = 0;

    // Each edge is rounded on its own, so shapes that touch in twips touch
    // on screen. Empty when the width or height is not positive.
    QRect pixelRect() const;
    void paint(QPainter &painter, const QPalette &palette) const;
};

} // namespace staverly::host
