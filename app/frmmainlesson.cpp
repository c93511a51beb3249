#include "frmmain.h"

#include "desktop.h"
#include "gradelog.h"
#include "int16.h"
#include "controlhost.h"
#include "midiinput.h"
#include "noteoutput.h"
#include "notetestsheet.h"
#include "pianokey.h"
#include "picturebox.h"
#include "random.h"
#include "setupfrm.h"
#include "wipepicture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <cmath>

namespace staverly {

namespace {

const QColor PraiseColor(0, 0, 0x80);
const QColor FailureColor(0x80, 0, 0);
const QColor ClueColor(0xFF, 0xC0, 0xC0);

QString lessonOverText(qint16 questions)
{
    return QStringLiteral("This lesson is complete! You have answered %1 questions!\n"
                          "If you would like to start a new lesson then click on the Yes button.\n"
                          "If you would like to continue with the current lesson then click No.\n"
                          "To pause lesson, click Cancel.")
        .arg(questions);
}

} // namespace

void frmMain::setMessage(const QString &text, const QColor &color)
{
    msglbl->setText(text);
    msglbl->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color.name()));
    msglbl->repaint();
}

void frmMain::showCounters()
{
    yesLbl->setText(QString::number(YES));
    noLbl->setText(QString::number(NO));
    scoreLbl->setText(QString::number(SCORE));
}

void frmMain::rescore()
{
    SCORE = percentScore(YES, TRYS);
    scoreLbl->setText(QString::number(SCORE));
}

int frmMain::expectedNote() const
{
    if (USE_CROMATICS)
        return PREV_NOTE;
    if (CLEFF != 0 && CLEFF != 1)
        return -1;
    return notes.whiteToMidi(PREV_NOTE, CLEFF);
}

void frmMain::newCmd_Click()
{
    ASKS = 0;
    do_new();
}

void frmMain::do_new()
{
    FIRST_TIME = true;
    // A lesson with no answers, or one already logged when it was paused,
    // would only add an empty or a duplicate record.
    if (SAVE_GRADES && TRYS > 0 && !m_gradeLogged)
        do_grades();
    YES = 0;
    NO = 0;
    SCORE = 0;
    TRYS = 0;
    showCounters();
    next_key();
}

void frmMain::do_grades()
{
    const GradeLog log(m_programFolder);
    // A clef switch from the menu logs the lesson it ends: name the clef that
    // lesson was played in, not the new one.
    const qint16 clef = m_lessonClef >= 0 ? m_lessonClef : CLEFF;
    const GradeLog::Record record{PLAYER_NAME, GradeLog::lessonName(clef), YES, NO, SCORE,
                                  QDate::currentDate()};
    m_gradeLogged = true;
    if (!log.append(record))
        m_desktop.messageBox(this,
                             QStringLiteral("The lesson's grade could not be added to \"%1\".")
                                 .arg(log.fileName()),
                             Desktop::Buttons::Ok, Desktop::Icon::Warning,
                             QStringLiteral("Staverly - Grades Error"));
}

QString frmMain::get_td(qint16 &q)
{
    pickNote();
    const int midi = USE_CROMATICS ? PREV_NOTE : notes.whiteToMidi(PREV_NOTE, CLEFF);
    return NoteTestSheet::nameCell(QDir(m_programFolder).filePath(QStringLiteral("images")), CLEFF != 0,
                                   midi, q);
}

QString frmMain::get_td2(qint16 &q)
{
    pickNote();
    const int midi = USE_CROMATICS ? PREV_NOTE : notes.whiteToMidi(PREV_NOTE, CLEFF);
    return NoteTestSheet::colourCell(QDir(m_programFolder).filePath(QStringLiteral("images")), CLEFF != 0,
                                     USE_CROMATICS, midi, q);
}

void frmMain::pickNote()
{
    const bool chromatic = USE_CROMATICS;
    const int lo = chromatic ? notes.whiteToMidi(LOW_NOTE, CLEFF) : LOW_NOTE;
    const int hi = chromatic ? notes.whiteToMidi(HIGH_NOTE, CLEFF) : HIGH_NOTE;
    for (int draw = 1; draw <= 101; ++draw) {
        m_random.stir();
        const auto candidate = qint16(int(std::floor((hi + 1 - lo) * m_random.uniform())) + lo);
        if (candidate != PREV_NOTE) {
            PREV_NOTE = candidate;
            return;
        }
    }
}

void frmMain::next_key()
{
    Bar->setValue(std::min<int>(ASKS, Bar->maximum()));
    ASKS = incremented(ASKS);

    if (ASKS > QUESTIONS) {
        ASKS = 0;
        qint16 sound = 103;
        effects.play_wave(sound);
        const auto answer = m_desktop.messageBox(this, lessonOverText(QUESTIONS),
                                                 Desktop::Buttons::YesNoCancel,
                                                 Desktop::Icon::Question,
                                                 QStringLiteral("Lesson Over Notification"));
        if (answer == Desktop::Answer::Cancel) {
            do_grades();
            FIRST_TIME = false;
            setMessage(QStringLiteral("Click New to start!"), Qt::black);
            return;
        }
        if (answer == Desktop::Answer::Yes) {
            do_new();
            return;
        }
        ASKS = 1;
        Bar->setValue(0);
    }

    // A range that is empty, inverted or off the keyboard has no note to ask.
    if (HIGH_NOTE - LOW_NOTE < 1 || LOW_NOTE < 1 || HIGH_NOTE > NoteModel::WhiteKeys) {
        m_desktop.messageBox(this,
                             QStringLiteral("Please adjust the sliders properly.  The top slider "
                                            "must be at least 1 hight then the bottem slider."),
                             Desktop::Buttons::Ok, Desktop::Icon::Warning,
                             QStringLiteral("Slider Error!"));
        return;
    }

    setCursor(Qt::WaitCursor);
    pickNote();

    qint16 mode = 2;
    qint16 steps = 70;
    wipe_picture(*Picture1, mode, steps, m_desktop, m_random);

    qint16 m = USE_CROMATICS ? PREV_NOTE : qint16(notes.whiteToMidi(PREV_NOTE, CLEFF));
    play_note(m);
    Picture1->loadPicture(NoteModel::pictureFile(m_programFolder, m, CLEFF));
    m_desktop.sleep(250);

    HELP_NOTE = USE_CROMATICS ? qint16(NoteModel::midiToKey(PREV_NOTE, CLEFF))
                              : NoteModel::get_white_treble(PREV_NOTE);
    if (USE_CLUES)
        Picture1->setToolTip(USE_CROMATICS ? notes.noteName(PREV_NOTE) : notes.whiteLetter(PREV_NOTE));
    else
        Picture1->setToolTip(QStringLiteral("?"));

    midi.output().send(midi.noteOnStatus(), m, 0, 0);

    MY_TIME = 0;
    FIRST_TIME = true;
    m_lessonClef = CLEFF;
    ++m_question;
    setMessage(QString::number(ASKS) + QStringLiteral(" ) - ?"), Qt::black);
    timeLbl->setText(QStringLiteral("0"));
    unsetCursor();
}

void frmMain::do_yes()
{
    // Events run below may answer this same question first (a quick second
    // key or letter); then it has been judged and moved on already.
    const quint32 asked = m_question;
    m_desktop.processEvents();
    dropStaleMidiMessage();
    if (asked != m_question)
        return;
    const std::size_t i = drawWord();
    const QString name = USE_CROMATICS ? notes.noteName(PREV_NOTE) : notes.whiteLetter(PREV_NOTE);
    setMessage(name + QLatin1Char('\n') + words.praise_words[i], PraiseColor);

    YES = incremented(YES);
    m_gradeLogged = false;
    yesLbl->setText(QString::number(YES));
    TRYS = incremented(TRYS);
    rescore();

    m_desktop.sleep(300);
    setMessage(QStringLiteral("?"), Qt::black);
    next_key();
}

void frmMain::do_no(qint16 &played, qint16 &correct)
{
    const quint32 asked = m_question;
    dropStaleMidiMessage();
    if (asked != m_question)
        return;
    const std::size_t i = drawWord();
    QString text = msglbl->text();
    if (played < correct)
        text = QStringLiteral("Too Low\n") + words.failure_words[i];
    else if (played > correct)
        text = QStringLiteral("Too High\n") + words.failure_words[i];
    setMessage(text, FailureColor);
    wrongAnswer();
    setMessage(QStringLiteral("?"), Qt::black);
}

void frmMain::quick_no()
{
    wrongAnswer();
    msglbl->setText(QStringLiteral("?"));
    msglbl->repaint();
}

void frmMain::wrongAnswer()
{
    qint16 sound = 101;
    effects.play_wave(sound);
    m_desktop.sleep(200);
    MY_TIME = 0;
    countWrong();
    timeLbl->setText(QStringLiteral("0"));
    m_desktop.flashWindow(this);
}

void frmMain::countWrong()
{
    NO = incremented(NO);
    m_gradeLogged = false;
    noLbl->setText(QString::number(NO));
    TRYS = incremented(TRYS);
    rescore();
}

void frmMain::do_clue()
{
    if (!FIRST_TIME || !USE_CLUES || HELP_NOTE < 0 || HELP_NOTE >= NoteModel::Keys) {
        m_desktop.beep();
        return;
    }
    setCursor(Qt::WaitCursor);
    const QString name = USE_CROMATICS ? notes.noteName(PREV_NOTE) : notes.whiteLetter(PREV_NOTE);
    msglbl->setText(name);
    msglbl->repaint();

    PianoKey *key = pianoKey[std::size_t(HELP_NOTE)];
    key->setFocus(Qt::OtherFocusReason);
    const QColor remembered = key->backColor();
    key->setBackColor(ClueColor);
    key->repaint();

    play_key();

    key->setBackColor(remembered);
    msglbl->setText(QStringLiteral("?"));
    unsetCursor();
}

void frmMain::typed(QChar ch)
{
    if (ch < QLatin1Char('a') || ch > QLatin1Char('h') || USE_CROMATICS)
        return;
    // Before the first question there is no note to name.
    if (PREV_NOTE < 1 || PREV_NOTE > NoteModel::WhiteKeys)
        return;
    if (QString(ch.toUpper()) != notes.whiteLetter(PREV_NOTE)) {
        quick_no();
        return;
    }
    const int index = HELP_NOTE;
    if (index < 0 || index >= NoteModel::Keys)
        return;
    PianoKey *key = pianoKey[std::size_t(index)];
    key->setFocus(Qt::OtherFocusReason);
    key->setDown(true);
    pianoKey_MouseDown(index);
    m_desktop.sleep(200);
    key->setDown(false);
    pianoKey_MouseUp(index);
}

void frmMain::pianoKey_MouseDown(int index)
{
    auto m = qint16(NoteModel::keyToMidi(index, CLEFF));
    play_note(m);
}

void frmMain::pianoKey_MouseUp(int index)
{
    auto m = qint16(NoteModel::keyToMidi(index, CLEFF));
    note_shut(m);
}

void frmMain::play_note(qint16 &the_note)
{
    midi.output().send(midi.noteOnStatus(), the_note, midi.MIDI_VOLUME, 0);
}

void frmMain::note_shut(qint16 &the_note)
{
    const quint32 asked = m_question;
    midi.output().send(midi.noteOnStatus(), the_note, 0, 0);
    m_desktop.processEvents();
    // A key released for a question that was answered meanwhile is not
    // judged against the next one.
    if (!FIRST_TIME || asked != m_question)
        return;
    const int expected = expectedNote();
    if (expected < 0)
        return;
    if (the_note == expected) {
        do_yes();
        return;
    }
    auto correct = qint16(expected);
    do_no(the_note, correct);
}

void frmMain::play_key()
{
    const int expected = USE_CROMATICS ? PREV_NOTE : notes.whiteToMidi(PREV_NOTE, CLEFF != 0 ? 1 : 0);
    if (expected < 0)
        return;
    auto note = qint16(expected);
    play_note(note);
    m_desktop.sleep(450);
    midi.output().send(midi.noteOnStatus(), note, 0, 0);
}

void frmMain::dropStaleMidiMessage()
{
    // The MIDI handler takes its own message off before it answers.
    if (!midi.USE_MIDI || m_answeringFromMidi)
        return;
    MIDIInput1->removeMessage();
    m_desktop.processEvents();
}

std::size_t frmMain::drawWord()
{
    m_random.stir();
    return std::size_t(std::floor(m_random.uniform() * 20));
}

void frmMain::MIDIInput1_Message()
{
    // A message event raised while this loop runs adds no second pass: the
    // loop below picks up whatever is pending.
    if (m_inMidiHandler)
        return;
    m_inMidiHandler = true;
    while (MIDIInput1->pendingMessages() > 0) {
        const MidiMessage message = MIDIInput1->readMessage();
        // Taken off the queue before anything runs events, so each message is
        // acted on exactly once and the key's release still goes through.
        MIDIInput1->removeMessage();
        if (!isActiveMain() || !midi.USE_MIDI)
            continue;
        if (midinPrg)
            host::ControlHost::setProperty(midinPrg, "value", message.data2 + 1);
        // MIDI through has already sent it on, on the device's own thread.
        m_desktop.processEvents();
        if (message.data2 == 0 || (CLEFF != 0 && CLEFF != 1))
            continue;
        const int key = NoteModel::midiToKey(message.data1, CLEFF);
        if (key >= 0 && key < NoteModel::Keys)
            pianoKey[std::size_t(key)]->setFocus(Qt::OtherFocusReason);
        answerFromMidi(message.data1);
    }
    m_inMidiHandler = false;
}

void frmMain::answerFromMidi(qint16 played)
{
    // Outside a lesson a note may have no question to be checked against.
    const int expected = expectedNote();
    if (expected < 0)
        return;
    m_answeringFromMidi = true;
    if (played == expected) {
        do_yes();
    } else {
        auto correct = qint16(expected);
        do_no(played, correct);
    }
    m_answeringFromMidi = false;
}

void frmMain::Timer1_Timer()
{
    if (!USE_TIMER)
        return;
    if (!FIRST_TIME || !isActiveMain()) {
        MY_TIME = 0;
        return;
    }
    MY_TIME = incremented(MY_TIME);
    if (MY_TIME >= TO_TIME) {
        m_timeOuts = incremented(m_timeOuts);
        if (m_timeOuts > 3) {
            m_timeOuts = 0;
            MY_TIME = 0;
            timeLbl->setText(QStringLiteral("0"));
            lessonSetup().setTimerChecked(false);
            return;
        }
        qint16 sound = 102;
        effects.play_wave(sound);
        msglbl->setText(QStringLiteral("Over Time!"));
        msglbl->repaint();
        MY_TIME = 0;
        timeLbl->setText(QStringLiteral("0"));
        countWrong();
        m_desktop.sleep(500);
        msglbl->setText(QStringLiteral("?"));
    }
    timeLbl->setText(QString::number(MY_TIME));
    if (MY_TIME == 60)
        MY_TIME = 0;
}

} // namespace staverly
