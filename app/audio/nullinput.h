// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiocapture.h"

namespace staverly {

// No way to hear a microphone: a desktop with neither PulseAudio nor JACK.
class NullInput final : public AudioCapture
{
public:
    std::vector<Source> sources() const override { return {}; }
    bool start(const QString &source, Block block) override;
    void stop() override {}
    QString problem() const override { return m_problem; }
    int problemChanges() const override { return m_problem.isEmpty() ? 0 : 1; }
    int sampleRate() const override { return 0; }

private:
    QString m_problem;
};

} // namespace staverly
