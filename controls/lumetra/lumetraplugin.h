// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgetfactory.h"

#include <QObject>

namespace staverly::lumetra {

// Makes the level meter class known to a host by its identifier.
class LumetraPlugin : public QObject, public host::WidgetFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID StaverlyWidgetFactory_iid FILE "lumetraplugin.json")
    Q_INTERFACES(staverly::host::WidgetFactory)

public:
    static inline const QString Identifier = QStringLiteral("Quill_Slider.UserControl1");

    QStringList identifiers() const override;
    QWidget *create(const QString &identifier, QWidget *parent) override;
};

} // namespace staverly::lumetra
