// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace staverly {

// What a wipe needs of a picture box, in the box's own units (twips).
class WipeSurface
{
public:
    virtual ~WipeSurface() = default;
    virtual int scaleWidth() const = 0;
    virtual int scaleHeight() const = 0;
    virtual QColor backColor() const = 0;
    virtual QColor foreColor() const = 0;
    virtual void setForeColor(const QColor &color) = 0;
    // Fills the box from corner to corner, both included, in the fore colour.
    virtual void fillBox(qint64 x1, qint64 y1, qint64 x2, qint64 y2) = 0;
    // Puts what was drawn on screen now, without running other events.
    virtual void showNow() = 0;
};

} // namespace staverly
