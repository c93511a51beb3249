// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

namespace staverly {

// When the program's own notes and lesson clips may reach the microphone.
// Written from the GUI thread and read from the capture thread; times are in
// frames of the listener's input.
class OwnSounds
{
public:
    explicit OwnSounds(int sampleRate);

    void noteOn(int midi, std::int64_t frame);
    void noteOff(int midi, std::int64_t frame);
    void clip(int milliseconds, std::int64_t frame);

    // Notes whose attack may be heard between the two frames.
    std::vector<int> notesDuring(std::int64_t from, std::int64_t to) const;
    bool clipAt(std::int64_t frame) const;
    // Sounds that ended well before `frame` are forgotten.
    void forget(std::int64_t frame);

private:
    struct Span
    {
        int midi; // -1 for a clip
        std::int64_t from;
        std::int64_t to;
    };
    std::int64_t frames(int milliseconds) const;

    int m_sampleRate;
    mutable std::mutex m_mutex;
    std::vector<Span> m_spans;
};

} // namespace staverly
