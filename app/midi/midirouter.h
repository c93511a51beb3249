// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "midimessage.h"

#include <QObject>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace staverly {

class Desktop;
class MIDIInput;
class MIDIOutput;
class MidiMod;

// Where the keyboard's messages go. MIDI through and the stamp of each
// arriving message follow whether the main window is active with no modal
// window of ours over it; the queue is drained once per wake-up, each
// message acted on exactly once and judged by what it arrived during.
class MidiRouter : public QObject
{
    Q_OBJECT

public:
    struct Handlers
    {
        // The open question now (0 for none).
        std::function<quint32()> openQuestion;
        // A message that arrived while the window was active: the meter
        // shows it...
        std::function<void(const MidiMessage &)> shown;
        // ...and the lesson judges it, for the question open on arrival.
        std::function<void(const MidiMessage &, quint32 question)> judged;
    };

    MidiRouter(QWidget &window, MIDIInput &input, MIDIOutput &output, MidiMod &midi, Desktop &desktop,
               Handlers handlers);
    ~MidiRouter() override;

    // The main window is active and no modal window of ours is over it.
    bool windowActive() const;
    // Points MIDI through at the output, and stamps arriving messages, by
    // whether the window is active now and what the switches allow.
    void update();
    // Acts on every message waiting.
    void drain();

signals:
    // What an answer arriving now is judged by: for answers that come
    // another way than MIDI.
    void arrivalChanged(quint32 question, bool active);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    MIDIInput &m_input;
    MIDIOutput &m_output;
    MidiMod &m_midi;
    Desktop &m_desktop;
    Handlers m_handlers;
    bool m_draining = false;
};

} // namespace staverly
