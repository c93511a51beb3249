// The window's side of the lesson: how the engine's feedback is shown, and
// how clicks, keys and MIDI messages reach it.
#include "frmmain.h"

#include "accessibletexts.h"

#include "answerhistory.h"

#include "controlhost.h"
#include "desktop.h"
#include "gradelog.h"
#include "midiinput.h"
#include "midioutput.h"
#include "pianokey.h"
#include "picturebox.h"
#include "toldonce.h"
#include "wipepicture.h"

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

void frmMain::showMessage(const QString &text)
{
    msglbl->setText(text);
    msglbl->repaint();
}

void frmMain::showMessage(const QString &text, quint32 colour)
{
    msglbl->setText(text);
    msglbl->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(fromBgr(colour).name()));
    msglbl->repaint();
}

void frmMain::showCounter(Counter counter, qint16 value)
{
    QLabel *label = counter == Counter::Yes     ? yesLbl
                    : counter == Counter::No    ? noLbl
                    : counter == Counter::Score ? scoreLbl
                                                : timeLbl;
    label->setText(QString::number(value));
    label->setAccessibleName(AccessibleTexts::counter(counter, value));
}

void frmMain::showProgress(int value)
{
    Bar->setValue(std::min(value, Bar->maximum()));
}

void frmMain::setProgressMaximum(int maximum)
{
    Bar->setMaximum(maximum);
}

void frmMain::wipePicture()
{
    qint16 mode = 2;
    qint16 steps = 70;
    wipe_picture(*Picture1, mode, steps, m_desktop, m_random);
}

void frmMain::showPicture(int midi, qint16 cleff)
{
    Picture1->loadPicture(NoteModel::pictureFile(m_programFolder, midi, cleff));
}

void frmMain::setPictureTip(const QString &tip)
{
    Picture1->setToolTip(tip);
    Picture1->setAccessibleName(AccessibleTexts::staff(lesson.CLEFF, tip));
}

void frmMain::focusKey(int index)
{
    pianoKey[std::size_t(index)]->setFocus(Qt::OtherFocusReason);
}

void frmMain::setKeyDown(int index, bool down)
{
    pianoKey[std::size_t(index)]->setDown(down);
}

void frmMain::markClueKey(int index, bool on)
{
    PianoKey *key = pianoKey[std::size_t(index)];
    if (on) {
        m_clueKeyColour = key->backColor();
        key->setBackColor(ClueColor);
        key->repaint();
    } else {
        key->setBackColor(m_clueKeyColour);
    }
}

void frmMain::setBusy(bool busy)
{
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

LessonDesktop::Answer frmMain::messageBox(const QString &text, LessonDesktop::Buttons buttons,
                                          LessonDesktop::Icon icon, const QString &title)
{
    const auto answer = m_desktop.messageBox(
        this, text,
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

void frmMain::sleep(int milliseconds)
{
    m_desktop.sleep(milliseconds);
}

void frmMain::processEvents()
{
    m_desktop.processEvents();
}

void frmMain::beep()
{
    m_desktop.beep();
}

void frmMain::flashWindow()
{
    m_desktop.flashWindow(this);
}

void frmMain::playWave(qint16 n)
{
    m_effects.play_wave(n);
}

void frmMain::noteOn(qint16 note)
{
    midi.noteOn(note);
}

void frmMain::noteOff(qint16 note)
{
    midi.noteOff(note);
}

void frmMain::dropStaleMidiMessage()
{
    if (!midi.USE_MIDI)
        return;
    MIDIInput1->removeMessage();
    m_desktop.processEvents();
}

void frmMain::recordLesson(const LessonRecord &record)
{
    const GradeLog log(m_dataFolder);
    const TextLines::Written written = log.append(
        {record.player, GradeLog::lessonName(record.cleff), record.yes, record.no, record.score, record.date});
    // Told once a run: the lessons go on, and every later one would fail alike.
    if (!written.failure.isEmpty() && ToldOnce::first(QStringLiteral("grade failure ") + log.fileName())) {
        m_desktop.messageBox(this,
                             QStringLiteral("The lesson's grade could not be added to \"%1\": %2. Lessons go "
                                            "on, but are not kept until this is put right.")
                                 .arg(log.fileName(), written.failure),
                             Desktop::Buttons::Ok, Desktop::Icon::Warning,
                             QStringLiteral("Staverly - Grades Error"));
    } else if (written.converted && ToldOnce::first(QStringLiteral("converted ") + log.fileName())) {
        m_desktop.messageBox(this,
                             QStringLiteral("The grade log \"%1\" was not written as UTF-8 throughout. It has "
                                            "been written anew as UTF-8, with every lesson kept.")
                                 .arg(log.fileName()),
                             Desktop::Buttons::Ok, Desktop::Icon::Information,
                             QStringLiteral("Staverly - Grades"));
    }
}

void frmMain::recordAnswer(const AnswerEvent &answer)
{
    m_history->record(answer);
}

std::map<int, double> frmMain::noteWeights(const QString &player, qint16 clef)
{
    return m_history->weights(player, clef);
}

void frmMain::newCmd_Click()
{
    lesson.ASKS = 0;
    lesson.do_new();
}

void frmMain::pianoKey_MouseDown(int index)
{
    lesson.pianoKey_MouseDown(index);
}

void frmMain::pianoKey_MouseUp(int index)
{
    // The release is the answer; it counts for the note shown now.
    lesson.pianoKey_MouseUp(index, lesson.arrival());
}

} // namespace staverly
