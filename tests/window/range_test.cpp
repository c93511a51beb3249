// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "maindialogs.h"

#include "controlhost.h"
#include "pianokey.h"
#include "setupfrm.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QRadioButton>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

class Range : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }

    // Drags a slider's thumb with the left button to a position in twips.
    void dragTo(QWidget *slider, int twips)
    {
        const QPointF at(twips / 15.0, 2);
        QMouseEvent move(QEvent::MouseMove, at, slider->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(slider, &move);
    }

    int thumb(QWidget *slider)
    {
        return host::ControlHost::property(slider, "value").toInt();
    }

    void expectRangeBox(const QString &text)
    {
        desktop.answer(Answer::Ok, [text](const test::ScriptedDesktop::Box &box) {
            EXPECT_EQ(box.title, "Note Range Error!");
            EXPECT_EQ(box.text, text);
            EXPECT_EQ(box.icon, Desktop::Icon::Warning);
        });
    }
};

TEST_F(Range, StartUpPlacesBothThumbsOverTheirKeys)
{
    start();
    ASSERT_NE(w().lowSlider, nullptr);
    ASSERT_NE(w().highSlider, nullptr);
    EXPECT_EQ(thumb(w().lowSlider), 340 * 7);
    EXPECT_EQ(thumb(w().highSlider), 340 * 14);
    EXPECT_EQ(w().lowSlider->geometry().top(), 428);
    EXPECT_EQ(w().highSlider->geometry().top(), 245);
    EXPECT_EQ(w().lowSlider->width(), 640);
    EXPECT_EQ(w().lowSlider->toolTip(), "Low Note");
    EXPECT_EQ(w().highSlider->toolTip(), "High Note");
}

TEST_F(Range, CrossingTheOtherThumbMovesBackOneKeyWithAMessage)
{
    start();
    expectRangeBox("The low note range must be 1 less then the high note!");
    dragTo(w().lowSlider, 340 * 14 + 10); // onto key 15
    EXPECT_EQ(w().lesson.LOW_NOTE, 14);
    EXPECT_EQ(stored(keys::LowNote), "14");

    expectRangeBox("The high note range must be 1 greater then the low note!");
    dragTo(w().highSlider, 340 * 13 + 10); // onto key 14
    EXPECT_EQ(w().lesson.HIGH_NOTE, 15);

    // One move two keys past the other end leaves the range inverted.
    expectRangeBox("The low note range must be 1 less then the high note!");
    dragTo(w().lowSlider, 330 * 16);
    EXPECT_EQ(w().lesson.LOW_NOTE, 16);
    EXPECT_GT(w().lesson.LOW_NOTE, w().lesson.HIGH_NOTE);
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(Range, BassClefFromTheMenuMovesTheMarkerKeepsTheRangeAndStartsALesson)
{
    start();
    nextNoteIs(9);
    clickNew();
    nextWordIs(0);
    clickKey(1); // a wrong answer in treble
    nextNoteIs(8);
    w().baseItem->trigger();
    // The treble lesson it ended is logged as treble.
    EXPECT_TRUE(readProgramFile("grades.txt").startsWith("\"Pellworth\",\"Treble Clef\",0,1,0,#"));
    EXPECT_EQ(w().lesson.CLEFF, 1);
    EXPECT_TRUE(w().baseItem->isChecked());
    EXPECT_FALSE(w().trebleItem->isChecked());
    EXPECT_EQ(w().pianoKey[36]->backColor(), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(w().pianoKey[12]->backColor(), QColor(Qt::white));
    EXPECT_TRUE(w().pianoKey[12]->text().isEmpty());
    EXPECT_EQ(stored(keys::Cleff), "1");
    EXPECT_EQ(w().lesson.LOW_NOTE, 8);
    EXPECT_EQ(w().lesson.HIGH_NOTE, 15);
    EXPECT_TRUE(w().lesson.FIRST_TIME);
    EXPECT_EQ(w().lesson.expectedNote(), 36); // white key 8 in bass
    // No Lesson Setup dialog is made for it; one made now shows the clef.
    EXPECT_EQ(w().dialogs().loadedLessonSetup(), nullptr);
    EXPECT_TRUE(w().dialogs().lessonSetup().cleffOpt[1]->isChecked());

    // Choosing the checked clef again changes and writes nothing.
    const int asks = w().lesson.ASKS;
    store(keys::Cleff, "marker");
    w().baseItem->trigger();
    EXPECT_EQ(w().lesson.ASKS, asks);
    EXPECT_EQ(stored(keys::Cleff), "marker");
    EXPECT_TRUE(w().baseItem->isChecked());

    // Pressing key 12 now sounds MIDI 36.
    midiOut.messages.clear();
    w().pianoKey_MouseDown(12);
    EXPECT_EQ(midiOut.messages.front(), (test::RecordingSynth::Message{0x90, 36, 127}));
    w().pianoKey_MouseUp(12);

    // A bass lesson ended by the menu is logged under the bass clef's name.
    nextWordIs(0);
    clickKey(1);
    nextNoteIs(8);
    w().trebleItem->trigger();
    const QList<QByteArray> records = readProgramFile("grades.txt").split('\n');
    ASSERT_EQ(records.size(), 3);
    EXPECT_TRUE(records[1].startsWith("\"Pellworth\",\"Base Clef\",")) << records[1].toStdString();
}

} // namespace
