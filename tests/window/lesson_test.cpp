// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "effects.h"
#include "gradelog.h"
#include "pianokey.h"
#include "picturebox.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;
using Message = test::RecordingSynth::Message;

namespace {

class Lesson : public MainWindowFixture
{
protected:
    void startLesson(int questions = 5)
    {
        store(keys::StartUp, "False");
        store(keys::Questions, QString::number(questions));
        start();
    }

    // Records what the message line says at every wait.
    QStringList watchMessages()
    {
        auto seen = std::make_shared<QStringList>();
        desktop.onSleep([this, seen](int) { *seen << w().msglbl->text(); });
        m_seen = seen;
        return {};
    }
    QStringList seen() const { return m_seen ? *m_seen : QStringList(); }

    void answerRight(int nextWhite)
    {
        nextWordIs(0);
        nextNoteIs(nextWhite);
        clickKey(keyOfAnswer());
    }

    std::shared_ptr<QStringList> m_seen;
};

TEST_F(Lesson, WrongAnswersSayTooLowOrTooHighAndOnlyTheRightOneMovesOn)
{
    startLesson(10);
    nextNoteIs(10); // E above middle C, key 16
    clickNew();
    ASSERT_EQ(w().lesson.PREV_NOTE, 10);
    EXPECT_EQ(w().lesson.HELP_NOTE, 16);
    EXPECT_EQ(w().msglbl->text(), "1 ) - ?");
    EXPECT_TRUE(w().Picture1->pictureError().isEmpty());
    EXPECT_EQ(w().Picture1->toolTip(), "E");
    // The question's note sounds for 250 ms.
    ASSERT_GE(midiOut.messages.size(), 2u);
    EXPECT_EQ(midiOut.messages[midiOut.messages.size() - 2], (Message{0x90, 64, 127}));
    EXPECT_EQ(midiOut.messages.back(), (Message{0x90, 64, 0}));
    midiOut.messages.clear();
    watchMessages();

    nextWordIs(3);
    clickKey(11); // B below middle C
    nextWordIs(0);
    clickKey(17); // F
    typeText("c");
    nextWordIs(1);
    nextNoteIs(12);
    clickKey(16);

    EXPECT_EQ(seen().mid(0, 4), (QStringList{"Too Low\nWrong", "Too High\nBad", "?", "E\nTerrific"}));
    EXPECT_EQ(w().lesson.NO, 3);
    EXPECT_EQ(w().lesson.YES, 1);
    EXPECT_EQ(w().lesson.TRYS, 4);
    EXPECT_EQ(w().lesson.SCORE, 25);
    EXPECT_EQ(w().noLbl->text(), "3");
    EXPECT_EQ(w().scoreLbl->text(), "25");
    EXPECT_EQ(w().lesson.ASKS, 2);
    EXPECT_EQ(w().msglbl->text(), "2 ) - ?");
    EXPECT_EQ(desktop.flashes, 3);
    ASSERT_EQ(desktop.sounds.size(), 3u);
    EXPECT_EQ(desktop.sounds[0], Effects::waveResource(101));
    // Key 11 sounded and stopped before it was judged.
    EXPECT_EQ(midiOut.messages[0], (Message{0x90, 59, 127}));
    EXPECT_EQ(midiOut.messages[1], (Message{0x90, 59, 0}));
}

TEST_F(Lesson, ATypedLetterPressesTheAnswerKeyForItsName)
{
    startLesson();
    nextNoteIs(8);
    clickNew();
    midiOut.messages.clear();
    desktop.sleeps.clear();

    typeText("C"); // capitals are not answers
    EXPECT_EQ(w().lesson.TRYS, 0);
    nextWordIs(0);
    nextNoteIs(9);
    typeText("c");
    EXPECT_EQ(w().lesson.YES, 1);
    EXPECT_EQ(midiOut.messages[0], (Message{0x90, 60, 127}));
    EXPECT_EQ(midiOut.messages[1], (Message{0x90, 60, 0}));
    EXPECT_EQ(desktop.sleeps.front(), 200);

    typeText("h"); // no key is called H
    EXPECT_EQ(w().lesson.NO, 1);
    typeText("x");
    EXPECT_EQ(w().lesson.TRYS, 2);
}

// The window hands the lesson the keys the pupil's naming answers with: h
// for B in German, where b is wrong; in solfège also 1 (Do) to 7 (Si).
TEST_F(Lesson, TypedKeysAnswerAsTheNoteNamingSays)
{
    enum Outcome { Ignored, Right, Wrong };
    const struct
    {
        const char *naming;
        const char *typed;
        int note; // 8 is C4, 14 B4
        Outcome outcome;
    } cases[] = {{"letters", "b", 14, Right}, {"letters", "h", 14, Wrong}, {"letters", "7", 14, Ignored},
                 {"german", "h", 14, Right},  {"german", "b", 14, Wrong},  {"solfege", "7", 14, Right},
                 {"solfege", "1", 8, Right},  {"solfege", "c", 8, Right},  {"solfege", "2", 8, Wrong},
                 {"solfege", "8", 8, Ignored}};
    for (const auto &c : cases) {
        store(keys::NoteNames, c.naming);
        startLesson();
        nextNoteIs(c.note);
        clickNew();
        typeText(c.typed);
        const std::string what = std::string(c.naming) + " " + c.typed;
        EXPECT_EQ(w().lesson.YES, c.outcome == Right ? 1 : 0) << what;
        EXPECT_EQ(w().lesson.NO, c.outcome == Wrong ? 1 : 0) << what;
    }
}

TEST_F(Lesson, AClueShowsLightsAndSoundsTheAnswerWithoutCounting)
{
    startLesson();
    typeText(" ");
    EXPECT_EQ(desktop.beeps, 1); // no lesson yet

    nextNoteIs(8);
    clickNew();
    midiOut.messages.clear();
    QColor during;
    QString shown;
    desktop.onSleep([&](int) {
        during = w().pianoKey[12]->backColor();
        shown = w().msglbl->text();
    });
    typeText(" ");
    EXPECT_EQ(during, QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(shown, "C");
    EXPECT_EQ(w().pianoKey[12]->backColor(), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(midiOut.messages, (std::vector<Message>{{0x90, 60, 127}, {0x90, 60, 0}}));
    EXPECT_EQ(desktop.sleeps.back(), 450);
    EXPECT_EQ(w().lesson.TRYS, 0);

    // Clues off: a beep only.
    w().lesson.USE_CLUES = false;
    typeText(" ");
    EXPECT_EQ(desktop.beeps, 2);
}

TEST_F(Lesson, LessonOverQuestionNoCarriesOnYesRestartsCancelPauses)
{
    startLesson(5);
    store(keys::SaveGrades, "False");
    w().lesson.SAVE_GRADES = false;
    nextNoteIs(8);
    clickNew();
    for (int i = 0; i < 4; ++i)
        answerRight(i % 2 ? 8 : 9);
    EXPECT_EQ(w().lesson.ASKS, 5);

    // No: question 1 again, counts kept.
    desktop.answer(Answer::No, [this](const test::ScriptedDesktop::Box &box) {
        EXPECT_EQ(box.title, "Lesson Over Notification");
        EXPECT_EQ(box.buttons, Desktop::Buttons::YesNoCancel);
        EXPECT_TRUE(box.text.startsWith("This lesson is complete! You have answered 5 questions!"));
        EXPECT_EQ(w().Bar->value(), 5);
    });
    answerRight(8);
    EXPECT_EQ(w().lesson.ASKS, 1);
    EXPECT_EQ(w().Bar->value(), 0);
    EXPECT_EQ(w().lesson.YES, 5);
    EXPECT_EQ(w().msglbl->text(), "1 ) - ?");
    EXPECT_EQ(desktop.sounds.back(), Effects::waveResource(103));
    EXPECT_FALSE(QFile::exists(programFile("grades.txt")));

    // Cancel: paused, and the grade is kept even with saving off.
    for (int i = 0; i < 4; ++i)
        answerRight(i % 2 ? 8 : 9);
    desktop.answer(Answer::Cancel);
    answerRight(8);
    EXPECT_FALSE(w().lesson.FIRST_TIME);
    EXPECT_EQ(w().msglbl->text(), "Click New to start!");
    EXPECT_EQ(w().lesson.ASKS, 0);
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(readProgramFile("grades.txt"),
              QStringLiteral("\"Pellworth\",\"Treble Clef\",10,0,100,#%1#\r\n").arg(today).toLatin1());

    // Paused: keys sound but are not judged.
    clickKey(0);
    EXPECT_EQ(w().lesson.TRYS, 10);

    // Yes: a new lesson; with saving on the finished one is logged first.
    // The paused lesson was logged already and is not logged again by New.
    w().lesson.SAVE_GRADES = true;
    nextNoteIs(9);
    clickNew();
    for (int i = 0; i < 4; ++i)
        answerRight(i % 2 ? 9 : 8);
    desktop.answer(Answer::Yes);
    answerRight(9);
    EXPECT_EQ(w().lesson.YES, 0);
    EXPECT_EQ(w().lesson.ASKS, 1);
    EXPECT_TRUE(w().lesson.FIRST_TIME);
    const QList<QByteArray> records = readProgramFile("grades.txt").split('\n');
    EXPECT_EQ(records.size(), 3); // pause, Yes, and the empty tail
    EXPECT_TRUE(records[1].startsWith("\"Pellworth\",\"Treble Clef\",5,0,100,"));
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(Lesson, NewLessonFromTheMenuKeepsTheQuestionCount)
{
    startLesson(10);
    nextNoteIs(8);
    clickNew();
    answerRight(9);
    answerRight(8);
    answerRight(9);
    ASSERT_EQ(w().lesson.ASKS, 4);
    nextNoteIs(8);
    w().lessonMnuItem->trigger();
    EXPECT_EQ(w().lesson.YES, 0);
    EXPECT_EQ(w().lesson.ASKS, 5);
    nextNoteIs(9);
    clickNew();
    EXPECT_EQ(w().lesson.ASKS, 1);
}

TEST_F(Lesson, TimeOutsCountAsWrongUntilTheFourthSwitchesTheTimerOff)
{
    store(keys::UseTimer, "True");
    store(keys::TimeTo, "5");
    startLesson();
    EXPECT_TRUE(w().lesson.Timer1->isActive());
    // The ticks below are the test's own; keep the real clock out of it.
    w().lesson.Timer1->setInterval(3600 * 1000);
    nextNoteIs(8);
    clickNew();
    for (int t = 1; t <= 3; ++t) {
        for (int i = 0; i < 4; ++i)
            w().lesson.Timer1_Timer();
        EXPECT_EQ(w().timeLbl->text(), "4");
        w().lesson.Timer1_Timer();
        EXPECT_EQ(w().lesson.NO, t);
        EXPECT_EQ(w().msglbl->text(), "?");
        EXPECT_EQ(desktop.sounds.back(), Effects::waveResource(102));
    }
    EXPECT_EQ(w().lesson.PREV_NOTE, 8);
    for (int i = 0; i < 5; ++i)
        w().lesson.Timer1_Timer();
    EXPECT_EQ(w().lesson.NO, 3);
    EXPECT_FALSE(w().lesson.USE_TIMER);
    EXPECT_FALSE(w().lesson.Timer1->isActive());
    EXPECT_EQ(stored(keys::UseTimer), "False");
}

TEST_F(Lesson, AnEmptyRangeRefusesToAskButCountsTheAttempt)
{
    store(keys::LowNote, "8");
    store(keys::HighNote, "8");
    startLesson();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        desktop.answer(Answer::Ok, [](const test::ScriptedDesktop::Box &box) {
            EXPECT_EQ(box.title, "Slider Error!");
            EXPECT_EQ(box.text, "Please adjust the sliders properly.  The top slider must be at "
                                "least 1 hight then the bottem slider.");
            EXPECT_EQ(box.icon, Desktop::Icon::Warning);
        });
        clickNew();
        EXPECT_EQ(w().lesson.ASKS, 1);
    }
    desktop.answer(Answer::Ok);
    w().lessonMnuItem->trigger(); // does not reset ASKS
    EXPECT_EQ(w().lesson.ASKS, 2);
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(Lesson, ChromaticLessonsAskBlackKeysAndIgnoreLetters)
{
    store(keys::UseChromatics, "True");
    store(keys::LowNote, "1");
    store(keys::HighNote, "2");
    startLesson();
    random.pick(1, 3); // lo 48, hi 50: MIDI 49
    clickNew();
    EXPECT_EQ(w().lesson.PREV_NOTE, 49);
    EXPECT_EQ(w().lesson.HELP_NOTE, 1);
    EXPECT_EQ(w().Picture1->toolTip(), "C# or Db");
    typeText("c");
    EXPECT_EQ(w().lesson.TRYS, 0);
    nextWordIs(0);
    random.pick(2, 3);
    clickKey(1);
    EXPECT_EQ(w().lesson.YES, 1);
    EXPECT_EQ(w().lesson.PREV_NOTE, 50);
}

TEST_F(Lesson, AQuickSecondAnswerIsNotJudgedAgainstTheNextQuestion)
{
    startLesson();
    nextNoteIs(10);
    clickNew();
    const int right = keyOfAnswer();
    bool once = true;
    // While the first release lets events run, the same key comes up again.
    desktop.onProcessEvents([&] {
        if (!once)
            return;
        once = false;
        nextWordIs(0);
        nextNoteIs(12);
        w().pianoKey_MouseUp(right);
    });
    clickKey(right);
    EXPECT_EQ(w().lesson.YES, 1);
    EXPECT_EQ(w().lesson.NO, 0);
    EXPECT_EQ(w().lesson.ASKS, 2);
    EXPECT_EQ(w().lesson.PREV_NOTE, 12);
}

TEST_F(Lesson, CountersStopAtTheLargest16BitNumber)
{
    startLesson();
    nextNoteIs(8);
    clickNew();
    w().lesson.NO = 32767;
    w().lesson.TRYS = 32767;
    nextWordIs(0);
    clickKey(0);
    EXPECT_EQ(w().lesson.NO, 32767);
    EXPECT_EQ(w().lesson.TRYS, 32767);
    EXPECT_EQ(w().noLbl->text(), "32767");
}

TEST_F(Lesson, ALetterBeforeTheFirstQuestionIsIgnored)
{
    startLesson();
    typeText("c");
    typeText("h");
    EXPECT_EQ(w().lesson.TRYS, 0);
    EXPECT_TRUE(desktop.sounds.empty());
}

TEST_F(Lesson, AMissingPictureLeavesANoticeAndTheLessonGoesOn)
{
    QFile::remove(programFile("images"));
    startLesson();
    nextNoteIs(8);
    clickNew();
    EXPECT_FALSE(w().Picture1->pictureError().isEmpty());
    EXPECT_EQ(w().msglbl->text(), "1 ) - ?");
    answerRight(9);
    EXPECT_EQ(w().lesson.YES, 1);
}

TEST_F(Lesson, TheWipeRunsBeforeEachNewPicture)
{
    startLesson();
    nextNoteIs(8);
    const int before = desktop.processEventsCalls;
    clickNew();
    // 71 x 71 cells and 71 columns, each letting events run.
    EXPECT_GE(desktop.processEventsCalls - before, 71 * 71 + 71);
}

} // namespace
