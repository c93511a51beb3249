// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace staverly {

// A control whose accessible name is read from a property of its widget.
// Qt 6.4 tells a name change without the new name, and Orca presents that,
// for the focused control, as an error instead of the name. Controls whose
// name follows what they show while they may have the focus (the keys, the
// staff, the range sliders, the progress bar) are named through setName: the
// change is told at once unless the control has the focus, and then when it
// loses it. What needs saying meanwhile is said through the announcer.
class NamedAccessible : public QAccessibleWidget
{
public:
    static constexpr const char *Name = "staverlyName";
    // Optional: the role, a QAccessible::Role as an int; buttons and
    // progress bars have theirs without it.
    static constexpr const char *Role = "staverlyRole";

    NamedAccessible(QWidget *widget, QAccessible::Role role);

    static void setName(QWidget *widget, const QString &name);
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    // A button is pressed as a click would press it.
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Any widget given a name this way; a progress bar then offers no value,
    // so that it is read as "Question 3 of 20" rather than a percentage.
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

} // namespace staverly
