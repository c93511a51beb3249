// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace staverly::test {

// While this lives, a test run by root acts as the user nobody in `folder`
// (given to that user meanwhile), so that a file's mode binds it as it binds
// a pupil. For anyone else it does nothing.
class OrdinaryUser
{
public:
    explicit OrdinaryUser(QString folder);
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

private:
    QString m_folder;
    bool m_switched = false;
};

} // namespace staverly::test
