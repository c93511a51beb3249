// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lumetraexport.h"
#include "shape.h"

#include <QVariant>
#include <QWidget>
#include <array>

namespace staverly::lumetra {

// A level meter of 13 coloured segments, `indi`. It shows a level 0..127 by
// making itself narrower or wider; the segments never change. The left edge
// stays where the host put it.
class STAVERLY_LUMETRA_EXPORT UserControl1 : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float value READ value WRITE setValue)

public:
    static constexpr int SegmentCount = 13;
    static constexpr float SegmentPitch = 120.0f;
    static constexpr float SegmentWidth = 135.0f;
    static constexpr float FullWidth = 1580.0f;
    static constexpr float MeterHeight = 200.0f;
    static constexpr std::array<quint32, SegmentCount> SegmentColors{
        0x00C0FFFF, 0x0080FFFF, 0x0000FFFF, 0x00C0FFC0, 0x0080FF80, 0x0000FF00, 0x0000C000,
        0x00008000, 0x008080FF, 0x000000FF, 0x000000C0, 0x002D12AB, 0x00C00000,
    };

    explicit UserControl1(QWidget *parent = nullptr);

    // The current width in twips, not the level last set.
    float value() const;
    // Sets the width from the level table; a value outside it, or not a
    // number, leaves the width alone.
    void setValue(const QVariant &vNewValue);

    const std::array<host::Shape, SegmentCount> &segments() const { return indi; }
    float heightTwips() const { return m_height; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize pixelSize() const;
    void applySize();

    std::array<host::Shape, SegmentCount> indi;
    float m_width = FullWidth;
    float m_height = MeterHeight;
    // Set while a level change resizes the control, so that resize handling
    // can tell it from a host's resize.
    bool m_busy = false;
};

} // namespace staverly::lumetra
