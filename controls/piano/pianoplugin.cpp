// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianoplugin.h"

#include "usercontrol1.h"

namespace staverly::piano {

QStringList PianoPlugin::identifiers() const
{
    return {Identifier};
}

QWidget *PianoPlugin::create(const QString &identifier, QWidget *parent)
{
    if (identifier.compare(Identifier, Qt::CaseInsensitive) != 0)
        return nullptr;
    return new UserControl1(parent);
}

} // namespace staverly::piano
