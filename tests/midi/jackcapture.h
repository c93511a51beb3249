// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <chrono>

struct _jack_client;
struct _jack_port;

namespace staverly {

// A JACK client of the test's own that listens to another client's audio
// outputs, as loudspeakers would: the loudest sample since reset() and when
// sound first arrived.
class JackCapture
{
public:
    using Clock = std::chrono::steady_clock;

    explicit JackCapture(QString source = QStringLiteral("staverly"));
    // Closes the client, unless its server went away (see JackServer).
    ~JackCapture();
    JackCapture(const JackCapture &) = delete;
    JackCapture &operator=(const JackCapture &) = delete;

    bool isOpen() const { return m_client != nullptr; }
    // Connects every audio output of the source client not yet connected;
    // the source may come and go.
    void connect();
    float peak() const { return m_peak.load(); }
    // When the first sample at or above the level arrived since reset().
    Clock::time_point firstSound() const;
    void reset(float level = 0.01f);

private:
    static int process(unsigned frames, void *self);

    QString m_source;
    quint64 m_generation;
    _jack_client *m_client = nullptr;
    _jack_port *m_ports[2] = {nullptr, nullptr};
    std::atomic<float> m_peak{0.0f};
    std::atomic<float> m_level{0.01f};
    std::atomic<Clock::rep> m_firstSound{0};
};

} // namespace staverly
