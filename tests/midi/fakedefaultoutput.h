// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "defaultoutput.h"
#include "midierror.h"

#include <vector>

namespace staverly {

// Stands in for the built-in synthesizer: counts opens and keeps messages.
class FakeDefaultOutput : public DefaultOutput
{
public:
    bool failOpen = false;
    int opens = 0;
    int closes = 0;
    std::vector<std::vector<std::uint8_t>> sent;

    QString name() const override { return QStringLiteral("Fake Synthesizer"); }

    void open() override
    {
        if (failOpen)
            throw MidiError(MidiError::NoSoundFont, QStringLiteral("no SoundFont here"));
        ++opens;
    }

    void close() override { ++closes; }

    void send(const std::uint8_t *bytes, std::size_t size) override
    {
        sent.emplace_back(bytes, bytes + size);
    }
};

} // namespace staverly
