// SPDX-License-Identifier: GPL-3.0-or-later
#include "slideraccessible.h"

#include <QMetaObject>
#include <QWidget>

namespace staverly {

SliderAccessible::SliderAccessible(QWidget *slider)
    : NamedAccessible(slider, QAccessible::Slider)
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

void SliderAccessible::setCurrentValue(const QVariant &value)
{
    bool ok = false;
    const int white = value.toInt(&ok);
    auto *mover = widget()->property(Mover).value<QObject *>();
    if (!ok || !mover || !widget()->isEnabled())
        return;
    QMetaObject::invokeMethod(mover, "setWhiteKey", Q_ARG(QWidget *, widget()), Q_ARG(int, white));
}

} // namespace staverly
