// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>

namespace staverly::test {

// Points the per-user INI store at a fresh temporary folder for one test, so
// the real user's settings are never read or touched.
class IsolatedSettings
{
public:
    IsolatedSettings();
    ~IsolatedSettings();

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace staverly::test
