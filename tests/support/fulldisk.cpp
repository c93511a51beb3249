// SPDX-License-Identifier: GPL-3.0-or-later
#include "fulldisk.h"

#include <csignal>

namespace staverly::test {

FullDisk::FullDisk(rlim_t bytes)
{
    // Past the limit the kernel also raises SIGXFSZ, which would end the test.
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit full = m_old;
    full.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &full);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

} // namespace staverly::test
