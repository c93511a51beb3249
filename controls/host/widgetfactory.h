// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtPlugin>

class QWidget;

namespace staverly::host {

// What a control library's plugin object offers its host. The plugin's
// metadata lists the same identifiers under "identifiers", so a host can tell
// what a library makes without running any of its code.
class WidgetFactory
{
public:
    virtual ~WidgetFactory() = default;

    // The class identifiers this library makes, e.g. "piano.UserControl1".
    virtual QStringList identifiers() const = 0;
    // A new control, or nullptr for an identifier this library does not make.
    // Identifiers are matched without regard to case.
    virtual QWidget *create(const QString &identifier, QWidget *parent) = 0;
};

} // namespace staverly::host

#define StaverlyWidgetFactory_iid "org.staverly.WidgetFactory/1.0"
Q_DECLARE_INTERFACE(staverly::host::WidgetFactory, StaverlyWidgetFactory_iid)
