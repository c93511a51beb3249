// SPDX-License-Identifier: GPL-3.0-or-later
#include "usercontrol1.h"

#include "integer16.h"
#include "overflowerror.h"
#include "propertybag.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace staverly::piano {

UserControl1::UserControl1(QWidget *parent)
    : QWidget(parent)
{
    Shape1.left = 0.0f;
    Shape1.top = 0.0f;
    Shape1.width = DesignThumbWidth;
    Shape1.height = TrackHeight;
    Shape1.fillColor = DefaultSliderColor;
    Shape1.borderColor = ThumbOutline;

    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button have to arrive as well: they put the pointer back.
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(lockedHeight());
}

qint16 UserControl1::value() const
{
    return host::toInteger16(double(Shape1.left));
}

void UserControl1::setValue(qint16 vNewValue)
{
    Shape1.left = vNewValue;
    update();
    emit propertyChanged(QStringLiteral("value"));
}

quint32 UserControl1::sliderColor() const
{
    return Shape1.fillColor;
}

void UserControl1::setSliderColor(quint32 vNewValue)
{
    Shape1.fillColor = vNewValue;
    update();
    emit propertyChanged(QStringLiteral("sliderColor"));
}

qint16 UserControl1::thumb_width() const
{
    return host::toInteger16(double(Shape1.width));
}

void UserControl1::setThumb_width(qint16 vNewValue)
{
    Shape1.width = vNewValue;
    update();
    emit propertyChanged(QStringLiteral("thumb_width"));
}

quint32 UserControl1::bgcolor() const
{
    return m_background;
}

void UserControl1::setBgcolor(quint32 vNewValue)
{
    m_background = vNewValue;
    update();
    emit propertyChanged(QStringLiteral("bgcolor"));
}

void UserControl1::readProperties(const host::PropertyBag &bag)
{
    setValue(host::toInteger16(bag.read(QStringLiteral("Value"), QVariant::fromValue<qint16>(0))));
    setSliderColor(host::toHostColor(bag.read(QStringLiteral("sliderColor"), DefaultSliderColor)));
    setBgcolor(host::toHostColor(bag.read(QStringLiteral("bgcolor"), host::ButtonFace)));
}

void UserControl1::writeProperties(host::PropertyBag &bag) const
{
    // The unrounded float, so a fractional drag position survives a save.
    bag.write(QStringLiteral("Value"), QVariant::fromValue(Shape1.left), QVariant::fromValue<qint16>(0));
    bag.write(QStringLiteral("SliderColor"), QVariant::fromValue(Shape1.fillColor),
              QVariant::fromValue(DefaultSliderColor));
    bag.write(QStringLiteral("bgcolor"), QVariant::fromValue(m_background),
              QVariant::fromValue(host::ButtonFace));
}

float UserControl1::widthTwips() const
{
    return float(host::twipsFromPixels(width()));
}

int UserControl1::lockedHeight() const
{
    return host::pixelsFromTwips(TrackHeight);
}

void UserControl1::mouseMoveTwips(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x)
{
    Q_UNUSED(shift);
    const float length = widthTwips() - Shape1.width;
    // Left with another button is not a drag; both ends of the track are reachable.
    if (button == Qt::MouseButtons(Qt::LeftButton) && x >= 0.0f && x <= length) {
        Shape1.left = x;
        setCursor(Qt::SizeHorCursor);
        update();
        qint16 loc = host::toInteger16(double(x));
        emit changed(loc);
    } else {
        unsetCursor();
    }
}

void UserControl1::mouseMoveEvent(QMouseEvent *event)
{
    const double x = host::twipsFromPixels(event->position().x());
    try {
        mouseMoveTwips(event->buttons(), event->modifiers(), float(x));
    } catch (const host::OverflowError &) {
        // Only a track wider than 32767 twips gets here; an event cannot carry the error.
    }
}

void UserControl1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A host may have loosened the fixed height; put it back.
    if (height() != lockedHeight())
        setFixedHeight(lockedHeight());
}

void UserControl1::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), host::toQColor(m_background, palette()));
    Shape1.paint(painter, palette());
    // A host may let the keyboard move the slider: show where the keys go.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace staverly::piano
