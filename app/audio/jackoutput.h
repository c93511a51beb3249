// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiooutput.h"

#include <QtGlobal>
#include <memory>

namespace staverly {

// Two output ports of a JACK client of the program's own, connected to the
// loudspeakers. It renders in the server's cycle at the server's own rate
// and period, which musicians choose tight.
class JackOutput final : public AudioOutput
{
public:
    // Null with `error` when no server runs; a server is never started.
    static std::unique_ptr<JackOutput> open(Render render, QString &error);
    // Closes the client, unless its server went away: then it is left alone
    // for good (see JackServer).
    ~JackOutput() override;
    JackOutput(const JackOutput &) = delete;
    JackOutput &operator=(const JackOutput &) = delete;

    QString driverName() const override { return QStringLiteral("jack"); }
    int sampleRate() const override;
    double requestedLatencyMs() const override;
    double measuredLatencyMs() const override;
    bool lost() const override;

private:
    struct Link;

    explicit JackOutput(Link *link);

    // Shared with libjack's threads, and left to them with a lost client.
    Link *m_link;
};

} // namespace staverly
