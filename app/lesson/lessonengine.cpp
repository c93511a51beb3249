// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonengine.h"

#include "int16.h"
#include "lessondesktop.h"
#include "lessonrecorder.h"
#include "lessonview.h"
#include "notenames.h"
#include "random.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>
#include <utility>

namespace staverly {

namespace {

using Counter = LessonView::Counter;

QString lessonOverText(qint16 questions)
{
    return LessonEngine::tr("This lesson is complete! You have answered %1 questions!\n"
                            "If you would like to start a new lesson then click on the Yes button.\n"
                            "If you would like to continue with the current lesson then click No.\n"
                            "To pause lesson, click Cancel.")
        .arg(questions);
}

} // namespace

LessonEngine::LessonEngine(LessonView &view, LessonDesktop &desktop, LessonRecorder &recorder,
                           Random &random, QObject *parent)
    : QObject(parent)
    , Timer1(new QTimer(this))
    , m_view(view)
    , m_desktop(desktop)
    , m_recorder(recorder)
    , m_random(random)
{
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &LessonEngine::Timer1_Timer);
}

void LessonEngine::openNextQuestion()
{
    // 0 means "no question": the serial skips it when it wraps.
    if (++m_serial == 0)
        ++m_serial;
    m_open = m_serial;
    emit openQuestionChanged(m_open);
}

void LessonEngine::closeQuestion()
{
    if (m_open == 0)
        return;
    m_open = 0;
    emit openQuestionChanged(m_open);
}

void LessonEngine::reopenQuestion()
{
    // Under a new number: what was given for it before it closed has been
    // judged, or belongs to a note that is gone.
    if (m_noteOnStaff && m_open == 0)
        openNextQuestion();
}

void LessonEngine::showMessage(const QString &text)
{
    m_message = text;
    m_view.showMessage(text);
}

void LessonEngine::showMessage(const QString &text, quint32 colour)
{
    m_message = text;
    m_view.showMessage(text, colour);
}

void LessonEngine::rescore()
{
    SCORE = percentScore(YES, TRYS);
    m_view.showCounter(Counter::Score, SCORE);
}

QString LessonEngine::noteLabel() const
{
    return USE_CROMATICS ? notes.noteName(PREV_NOTE) : notes.whiteLetter(PREV_NOTE);
}

QString LessonEngine::spokenNote() const
{
    return NoteNames::current().spoken(expectedNote());
}

int LessonEngine::questionNote() const
{
    return USE_CROMATICS ? PREV_NOTE : notes.whiteToMidi(PREV_NOTE, CLEFF);
}

int LessonEngine::expectedNote() const
{
    if (USE_CROMATICS)
        return PREV_NOTE;
    if (CLEFF != 0 && CLEFF != 1)
        return -1;
    return notes.whiteToMidi(PREV_NOTE, CLEFF);
}

std::size_t LessonEngine::drawWord()
{
    m_random.stir();
    return std::size_t(std::floor(m_random.uniform() * 20));
}

void LessonEngine::setClef(qint16 cleff)
{
    CLEFF = cleff;
    m_view.showClef(cleff);
    emit clefChanged(cleff);
}

void LessonEngine::setUseTimer(bool on)
{
    USE_TIMER = on;
    runTimer();
    MY_TIME = 0;
    emit useTimerChanged(on);
}

void LessonEngine::setSwitch(bool MainFields::*field, bool on)
{
    this->*field = on;
    emit optionsChanged();
}

void LessonEngine::setTimeOutSeconds(qint16 seconds)
{
    TO_TIME = seconds;
    emit optionsChanged();
}

void LessonEngine::setPlayer(qint16 index, const QString &name)
{
    PLAYER_INDEX = index;
    PLAYER_NAME = name;
}

void LessonEngine::runTimer()
{
    if (USE_TIMER)
        Timer1->start();
    else
        Timer1->stop();
}

void LessonEngine::setQuestions(qint16 questions)
{
    QUESTIONS = questions;
    m_view.setProgressMaximum(questions);
}

void LessonEngine::do_new()
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
    // Lessons are told apart, and ordered, by when they started.
    m_lessonId = std::max(QDateTime::currentMSecsSinceEpoch(), m_lessonId + 1);
    m_view.showCounter(Counter::Yes, YES);
    m_view.showCounter(Counter::No, NO);
    m_view.showCounter(Counter::Score, SCORE);
    next_key();
}

void LessonEngine::do_grades()
{
    // A clef switch from the menu logs the lesson it ends: name the clef that
    // lesson was played in, not the new one.
    const qint16 clef = m_lessonClef >= 0 ? m_lessonClef : CLEFF;
    m_gradeLogged = true;
    m_recorder.recordLesson({PLAYER_NAME, clef, YES, NO, SCORE, QDate::currentDate()});
}

void LessonEngine::draw_note()
{
    const int lo = USE_CROMATICS ? notes.whiteToMidi(LOW_NOTE, CLEFF) : LOW_NOTE;
    const int hi = USE_CROMATICS ? notes.whiteToMidi(HIGH_NOTE, CLEFF) : HIGH_NOTE;
    for (int draw = 1; draw <= 101; ++draw) {
        m_random.stir();
        const auto candidate = qint16(int(std::floor((hi + 1 - lo) * m_random.uniform())) + lo);
        if (candidate != PREV_NOTE) {
            PREV_NOTE = candidate;
            return;
        }
    }
}

void LessonEngine::drawQuestion()
{
    const std::map<int, double> weights =
        PRACTISE_WEAK ? m_recorder.noteWeights(PLAYER_NAME, CLEFF) : std::map<int, double>{};
    if (weights.empty()) {
        draw_note();
        return;
    }
    const int lo = USE_CROMATICS ? notes.whiteToMidi(LOW_NOTE, CLEFF) : LOW_NOTE;
    const int hi = USE_CROMATICS ? notes.whiteToMidi(HIGH_NOTE, CLEFF) : HIGH_NOTE;
    std::vector<std::pair<qint16, double>> candidates;
    double total = 0;
    for (int candidate = lo; candidate <= hi; ++candidate) {
        if (candidate == PREV_NOTE)
            continue;
        const int midi = USE_CROMATICS ? candidate : notes.whiteToMidi(candidate, CLEFF);
        const auto weight = weights.find(midi);
        const double w = weight == weights.end() ? 1.0 : std::clamp(weight->second, 1.0, 4.0);
        candidates.emplace_back(qint16(candidate), w);
        total += w;
    }
    if (candidates.empty()) {
        draw_note();
        return;
    }
    m_random.stir();
    double at = m_random.uniform() * total;
    for (const auto &[candidate, weight] : candidates) {
        PREV_NOTE = candidate;
        if (at < weight)
            return;
        at -= weight;
    }
}

void LessonEngine::recordAnswer(AnswerEvent::Outcome outcome, int answered, QChar letter)
{
    AnswerEvent answer;
    answer.player = PLAYER_NAME;
    answer.at = QDateTime::currentDateTime();
    answer.lesson = m_lessonId;
    answer.clef = CLEFF;
    answer.chromatic = USE_CROMATICS;
    answer.asked = expectedNote();
    answer.answered = answered;
    answer.letter = letter;
    answer.outcome = outcome;
    answer.via = outcome == AnswerEvent::Outcome::TimeOut ? AnswerEvent::Via::Timer : m_via;
    answer.ms = m_shown.isValid() ? m_shown.elapsed() : 0;
    m_recorder.recordAnswer(answer);
}

void LessonEngine::next_key()
{
    // The note on the staff has had its answer; nothing given for it from
    // here on counts, whatever runs while the next one is prepared.
    closeQuestion();
    m_view.showProgress(ASKS);
    ASKS = incremented(ASKS);

    if (ASKS > QUESTIONS) {
        ASKS = 0;
        m_desktop.playWave(103);
        const auto answer = m_desktop.messageBox(lessonOverText(QUESTIONS),
                                                 LessonDesktop::Buttons::YesNoCancel,
                                                 LessonDesktop::Icon::Question,
                                                 tr("Lesson Over Notification"));
        if (answer == LessonDesktop::Answer::Cancel) {
            do_grades();
            FIRST_TIME = false;
            showMessage(tr("Click New to start!"), NormalColour);
            reopenQuestion();
            return;
        }
        if (answer == LessonDesktop::Answer::Yes) {
            do_new();
            return;
        }
        ASKS = 1;
        m_view.showProgress(0);
    }

    // A range that is empty, inverted or off the keyboard has no note to ask.
    if (HIGH_NOTE - LOW_NOTE < 1 || LOW_NOTE < 1 || HIGH_NOTE > NoteModel::WhiteKeys) {
        m_desktop.messageBox(tr("Please adjust the sliders properly.  The top slider "
                                "must be at least 1 hight then the bottem slider."),
                             LessonDesktop::Buttons::Ok, LessonDesktop::Icon::Warning,
                             tr("Slider Error!"));
        reopenQuestion();
        return;
    }

    m_view.setBusy(true);
    drawQuestion();
    m_view.wipePicture();

    auto m = qint16(questionNote());
    play_note(m);
    m_view.showPicture(m, CLEFF);
    m_noteOnStaff = true;
    openNextQuestion();
    m_shown.start();
    m_desktop.sleep(250);

    HELP_NOTE = USE_CROMATICS ? qint16(NoteModel::midiToKey(PREV_NOTE, CLEFF))
                              : NoteModel::get_white_treble(PREV_NOTE);
    m_view.setPictureTip(USE_CLUES ? noteLabel() : QStringLiteral("?"));
    m_desktop.noteOff(m);

    MY_TIME = 0;
    FIRST_TIME = true;
    m_lessonClef = CLEFF;
    showMessage(QString::number(ASKS) + QStringLiteral(" ) - ?"), NormalColour);
    m_view.showCounter(Counter::Time, 0);
    m_view.setBusy(false);
}

void LessonEngine::do_yes()
{
    const bool fromMidi = std::exchange(m_answeringFromMidi, false);
    const AnswerEvent::Via via = m_via;
    // Events run below may judge this same question first; then it has
    // closed and this answer is not counted again.
    const quint32 asked = m_open;
    m_desktop.processEvents();
    if (!fromMidi)
        m_desktop.dropStaleMidiMessage();
    if (asked != m_open)
        return;
    m_via = via;
    recordAnswer(AnswerEvent::Outcome::Right, expectedNote());
    const std::size_t i = drawWord();
    showMessage(noteLabel() + QLatin1Char('\n') + words.praise_words[i], PraiseColour);
    //: Heard by a screen reader after a right answer: the note, the praise word.
    m_view.announce(tr("%1, %2").arg(spokenNote(), words.praise_words[i]));

    YES = incremented(YES);
    m_gradeLogged = false;
    m_view.showCounter(Counter::Yes, YES);
    TRYS = incremented(TRYS);
    rescore();

    m_desktop.sleep(300);
    showMessage(QStringLiteral("?"), NormalColour);
    next_key();
}

void LessonEngine::do_no(qint16 &played, qint16 &correct)
{
    const bool fromMidi = std::exchange(m_answeringFromMidi, false);
    const quint32 asked = m_open;
    if (!fromMidi)
        m_desktop.dropStaleMidiMessage();
    if (asked != m_open)
        return;
    recordAnswer(AnswerEvent::Outcome::Wrong, played);
    const std::size_t i = drawWord();
    QString text = m_message;
    if (played < correct)
        text = tr("Too Low") + QLatin1Char('\n') + words.failure_words[i];
    else if (played > correct)
        text = tr("Too High") + QLatin1Char('\n') + words.failure_words[i];
    showMessage(text, FailureColour);
    if (played != correct)
        m_view.announce(QString(text).replace(QLatin1Char('\n'), QStringLiteral(", ")));
    wrongAnswer();
    showMessage(QStringLiteral("?"), NormalColour);
}

void LessonEngine::quick_no()
{
    wrongAnswer();
    showMessage(QStringLiteral("?"));
}

void LessonEngine::wrongAnswer()
{
    m_desktop.playWave(101);
    m_desktop.sleep(200);
    MY_TIME = 0;
    countWrong();
    m_view.showCounter(Counter::Time, 0);
    m_desktop.flashWindow();
}

void LessonEngine::countWrong()
{
    NO = incremented(NO);
    m_gradeLogged = false;
    m_view.showCounter(Counter::No, NO);
    TRYS = incremented(TRYS);
    rescore();
}

void LessonEngine::do_clue()
{
    const int key = HELP_NOTE;
    if (!FIRST_TIME || !USE_CLUES || key < 0 || key >= NoteModel::Keys) {
        m_desktop.beep();
        return;
    }
    m_view.setBusy(true);
    showMessage(noteLabel());
    // The key is shown, not focused: a key that took the focus would answer
    // the question at the next Return.
    //: Heard by a screen reader when a clue shows the note.
    m_view.announce(tr("Clue: %1").arg(spokenNote()));
    m_view.markClueKey(key, true);
    play_key();
    m_view.markClueKey(key, false);
    showMessage(QStringLiteral("?"));
    m_view.setBusy(false);
}

void LessonEngine::Timer1_Timer()
{
    if (!USE_TIMER)
        return;
    // Between questions nothing is asked, so nothing is timed.
    if (!FIRST_TIME || m_open == 0 || !m_view.isActive()) {
        MY_TIME = 0;
        return;
    }
    MY_TIME = incremented(MY_TIME);
    if (MY_TIME >= TO_TIME) {
        m_timeOuts = incremented(m_timeOuts);
        if (m_timeOuts > 3) {
            m_timeOuts = 0;
            MY_TIME = 0;
            m_view.showCounter(Counter::Time, 0);
            emit timeOutsUsedUp();
            return;
        }
        recordAnswer(AnswerEvent::Outcome::TimeOut, -1);
        m_desktop.playWave(102);
        showMessage(tr("Over Time!"));
        m_view.announce(tr("Over Time!"));
        MY_TIME = 0;
        m_view.showCounter(Counter::Time, 0);
        countWrong();
        m_desktop.sleep(500);
        showMessage(QStringLiteral("?"));
    }
    m_view.showCounter(Counter::Time, MY_TIME);
    if (MY_TIME == 60)
        MY_TIME = 0;
}

void LessonEngine::play_note(qint16 &the_note)
{
    m_desktop.noteOn(the_note);
}

void LessonEngine::note_shut(qint16 &the_note, AnswerTag tag)
{
    m_desktop.noteOff(the_note);
    m_desktop.processEvents();
    if (!FIRST_TIME || !judges(tag))
        return;
    judge(the_note);
}

void LessonEngine::judge(qint16 played)
{
    const int expected = expectedNote();
    if (expected < 0)
        return;
    if (played == expected) {
        do_yes();
        return;
    }
    auto correct = qint16(expected);
    do_no(played, correct);
}

void LessonEngine::play_key()
{
    const int expected = USE_CROMATICS ? PREV_NOTE : notes.whiteToMidi(PREV_NOTE, CLEFF != 0 ? 1 : 0);
    if (expected < 0)
        return;
    auto note = qint16(expected);
    play_note(note);
    m_desktop.sleep(450);
    m_desktop.noteOff(note);
}

void LessonEngine::pianoKey_MouseDown(int index)
{
    auto m = qint16(NoteModel::keyToMidi(index, CLEFF));
    play_note(m);
}

void LessonEngine::pianoKey_MouseUp(int index, AnswerTag tag)
{
    m_via = AnswerEvent::Via::Key;
    releaseKey(index, tag);
}

void LessonEngine::releaseKey(int index, AnswerTag tag)
{
    auto m = qint16(NoteModel::keyToMidi(index, CLEFF));
    note_shut(m, tag);
}

void LessonEngine::typed(QChar ch, AnswerTag tag)
{
    if (ch == QLatin1Char(' ')) {
        do_clue();
        return;
    }
    const std::optional<int> step = NoteNames::current().typedWhite(ch);
    if (!step || USE_CROMATICS)
        return;
    // A letter names the note on the staff when it was typed; before the
    // first question, or between two, there is none.
    if (!judges(tag) || PREV_NOTE < 1 || PREV_NOTE > NoteModel::WhiteKeys)
        return;
    if (*step != (PREV_NOTE - 1) % 7) {
        m_via = AnswerEvent::Via::Letter;
        // The history keeps English letters, whatever the pupil's naming.
        recordAnswer(AnswerEvent::Outcome::Wrong, -1,
                     *step >= 0 ? QLatin1Char("CDEFGAB"[*step]) : ch.toUpper());
        //: Heard by a screen reader after a wrong letter: the note it names.
        m_view.announce(tr("Not %1").arg(*step >= 0 ? NoteNames::current().white(*step) : QString(ch.toUpper())));
        quick_no();
        return;
    }
    const int index = HELP_NOTE;
    if (index < 0 || index >= NoteModel::Keys)
        return;
    m_view.focusKey(index);
    m_view.setKeyDown(index, true);
    pianoKey_MouseDown(index);
    m_desktop.sleep(200);
    m_view.setKeyDown(index, false);
    m_via = AnswerEvent::Via::Letter;
    releaseKey(index, tag);
}

void LessonEngine::midiMessage(qint16 status, qint16 data1, qint16 data2, AnswerTag tag)
{
    // Only a key going down answers, on any channel. Releases, pedals,
    // wheels and controllers light the meter and go through, nothing more.
    if ((status & 0xF0) != 0x90 || data2 == 0)
        return;
    struckKey(data1, tag, AnswerEvent::Via::Midi);
}

void LessonEngine::heardNote(int midi, AnswerTag tag)
{
    struckKey(midi, tag, AnswerEvent::Via::Mic);
}

void LessonEngine::struckKey(int midi, AnswerTag tag, AnswerEvent::Via via)
{
    if (!tag.active || (CLEFF != 0 && CLEFF != 1))
        return;
    const int key = NoteModel::midiToKey(midi, CLEFF);
    if (key >= 0 && key < NoteModel::Keys)
        m_view.focusKey(key);
    if (!judges(tag))
        return;
    // The handler has taken this message off the queue already.
    m_answeringFromMidi = true;
    m_via = via;
    judge(qint16(midi));
    m_answeringFromMidi = false;
}

} // namespace staverly
