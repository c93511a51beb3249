// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>
#include <atomic>
#include <cstddef>
#include <memory>

namespace staverly {

// Blocks of microphone samples from the capture's thread (a JACK process
// callback may be one) to the thread that listens: one writer, one reader,
// and neither ever waits. When the reader falls far behind, new blocks are
// dropped and counted.
class CapturedBlocks
{
public:
    static constexpr std::size_t Frames = 256;
    struct Block
    {
        std::array<float, Frames> samples;
        std::size_t frames;
        int sampleRate;
        // What an answer struck now is judged by, packed by the caller.
        quint64 arrival;
    };

    CapturedBlocks();

    // Copies up to Frames samples; false when full.
    bool push(const float *samples, std::size_t frames, int sampleRate, quint64 arrival);
    // The oldest block, or null when none waits; valid until next().
    const Block *front() const;
    void next();
    std::size_t waiting() const;
    std::size_t dropped() const { return m_dropped.load(); }
    // Only while neither side runs.
    void clear();

private:
    static constexpr std::size_t Size = 1024;
    std::unique_ptr<std::array<Block, Size>> m_blocks;
    std::atomic<std::size_t> m_written{0};
    std::atomic<std::size_t> m_read{0};
    std::atomic<std::size_t> m_dropped{0};
};

} // namespace staverly
