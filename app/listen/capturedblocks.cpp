// SPDX-License-Identifier: GPL-3.0-or-later
#include "capturedblocks.h"

#include <algorithm>

namespace staverly {

CapturedBlocks::CapturedBlocks()
    : m_blocks(std::make_unique<std::array<Block, Size>>())
{
}

bool CapturedBlocks::push(const float *samples, std::size_t frames, int sampleRate, quint64 arrival)
{
    const std::size_t written = m_written.load(std::memory_order_relaxed);
    if (written - m_read.load(std::memory_order_acquire) >= Size) {
        m_dropped.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    Block &block = (*m_blocks)[written % Size];
    block.frames = std::min(frames, Frames);
    std::copy_n(samples, block.frames, block.samples.begin());
    block.sampleRate = sampleRate;
    block.arrival = arrival;
    m_written.store(written + 1, std::memory_order_release);
    return true;
}

const CapturedBlocks::Block *CapturedBlocks::front() const
{
    const std::size_t read = m_read.load(std::memory_order_relaxed);
    if (read == m_written.load(std::memory_order_acquire))
        return nullptr;
    return &(*m_blocks)[read % Size];
}

void CapturedBlocks::next()
{
    m_read.store(m_read.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

std::size_t CapturedBlocks::waiting() const
{
    return m_written.load(std::memory_order_acquire) - m_read.load(std::memory_order_acquire);
}

void CapturedBlocks::clear()
{
    m_read.store(m_written.load());
}

} // namespace staverly
