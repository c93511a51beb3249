// SPDX-License-Identifier: GPL-3.0-or-later
#include "jackcapture.h"

#include "jackserver.h"

#include <cmath>
#include <jack/jack.h>

namespace staverly {

JackCapture::JackCapture(QString source)
    : m_source(std::move(source))
    , m_generation(JackServer::generation())
{
    JackServer::watch();
    m_generation = JackServer::generation();
    m_client = jack_client_open("staverly-capture", JackNoStartServer, nullptr);
    if (!m_client)
        return;
    m_ports[0] = jack_port_register(m_client, "left", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    m_ports[1] = jack_port_register(m_client, "right", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(m_client, process, this);
    jack_activate(m_client);
}

JackCapture::~JackCapture()
{
    if (m_client && JackServer::generation() == m_generation)
        jack_client_close(m_client);
}

void JackCapture::connect()
{
    if (!m_client)
        return;
    const QByteArray pattern = "^" + m_source.toUtf8() + ":";
    const char **ports = jack_get_ports(m_client, pattern.constData(), JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
    if (!ports)
        return;
    for (int i = 0; ports[i] && i < 2; ++i) {
        if (!jack_port_connected_to(m_ports[i], ports[i]))
            jack_connect(m_client, ports[i], jack_port_name(m_ports[i]));
    }
    jack_free(ports);
}

JackCapture::Clock::time_point JackCapture::firstSound() const
{
    return Clock::time_point(Clock::duration(m_firstSound.load()));
}

void JackCapture::reset(float level)
{
    m_level.store(level);
    m_firstSound.store(0);
    m_peak.store(0.0f);
}

int JackCapture::process(unsigned frames, void *data)
{
    auto *self = static_cast<JackCapture *>(data);
    float peak = 0.0f;
    for (jack_port_t *port : self->m_ports) {
        const auto *samples = static_cast<const float *>(jack_port_get_buffer(port, frames));
        for (unsigned i = 0; i < frames; ++i)
            peak = std::max(peak, std::abs(samples[i]));
    }
    if (peak > self->m_peak.load())
        self->m_peak.store(peak);
    if (peak >= self->m_level.load() && self->m_firstSound.load() == 0)
        self->m_firstSound.store(Clock::now().time_since_epoch().count());
    return 0;
}

} // namespace staverly
