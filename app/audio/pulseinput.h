// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiocapture.h"

#include <chrono>
#include <memory>

namespace staverly {

// A record stream on the PulseAudio server (or PipeWire's PulseAudio
// service) that the environment names, from one source by name, at 44.1 kHz
// whatever the source's rate; the server resamples and mixes a stereo source
// down to mono. A named
// stream is never moved to another source: when its source goes away it
// waits for one of that name to come back, and when the server goes away it
// waits for the server.
class PulseInput final : public AudioCapture
{
public:
    // A local server answers in milliseconds; one that hangs must not freeze
    // the window for longer.
    static constexpr std::chrono::milliseconds AnswerTimeout{2000};
    // How often a lost server or source is looked for.
    static constexpr std::chrono::milliseconds RetryEvery{500};

    PulseInput();
    ~PulseInput() override;
    PulseInput(const PulseInput &) = delete;
    PulseInput &operator=(const PulseInput &) = delete;

    std::vector<Source> sources() const override;
    bool start(const QString &source, Block block) override;
    void stop() override;
    QString problem() const override;
    int problemChanges() const override;
    int sampleRate() const override;

private:
    struct Link;

    // The connection, shared with libpulse's thread; made at first use.
    std::unique_ptr<Link> m_link;
};

} // namespace staverly
