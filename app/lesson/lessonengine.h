// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerevent.h"
#include "answertag.h"
#include "feedbackwords.h"
#include "mainfields.h"
#include "notemodel.h"

#include <QElapsedTimer>
#include <QObject>

class QTimer;

namespace staverly {

class LessonDesktop;
class LessonRecorder;
class LessonView;
class Random;

// The lesson without a window: questions, judging, feedback, the answer
// timer, clues and the grade record, over the state the dialogs share.
//
// Waits and boxes let input in while a handler is half way. Each answer
// therefore carries the question it was given for, taken when it arrived,
// and is judged only while that question is still the open one. A question
// closes when the next one is being prepared and a new one opens when its
// picture is shown.
class LessonEngine : public QObject, public MainFields
{
    Q_OBJECT

public:
    // Message colours, &HBBGGRR.
    static constexpr quint32 NormalColour = 0x000000;
    static constexpr quint32 PraiseColour = 0x800000;
    static constexpr quint32 FailureColour = 0x000080;

    LessonEngine(LessonView &view, LessonDesktop &desktop, LessonRecorder &recorder, Random &random,
                 QObject *parent = nullptr);

    NoteModel notes;
    FeedbackWords words;
    // Ticks every second while USE_TIMER is on.
    QTimer *Timer1;

    void do_new();
    void next_key();
    void do_yes();
    void do_no(qint16 &played, qint16 &correct);
    void quick_no();
    void do_clue();
    void do_grades();
    void Timer1_Timer();

    void play_note(qint16 &the_note);
    void note_shut(qint16 &the_note, AnswerTag tag);
    void play_key();

    // Input from the pupil, each with what it knew when it arrived.
    void pianoKey_MouseDown(int index);
    void pianoKey_MouseUp(int index, AnswerTag tag);
    // A plain typed character: space asks for a clue, a..h names the note.
    void typed(QChar ch, AnswerTag tag);
    void midiMessage(qint16 status, qint16 data1, qint16 data2, AnswerTag tag);
    // A key struck on a real piano, heard through the microphone.
    void heardNote(int midi, AnswerTag tag);

    // The tag of a click or key arriving now.
    AnswerTag arrival() const { return {m_open, true}; }
    quint32 openQuestion() const { return m_open; }

    // Draws a note of the range into PREV_NOTE, never the one before; the
    // lesson's questions and the printed note tests both draw this way.
    void draw_note();
    // A lesson's question: as draw_note, or, with PRACTISE_WEAK, each note
    // as often as its weight from the pupil's answers says.
    void drawQuestion();
    // The MIDI number of PREV_NOTE; -1 when it has none.
    int questionNote() const;
    // The name of PREV_NOTE as the lesson shows it: its letter, or its
    // chromatic name.
    QString noteLabel() const;
    // The note the current question asks, or -1 when there is none.
    int expectedNote() const;
    qint16 timeOuts() const { return m_timeOuts; }

    // What follows from a changed option, besides the field itself.
    void setClef(qint16 cleff);
    void setUseTimer(bool on);
    void setQuestions(qint16 questions);
    // One of the plain switches (USE_CLUES, USE_SOUND, START_UP,
    // PRACTISE_WEAK, SAVE_GRADES, USE_CROMATICS, ANSWER_KEY) or TO_TIME.
    void setSwitch(bool MainFields::*field, bool on);
    void setTimeOutSeconds(qint16 seconds);
    // The player whose answers are recorded from now on. What shows the
    // name follows only when the choice is confirmed, so clicking through
    // the list does not change the window behind it.
    void setPlayer(qint16 index, const QString &name);
    void confirmPlayer() { emit playerConfirmed(PLAYER_NAME); }
    // Starts or stops Timer1 to match USE_TIMER.
    void runTimer();

signals:
    void openQuestionChanged(quint32 question);
    // An option changed, from wherever: whoever shows it follows.
    void clefChanged(qint16 cleff);
    void useTimerChanged(bool on);
    void playerConfirmed(const QString &name);
    void optionsChanged();
    // The fourth time-out: the timer option is to be switched off.
    void timeOutsUsedUp();

private:
    bool judges(AnswerTag tag) const { return tag.question != 0 && tag.question == m_open; }
    void judge(qint16 played);
    void struckKey(int midi, AnswerTag tag, AnswerEvent::Via via);
    void openNextQuestion();
    void closeQuestion();
    // A question that was on the staff and stays there opens again.
    void reopenQuestion();
    std::size_t drawWord();
    // The asked note as a screen reader says it, in the pupil's naming.
    QString spokenNote() const;
    void showMessage(const QString &text);
    void showMessage(const QString &text, quint32 colour);
    void rescore();
    void wrongAnswer();
    void countWrong();
    void releaseKey(int index, AnswerTag tag);
    void recordAnswer(AnswerEvent::Outcome outcome, int answered, QChar letter = {});

    LessonView &m_view;
    LessonDesktop &m_desktop;
    LessonRecorder &m_recorder;
    Random &m_random;
    QString m_message = tr("Click on the New button...");
    quint32 m_open = 0;
    quint32 m_serial = 0;
    bool m_noteOnStaff = false;
    bool m_answeringFromMidi = false;
    bool m_gradeLogged = false;
    qint16 m_lessonClef = -1;
    qint16 m_timeOuts = 0;
    // What the answer being judged came from, and since when its note shows.
    AnswerEvent::Via m_via = AnswerEvent::Via::Key;
    QElapsedTimer m_shown;
    qint64 m_lessonId = 0;
};

} // namespace staverly
