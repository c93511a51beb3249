// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace staverly {

// One busy thread a core, at normal priority, while it lives: a machine that
// builds something meanwhile. JACK clients of a server without real-time
// scheduling then miss cycles now and then, and a program whose JACK
// callback waits for its user interface thread misses more.
class CpuLoad
{
public:
    CpuLoad();
    ~CpuLoad();
    CpuLoad(const CpuLoad &) = delete;
    CpuLoad &operator=(const CpuLoad &) = delete;

private:
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_threads;
};

} // namespace staverly
