// SPDX-License-Identifier: GPL-3.0-or-later
// Every answer is judged once, against the note the pupil saw when giving
// it: letters, clicks and MIDI notes that arrive around boxes and waits.
#include "mainwindowfixture.h"

#include "controlhost.h"
#include "fakemidibackend.h"
#include "midiinput.h"
#include "pianokey.h"
#include "waitfor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

class AnswerOnce : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        midiBackend = keyboard;
        store(keys::StartUp, "False");
        store(keys::SaveGrades, "False");
    }

    void startLesson(int questions = 5)
    {
        store(keys::Questions, QString::number(questions));
        start();
        nextNoteIs(8);
        clickNew();
    }

    void answerRight(int nextWhite)
    {
        nextWordIs(0);
        nextNoteIs(nextWhite);
        clickKey(keyOfAnswer());
    }

    QString letterOfAnswer() { return w().lesson.notes.whiteLetter(w().lesson.PREV_NOTE).toLower(); }

    void play(std::vector<std::uint8_t> bytes)
    {
        keyboard->play(std::move(bytes));
        ASSERT_TRUE(waitFor([this] { return w().MIDIInput1->pendingMessages() == 0; }));
        QCoreApplication::processEvents();
    }

    // A click or key that the window will only see at its next event loop,
    // as a person's input does while the program is busy.
    static void postClick(QWidget *key)
    {
        const QPointF at = QRectF(key->rect()).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                key, new QMouseEvent(type, at, key->mapToGlobal(at), Qt::LeftButton,
                                     type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                     Qt::NoModifier));
        }
    }
    static void postLetter(QWidget *target, char letter)
    {
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A + (letter - 'a'),
                                                          Qt::NoModifier, QString(QChar::fromLatin1(letter))));
    }

    std::shared_ptr<FakeMidiBackend> keyboard = std::make_shared<FakeMidiBackend>();
};

TEST_F(AnswerOnce, ALetterAnsweringTheLastQuestionCountsOnceWhateverTheLessonOverAnswer)
{
    for (const Answer reply : {Answer::Yes, Answer::No}) {
        startLesson(5);
        for (int i = 0; i < 4; ++i)
            answerRight(i % 2 ? 8 : 9);
        nextWordIs(0);
        nextNoteIs(9);
        // The window is active again only once the handler is done.
        desktop.answerWithRealBox(reply, {}, 100);
        typeText(letterOfAnswer());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
        EXPECT_EQ(w().lesson.NO, 0);
        EXPECT_EQ(w().lesson.YES, reply == Answer::Yes ? 0 : 5);
        EXPECT_EQ(w().msglbl->text(), "1 ) - ?");
        EXPECT_TRUE(desktop.scriptDone());
    }
}

TEST_F(AnswerOnce, AWrongLetterCountsOnceAroundTheSoundErrorBox)
{
    startLesson();
    desktop.setSoundResult("No audio output was found.");
    desktop.answerWithRealBox(Answer::Ok);
    typeText("h");
    EXPECT_EQ(w().lesson.NO, 1);
    EXPECT_EQ(w().lesson.TRYS, 1);
}

TEST_F(AnswerOnce, OnlyPlainLettersAreAnswers)
{
    startLesson();
    ASSERT_EQ(letterOfAnswer(), "c");
    for (const auto modifier : {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier}) {
        for (const char letter : {'c', 'e'})
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w(), letter,
                            modifier);
    }
    EXPECT_EQ(w().lesson.TRYS, 0);
    EXPECT_EQ(w().lesson.ASKS, 1);
}

// A second click, letter or MIDI note given while the first right answer is
// still being shown belongs to the question just answered, never to the next.
TEST_F(AnswerOnce, ASecondAnswerDuringTheFirstIsNotJudgedAgainstTheNextNote)
{
    store(keys::UseMidi, "True");
    enum class Input { Click, Letter, MidiNote };
    for (const Input input : {Input::Click, Input::Letter, Input::MidiNote}) {
        startLesson(10);
        const int right = keyOfAnswer();
        bool again = true;
        desktop.onSleep([&](int ms) {
            // The praise is on show: the pupil gives the same answer again.
            if (ms != 300 || !again)
                return;
            again = false;
            if (input == Input::Click)
                postClick(w().pianoKey[std::size_t(right)]);
            else if (input == Input::Letter)
                postLetter(w().pianoKey[std::size_t(right)], 'c');
            else
                keyboard->play({0x90, 60, 100});
        });
        nextWordIs(0);
        nextNoteIs(12);
        clickKey(right);
        QCoreApplication::processEvents();
        desktop.onSleep({});
        EXPECT_EQ(w().lesson.YES, 1);
        EXPECT_EQ(w().lesson.NO, 0);
        EXPECT_EQ(w().lesson.ASKS, 2);
        EXPECT_EQ(w().lesson.PREV_NOTE, 12);
    }
}

TEST_F(AnswerOnce, ADoubleClickOnTheLastQuestionCountsOnceAroundTheLessonOverBox)
{
    startLesson(5);
    for (int i = 0; i < 4; ++i)
        answerRight(i % 2 ? 8 : 9);
    const int right = keyOfAnswer();
    nextWordIs(0);
    nextNoteIs(9);
    // The second click of the pair reaches the window while the box is up.
    desktop.answerWithRealBox(Answer::No, [this, right] { postClick(w().pianoKey[std::size_t(right)]); });
    clickKey(right);
    QCoreApplication::processEvents();
    EXPECT_EQ(w().lesson.YES, 5);
    EXPECT_EQ(w().lesson.TRYS, 5);
    EXPECT_EQ(w().lesson.ASKS, 1);
    EXPECT_EQ(w().msglbl->text(), "1 ) - ?");
}

TEST_F(AnswerOnce, MidiNotesPlayedWhileTheLessonOverBoxIsUpAreNotJudged)
{
    store(keys::UseMidi, "True");
    startLesson(5);
    for (int i = 0; i < 4; ++i) {
        nextWordIs(0);
        nextNoteIs(i % 2 ? 8 : 9);
        play({0x90, std::uint8_t(w().lesson.expectedNote()), 100});
    }
    ASSERT_EQ(w().lesson.YES, 4);
    nextWordIs(0);
    nextNoteIs(9);
    desktop.answerWithRealBox(Answer::Yes, [this] {
        for (int i = 0; i < 3; ++i)
            keyboard->play({0x90, 30, 100});
    });
    play({0x90, std::uint8_t(w().lesson.expectedNote()), 100});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    QCoreApplication::processEvents();
    EXPECT_EQ(w().lesson.TRYS, 0);
    EXPECT_EQ(w().lesson.NO, 0);
    EXPECT_EQ(w().lesson.ASKS, 1);
}

TEST_F(AnswerOnce, ANoteBeforeTheFirstQuestionIsNotJudgedInChromaticMode)
{
    store(keys::UseMidi, "True");
    store(keys::UseChromatics, "True");
    start();
    play({0x90, 60, 100});
    EXPECT_EQ(w().lesson.TRYS, 0);
    EXPECT_EQ(w().lesson.NO, 0);
}

// Only a key going down answers. Releases, pedals, wheels and controllers,
// on any channel, still light the meter and go through.
TEST_F(AnswerOnce, OnlyANoteOnWithAVelocityAnswers)
{
    store(keys::UseMidi, "True");
    startLesson(10);
    nextWordIs(0);
    nextNoteIs(9);
    play({0x91, 60, 100}); // a right answer on the second channel
    ASSERT_EQ(w().lesson.YES, 1);
    const std::vector<std::vector<std::uint8_t>> notAnswers{
        {0x80, 60, 64},  // note-off with release velocity
        {0x90, 62, 0},   // note-on at velocity 0
        {0xB0, 64, 127}, // sustain pedal down
        {0xB0, 64, 0},   // and up
        {0xE0, 0, 64},   // resting pitch wheel
        {0xA0, 60, 40},  // key pressure
        {0xD0, 90},      // channel pressure
        {0xC0, 5},       // program change
        {0xFE},          // active sensing
    };
    for (const auto &bytes : notAnswers) {
        midiOut.messages.clear();
        play(bytes);
        EXPECT_EQ(w().lesson.TRYS, 1) << int(bytes[0]);
        EXPECT_FALSE(midiOut.messages.empty()) << int(bytes[0]);
    }
    for (int step = 0; step < 30; ++step)
        keyboard->play({0xB0, 1, std::uint8_t(step * 4)}); // a mod-wheel sweep
    ASSERT_TRUE(waitFor([this] { return w().MIDIInput1->pendingMessages() == 0; }));
    EXPECT_EQ(w().lesson.TRYS, 1);
    EXPECT_EQ(host::ControlHost::property(w().midinPrg, "value").toInt() > 0, true);
}

} // namespace
