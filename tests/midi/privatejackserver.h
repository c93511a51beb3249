// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace staverly {

// A JACK server of the test's own, on the dummy driver (64 frames a period unless told),
// under a name that no other process uses, which the test starts, crashes and
// restarts under the running program. From construction to destruction every
// JACK client the process opens goes to it: JACK_DEFAULT_SERVER names it, and
// gets its former value back afterwards.
//
// Nothing here opens a JACK client in this process (it asks jack_lsp whether
// the server answers): libjack keeps per-process state, and once a server
// died, the first client opened on a new one makes every client of the old
// one unusable; closing one of those then crashes. Whatever keeps JACK
// clients must notice the death first: JackServer::generation() goes up then.
class PrivateJackServer
{
public:
    explicit PrivateJackServer(int rate = 48000, int period = 64);
    // Ends a server still running as kill() does.
    ~PrivateJackServer();
    PrivateJackServer(const PrivateJackServer &) = delete;
    PrivateJackServer &operator=(const PrivateJackServer &) = delete;

    // Whether jackd is installed at all.
    static bool available();

    QString name() const { return m_name; }
    // The server's process, 0 when none runs.
    qint64 pid() const { return m_pid; }
    // Starts the server and waits until it answers; false, with the reason in
    // error(), when it does not within 10 s.
    bool start();
    // Ends the server as a crash does (SIGKILL) and removes what it left.
    void kill();
    // Ends the server in order (SIGTERM). JACK 1.9 then also deletes the
    // jack_db-<uid> folder that it shares with every other server of the
    // user: use it where an orderly exit is what is tested.
    void stop();
    // Ends the server if it runs, as kill() does, and starts it anew under
    // the same name.
    bool restart();
    bool isRunning();
    QString error() const { return m_error; }
    // What jackd printed since it last started.
    QString log() const;

private:
    bool startOnce();
    bool answers() const;
    void ended();

    QString m_name;
    int m_rate;
    int m_period;
    QString m_log;
    QProcess m_jackd;
    qint64 m_pid = 0;
    QString m_error;
    bool m_hadServer;
    QByteArray m_formerServer;
};

} // namespace staverly
