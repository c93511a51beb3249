#include "slideraccessible.h"

#include <QWidget>

namespace staverly {

SliderAccessible::SliderAccessible(QWidget *slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{
}

QAccessibleInterface *SliderAccessible::create(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->property(WhiteKey).isValid())
        return new SliderAccessible(widget);
    return nullptr;
}

void *SliderAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant SliderAccessible::currentValue() const
{
    return widget()->property(WhiteKey);
}

} // namespace staverly
