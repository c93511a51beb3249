// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

namespace staverly::test {

// While this lives, no file of this process may grow past `bytes`: a write
// beyond fails as on a full disk (EFBIG), with no disk to fill and no root.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes = 0);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace staverly::test
