// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hostcolor.h"
#include "pianoexport.h"
#include "shape.h"

#include <QWidget>

namespace staverly::host {
class PropertyBag;
}

namespace staverly::piano {

// The range slider: a strip 90 twips high with a thumb, `Shape1`, that the
// left mouse button drags. The position is the thumb's left edge in twips.
class STAVERLY_PIANO_EXPORT UserControl1 : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint16 value READ value WRITE setValue)
    Q_PROPERTY(quint32 sliderColor READ sliderColor WRITE setSliderColor)
    Q_PROPERTY(qint16 thumb_width READ thumb_width WRITE setThumb_width)
    Q_PROPERTY(quint32 bgcolor READ bgcolor WRITE setBgcolor)

public:
    static constexpr float TrackHeight = 90.0f;
    static constexpr float DesignThumbWidth = 330.0f;
    static constexpr quint32 DefaultSliderColor = 255;
    static constexpr quint32 ThumbOutline = 0x00404040;

    explicit UserControl1(QWidget *parent = nullptr);

    // The thumb's left edge rounded halves to even. Throws host::OverflowError
    // when that does not fit 16 bits.
    qint16 value() const;
    // No range check: the thumb may end up partly or wholly out of view.
    void setValue(qint16 vNewValue);
    quint32 sliderColor() const;
    void setSliderColor(quint32 vNewValue);
    qint16 thumb_width() const;
    void setThumb_width(qint16 vNewValue);
    quint32 bgcolor() const;
    void setBgcolor(quint32 vNewValue);

    // The thumb as placed, in twips.
    const host::Shape &thumb() const { return Shape1; }

    // Stored design data. Loading throws host::OverflowError for a "Value"
    // that does not fit 16 bits, host::TypeMismatchError for a non-number.
    void readProperties(const host::PropertyBag &bag);
    void writeProperties(host::PropertyBag &bag) const;

    float widthTwips() const;

    // One mouse move as the platform reports it: the pressed buttons, the
    // shift state and X in twips from the left edge.
    void mouseMoveTwips(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x);

signals:
    // "value of slider". Handlers may write to loc; the control never reads it back.
    void changed(qint16 &loc);
    // After every property set, so that a design host can mark its document modified.
    void propertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int lockedHeight() const;

    host::Shape Shape1;
    quint32 m_background = host::ButtonFace;
};

} // namespace staverly::piano
