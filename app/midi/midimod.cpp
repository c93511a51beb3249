#include "midimod.h"

#include "desktop.h"
#include "midierror.h"
#include "midiinput.h"
#include "midioutput.h"

#include <QComboBox>

namespace staverly {

namespace {

// A stored position past the end of a freshly filled list.
MidiError notListed(const char *what, int position, int count)
{
    return MidiError(MidiError::NoSuchDevice,
                     QStringLiteral("The stored MIDI %1 device %2 is not among the %3 devices "
                                    "found on this computer.")
                         .arg(QLatin1String(what))
                         .arg(position + 1)
                         .arg(count));
}

} // namespace

void MidiMod::attach(MIDIInput &input, MIDIOutput &output, Desktop &desktop, QWidget *parent)
{
    m_input = &input;
    m_output = &output;
    m_desktop = &desktop;
    m_parent = parent;
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
        for (int device = 0; device < count; ++device) {
            m_input->selectDevice(device);
            inCbo.addItem(m_input->deviceName());
        }
        if (DEVICE_IN < 0 || DEVICE_IN >= count) {
            inCbo.setCurrentIndex(-1);
            throw notListed("input", DEVICE_IN, count);
        }
        inCbo.setCurrentIndex(DEVICE_IN);
        m_input->selectDevice(DEVICE_IN);
        NO_MIDI_IN = false;
    } catch (const MidiError &failure) {
        report(failure.description(), QStringLiteral("Midi In Open Error!"));
    }
}

void MidiMod::list_midi_out(QComboBox &outCbo)
{
    if (!m_output)
        return;
    try {
        outCbo.clear();
        const int count = m_output->deviceCount();
        for (int device = -1; device < count; ++device) {
            m_output->selectDevice(device);
            outCbo.addItem(m_output->deviceName());
        }
        if (DEVICE_OUT < 0 || DEVICE_OUT > count) {
            outCbo.setCurrentIndex(-1);
            throw notListed("output", DEVICE_OUT, count + 1);
        }
        outCbo.setCurrentIndex(DEVICE_OUT);
        m_output->selectDevice(DEVICE_OUT - 1);
    } catch (const MidiError &failure) {
        report(failure.description(), QStringLiteral("Midi Out Error!"));
    }
}

void MidiMod::open_midi_in()
{
    if (!m_input)
        return;
    try {
        if (m_input->isOpen() >= 1)
            m_input->close();
        if (m_input->deviceCount() >= 1) {
            m_input->selectDevice(DEVICE_IN);
            m_input->open();
            m_input->start();
        }
    } catch (const MidiError &failure) {
        NO_MIDI_IN = true;
        report(failure.description(), QStringLiteral("Midi In Open Device Error"));
    }
}

void MidiMod::open_midi_out()
{
    if (!m_output)
        return;
    try {
        if (m_output->isOpen() >= 1 || m_output->selectedDevice() == -1)
            m_output->close();
        m_output->selectDevice(DEVICE_OUT - 1);
        m_output->open();
    } catch (const MidiError &failure) {
        report(failure.description(), QStringLiteral("Midi Out Open Device Error"));
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

} // namespace staverly
