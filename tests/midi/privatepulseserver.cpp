// SPDX-License-Identifier: GPL-3.0-or-later
#include "privatepulseserver.h"

#include <QDir>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>
#include <pulse/simple.h>

namespace staverly {

namespace {

void restore(const char *name, const QByteArray &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

} // namespace

PrivatePulseServer::PrivatePulseServer()
    : m_folder(QDir::tempPath() + QStringLiteral("/staverly-pulse-XXXXXX"))
    , m_previousServer(qgetenv("PULSE_SERVER"))
    , m_previousCookie(qgetenv("PULSE_COOKIE"))
{
    const QDir folder(m_folder.path());
    for (const char *sub : {"home", "run", "state"})
        folder.mkpath(QLatin1String(sub));
    QFile::setPermissions(folder.filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), folder.filePath(QStringLiteral("run/pulse")));
    environment.insert(QStringLiteral("PULSE_STATE_PATH"), folder.filePath(QStringLiteral("state")));
    m_daemon.setProcessEnvironment(environment);
    // To a file: nobody reads a pipe while a test waits.
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.setStandardOutputFile(folder.filePath(QStringLiteral("log")), QIODevice::Append);
    // A test that crashes takes its server with it.
    m_daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder.filePath(QStringLiteral("native"))));
    qputenv("PULSE_COOKIE", QFile::encodeName(folder.filePath(QStringLiteral("cookie"))));
}

PrivatePulseServer::~PrivatePulseServer()
{
    stop();
    restore("PULSE_SERVER", m_previousServer);
    restore("PULSE_COOKIE", m_previousCookie);
}

bool PrivatePulseServer::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

bool PrivatePulseServer::answers()
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, 48000, 2};
    pa_simple *probe = pa_simple_new(nullptr, "Staverly probe", PA_STREAM_RECORD, "out.monitor", "probe",
                                     &format, nullptr, nullptr, nullptr);
    if (!probe)
        return false;
    pa_simple_free(probe);
    return true;
}

bool PrivatePulseServer::start()
{
    const QDir folder(m_folder.path());
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("-n"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=")
                        + folder.filePath(QStringLiteral("native")),
                    QStringLiteral("--load=module-null-sink sink_name=out"),
                    QStringLiteral("--load=module-always-sink")});
    if (!m_daemon.waitForStarted(5000))
        return false;
    for (int i = 0; i < 100; ++i) {
        if (answers())
            return true;
        if (m_daemon.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(100);
    }
    return false;
}

void PrivatePulseServer::kill()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.kill();
    m_daemon.waitForFinished(5000);
}

void PrivatePulseServer::stop()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000)) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

QString PrivatePulseServer::log()
{
    QFile file(QDir(m_folder.path()).filePath(QStringLiteral("log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

} // namespace staverly
