// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace staverly::test {

// A folder whose entries cannot be added, renamed or removed while this
// lives: by its mode for an ordinary user, and made immutable for root,
// whom the mode does not stop. locked() says whether it worked here.
class LockedFolder
{
public:
    explicit LockedFolder(QString path);
    ~LockedFolder();
    LockedFolder(const LockedFolder &) = delete;
    LockedFolder &operator=(const LockedFolder &) = delete;

    bool locked() const { return m_locked; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_locked = false;
};

} // namespace staverly::test
