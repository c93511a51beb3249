// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace staverly {

// A microphone, for hearing a pupil play a real piano. The sound arrives on
// the capture's own thread; a block must never wait for the GUI.
class AudioCapture
{
public:
    // The frames in a block; what arrives per block is a small fixed number.
    static constexpr std::size_t BlockFrames = 256;

    // Mono samples in [-1, 1], on the capture's own thread, in blocks of about
    // 256 frames; `frames` counts the samples from the start of `samples`.
    using Block = std::function<void(const float *samples, std::size_t frames, int sampleRate)>;
    // name is what is stored; description is what a person reads.
    struct Source
    {
        QString name;
        QString description;
    };

    virtual ~AudioCapture() = default;

    // The capture that goes with the driver AudioEngine plays through
    // ("pulseaudio", "jack"); with another or none, whichever server
    // answers, PulseAudio first, else a NullInput.
    static std::unique_ptr<AudioCapture> forDriver(const QString &driverName);

    // The inputs there are now.
    virtual std::vector<Source> sources() const = 0;
    // Listens to the named source (empty: the desktop's default input) until
    // stop(). Returns false with problem() set when it cannot start; a source
    // that is absent or vanishes is waited for and taken again by name when
    // it returns.
    virtual bool start(const QString &source, Block block) = 0;
    // Once it returns the block is not called again. Not from inside a block:
    // it waits for the capture's thread.
    virtual void stop() = 0;
    // What is wrong now, in a sentence a pupil understands; empty when all is
    // well.
    virtual QString problem() const = 0;
    // Goes up each time problem() changes: a caller that polls tells a new
    // notice from the one it showed already.
    virtual int problemChanges() const = 0;
    // Of the source in use; 0 before it is known.
    virtual int sampleRate() const = 0;
};

} // namespace staverly
