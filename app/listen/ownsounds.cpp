// SPDX-License-Identifier: GPL-3.0-or-later
#include "ownsounds.h"

#include <algorithm>
#include <limits>

namespace staverly {

namespace {

// Output plus input buffering before the sound is heard, at most.
constexpr int LatencyMs = 300;
// An attack is heard as one for this long; after it the note only rings, and
// what rings is left out as any earlier note is. A pupil playing back the
// note the program has just sounded is then heard.
constexpr int AttackMs = 150;
constexpr int ClipTailMs = 300;
// The capture clock and the GUI's calls are not exactly in step.
constexpr int EarlyMs = 50;

} // namespace

OwnSounds::OwnSounds(int sampleRate)
    : m_sampleRate(sampleRate)
{
}

std::int64_t OwnSounds::frames(int milliseconds) const
{
    return static_cast<std::int64_t>(milliseconds) * m_sampleRate / 1000;
}

void OwnSounds::noteOn(int midi, std::int64_t frame)
{
    std::lock_guard lock(m_mutex);
    m_spans.push_back({midi, frame - frames(EarlyMs), frame + frames(LatencyMs + AttackMs)});
}

void OwnSounds::noteOff(int, std::int64_t)
{
    // Letting a key go makes no attack.
}

void OwnSounds::clip(int milliseconds, std::int64_t frame)
{
    std::lock_guard lock(m_mutex);
    m_spans.push_back({-1, frame - frames(EarlyMs), frame + frames(std::max(0, milliseconds) + LatencyMs + ClipTailMs)});
}

std::vector<int> OwnSounds::notesDuring(std::int64_t from, std::int64_t to) const
{
    std::lock_guard lock(m_mutex);
    std::vector<int> notes;
    for (const Span &span : m_spans) {
        if (span.midi >= 0 && span.from <= to && from <= span.to)
            notes.push_back(span.midi);
    }
    return notes;
}

bool OwnSounds::clipAt(std::int64_t frame) const
{
    std::lock_guard lock(m_mutex);
    return std::any_of(m_spans.begin(), m_spans.end(), [frame](const Span &span) {
        return span.midi < 0 && span.from <= frame && frame <= span.to;
    });
}

void OwnSounds::forget(std::int64_t frame)
{
    std::lock_guard lock(m_mutex);
    std::erase_if(m_spans, [frame](const Span &span) { return span.to < frame; });
}

} // namespace staverly
