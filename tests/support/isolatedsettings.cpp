// SPDX-License-Identifier: GPL-3.0-or-later
#include "isolatedsettings.h"

#include <QSettings>

namespace staverly::test {

IsolatedSettings::IsolatedSettings()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

IsolatedSettings::~IsolatedSettings()
{
    // Leave nothing pointing at a folder that is about to vanish.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path() + "-gone");
}

} // namespace staverly::test
