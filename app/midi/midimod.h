#pragma once

#include "noteoutput.h"

#include <QtGlobal>

class QComboBox;
class QWidget;

namespace staverly {

class Desktop;
class MIDIInput;
class MIDIOutput;

// The MIDI module: the configuration loaded from the "MIDI" settings, and
// the procedures that list, open and close the main window's two ports.
class MidiMod
{
public:
    bool USE_MIDI = false;
    bool MIDI_THRU = true;
    qint16 DEVICE_IN = 0;
    qint16 DEVICE_OUT = 0;
    qint16 MIDI_VOLUME = 127;
    qint16 PATCH_INDEX = 0;
    qint16 MIDI_CHANNEL = 0;
    bool NO_MIDI_IN = false;

    // The ports and where failures are shown. Until attached the procedures
    // have no device to act on and do nothing.
    void attach(MIDIInput &input, MIDIOutput &output, Desktop &desktop, QWidget *parent);
    MIDIInput *input() const { return m_input; }
    // The output port, or nowhere when none is attached.
    NoteOutput &output();

    qint16 noteOnStatus() const { return qint16(0x90 + MIDI_CHANNEL); }

    void list_midi_in(QComboBox &inCbo);
    void list_midi_out(QComboBox &outCbo);
    void open_midi_in();
    void open_midi_out();
    void send_patch();
    void send_patch(NoteOutput &out) const;
    void close_midi();

    void selectInput(int device);
    void selectOutput(int device);

private:
    void report(const QString &description, const QString &title);

    MIDIInput *m_input = nullptr;
    MIDIOutput *m_output = nullptr;
    Desktop *m_desktop = nullptr;
    QWidget *m_parent = nullptr;
    NullNoteOutput m_nowhere;
};

} // namespace staverly
