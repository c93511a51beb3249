// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "builtinsynth.h"

#include <chrono>
#include <thread>

namespace staverly {

// True once the synthesizer has loaded its SoundFont; false on a failed load
// or when the time runs out.
inline bool waitUntilLoaded(const BuiltinSynth &synth, std::chrono::milliseconds timeout)
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const BuiltinSynth::Load state = synth.loadState();
        if (state == BuiltinSynth::Load::Ready || state == BuiltinSynth::Load::Failed)
            return state == BuiltinSynth::Load::Ready;
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// What the synthesizer renders once everything sent before has been played,
// its instruments loaded; silence when that takes longer than the timeout.
inline std::vector<qint16> rendered(BuiltinSynth &synth, int frames,
                                    std::chrono::milliseconds timeout = std::chrono::seconds(10))
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!synth.settled() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return synth.renderOffline(frames);
}

} // namespace staverly
