// SPDX-License-Identifier: GPL-3.0-or-later
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
    if (!m_client)
        return;
    // Closing stops the client reading its notifications before the server
    // has handled the close; on a busy server xruns keep coming, fill the
    // socket and stall the server for good. Only an inactive client may give
    // its callback back.
    jack_deactivate(m_client);
    jack_set_xrun_callback(m_client, nullptr, nullptr);
    jack_client_close(m_client);
}

int JackXrunWatch::xrun(void *self)
{
    ++static_cast<JackXrunWatch *>(self)->m_count;
    return 0;
}

} // namespace staverly
