// SPDX-License-Identifier: GPL-3.0-or-later
#include "micanswers.h"

#include "effects.h"
#include "lessonengine.h"
#include "midimod.h"
#include "midioutput.h"
#include "midirouter.h"
#include "noticeboard.h"

namespace staverly {

MicAnswers::MicAnswers(const PianoEar::CaptureMaker &makeCapture, MidiMod &midi, LessonEngine &lesson,
                       MidiRouter &router, MIDIOutput &output, Effects &effects, NoticeBoard &notices,
                       QObject *parent)
    : QObject(parent)
    , m_ear(makeCapture)
    , m_midi(midi)
    , m_notices(notices)
{
    output.watchSent([this](const std::uint8_t *bytes, std::size_t size) { m_ear.ownMessage(bytes, size); });
    effects.watchPlayed([this](int milliseconds) { m_ear.ownClip(milliseconds); });
    connect(&router, &MidiRouter::arrivalChanged, &m_ear, &PianoEar::setArrival);
    connect(&midi, &MidiMod::micChanged, this, &MicAnswers::follow);
    connect(&m_ear, &PianoEar::heard, &lesson, [this, &lesson](int midi, int, quint32 question, bool active) {
        if (m_midi.USE_MIC)
            lesson.heardNote(midi, {question, active});
    });
    connect(&m_ear, &PianoEar::problemChanged, this, [this](const QString &problem) {
        if (problem.isEmpty())
            m_notices.clear(QStringLiteral("microphone"));
        else
            m_notices.post(QStringLiteral("microphone"), tr("Microphone"), problem);
    });
}

void MicAnswers::follow()
{
    if (!m_midi.USE_MIC) {
        m_ear.stop();
        return;
    }
    m_ear.setA4(m_midi.MIC_A4);
    if (m_ear.listening() && m_source == m_midi.MIC_SOURCE)
        return;
    m_source = m_midi.MIC_SOURCE;
    m_ear.start(m_source, m_midi.MIC_A4);
}

} // namespace staverly
