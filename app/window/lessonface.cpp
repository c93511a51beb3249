// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the lesson: how the engine's feedback is shown, and
// where what it records is kept.
#include "lessonface.h"

#include "accessibletexts.h"
#include "announcer.h"
#include "answerhistory.h"
#include "desktop.h"
#include "frmmain.h"
#include "gradelog.h"
#include "maindialogs.h"
#include "midiinput.h"
#include "namedaccessible.h"
#include "notenames.h"
#include "pianokey.h"
#include "picturebox.h"
#include "toldonce.h"
#include "wipepicture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

namespace staverly {

namespace {

const QColor ClueColor(0xFF, 0xC0, 0xC0);

// &HBBGGRR, red in the low byte.
QColor fromBgr(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

LessonFace::LessonFace(frmMain &window, Random &random)
    : m_window(window)
    , m_random(random)
{
}

void LessonFace::showMessage(const QString &text)
{
    m_window.msglbl->setText(text);
    m_window.msglbl->repaint();
}

void LessonFace::showMessage(const QString &text, quint32 colour)
{
    m_window.msglbl->setText(text);
    m_window.msglbl->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }"
                                                  "QLabel:focus { border: 1px dotted %1; }")
                                       .arg(fromBgr(colour).name()));
    m_window.msglbl->repaint();
}

void LessonFace::showCounter(Counter counter, qint16 value)
{
    QLabel *label = counter == Counter::Yes     ? m_window.yesLbl
                    : counter == Counter::No    ? m_window.noLbl
                    : counter == Counter::Score ? m_window.scoreLbl
                                                : m_window.timeLbl;
    label->setText(QString::number(value));
    label->setAccessibleName(AccessibleTexts::counter(counter, value));
}

void LessonFace::showProgress(int value)
{
    m_window.Bar->setValue(std::min(value, m_window.Bar->maximum()));
    nameProgress(value + 1);
}

void LessonFace::setProgressMaximum(int maximum)
{
    m_window.Bar->setMaximum(maximum);
    nameProgress(m_question);
}

void LessonFace::nameProgress(int question)
{
    // The bar shows the questions answered; it is named by the one asked.
    m_question = question;
    const int of = m_window.Bar->maximum();
    NamedAccessible::setName(m_window.Bar, AccessibleTexts::progress(std::min(question, of), of));
}

void LessonFace::wipePicture()
{
    qint16 mode = 2;
    qint16 steps = 70;
    wipe_picture(*m_window.Picture1, mode, steps, m_window.dialogs().desktop(), m_random);
}

void LessonFace::showPicture(int midi, qint16 cleff)
{
    m_window.Picture1->loadPicture(NoteModel::pictureFile(m_window.dialogs().programFolder(), midi, cleff));
}

void LessonFace::setPictureTip(const QString &tip)
{
    m_window.Picture1->setToolTip(tip);
    NamedAccessible::setName(m_window.Picture1, AccessibleTexts::staff(m_window.lesson.CLEFF, tip));
}

void LessonFace::focusKey(int index)
{
    m_window.pianoKey[std::size_t(index)]->setFocus(Qt::OtherFocusReason);
}

void LessonFace::setKeyDown(int index, bool down)
{
    m_window.pianoKey[std::size_t(index)]->setDown(down);
}

void LessonFace::markClueKey(int index, bool on)
{
    PianoKey *key = m_window.pianoKey[std::size_t(index)];
    if (on) {
        m_clueKeyColour = key->backColor();
        key->setBackColor(ClueColor);
        key->repaint();
    } else {
        key->setBackColor(m_clueKeyColour);
    }
}

void LessonFace::showClef(qint16 cleff)
{
    m_window.showClef(cleff);
}

bool LessonFace::isActive() const
{
    return m_window.isActive();
}

void LessonFace::announce(const QString &text)
{
    m_window.announcer->say(text);
}

void LessonFace::announceStatus()
{
    announce(AccessibleTexts::status(m_window.lesson));
}

void LessonFace::setBusy(bool busy)
{
    if (busy)
        m_window.setCursor(Qt::WaitCursor);
    else
        m_window.unsetCursor();
}

LessonDesktop::Answer LessonFace::messageBox(const QString &text, LessonDesktop::Buttons buttons,
                                          LessonDesktop::Icon icon, const QString &title)
{
    const auto answer = m_window.dialogs().desktop().messageBox(&m_window, text,
        buttons == LessonDesktop::Buttons::Ok ? Desktop::Buttons::Ok : Desktop::Buttons::YesNoCancel,
        icon == LessonDesktop::Icon::Question ? Desktop::Icon::Question : Desktop::Icon::Warning,
        title);
    switch (answer) {
    case Desktop::Answer::Yes:
        return LessonDesktop::Answer::Yes;
    case Desktop::Answer::No:
        return LessonDesktop::Answer::No;
    case Desktop::Answer::Cancel:
        return LessonDesktop::Answer::Cancel;
    case Desktop::Answer::Ok:
        break;
    }
    return LessonDesktop::Answer::Ok;
}

void LessonFace::sleep(int milliseconds)
{
    m_window.dialogs().desktop().sleep(milliseconds);
}

void LessonFace::processEvents()
{
    m_window.dialogs().desktop().processEvents();
}

void LessonFace::beep()
{
    m_window.dialogs().desktop().beep();
}

void LessonFace::flashWindow()
{
    m_window.dialogs().desktop().flashWindow(&m_window);
}

void LessonFace::playWave(qint16 n)
{
    m_window.dialogs().effects().play_wave(n);
}

void LessonFace::noteOn(qint16 note)
{
    m_window.midi.noteOn(note);
}

void LessonFace::noteOff(qint16 note)
{
    m_window.midi.noteOff(note);
}

void LessonFace::dropStaleMidiMessage()
{
    if (!m_window.midi.USE_MIDI)
        return;
    m_window.MIDIInput1->removeMessage();
    m_window.dialogs().desktop().processEvents();
}

void LessonFace::recordLesson(const LessonRecord &record)
{
    const GradeLog log(m_window.dialogs().dataFolder());
    const TextLines::Written written = log.append(
        {record.player, GradeLog::lessonName(record.cleff), record.yes, record.no, record.score, record.date});
    // Told once a run: the lessons go on, and every later one would fail alike.
    if (!written.failure.isEmpty() && ToldOnce::first(QStringLiteral("grade failure ") + log.fileName())) {
        m_window.dialogs().desktop().messageBox(&m_window,
                             tr("The lesson's grade could not be added to \"%1\": %2. Lessons go "
                                "on, but are not kept until this is put right.")
                                 .arg(log.fileName(), written.failure),
                             Desktop::Buttons::Ok, Desktop::Icon::Warning,
                             tr("Staverly - Grades Error"));
    } else if (written.converted && ToldOnce::first(QStringLiteral("converted ") + log.fileName())) {
        m_window.dialogs().desktop().messageBox(&m_window,
                             tr("The grade log \"%1\" was not written as UTF-8 throughout. It has "
                                "been written anew as UTF-8, with every lesson kept.")
                                 .arg(log.fileName()),
                             Desktop::Buttons::Ok, Desktop::Icon::Information,
                             tr("Staverly - Grades"));
    }
}

void LessonFace::recordAnswer(const AnswerEvent &answer)
{
    m_window.dialogs().history().record(answer);
}

std::map<int, double> LessonFace::noteWeights(const QString &player, qint16 clef)
{
    return m_window.dialogs().history().weights(player, clef);
}

// Every typed character reaches the window before the focused control. The
// first sight of a key press is its arrival: what it means is decided there,
// once, and the press goes no further, so a box that takes the focus while
// it is handled cannot let it be seen and judged a second time.
bool LessonFace::typed(QKeyEvent *key)
{
    constexpr auto Modifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key->isAutoRepeat() || key->text().size() != 1 || (key->modifiers() & Modifiers))
        return false;
    const QChar ch = key->text().at(0);
    // Space is the clue; the letters, and in solfège the digits, answer.
    if (ch != QLatin1Char(' ') && !NoteNames::current().typedWhite(ch))
        return false;
    m_window.lesson.typed(ch, m_window.lesson.arrival());
    return true;
}

} // namespace staverly
