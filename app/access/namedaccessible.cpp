// SPDX-License-Identifier: GPL-3.0-or-later
#include "namedaccessible.h"

#include <QAbstractButton>
#include <QProgressBar>

namespace staverly {

NamedAccessible::NamedAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

QString NamedAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QVariant name = widget()->property(Name);
        if (name.isValid())
            return name.toString();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State NamedAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (auto *button = qobject_cast<QAbstractButton *>(widget()))
        s.pressed = button->isDown();
    return s;
}

QStringList NamedAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (qobject_cast<QAbstractButton *>(widget()))
        names.prepend(pressAction());
    return names;
}

void NamedAccessible::doAction(const QString &actionName)
{
    auto *button = qobject_cast<QAbstractButton *>(widget());
    if (button && actionName == pressAction()) {
        if (button->isEnabled())
            button->animateClick();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface *NamedAccessible::create(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(Name).isValid())
        return nullptr;
    QAccessible::Role role = QAccessible::Client;
    if (const QVariant given = widget->property(Role); given.isValid())
        role = QAccessible::Role(given.toInt());
    else if (qobject_cast<QProgressBar *>(widget))
        role = QAccessible::ProgressBar;
    else if (qobject_cast<QAbstractButton *>(widget))
        role = QAccessible::Button;
    return new NamedAccessible(widget, role);
}

} // namespace staverly
