// SPDX-License-Identifier: GPL-3.0-or-later
#include "ownsoundqueue.h"

namespace staverly {

void OwnSoundQueue::push(Kind kind, int value)
{
    const std::uint32_t turn = m_written.fetch_add(1, std::memory_order_relaxed);
    const std::uint64_t sound = (std::uint64_t(turn + 1) << 32) | (std::uint64_t(kind) << 24)
                                | (std::uint32_t(value) & 0xFFFFFFu);
    m_slots[turn % Size].store(sound, std::memory_order_release);
}

std::optional<OwnSoundQueue::Sound> OwnSoundQueue::pop()
{
    for (;;) {
        if (m_read == m_written.load(std::memory_order_acquire))
            return std::nullopt;
        const std::uint64_t sound = m_slots[m_read % Size].load(std::memory_order_acquire);
        const auto turn = std::uint32_t(sound >> 32) - 1;
        if (turn == m_read) {
            ++m_read;
            return Sound{Kind((sound >> 24) & 0xFF), int(sound & 0xFFFFFF)};
        }
        // Overtaken: skip to the oldest still held.
        if (std::int32_t(turn - m_read) > 0) {
            m_read = turn;
            continue;
        }
        // Claimed but not yet written: next time.
        return std::nullopt;
    }
}

} // namespace staverly
