// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace staverly {

// A PulseAudio server of the test's own on a null sink "out", in a private
// folder: its socket, cookie and state live there and nowhere else. While it
// lives every PulseAudio client of the process goes to it; what plays can
// be recorded from "out.monitor".
class PrivatePulseServer
{
public:
    PrivatePulseServer();
    ~PrivatePulseServer();
    PrivatePulseServer(const PrivatePulseServer &) = delete;
    PrivatePulseServer &operator=(const PrivatePulseServer &) = delete;

    static bool installed();
    // Whether a PulseAudio server answers at the address clients would use.
    static bool answers();

    // Starts it (again, at the same address) and waits until it answers.
    bool start();
    // Ends it as a crash would (SIGKILL) or as a person would (SIGTERM).
    void kill();
    void stop();

    qint64 pid() const { return m_daemon.processId(); }
    QString log();

private:
    QTemporaryDir m_folder;
    QByteArray m_previousServer;
    QByteArray m_previousCookie;
    QProcess m_daemon;
};

} // namespace staverly
