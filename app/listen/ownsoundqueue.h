// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

namespace staverly {

// The program's own sounds on their way to the capture thread. Any thread
// may push (the window's, a MIDI device's when it plays through) and none
// ever waits; when the capture thread falls far behind, the oldest are lost.
class OwnSoundQueue
{
public:
    enum class Kind : std::uint8_t { NoteOn, NoteOff, Clip };
    struct Sound
    {
        Kind kind;
        int value; // MIDI number, or a clip's milliseconds
    };

    void push(Kind kind, int value);
    // On the capture thread only.
    std::optional<Sound> pop();

private:
    static constexpr std::size_t Size = 256;
    // Each slot holds its turn number above the sound, so a half-written
    // slot is never read.
    std::array<std::atomic<std::uint64_t>, Size> m_slots{};
    std::atomic<std::uint32_t> m_written{0};
    std::uint32_t m_read = 0;
};

} // namespace staverly
