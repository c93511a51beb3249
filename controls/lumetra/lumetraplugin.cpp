// SPDX-License-Identifier: GPL-3.0-or-later
#include "lumetraplugin.h"

#include "usercontrol1.h"

namespace staverly::lumetra {

QStringList LumetraPlugin::identifiers() const
{
    return {Identifier};
}

QWidget *LumetraPlugin::create(const QString &identifier, QWidget *parent)
{
    if (identifier.compare(Identifier, Qt::CaseInsensitive) != 0)
        return nullptr;
    return new UserControl1(parent);
}

} // namespace staverly::lumetra
