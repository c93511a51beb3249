// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace staverly {

// One way out to the loudspeakers. The server or card drives it: it asks for
// sound through the render function, on a thread of its own.
class AudioOutput
{
public:
    // Adds `frames` of sound to zeroed buffers; false when it was all silence.
    using Render = std::function<bool(int frames, float *left, float *right)>;

    virtual ~AudioOutput() = default;

    virtual QString driverName() const = 0;
    virtual int sampleRate() const = 0;
    // The buffering asked of the driver.
    virtual double requestedLatencyMs() const = 0;
    // From a sound being started to its leaving for the loudspeakers, as the
    // stream or server reports it; the requested figure where the driver
    // tells nothing; 0 until known.
    virtual double measuredLatencyMs() const = 0;
    // The server went away: this output never plays again.
    virtual bool lost() const { return false; }
    // A sound is about to start: an output paused for silence resumes.
    virtual void wake() {}
    virtual bool paused() const { return false; }
};

} // namespace staverly
