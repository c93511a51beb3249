// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace staverly {

// One key the pupil struck, as heard through the microphone. Frames count
// from the first sample fed to the listener.
struct HeardNote
{
    int midi = 0;
    std::int64_t onsetFrame = 0;
    std::int64_t decidedFrame = 0;
    float velocity = 0.0f; // 0..1, loudness of the attack
};

} // namespace staverly
