// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "noteoutput.h"

#include <QObject>
#include <QString>
#include <QtGlobal>
#include <chrono>

class QComboBox;
class QTimer;
class QWidget;

namespace staverly {

class Desktop;
class MIDIInput;
class MIDIOutput;
class NoticeBoard;
class SettingsReader;
class SettingsStore;

// The MIDI module: the configuration loaded from the "MIDI" settings, and
// the procedures that list, open and close the main window's two ports.
//
// A device is remembered by name as well as by its position in the list,
// which shifts whenever devices come and go. A device that goes away is
// told on the notice board, not in a box, and opened again by itself when
// it is back (watchDevices). A change of the two switches is signalled, so
// that the window's routing and meter follow whoever made it.
class MidiMod : public QObject
{
    Q_OBJECT

public:
    bool USE_MIDI = false;
    bool MIDI_THRU = true;
    qint16 DEVICE_IN = 0;
    qint16 DEVICE_OUT = 0;
    qint16 MIDI_VOLUME = 127;
    qint16 PATCH_INDEX = 0;
    qint16 MIDI_CHANNEL = 0;
    bool NO_MIDI_IN = false;
    // The chosen devices' names; empty when only the position is known.
    QString DEVICE_IN_NAME;
    QString DEVICE_OUT_NAME;
    // Answers heard through the microphone from a real piano.
    bool USE_MIC = false;
    QString MIC_SOURCE;
    qint16 MIC_A4 = 440;
    // The built-in synthesizer's SoundFont; empty takes the first found.
    QString SOUNDFONT;

    void setUseMidi(bool on);
    void setMidiThru(bool on);
    // A device chosen by its place in the list and its name; the output's
    // place counts the built-in synthesizer first.
    void chooseInput(qint16 position, const QString &name);
    void chooseOutput(qint16 position, const QString &name);
    void setPatch(qint16 index);
    void setChannel(qint16 channel);
    void setVolume(qint16 volume);
    void setUseMic(bool on);
    void setMicSource(const QString &name);
    void setMicA4(qint16 hertz);
    // Given to the built-in synthesizer at once, which loads it while the
    // SoundFont before plays on.
    void setSoundFont(const QString &path);

    // The MIDI section of the settings into the fields; a value that cannot
    // be used is set back by the reader.
    void readSettings(SettingsReader &read, SettingsStore &store);

    // The ports and where failures are shown. Until attached the procedures
    // have no device to act on and do nothing.
    void attach(MIDIInput &input, MIDIOutput &output, Desktop &desktop, QWidget *parent,
                NoticeBoard *notices = nullptr);
    MIDIInput *input() const { return m_input; }
    // The output port, or nowhere when none is attached.
    NoteOutput &output();

    qint16 noteOnStatus() const { return qint16(0x90 + MIDI_CHANNEL); }
    // A note on the chosen channel at the chosen volume, and its end: a
    // note-on at velocity 0, as every device understands.
    void noteOn(qint16 note);
    void noteOff(qint16 note);

    void list_midi_in(QComboBox &inCbo);
    void list_midi_out(QComboBox &outCbo);
    void open_midi_in();
    void open_midi_out();
    void send_patch();
    void send_patch(NoteOutput &out) const;
    void close_midi();

    void selectInput(int device);
    void selectOutput(int device);

    // Looks whether the devices changed (about once a second): a chosen
    // device that went away is closed and told, one that came back is
    // opened again, and a count of malformed input is kept on the board, as
    // is a built-in synthesizer whose sound server went away.
    void watchDevices();
    // Looks at the devices about once a second from now on.
    void startWatching();
    // A MIDI answer older than this when its turn comes is dropped: a backlog
    // would otherwise be judged one wrong answer at a time for minutes.
    static constexpr std::chrono::milliseconds JudgeWithin{2000};
    // Counts one such answer, told in a notice.
    void lateAnswerDropped();
    // How the built-in synthesizer sounds, for MIDI Setup: the audio driver
    // and the delay it measures ("Sound: JACK, 4.0 ms"); empty when another
    // output is open.
    QString soundInUse() const;
    // The SoundFont file the built-in synthesizer plays; empty when it
    // plays none.
    QString soundFontInUse() const;
    // The output failed to send: it is told, closed, and opened again on
    // the next look when it is still there.
    void outputFailed(const QString &description);

signals:
    // USE_MIDI or MIDI_THRU changed.
    void switchesChanged();
    void devicesChanged();
    // PATCH_INDEX, MIDI_CHANNEL or MIDI_VOLUME changed.
    void soundChanged();
    // USE_MIC, MIC_SOURCE or MIC_A4 changed.
    void micChanged();
    // SOUNDFONT changed.
    void soundFontChanged();

private:
    // Where the wanted device sits in the list just made; -1 when absent.
    int findInput() const;
    int findOutput() const;
    void followInput();
    void followOutput();
    void report(const QString &description, const QString &title);
    void notice(const char *topic, const QString &brief, const QString &text);
    void clearNotice(const char *topic);
    void inputGone(const QString &name);
    // Tells, or stops telling, that a connection was removed outside the program.
    void linkNotice(const char *topic, bool cut, const QString &text);
    void outputGone(const QString &name);
    // Tells, or stops telling, that the chosen SoundFont cannot be played,
    // and tries it again meanwhile.
    void watchSoundFont();

    MIDIInput *m_input = nullptr;
    MIDIOutput *m_output = nullptr;
    Desktop *m_desktop = nullptr;
    QWidget *m_parent = nullptr;
    NoticeBoard *m_notices = nullptr;
    NullNoteOutput m_nowhere;
    // The devices to follow: the chosen names, or what was opened by position.
    QString m_wantedIn;
    QString m_wantedOut;
    quint64 m_changesSeen = 0;
    quint64 m_malformedSeen = 0;
    QTimer *m_watch = nullptr;
    int m_malformedLooks = 0;
    quint64 m_late = 0;
    quint64 m_lateSeen = 0;
    int m_lateLooks = 0;
};

} // namespace staverly
