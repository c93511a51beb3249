// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonrig.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace staverly::test {

LessonRig::LessonRig()
    : engine(*this, *this, *this, random)
{
    engine.notes.load_note_names();
    engine.notes.load_treble_white();
    engine.notes.load_bass_white();
    engine.words.load();
}

void LessonRig::prepare(qint16 questions)
{
    engine.CLEFF = 0;
    engine.LOW_NOTE = 8;
    engine.HIGH_NOTE = 15;
    engine.QUESTIONS = questions;
    engine.TO_TIME = 15;
    engine.USE_CLUES = true;
    engine.USE_SOUND = true;
    engine.SAVE_GRADES = true;
    engine.PLAYER_NAME = QStringLiteral("Pellworth");
}

void LessonRig::nextNoteIs(int note)
{
    const bool chromatic = engine.USE_CROMATICS;
    const int lo = chromatic ? engine.notes.whiteToMidi(engine.LOW_NOTE, engine.CLEFF) : engine.LOW_NOTE;
    const int hi = chromatic ? engine.notes.whiteToMidi(engine.HIGH_NOTE, engine.CLEFF) : engine.HIGH_NOTE;
    random.pick(note - lo, hi - lo + 1);
}

void LessonRig::answer(Answer reply, std::function<void()> whileShown)
{
    m_replies.push_back({reply, std::move(whileShown)});
}

void LessonRig::postRelease(int keyIndex)
{
    QMetaObject::invokeMethod(
        qApp, [this, keyIndex] { engine.pianoKey_MouseUp(keyIndex, engine.arrival()); },
        Qt::QueuedConnection);
}

void LessonRig::postLetter(QChar letter)
{
    QMetaObject::invokeMethod(
        qApp, [this, letter] { engine.typed(letter, engine.arrival()); }, Qt::QueuedConnection);
}

void LessonRig::postMidi(qint16 status, qint16 data1, qint16 data2, bool arrivedActive)
{
    // Stamped now, as the input queue does; handled at the next event loop.
    const AnswerTag tag{engine.openQuestion(), arrivedActive};
    QMetaObject::invokeMethod(
        qApp, [=, this] { engine.midiMessage(status, data1, data2, tag); }, Qt::QueuedConnection);
}

void LessonRig::atSleep(int milliseconds, std::function<void()> hook)
{
    m_sleepHooks.emplace_back(milliseconds, std::move(hook));
}

void LessonRig::click(int keyIndex)
{
    engine.pianoKey_MouseDown(keyIndex);
    engine.pianoKey_MouseUp(keyIndex, engine.arrival());
}

int LessonRig::keyOfAnswer() const
{
    return NoteModel::midiToKey(engine.expectedNote(), engine.CLEFF);
}

QStringList LessonRig::texts() const
{
    QStringList all;
    for (const Message &m : messages)
        all << m.text;
    return all;
}

void LessonRig::showMessage(const QString &text)
{
    messages.push_back({text, messages.empty() ? 0 : messages.back().colour});
}

void LessonRig::showMessage(const QString &text, quint32 colour)
{
    messages.push_back({text, colour});
}

void LessonRig::showCounter(Counter counter, qint16 value)
{
    counters[int(counter)] = value;
}

void LessonRig::wipePicture()
{
    ++wipes;
    // The wipe lets events run between its steps.
    processEvents();
}

void LessonRig::markClueKey(int index, bool on)
{
    if (on)
        cluedKeys.push_back(index);
}

LessonRig::Answer LessonRig::messageBox(const QString &text, Buttons buttons, Icon icon,
                                        const QString &title)
{
    boxes.push_back({text, buttons, icon, title});
    if (m_replies.empty()) {
        ADD_FAILURE() << "unexpected box \"" << title.toStdString() << "\"";
        return Answer::Cancel;
    }
    const Reply reply = m_replies.front();
    m_replies.pop_front();
    if (reply.whileShown) {
        reply.whileShown();
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return reply.answer;
}

void LessonRig::sleep(int milliseconds)
{
    sleeps.push_back(milliseconds);
    auto hooks = std::move(m_sleepHooks);
    m_sleepHooks.clear();
    for (auto &[length, hook] : hooks) {
        if (length == milliseconds)
            hook();
        else
            m_sleepHooks.emplace_back(length, std::move(hook));
    }
}

void LessonRig::processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace staverly::test
