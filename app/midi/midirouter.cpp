// SPDX-License-Identifier: GPL-3.0-or-later
#include "midirouter.h"

#include "desktop.h"
#include "midiinput.h"
#include "midimod.h"
#include "midioutput.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace staverly {

MidiRouter::MidiRouter(QWidget &window, MIDIInput &input, MIDIOutput &output, MidiMod &midi, Desktop &desktop,
                       Handlers handlers)
    : QObject(&window)
    , m_window(window)
    , m_input(input)
    , m_output(output)
    , m_midi(midi)
    , m_desktop(desktop)
    , m_handlers(std::move(handlers))
{
    connect(&m_input, &MIDIInput::message, this, &MidiRouter::drain);
    qApp->installEventFilter(this);
}

MidiRouter::~MidiRouter()
{
    qApp->removeEventFilter(this);
}

bool MidiRouter::windowActive() const
{
    // A modal dialog of ours counts as active even before the window
    // manager has moved the focus to it.
    return QApplication::activeWindow() == &m_window && !QApplication::activeModalWidget();
}

void MidiRouter::update()
{
    const bool active = windowActive();
    m_input.setThrough(active && m_midi.USE_MIDI && m_midi.MIDI_THRU ? &m_output : nullptr);
    m_input.setArrival(m_handlers.openQuestion(), active);
    emit arrivalChanged(m_handlers.openQuestion(), active);
}

bool MidiRouter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (auto *window = qobject_cast<QWidget *>(watched); window && window->isWindow()) {
            // A modal window's Show comes before it counts as modal: stop at
            // once, and look again when the change has settled.
            if (event->type() == QEvent::Show && window != &m_window && window->isModal()) {
                m_input.setThrough(nullptr);
                m_input.setArrival(m_handlers.openQuestion(), false);
            } else {
                update();
            }
            QMetaObject::invokeMethod(this, &MidiRouter::update, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void MidiRouter::drain()
{
    // A message event raised while this loop runs adds no second pass: the
    // loop below picks up whatever is pending.
    if (m_draining)
        return;
    m_draining = true;
    while (m_input.pendingMessages() > 0) {
        const MidiMessage message = m_input.readMessage();
        const MidiStamp stamp = m_input.readStamp();
        const bool late = m_input.readAge() > MidiMod::JudgeWithin;
        // Taken off the queue before anything runs events, so each message is
        // acted on exactly once and the key's release still goes through.
        m_input.removeMessage();
        // What arrived while another window was active is dropped unheard,
        // whatever is active by now.
        if (!stamp.active || !m_midi.USE_MIDI)
            continue;
        if (late && (message.status & 0xF0) == 0x90 && message.data2 > 0) {
            m_midi.lateAnswerDropped();
            continue;
        }
        m_handlers.shown(message);
        // MIDI through has already sent it on, on the device's own thread.
        m_desktop.processEvents();
        m_handlers.judged(message, stamp.question);
    }
    m_draining = false;
}

} // namespace staverly
