// SPDX-License-Identifier: GPL-3.0-or-later
#include "namedaccessible.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

namespace staverly {

namespace {

constexpr const char *Untold = "staverlyNameUntold";

void tell(QWidget *widget)
{
    QAccessibleEvent changed(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

// Tells a change kept back while the control had the focus, once the focus
// has gone on and the screen reader has heard where.
class FocusWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut && watched->property(Untold).toBool()) {
            watched->setProperty(Untold, false);
            QTimer::singleShot(0, watched, [widget = QPointer<QWidget>(qobject_cast<QWidget *>(watched))] {
                if (widget && !widget->hasFocus())
                    tell(widget);
            });
        }
        return false;
    }
};

} // namespace

void NamedAccessible::setName(QWidget *widget, const QString &name)
{
    const QVariant was = widget->property(Name);
    if (was.isValid() && was.toString() == name)
        return;
    static FocusWatch watch;
    if (!was.isValid())
        widget->installEventFilter(&watch);
    widget->setProperty(Name, name);
    if (widget->hasFocus())
        widget->setProperty(Untold, true);
    else
        tell(widget);
}

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
