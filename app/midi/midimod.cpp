// SPDX-License-Identifier: GPL-3.0-or-later
#include "midimod.h"

#include "desktop.h"
#include "midierror.h"
#include "midiinput.h"
#include "mididevicename.h"
#include "midioutput.h"
#include "noticeboard.h"
#include "settingkeys.h"
#include "settingsreader.h"
#include "settingsstore.h"

#include <QComboBox>
#include <QTimer>

namespace staverly {

namespace {

// A passing notice (malformed input, late answers) is shown this many looks
// after the last one.
constexpr int PassingNoticeLooks = 10;

} // namespace

void MidiMod::attach(MIDIInput &input, MIDIOutput &output, Desktop &desktop, QWidget *parent,
                     NoticeBoard *notices)
{
    m_input = &input;
    m_output = &output;
    m_desktop = &desktop;
    m_parent = parent;
    m_notices = notices;
    QObject::connect(&output, &MIDIOutput::error, &output, [this](int code, const QString &description) {
        // A device that stops answering is told quietly and tried again;
        // the lesson goes on.
        if (code == MidiError::SendFailed) {
            outputFailed(description);
            return;
        }
        m_desktop->messageBox(m_parent, description, Desktop::Buttons::Ok, Desktop::Icon::Warning,
                              tr("Midi Output Error!"));
    });
    m_watch = new QTimer(parent);
    m_watch->setObjectName(QStringLiteral("deviceWatch"));
    m_watch->setInterval(1000);
    QObject::connect(m_watch, &QTimer::timeout, m_watch, [this] { watchDevices(); });
}

void MidiMod::startWatching()
{
    if (m_watch)
        m_watch->start();
}

NoteOutput &MidiMod::output()
{
    if (m_output)
        return *m_output;
    return m_nowhere;
}

void MidiMod::report(const QString &description, const QString &title)
{
    if (m_desktop)
        m_desktop->messageBox(m_parent, description, Desktop::Buttons::Ok, Desktop::Icon::Warning,
                              title);
}

void MidiMod::notice(const char *topic, const QString &brief, const QString &text)
{
    if (m_notices)
        m_notices->post(QLatin1String(topic), brief, text);
}

void MidiMod::clearNotice(const char *topic)
{
    if (m_notices)
        m_notices->clear(QLatin1String(topic));
}

int MidiMod::findInput() const
{
    const QStringList names = m_input->deviceNames();
    if (!DEVICE_IN_NAME.isEmpty())
        return MidiDeviceName::find(names, DEVICE_IN_NAME);
    return DEVICE_IN >= 0 && DEVICE_IN < names.size() ? DEVICE_IN : -1;
}

// A position in the output list: 0 is the default output, k is device k - 1.
int MidiMod::findOutput() const
{
    const QStringList names = m_output->deviceNames();
    if (!DEVICE_OUT_NAME.isEmpty()) {
        if (DEVICE_OUT_NAME == m_output->defaultName())
            return 0;
        const int at = MidiDeviceName::find(names, DEVICE_OUT_NAME);
        return at < 0 ? -1 : at + 1;
    }
    return DEVICE_OUT >= 0 && DEVICE_OUT <= names.size() ? DEVICE_OUT : -1;
}

// Only a keyboard in use is missed: with MIDI input off nobody plays one.
void MidiMod::inputGone(const QString &name)
{
    if (!USE_MIDI) {
        clearNotice("midi-in");
        return;
    }
    if (name.isEmpty()) {
        const QString text = MidiError::notListed(true, DEVICE_IN + 1, int(m_input->deviceNames().size()))
                                 .description();
        notice("midi-in", tr("Choose a MIDI keyboard"),
               text + tr(" Choose one in MIDI Setup."));
        return;
    }
    notice("midi-in", tr("MIDI keyboard not connected"),
           tr("The MIDI keyboard \"%1\" is not connected. Staverly uses it again as soon as it is back.")
               .arg(name));
}

void MidiMod::outputGone(const QString &name)
{
    if (name.isEmpty()) {
        const QString text = MidiError::notListed(false, DEVICE_OUT + 1,
                                                  int(m_output->deviceNames().size()) + 1)
                                 .description();
        notice("midi-out", tr("Choose a MIDI output"),
               text + tr(" Choose one in MIDI Setup."));
        return;
    }
    notice("midi-out", tr("MIDI output not connected"),
           tr("The MIDI output \"%1\" is not connected. Staverly uses it again as soon as it is back.")
               .arg(name));
}

void MidiMod::list_midi_in(QComboBox &inCbo)
{
    if (!m_input)
        return;
    try {
        inCbo.clear();
        const int count = m_input->deviceCount();
        if (count < 1) {
            NO_MIDI_IN = true;
            return;
        }
        inCbo.addItems(m_input->deviceNames());
        // Devices are there to choose from, whatever was stored before.
        NO_MIDI_IN = false;
        const int at = findInput();
        if (at < 0) {
            inCbo.setCurrentIndex(-1);
            inputGone(DEVICE_IN_NAME);
            return;
        }
        DEVICE_IN = qint16(at);
        inCbo.setCurrentIndex(at);
        m_input->selectDevice(at);
    } catch (const MidiError &failure) {
        report(failure.description(), tr("Midi In Open Error!"));
    }
}

void MidiMod::list_midi_out(QComboBox &outCbo)
{
    if (!m_output)
        return;
    try {
        outCbo.clear();
        m_output->deviceCount();
        outCbo.addItem(m_output->defaultName());
        outCbo.addItems(m_output->deviceNames());
        const int at = findOutput();
        if (at < 0) {
            outCbo.setCurrentIndex(-1);
            outputGone(DEVICE_OUT_NAME);
            return;
        }
        DEVICE_OUT = qint16(at);
        outCbo.setCurrentIndex(at);
        m_output->selectDevice(at - 1);
    } catch (const MidiError &failure) {
        report(failure.description(), tr("Midi Out Error!"));
    }
}

void MidiMod::open_midi_in()
{
    if (!m_input)
        return;
    m_wantedIn = DEVICE_IN_NAME;
    try {
        if (m_input->isOpen() >= 1)
            m_input->close();
        const int count = m_input->deviceCount();
        // No device and none asked for by name: nothing to open, nothing to say.
        if (count < 1 && DEVICE_IN_NAME.isEmpty())
            return;
        const int at = findInput();
        if (at < 0) {
            inputGone(DEVICE_IN_NAME);
            return;
        }
        DEVICE_IN = qint16(at);
        if (m_wantedIn.isEmpty())
            m_wantedIn = m_input->deviceNames().at(at);
        m_input->selectDevice(DEVICE_IN);
        m_input->open();
        m_input->start();
        clearNotice("midi-in");
    } catch (const MidiError &failure) {
        report(failure.description(), tr("Midi In Open Device Error"));
    }
}

void MidiMod::open_midi_out()
{
    if (!m_output)
        return;
    m_wantedOut = DEVICE_OUT_NAME;
    try {
        if (m_output->isOpen() >= 1 || m_output->selectedDevice() == -1)
            m_output->close();
        m_output->deviceCount();
        const int at = findOutput();
        if (at < 0) {
            outputGone(DEVICE_OUT_NAME);
            return;
        }
        DEVICE_OUT = qint16(at);
        if (m_wantedOut.isEmpty())
            m_wantedOut = at == 0 ? m_output->defaultName() : m_output->deviceNames().at(at - 1);
        m_output->selectDevice(DEVICE_OUT - 1);
        if (DefaultOutput *synth = m_output->defaultOutput())
            synth->chooseSoundFont(SOUNDFONT);
        m_output->open();
        clearNotice("midi-out");
    } catch (const MidiError &failure) {
        report(failure.description(), tr("Midi Out Open Device Error"));
    }
}

void MidiMod::send_patch()
{
    send_patch(output());
}

void MidiMod::send_patch(NoteOutput &out) const
{
    out.send(qint16(0xC0 + MIDI_CHANNEL), PATCH_INDEX, 0, 0);
}

void MidiMod::close_midi()
{
    if (!m_input || !m_output)
        return;
    m_input->stop();
    m_input->close();
    m_output->close();
}

void MidiMod::selectInput(int device)
{
    if (m_input)
        m_input->selectDevice(device);
}

void MidiMod::selectOutput(int device)
{
    if (m_output)
        m_output->selectDevice(device);
}

QString MidiMod::soundInUse() const
{
    const DefaultOutput *synth = m_output ? m_output->openDefault() : nullptr;
    if (!synth)
        return {};
    if (!synth->problem().isEmpty())
        return tr("Sound: none, the sound server has gone");
    const QString driver = synth->driverName();
    const QString shown = driver == QLatin1String("pulseaudio") ? QStringLiteral("PulseAudio")
                          : driver == QLatin1String("jack")     ? QStringLiteral("JACK")
                          : driver == QLatin1String("alsa")     ? QStringLiteral("ALSA")
                                                                : driver;
    if (shown.isEmpty())
        return tr("Sound: starting");
    const double latency = synth->measuredLatencyMs();
    // A resting PulseAudio stream has no delay to tell until the next note.
    if (latency <= 0.0)
        return tr("Sound: %1, resting").arg(shown);
    return tr("Sound: %1, %2 ms").arg(shown, QString::number(latency, 'f', 1));
}

void MidiMod::watchDevices()
{
    if (!m_input || !m_output)
        return;
    const quint64 changes = m_input->deviceChanges();
    const bool inDead = m_input->isOpen() && !m_input->isAlive();
    const bool outDead = m_output->isOpen() && !m_output->isAlive();
    if (changes != m_changesSeen || inDead || outDead) {
        m_changesSeen = changes;
        followInput();
        followOutput();
    }
    if (!USE_MIDI)
        clearNotice("midi-in");
    else if (!m_wantedIn.isEmpty() && !m_input->isOpen())
        inputGone(m_wantedIn);

    const DefaultOutput *synth = m_output->openDefault();
    const QString silent = synth ? synth->problem() : QString();
    if (silent.isEmpty())
        clearNotice("sound");
    else
        notice("sound", tr("No sound output"), silent);
    watchSoundFont();

    linkNotice("midi-in-link", USE_MIDI && m_input->isOpen() && !m_input->isLinked(),
               tr("The connection from \"%1\" to Staverly was removed outside Staverly (in a "
                  "patchbay, say). Press OK in MIDI Setup to connect it again.")
                   .arg(m_input->openName()));
    linkNotice("midi-out-link", m_output->isOpen() && !m_output->isLinked(),
               tr("The connection from Staverly to \"%1\" was removed outside Staverly (in a "
                  "patchbay, say). Press OK in MIDI Setup to connect it again.")
                   .arg(m_output->openName()));

    if (m_late > m_lateSeen) {
        m_lateSeen = m_late;
        m_lateLooks = 0;
        notice("midi-late", tr("MIDI notes dropped"),
               tr("%1 MIDI notes came faster than they could be judged and were dropped.")
                   .arg(m_late));
    } else if (++m_lateLooks == PassingNoticeLooks) {
        clearNotice("midi-late");
    }

    const quint64 malformed = m_input->malformedCount();
    if (malformed > m_malformedSeen) {
        m_malformedSeen = malformed;
        m_malformedLooks = 0;
        notice("midi-malformed", tr("Odd MIDI input ignored"),
               malformed == 1 ? tr("1 malformed MIDI message ignored.")
                              : tr("%1 malformed MIDI messages ignored.").arg(malformed));
    } else if (++m_malformedLooks == PassingNoticeLooks) {
        clearNotice("midi-malformed");
    }
}

void MidiMod::setUseMidi(bool on)
{
    USE_MIDI = on;
    emit switchesChanged();
}

void MidiMod::setMidiThru(bool on)
{
    MIDI_THRU = on;
    emit switchesChanged();
}

void MidiMod::chooseInput(qint16 position, const QString &name)
{
    DEVICE_IN = position;
    DEVICE_IN_NAME = name;
    selectInput(position);
    emit devicesChanged();
}

void MidiMod::chooseOutput(qint16 position, const QString &name)
{
    DEVICE_OUT = position;
    DEVICE_OUT_NAME = name;
    selectOutput(position - 1);
    emit devicesChanged();
}

void MidiMod::setPatch(qint16 index)
{
    PATCH_INDEX = index;
    send_patch();
    emit soundChanged();
}

void MidiMod::setChannel(qint16 channel)
{
    MIDI_CHANNEL = channel;
    emit soundChanged();
}

void MidiMod::setVolume(qint16 volume)
{
    MIDI_VOLUME = volume;
    emit soundChanged();
}

void MidiMod::setUseMic(bool on)
{
    USE_MIC = on;
    emit micChanged();
}

void MidiMod::setMicSource(const QString &name)
{
    MIC_SOURCE = name;
    emit micChanged();
}

void MidiMod::setMicA4(qint16 hertz)
{
    MIC_A4 = hertz;
    emit micChanged();
}

void MidiMod::setSoundFont(const QString &path)
{
    SOUNDFONT = path;
    if (DefaultOutput *synth = m_output ? m_output->defaultOutput() : nullptr)
        synth->chooseSoundFont(path);
    watchSoundFont();
    emit soundFontChanged();
}

QString MidiMod::soundFontInUse() const
{
    const DefaultOutput *synth = m_output ? m_output->openDefault() : nullptr;
    return synth ? synth->soundFont() : QString();
}

void MidiMod::watchSoundFont()
{
    DefaultOutput *synth = m_output ? m_output->defaultOutput() : nullptr;
    const QString problem = synth ? synth->soundFontProblem() : QString();
    if (problem.isEmpty()) {
        clearNotice("soundfont");
        return;
    }
    notice("soundfont", tr("Chosen SoundFont not playing"), problem);
    // A file on a drive plugged in again plays again.
    synth->chooseSoundFont(SOUNDFONT);
}

void MidiMod::readSettings(SettingsReader &read, SettingsStore &store)
{
    DEVICE_IN = read.position(keys::DeviceIn);
    DEVICE_OUT = read.position(keys::DeviceOut);
    DEVICE_IN_NAME = store.read(keys::DeviceInName);
    DEVICE_OUT_NAME = store.read(keys::DeviceOutName);
    MIDI_THRU = read.flag(keys::MidiThru);
    USE_MIDI = read.flag(keys::UseMidi);
    PATCH_INDEX = read.integer(keys::PatchIndex);
    MIDI_VOLUME = read.integer(keys::MidiVolume);
    MIDI_CHANNEL = read.integer(keys::MidiChannel);
    USE_MIC = read.flag(keys::UseMic);
    MIC_SOURCE = store.read(keys::MicSource);
    MIC_A4 = read.integer(keys::MicA4);
    SOUNDFONT = store.read(keys::SoundFont);
}

void MidiMod::noteOn(qint16 note)
{
    output().send(noteOnStatus(), note, MIDI_VOLUME, 0);
}

void MidiMod::noteOff(qint16 note)
{
    output().send(noteOnStatus(), note, 0, 0);
}

void MidiMod::linkNotice(const char *topic, bool cut, const QString &text)
{
    // Told, never undone: whoever removed the connection meant it.
    if (cut)
        notice(topic, tr("MIDI disconnected elsewhere"), text);
    else
        clearNotice(topic);
}

void MidiMod::lateAnswerDropped()
{
    ++m_late;
}

void MidiMod::followInput()
{
    if (m_wantedIn.isEmpty())
        return;
    m_input->deviceCount();
    const int at = MidiDeviceName::find(m_input->deviceNames(), m_wantedIn);
    if (m_input->isOpen()) {
        if (at >= 0 && m_input->isConnected()) {
            clearNotice("midi-in");
            return;
        }
        // Gone, or gone and back as another port: a connection of a server
        // that went away is let go without being touched.
        m_input->close();
    }
    if (at < 0) {
        inputGone(m_wantedIn);
        return;
    }
    try {
        m_input->selectDevice(at);
        m_input->open();
        m_input->start();
        DEVICE_IN = qint16(at);
        clearNotice("midi-in");
    } catch (const MidiError &) {
        inputGone(m_wantedIn);
    }
}

void MidiMod::followOutput()
{
    if (m_wantedOut.isEmpty() || m_wantedOut == m_output->defaultName())
        return;
    m_output->deviceCount();
    const int at = MidiDeviceName::find(m_output->deviceNames(), m_wantedOut);
    if (m_output->isOpen()) {
        if (at >= 0 && m_output->isConnected()) {
            clearNotice("midi-out");
            return;
        }
        m_output->close();
    }
    if (at < 0) {
        outputGone(m_wantedOut);
        return;
    }
    try {
        m_output->selectDevice(at);
        m_output->open();
        DEVICE_OUT = qint16(at + 1);
        // A device that comes back starts afresh: give it its instrument.
        send_patch();
        clearNotice("midi-out");
    } catch (const MidiError &) {
        outputGone(m_wantedOut);
    }
}

void MidiMod::outputFailed(const QString &description)
{
    if (!m_output)
        return;
    m_output->close();
    // Looked at again on the next look, as if the devices had changed.
    m_changesSeen = ~quint64(0);
    notice("midi-out", tr("MIDI output not answering"), description);
}

} // namespace staverly
