// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboardlayout.h"
#include "outlinefont.h"

#include <QImage>

namespace staverly {

// Draws the worksheet keyboard as outlines a pupil can colour in with a
// pencil, middle C labelled.
class KeyboardPainter
{
public:
    static constexpr int BlackKeyFill = 0xCC;
    static constexpr int BlackKeyOutline = 0x33;

    explicit KeyboardPainter(const OutlineFont &label);

    QImage paint(const KeyboardLayout &layout) const;

private:
    QPainterPath m_letterC;
};

} // namespace staverly
