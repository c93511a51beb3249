// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "defaultoutput.h"

namespace staverly::bench {

// Output device -1 that opens and stays silent.
class SilentSynth : public DefaultOutput
{
public:
    QString name() const override { return QStringLiteral("Silent"); }
    void open() override {}
    void close() override {}
    void send(const std::uint8_t *, std::size_t) override {}
};

} // namespace staverly::bench
