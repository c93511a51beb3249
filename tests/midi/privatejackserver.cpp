// SPDX-License-Identifier: GPL-3.0-or-later
#include "privatejackserver.h"

#include "jackleftovers.h"
#include "jackserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <atomic>
#include <csignal>
#include <sys/prctl.h>

namespace staverly {

namespace {

const char *const ServerVariable = "JACK_DEFAULT_SERVER";

QString uniqueName()
{
    static std::atomic<int> made{0};
    return QStringLiteral("staverly-%1-%2").arg(QCoreApplication::applicationPid()).arg(++made);
}

QProcessEnvironment jackEnvironment(const QString &server)
{
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("JACK_NO_AUDIO_RESERVATION"), QStringLiteral("1"));
    environment.insert(QStringLiteral("JACK_NO_START_SERVER"), QStringLiteral("1"));
    environment.insert(QString::fromLatin1(ServerVariable), server);
    return environment;
}

} // namespace

PrivateJackServer::PrivateJackServer(int rate, int period)
    : m_name(uniqueName())
    , m_rate(rate)
    , m_period(period)
    , m_log(QDir::temp().filePath(m_name + QStringLiteral(".log")))
    , m_hadServer(qEnvironmentVariableIsSet(ServerVariable))
    , m_formerServer(qgetenv(ServerVariable))
{
    JackServer::preventAutostart();
    qputenv(ServerVariable, m_name.toUtf8());
    m_jackd.setProcessEnvironment(jackEnvironment(m_name));
    // To a file: a pipe nobody reads would stall jackd once its xrun reports
    // fill it.
    m_jackd.setProcessChannelMode(QProcess::MergedChannels);
    m_jackd.setStandardOutputFile(m_log);
    // A test that crashes takes its server along instead of leaving it
    // running with a slot of the machine's JACK registry.
    m_jackd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

PrivateJackServer::~PrivateJackServer()
{
    kill();
    QFile::remove(m_log);
    if (m_hadServer)
        qputenv(ServerVariable, m_formerServer);
    else
        qunsetenv(ServerVariable);
}

bool PrivateJackServer::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("jackd")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("jack_lsp")).isEmpty();
}

bool PrivateJackServer::start()
{
    // A busy machine may keep a new server from answering in time: it is
    // started once more before the test fails.
    return startOnce() || startOnce();
}

bool PrivateJackServer::startOnce()
{
    if (isRunning())
        return true;
    if (m_pid != 0)
        ended(); // it died on its own
    m_error.clear();
    m_jackd.start(QStringLiteral("jackd"),
                  {QStringLiteral("--no-realtime"), QStringLiteral("-n"), m_name, QStringLiteral("-d"),
                   QStringLiteral("dummy"), QStringLiteral("-r"), QString::number(m_rate),
                   QStringLiteral("-p"), QString::number(m_period)});
    if (!m_jackd.waitForStarted(5000)) {
        m_error = QStringLiteral("jackd did not start: ") + m_jackd.errorString();
        return false;
    }
    m_pid = m_jackd.processId();
    QElapsedTimer timer;
    timer.start();
    while (!answers()) {
        if (m_jackd.waitForFinished(50)) {
            m_error = QStringLiteral("jackd exited at start: ") + log();
            ended();
            return false;
        }
        if (timer.elapsed() > 10000) {
            m_error = QStringLiteral("jackd did not answer within 10 s: ") + log();
            kill();
            return false;
        }
    }
    return true;
}

void PrivateJackServer::kill()
{
    if (m_pid == 0)
        return;
    m_jackd.kill();
    m_jackd.waitForFinished(5000);
    ended();
}

void PrivateJackServer::stop()
{
    if (m_pid == 0)
        return;
    m_jackd.terminate();
    if (!m_jackd.waitForFinished(5000)) {
        m_jackd.kill();
        m_jackd.waitForFinished(5000);
    }
    // An orderly exit still leaves the semaphores of clients that died first.
    ended();
}

void PrivateJackServer::ended()
{
    removeJackLeftovers(m_name, m_pid);
    m_pid = 0;
}

QString PrivateJackServer::log() const
{
    QFile file(m_log);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

bool PrivateJackServer::restart()
{
    kill();
    return start();
}

bool PrivateJackServer::isRunning()
{
    return m_jackd.state() != QProcess::NotRunning && !m_jackd.waitForFinished(0);
}

bool PrivateJackServer::answers() const
{
    QProcess lsp;
    lsp.setProcessEnvironment(jackEnvironment(m_name));
    lsp.setStandardOutputFile(QProcess::nullDevice());
    lsp.setStandardErrorFile(QProcess::nullDevice());
    lsp.start(QStringLiteral("jack_lsp"), {});
    return lsp.waitForFinished(5000) && lsp.exitStatus() == QProcess::NormalExit && lsp.exitCode() == 0;
}

} // namespace staverly
