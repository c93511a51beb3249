// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonrig.h"

#include "notenames.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <map>
#include <random>
#include <gtest/gtest.h>

using namespace staverly;
using test::LessonRig;
using Answer = LessonDesktop::Answer;
using Counter = LessonView::Counter;

namespace {

class Engine : public ::testing::Test
{
protected:
    void SetUp() override { renew(); }

    // A fresh engine and everything around it, for the next case of a table.
    void renew(qint16 questions = 5)
    {
        m_rig = std::make_unique<LessonRig>();
        m_rig->prepare(questions);
        rig = m_rig.get();
        lesson = &m_rig->engine;
    }

    // Starts a lesson on white key `white` (C4 is 8).
    void start(int white = 8)
    {
        rig->nextNoteIs(white);
        lesson->ASKS = 0;
        lesson->do_new();
    }
    void answerRight(int nextWhite)
    {
        rig->nextWordIs(0);
        rig->nextNoteIs(nextWhite);
        rig->click(rig->keyOfAnswer());
    }

    LessonRig *rig = nullptr;
    LessonEngine *lesson = nullptr;

private:
    std::unique_ptr<LessonRig> m_rig;
};

// Input that arrives while the program is busy is judged against the
// question that was open when it arrived, and never twice.
TEST_F(Engine, InputArrivingInsideAWaitOrABoxIsJudgedByWhenItArrived)
{
    struct Case
    {
        const char *name;
        int sleep;                          // the wait during which it arrives
        std::function<void(LessonRig &)> input;
        bool judged;                        // against the question it arrived for
    };
    const std::vector<Case> cases{
        // During the praise the question is still open; the input is judged
        // once the wipe lets it in, and by then its question is gone.
        {"a second click", 300, [](LessonRig &r) { r.postRelease(16); }, false},
        {"a letter", 300, [](LessonRig &r) { r.postLetter(QLatin1Char('e')); }, false},
        {"a MIDI note", 300, [](LessonRig &r) { r.postMidi(0x90, 64, 90); }, false},
        // Once the new note shows, an answer is for the new note.
        {"a click on the new note", 250, [](LessonRig &r) { r.postRelease(19); }, true},
    };
    for (const Case &c : cases) {
        renew(10);
        start(10); // E4
        rig->atSleep(c.sleep, [&] { c.input(*rig); });
        rig->nextWordIs(0);
        rig->nextNoteIs(12); // G4, key 19
        rig->click(16);
        QCoreApplication::processEvents();
        EXPECT_EQ(lesson->YES, c.judged ? 2 : 1) << c.name;
        EXPECT_EQ(lesson->NO, 0) << c.name;
        EXPECT_EQ(lesson->TRYS, c.judged ? 2 : 1) << c.name;
    }
}

TEST_F(Engine, NothingGivenWhileTheLessonOverBoxIsUpCountsInTheNextLesson)
{
    start(8);
    for (int i = 0; i < 4; ++i)
        answerRight(i % 2 ? 8 : 9);
    rig->nextWordIs(0);
    rig->nextNoteIs(9);
    // Inside the box's own event loop a click, a letter and three MIDI notes
    // arrive; the box is answered Yes.
    rig->answer(Answer::Yes, [this] {
        rig->postRelease(rig->keyOfAnswer());
        rig->postLetter(QLatin1Char('h'));
        for (int i = 0; i < 3; ++i)
            rig->postMidi(0x90, 30, 100, false);
    });
    rig->click(rig->keyOfAnswer());
    QCoreApplication::processEvents();
    EXPECT_EQ(rig->boxes.back().title, "Lesson Over Notification");
    EXPECT_EQ(lesson->TRYS, 0);
    EXPECT_EQ(lesson->ASKS, 1);
    EXPECT_EQ(rig->records.size(), 1u);
    EXPECT_EQ(rig->records.back().yes, 5);
}

TEST_F(Engine, OnlyANoteOnWithAVelocityOnTheOpenQuestionAnswers)
{
    struct Case
    {
        qint16 status, data1, data2;
        bool active;
        bool answers;
    };
    const std::vector<Case> cases{
        {0x90, 60, 100, true, true},  {0x9F, 60, 1, true, true},   // any channel
        {0x90, 60, 0, true, false},   {0x80, 60, 64, true, false},  // releases
        {0xB0, 64, 127, true, false}, {0xB0, 1, 90, true, false},   // pedal, mod wheel
        {0xE0, 0, 64, true, false},   {0xA0, 60, 30, true, false},  // bend, key pressure
        {0x90, 60, 100, false, false}, // while another window was active
    };
    for (const Case &c : cases) {
        renew();
        start(8);
        rig->nextWordIs(0);
        rig->nextNoteIs(9);
        rig->focused.clear();
        lesson->midiMessage(c.status, c.data1, c.data2, {lesson->openQuestion(), c.active});
        EXPECT_EQ(lesson->YES, c.answers ? 1 : 0) << std::hex << c.status << " " << c.data1;
        EXPECT_EQ(lesson->TRYS, c.answers ? 1 : 0);
        // A key going down shows its key whether or not it answers.
        EXPECT_EQ(rig->focused, c.answers ? std::vector<int>{12} : std::vector<int>{});
        EXPECT_EQ(rig->staleDrops, 0) << "the handler has taken the message off already";
    }
}

TEST_F(Engine, BeforeTheFirstQuestionNothingIsJudged)
{
    for (const bool chromatic : {false, true}) {
        renew();
        lesson->USE_CROMATICS = chromatic;
        lesson->midiMessage(0x90, 60, 100, {lesson->openQuestion(), true});
        lesson->typed(QLatin1Char('c'), lesson->arrival());
        lesson->typed(QLatin1Char('h'), lesson->arrival());
        rig->click(12);
        EXPECT_EQ(lesson->TRYS, 0);
        EXPECT_TRUE(rig->sounds.empty());
    }
}

TEST_F(Engine, FeedbackTextsColoursAndWaits)
{
    lesson->USE_CROMATICS = true;
    start(60); // middle C, asked chromatically
    EXPECT_EQ(rig->sleeps, (std::vector<int>{250}));
    EXPECT_EQ(rig->messages.back().text, "1 ) - ?");
    rig->messages.clear();
    rig->sleeps.clear();

    rig->nextWordIs(2);
    rig->click(13); // C#4: too high
    rig->nextWordIs(4);
    rig->nextNoteIs(62);
    rig->click(12);
    lesson->USE_TIMER = true;
    lesson->TO_TIME = 3;
    for (int tick = 0; tick < 3; ++tick)
        lesson->Timer1_Timer();

    const std::vector<std::pair<QString, quint32>> expected{
        {"Too High\nIncorrect", 0x000080}, {"?", 0}, {"Middle C\nFantastic", 0x800000},
        {"?", 0}, {"2 ) - ?", 0}, {"Over Time!", 0}, {"?", 0}};
    ASSERT_EQ(rig->messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(rig->messages[i].text, expected[i].first) << i;
        EXPECT_EQ(rig->messages[i].colour, expected[i].second) << i;
    }
    // Wrong answer 200, praise 300, the next note 250, the time-out 500.
    EXPECT_EQ(rig->sleeps, (std::vector<int>{200, 300, 250, 500}));
    EXPECT_EQ(rig->sounds, (std::vector<int>{101, 102}));
    EXPECT_EQ(rig->flashes, 1);
}

TEST_F(Engine, TheLessonOverQuestionAndItsThreeAnswers)
{
    start(8);
    for (int i = 0; i < 4; ++i)
        answerRight(i % 2 ? 8 : 9);
    rig->answer(Answer::Cancel);
    answerRight(9);
    ASSERT_EQ(rig->boxes.size(), 1u);
    EXPECT_EQ(rig->boxes[0].text,
              "This lesson is complete! You have answered 5 questions!\n"
              "If you would like to start a new lesson then click on the Yes button.\n"
              "If you would like to continue with the current lesson then click No.\n"
              "To pause lesson, click Cancel.");
    EXPECT_EQ(rig->boxes[0].buttons, LessonDesktop::Buttons::YesNoCancel);
    EXPECT_EQ(rig->boxes[0].icon, LessonDesktop::Icon::Question);
    // Paused: the bar stays full, the lesson is kept, the note stays.
    EXPECT_EQ(rig->progress.back(), 5);
    EXPECT_FALSE(lesson->FIRST_TIME);
    EXPECT_EQ(rig->messages.back().text, "Click New to start!");
    ASSERT_EQ(rig->records.size(), 1u);
    EXPECT_EQ(rig->records[0].yes, 5);
    // A paused lesson judges no click, but a wrong letter still counts.
    rig->click(0);
    EXPECT_EQ(lesson->TRYS, 5);
    lesson->typed(QLatin1Char('h'), lesson->arrival());
    EXPECT_EQ(lesson->NO, 1);
    EXPECT_EQ(lesson->TRYS, 6);
}

TEST_F(Engine, TimeOutsCountAsAnswersAndTheirCounterOutlivesALesson)
{
    lesson->USE_TIMER = true;
    lesson->TO_TIME = 3;
    start(8);
    QSignalSpy usedUp(lesson, &LessonEngine::timeOutsUsedUp);
    for (int t = 0; t < 3 * 3; ++t)
        lesson->Timer1_Timer();
    EXPECT_EQ(lesson->NO, 3);
    EXPECT_EQ(lesson->TRYS, 3);
    EXPECT_EQ(lesson->SCORE, 0);
    rig->nextNoteIs(9);
    lesson->do_new();
    EXPECT_EQ(lesson->timeOuts(), 3);
    for (int t = 0; t < 3; ++t)
        lesson->Timer1_Timer();
    // The fourth switches the timer off and counts nothing.
    EXPECT_EQ(usedUp.count(), 1);
    EXPECT_EQ(lesson->NO, 0);
    EXPECT_EQ(lesson->timeOuts(), 0);

    // A limit past a minute: the count wraps at 60.
    lesson->TO_TIME = 100;
    for (int t = 0; t < 60; ++t)
        lesson->Timer1_Timer();
    EXPECT_EQ(rig->counters[int(Counter::Time)], 60);
    EXPECT_EQ(lesson->MY_TIME, 0);
    lesson->Timer1_Timer();
    ASSERT_EQ(lesson->MY_TIME, 1);
    // Not counted while another window is active.
    rig->active = false;
    lesson->Timer1_Timer();
    EXPECT_EQ(lesson->MY_TIME, 0);
}

TEST_F(Engine, ANoteIsDrawnAtMost101Times)
{
    start(8);
    const int stirs = rig->random.stirs;
    // Every draw lands on the note already asked.
    for (int i = 0; i < 200; ++i)
        rig->nextNoteIs(8);
    lesson->draw_note();
    EXPECT_EQ(rig->random.stirs - stirs, 101);
    EXPECT_EQ(lesson->PREV_NOTE, 8);
    EXPECT_EQ(rig->random.values.size(), 99u);
}

TEST_F(Engine, TheClueInAChromaticBassLesson)
{
    lesson->CLEFF = 1;
    lesson->USE_CROMATICS = true;
    start(40); // E2
    rig->notes.clear();
    lesson->do_clue();
    EXPECT_EQ(lesson->HELP_NOTE, 16);
    EXPECT_EQ(rig->cluedKeys, (std::vector<int>{16}));
    EXPECT_TRUE(rig->focused.empty()) << "a focused key would answer at the next Return";
    EXPECT_EQ(rig->notes, (std::vector<std::pair<int, int>>{{40, 127}, {40, 0}}));
    EXPECT_EQ(rig->sleeps.back(), 450);
    EXPECT_EQ(rig->texts().mid(rig->texts().size() - 2), (QStringList{"E", "?"}));
    EXPECT_EQ(lesson->TRYS, 0);
}

} // namespace

namespace {

// Each answer that changes a count is kept once, with the note asked, what
// was given and how; what changes no count is not kept.
TEST_F(Engine, EveryCountedAnswerIsKeptWithWhatWasAskedAndHowItWasGiven)
{
    using Outcome = AnswerEvent::Outcome;
    using Via = AnswerEvent::Via;
    start(8); // C4
    rig->nextWordIs(0);
    rig->click(14); // D4: too high
    rig->nextWordIs(0);
    rig->nextNoteIs(10); // E4 next
    rig->click(12); // right
    lesson->midiMessage(0x80, 64, 64, lesson->arrival()); // a release answers nothing
    rig->nextWordIs(0);
    rig->nextNoteIs(11); // F4 next
    lesson->midiMessage(0x90, 64, 90, lesson->arrival());
    lesson->typed(QLatin1Char('g'), lesson->arrival()); // wrong letter
    rig->nextWordIs(0);
    rig->nextNoteIs(8);
    lesson->typed(QLatin1Char('f'), lesson->arrival());
    lesson->USE_TIMER = true;
    lesson->TO_TIME = 3;
    for (int tick = 0; tick < 3; ++tick)
        lesson->Timer1_Timer();

    struct Expected
    {
        Outcome outcome;
        Via via;
        int asked, answered;
        char letter;
    };
    const std::vector<Expected> expected{
        {Outcome::Wrong, Via::Key, 60, 62, 0},   {Outcome::Right, Via::Key, 60, 60, 0},
        {Outcome::Right, Via::Midi, 64, 64, 0},  {Outcome::Wrong, Via::Letter, 65, -1, 'G'},
        {Outcome::Right, Via::Letter, 65, 65, 0}, {Outcome::TimeOut, Via::Timer, 60, -1, 0},
    };
    ASSERT_EQ(rig->answers.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const AnswerEvent &a = rig->answers[i];
        EXPECT_EQ(a.outcome, expected[i].outcome) << i;
        EXPECT_EQ(a.via, expected[i].via) << i;
        EXPECT_EQ(a.asked, expected[i].asked) << i;
        EXPECT_EQ(a.answered, expected[i].answered) << i;
        EXPECT_EQ(a.letter, expected[i].letter ? QChar(expected[i].letter) : QChar()) << i;
        EXPECT_EQ(a.player, "Pellworth");
        EXPECT_EQ(a.clef, 0);
        EXPECT_FALSE(a.chromatic);
        EXPECT_EQ(a.lesson, rig->answers.front().lesson);
        EXPECT_GE(a.ms, 0);
    }
    EXPECT_EQ(lesson->TRYS, qint16(expected.size()));

    // A new lesson is told apart, and later, even when started at once.
    const qint64 first = rig->answers.front().lesson;
    start(8);
    rig->nextWordIs(0);
    rig->click(14);
    EXPECT_GT(rig->answers.back().lesson, first);
}

// A Random of real draws, for the statistics of many questions.
class DrawnRandom : public Random
{
public:
    void stir() override {}
    double uniform() override { return std::uniform_real_distribution<double>(0, 1)(m_engine); }

private:
    std::mt19937 m_engine{7};
};

// With weak notes practised, a note weighted 4 is asked about four times as
// often as a plain one, never twice in a row; without, every note as often,
// and the history is not even asked.
TEST(WeakNotes, AreAskedMoreOftenNeverTwiceInARowAndPlainDrawsWhenOff)
{
    struct Case
    {
        bool practise;
        bool chromatic;
        std::map<int, double> weights;
        int weak;      // the note asked more often (-1: none)
        double ratio;  // its count against a plain note's
    };
    const std::vector<Case> cases{
        {false, false, {{64, 4.0}}, -1, 1.0},
        {true, false, {{64, 4.0}}, 10, 4.0},           // E4 is white key 10
        {true, false, {{64, 100.0}, {67, 0.1}}, 10, 4.0}, // clamped to 1..4
        {true, true, {{61, 3.0}}, 61, 3.0},
        {true, false, {}, -1, 1.0},                    // nothing known yet
    };
    for (const Case &c : cases) {
        LessonRig rig;
        rig.prepare();
        DrawnRandom drawn;
        LessonEngine engine(rig, rig, rig, drawn);
        engine.notes.load_treble_white();
        engine.notes.load_bass_white();
        engine.CLEFF = 0;
        engine.USE_CROMATICS = c.chromatic;
        engine.LOW_NOTE = 8; // C4..C5 either way
        engine.HIGH_NOTE = 15;
        engine.PRACTISE_WEAK = c.practise;
        engine.PLAYER_NAME = QStringLiteral("Ann");
        rig.weights = c.weights;
        // How often each note follows the first note of the range.
        std::map<int, int> counts;
        int repeats = 0;
        constexpr int Draws = 40000;
        const qint16 first = c.chromatic ? 60 : 8;
        for (int i = 0; i < Draws; ++i) {
            const qint16 before = engine.PREV_NOTE;
            engine.drawQuestion();
            repeats += engine.PREV_NOTE == before ? 1 : 0;
            if (before == first)
                ++counts[engine.PREV_NOTE];
        }
        EXPECT_EQ(repeats, 0);
        EXPECT_EQ(rig.weightQueries, c.practise ? Draws : 0);
        const std::size_t others = c.chromatic ? 12 : 7;
        ASSERT_EQ(counts.size(), others);
        double plain = 0;
        int plainNotes = 0;
        for (const auto &[note, count] : counts) {
            if (note != c.weak) {
                plain += count;
                ++plainNotes;
            }
        }
        plain /= plainNotes;
        for (const auto &[note, count] : counts) {
            const double expected = note == c.weak ? c.ratio : 1.0;
            EXPECT_NEAR(count / plain, expected, expected * 0.2) << "note " << note << " weak " << c.weak;
        }
    }
}

// What a screen reader is told of each judged answer and clue: once, in
// the lesson's own words, with the note in the pupil's naming.
TEST(Announcements, EachOutcomeIsSaidOnceInTheLessonsWordsAndThePupilsNaming)
{
    using S = NoteNames::Style;
    const auto key = [](int index) { return [index](LessonRig &r) { r.click(index); }; };
    const auto letter = [](char c) {
        return [c](LessonRig &r) { r.engine.typed(QLatin1Char(c), r.engine.arrival()); };
    };
    const struct
    {
        S naming;
        bool chromatic;
        int asked; // white key, or MIDI note when chromatic; keys from C3, C4 is key 12
        std::function<void(LessonRig &)> answer;
        QStringList heard;
    } outcomes[] = {
        {S::Letters, false, 8, key(12), {"C4, Wonderful"}}, {S::German, false, 14, key(23), {"H 4, Wonderful"}},
        {S::Solfege, false, 9, key(14), {"Ré 4, Wonderful"}},
        {S::Letters, true, 66, key(18), {"F sharp 4, Wonderful"}},
        {S::Letters, false, 8, letter('c'), {"C4, Wonderful"}},
        {S::Letters, false, 8, [](LessonRig &r) { r.engine.midiMessage(0x90, 60, 90, r.engine.arrival()); },
         {"C4, Wonderful"}},
        {S::Letters, false, 8, key(11), {"Too Low, Bad"}}, {S::German, false, 8, key(47), {"Too High, Bad"}},
        {S::Letters, false, 8, letter('h'), {"Not H"}}, {S::Solfege, false, 8, letter('e'), {"Not Mi"}},
        {S::Letters, true, 60, letter('c'), {}},
        {S::Letters, false, 8,
         [](LessonRig &r) {
             r.engine.USE_TIMER = true;
             r.engine.TO_TIME = 1;
             r.engine.Timer1_Timer();
         },
         {"Over Time!"}},
        {S::Solfege, true, 61, [](LessonRig &r) { r.engine.do_clue(); }, {"Clue: Do sharp 4"}},
    };
    for (const auto &o : outcomes) {
        NoteNames::setCurrent(NoteNames(o.naming, QStringLiteral("fr")));
        LessonRig rig;
        rig.prepare();
        rig.engine.USE_CROMATICS = o.chromatic;
        rig.nextNoteIs(o.asked);
        rig.engine.do_new();
        rig.nextWordIs(0);
        rig.nextNoteIs(o.chromatic ? 62 : 9);
        o.answer(rig);
        EXPECT_EQ(rig.announced, o.heard) << o.heard.join(QLatin1Char('|')).toStdString();
    }
    NoteNames::setCurrent(NoteNames());
}

} // namespace
