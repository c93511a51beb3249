// SPDX-License-Identifier: GPL-3.0-or-later
#include "onsetfinder.h"

#include <algorithm>

namespace staverly {

namespace {

constexpr int Window = 1024;
constexpr int MinimumGapMs = 50;
constexpr float StrongerAttack = 3.0f;

} // namespace

OnsetFinder::OnsetFinder(int sampleRate, int hop)
    : m_hop(hop)
    , m_minimumGap(static_cast<std::int64_t>(sampleRate) * MinimumGapMs / 1000)
    // Spectral flux hears bass attacks that high-frequency content misses.
    , m_onset(new_aubio_onset("specflux", Window, static_cast<uint_t>(hop), static_cast<uint_t>(sampleRate)))
    , m_input(new_fvec(static_cast<uint_t>(hop)))
    , m_output(new_fvec(1))
{
    aubio_onset_set_delay(m_onset, 0);
    aubio_onset_set_silence(m_onset, -70.0f);
    // Soft notes over a fan, or under a loud bass note still ringing, must
    // still count: the plain flux, a low threshold, and what is no note is
    // told later by its pitch.
    aubio_onset_set_compression(m_onset, 0.0f);
    aubio_onset_set_threshold(m_onset, 0.1f);
}

OnsetFinder::~OnsetFinder()
{
    del_fvec(m_output);
    del_fvec(m_input);
    del_aubio_onset(m_onset);
}

std::optional<std::int64_t> OnsetFinder::push(const float *samples)
{
    std::copy(samples, samples + m_hop, m_input->data);
    aubio_onset_do(m_onset, m_input, m_output);
    m_frames += m_hop;
    const float value = aubio_onset_get_descriptor(m_onset);
    // The attack entered the window in the first hop of the current rise.
    if (value <= m_previous)
        m_riseStart = m_frames;
    m_previous = value;
    const bool above = aubio_onset_get_thresholded_descriptor(m_onset) > 0.0f;
    const bool crossed = above && !m_above;
    m_above = above;
    // A flicker of the room may cross the threshold just before a key is
    // struck; the key's much stronger attack still counts, even while the
    // function has not fallen below the threshold in between.
    const bool soon = m_last >= 0 && m_frames - m_last < m_minimumGap;
    if (soon ? !(above && value >= StrongerAttack * m_lastValue) : !crossed)
        return std::nullopt;
    m_last = m_frames;
    m_lastValue = value;
    return m_riseStart;
}

} // namespace staverly
