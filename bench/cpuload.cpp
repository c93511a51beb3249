// SPDX-License-Identifier: GPL-3.0-or-later
#include "cpuload.h"

#include <algorithm>

namespace staverly {

CpuLoad::CpuLoad()
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < cores; ++i) {
        m_threads.emplace_back([this] {
            volatile unsigned spin = 0;
            while (!m_stop.load(std::memory_order_relaxed))
                spin = spin + 1;
        });
    }
}

CpuLoad::~CpuLoad()
{
    m_stop = true;
    for (std::thread &thread : m_threads)
        thread.join();
}

} // namespace staverly
