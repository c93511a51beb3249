#include "jackxrunwatch.h"

#include "jackserver.h"

#include <QCoreApplication>
#include <jack/jack.h>

namespace staverly {

JackXrunWatch::JackXrunWatch()
{
    JackServer::preventAutostart();
    const QByteArray name = QStringLiteral("Xrun Watch %1").arg(QCoreApplication::applicationPid()).toUtf8();
    m_client = jack_client_open(name.constData(), JackNoStartServer, nullptr);
    if (!m_client)
        return;
    jack_set_xrun_callback(m_client, &JackXrunWatch::xrun, this);
    jack_activate(m_client);
}

JackXrunWatch::~JackXrunWatch()
{
    if (m_client)
        jack_client_close(m_client);
}

int JackXrunWatch::xrun(void *self)
{
    ++static_cast<JackXrunWatch *>(self)->m_count;
    return 0;
}

} // namespace staverly
