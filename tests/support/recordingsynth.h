// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "defaultoutput.h"

#include <array>
#include <vector>

namespace staverly::test {

// Output device -1 for tests: opens at once and keeps every message sent,
// a two-byte message with 0 as its third field.
class RecordingSynth : public DefaultOutput
{
public:
    using Message = std::array<int, 3>;

    QString name() const override { return QStringLiteral("Recording Synthesizer"); }
    void open() override { ++opens; }
    void close() override { ++closes; }
    void send(const std::uint8_t *bytes, std::size_t size) override
    {
        messages.push_back({size > 0 ? bytes[0] : 0, size > 1 ? bytes[1] : 0,
                            size > 2 ? bytes[2] : 0});
    }

    QString problem() const override { return silentBecause; }
    QString driverName() const override { return driver; }
    double measuredLatencyMs() const override { return latency; }
    void chooseSoundFont(const QString &path) override { chosen << path; }
    QString soundFont() const override { return playing; }

    std::vector<Message> messages;
    QString silentBecause;
    QString driver;
    double latency = 0.0;
    // Every SoundFont chosen, in turn, and the one it says it plays.
    QStringList chosen;
    QString playing;
    int opens = 0;
    int closes = 0;
};

} // namespace staverly::test
