// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiocapture.h"

#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace staverly {

// An input port of a JACK client of the program's own, on the server the
// program plays through, joined by name to a capture port such as
// system:capture_1. A port that goes away is joined again when one of that
// name returns; a server that goes away is waited for.
class JackInput final : public AudioCapture
{
public:
    // How often a lost port or server is looked for.
    static constexpr std::chrono::milliseconds RetryEvery{250};

    JackInput();
    // Closes the client, unless its server went away (see JackServer).
    ~JackInput() override;
    JackInput(const JackInput &) = delete;
    JackInput &operator=(const JackInput &) = delete;

    // The physical capture ports.
    std::vector<Source> sources() const override;
    bool start(const QString &source, Block block) override;
    void stop() override;
    QString problem() const override;
    int problemChanges() const override;
    int sampleRate() const override;

private:
    struct Link;

    bool openLink();
    void closeLink();
    void join();
    void supervise();
    void setProblem(const QString &text);

    QString m_wanted;
    Block m_block;

    // The client now in use; shared with libjack's threads. Changed only
    // by start(), stop() and the supervisor, under m_linkMutex.
    std::mutex m_linkMutex;
    Link *m_link = nullptr;

    std::mutex m_supervisorMutex;
    std::condition_variable m_supervisorWake;
    bool m_stopping = false;
    std::thread m_supervisor;

    // Held only to copy.
    mutable std::mutex m_problemMutex;
    QString m_problem;
    int m_problemChanges = 0;
    std::atomic<int> m_rate{0};
};

} // namespace staverly
