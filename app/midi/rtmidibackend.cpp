// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtmidibackend.h"

#include "jackserver.h"
#include "midierror.h"
#include "rtmidisink.h"
#include "rtmidisource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <rtmidi/RtMidi.h>
#include <vector>

namespace staverly {

namespace {

struct Port
{
    unsigned index;
    std::string raw;
    QString name;
};

constexpr int OpenAttempts = 3;

void silent(RtMidiError::Type, const std::string &, void *) {}

// JACK applies a new connection from the next process cycle and RtMidi's JACK
// ports are read by the process thread until it notices they closed; longer
// than one period of any usual setting (1024 frames at 44.1 kHz is 23 ms).
std::chrono::milliseconds settleTime(RtMidi::Api api)
{
    return api == RtMidi::UNIX_JACK ? std::chrono::milliseconds(30) : std::chrono::milliseconds(0);
}

QString apiLabel(RtMidi::Api api)
{
    switch (api) {
    case RtMidi::LINUX_ALSA:
        return QStringLiteral("ALSA");
    case RtMidi::UNIX_JACK:
        return QStringLiteral("JACK");
    default:
        return QString::fromStdString(RtMidi::getApiDisplayName(api));
    }
}

// Without a server or a sequencer node RtMidi throws or prints instead of
// listing nothing, so only back ends that can answer are asked.
std::vector<RtMidi::Api> usableApis(const QString &alsaSequencer)
{
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    const auto has = [&](RtMidi::Api api) {
        return std::find(compiled.begin(), compiled.end(), api) != compiled.end();
    };
    std::vector<RtMidi::Api> apis;
    if (has(RtMidi::LINUX_ALSA) && QFileInfo::exists(alsaSequencer))
        apis.push_back(RtMidi::LINUX_ALSA);
    if (has(RtMidi::UNIX_JACK) && JackServer::running())
        apis.push_back(RtMidi::UNIX_JACK);
    return apis;
}

template<class Client>
std::unique_ptr<Client> makeClient(RtMidi::Api api, const QString &clientName)
{
    JackServer::preventAutostart();
    try {
        auto client = std::make_unique<Client>(api, clientName.toStdString());
        client->setErrorCallback(silent, nullptr);
        return client;
    } catch (const RtMidiError &) {
        // DRIVER_ERROR when the sequencer cannot be opened: no devices there.
        return nullptr;
    }
}

bool isOwnClient(const QString &client, const QString &ours)
{
    // JACK renames a second client of the same name "name-01".
    static const QRegularExpression numbered(QStringLiteral("^(.*)-\\d+$"));
    if (client == ours)
        return true;
    const auto match = numbered.match(client);
    return match.hasMatch() && match.captured(1) == ours;
}

std::vector<Port> listPorts(RtMidi &client, RtMidi::Api api, const QString &ours)
{
    static const QRegularExpression alsaAddress(QStringLiteral("\\s+\\d+:\\d+$"));
    std::vector<Port> ports;
    QHash<QString, int> seen;
    const unsigned count = client.getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        const std::string rawName = client.getPortName(i);
        QString raw = QString::fromStdString(rawName);
        if (raw.isEmpty())
            continue;
        if (api == RtMidi::LINUX_ALSA)
            raw.remove(alsaAddress);
        const qsizetype colon = raw.indexOf(QLatin1Char(':'));
        const QString clientPart = colon < 0 ? raw : raw.left(colon);
        const QString portPart = colon < 0 ? QString() : raw.mid(colon + 1);
        if (isOwnClient(clientPart, ours))
            continue;
        QString name = raw;
        if (api == RtMidi::LINUX_ALSA && portPart.startsWith(clientPart))
            name = portPart;
        name += QStringLiteral(" (%1)").arg(apiLabel(api));
        const int repeat = ++seen[name];
        if (repeat > 1)
            name += QStringLiteral(" #%1").arg(repeat);
        ports.push_back({i, rawName, name});
    }
    return ports;
}

template<class Client>
QStringList names(const QString &clientName, const QString &alsaSequencer)
{
    QStringList result;
    for (RtMidi::Api api : usableApis(alsaSequencer)) {
        auto client = makeClient<Client>(api, clientName);
        if (!client)
            continue;
        for (const Port &port : listPorts(*client, api, clientName))
            result << port.name;
    }
    return result;
}

// RtMidi opens by position; a JACK port list that changes meanwhile makes the
// attempt fail, and another look usually succeeds.
template<class Client, class Opened, class Open>
std::unique_ptr<Opened> openNamed(const QString &clientName, const QString &alsaSequencer,
                                  const QString &name, const char *missing, Open open)
{
    for (int attempt = 1;; ++attempt) {
        try {
            for (RtMidi::Api api : usableApis(alsaSequencer)) {
                auto client = makeClient<Client>(api, clientName);
                if (!client)
                    continue;
                for (const Port &port : listPorts(*client, api, clientName)) {
                    if (port.name == name)
                        return open(std::move(client), port, api);
                }
            }
        } catch (const MidiError &failure) {
            if (failure.code() != MidiError::OpenFailed || attempt == OpenAttempts)
                throw;
            continue;
        }
        throw MidiError(MidiError::NoSuchDevice,
                        QCoreApplication::translate("RtMidiBackend", missing).arg(name));
    }
}

} // namespace

RtMidiBackend::RtMidiBackend(const QString &clientName, const QString &alsaSequencer)
    : m_clientName(clientName)
    , m_alsaSequencer(alsaSequencer)
{
    JackServer::preventAutostart();
}

QStringList RtMidiBackend::inputNames()
{
    return names<RtMidiIn>(m_clientName, m_alsaSequencer);
}

QStringList RtMidiBackend::outputNames()
{
    return names<RtMidiOut>(m_clientName, m_alsaSequencer);
}

std::unique_ptr<MidiSource> RtMidiBackend::openInput(const QString &name, Receiver receiver)
{
    return openNamed<RtMidiIn, MidiSource>(
        m_clientName, m_alsaSequencer, name,
        QT_TRANSLATE_NOOP("RtMidiBackend", "The MIDI input \"%1\" is not connected."),
        [&](std::unique_ptr<RtMidiIn> client, const Port &port, RtMidi::Api api) {
            return std::make_unique<RtMidiSource>(std::move(client), port.index, port.raw, name, receiver,
                                                  settleTime(api));
        });
}

quint64 RtMidiBackend::changes()
{
    JackServer::watch();
    if (QFileInfo::exists(m_alsaSequencer))
        ++m_alsaLooks;
    return JackServer::changes() + m_alsaLooks;
}

std::unique_ptr<MidiSink> RtMidiBackend::openOutput(const QString &name)
{
    return openNamed<RtMidiOut, MidiSink>(
        m_clientName, m_alsaSequencer, name,
        QT_TRANSLATE_NOOP("RtMidiBackend", "The MIDI output \"%1\" is not connected."),
        [&](std::unique_ptr<RtMidiOut> client, const Port &port, RtMidi::Api api) {
            return std::make_unique<RtMidiSink>(std::move(client), port.index, port.raw, name, settleTime(api),
                                                m_clientName);
        });
}

} // namespace staverly
