// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "lockedfolder.h"
#include "pianokey.h"
#include "picturebox.h"
#include "rangesliders.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;

namespace {

class StartUp : public MainWindowFixture
{
};

TEST_F(StartUp, FirstRunCreatesThePlayerListShowsAboutThenLessonSetupAndStartsALesson)
{
    start();

    EXPECT_EQ(readProgramFile("players.txt"), QByteArray("Pellworth\r\n"));
    EXPECT_EQ(w().nameLbl->text(), "Pellworth...");
    EXPECT_EQ(desktop.modals, (QStringList{"aboutFrm", "setupFrm"}));
    EXPECT_EQ(w().windowTitle(), "Pellworth's Staverly v1.0");

    // Defaults of an empty store.
    EXPECT_EQ(w().lesson.CLEFF, 0);
    EXPECT_EQ(w().lesson.LOW_NOTE, 8);
    EXPECT_EQ(w().lesson.HIGH_NOTE, 15);
    EXPECT_EQ(w().lesson.QUESTIONS, 20);
    EXPECT_EQ(w().lesson.TO_TIME, 15);
    EXPECT_TRUE(w().lesson.USE_CLUES);
    EXPECT_TRUE(w().lesson.USE_SOUND);
    EXPECT_FALSE(w().lesson.USE_TIMER);
    EXPECT_FALSE(w().lesson.USE_CROMATICS);
    EXPECT_TRUE(w().lesson.SAVE_GRADES);
    EXPECT_FALSE(w().midi.USE_MIDI);
    EXPECT_TRUE(w().midi.MIDI_THRU);
    EXPECT_EQ(w().midi.MIDI_VOLUME, 127);
    EXPECT_FALSE(w().midinPrg->isVisible());
    EXPECT_EQ(w().Bar->maximum(), 20);

    // Treble with the marker on key 12.
    EXPECT_TRUE(w().trebleItem->isChecked());
    EXPECT_FALSE(w().baseItem->isChecked());
    EXPECT_EQ(w().pianoKey[12]->backColor(), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_TRUE(w().pianoKey[12]->text().startsWith("M"));
    EXPECT_TRUE(w().pianoKey[36]->text().isEmpty());

    // OK started the first lesson: question 1 is asked and sounded.
    EXPECT_TRUE(w().lesson.FIRST_TIME);
    EXPECT_EQ(w().lesson.ASKS, 1);
    EXPECT_EQ(w().msglbl->text(), "1 ) - ?");
    ASSERT_GE(midiOut.messages.size(), 3u);
    EXPECT_EQ(midiOut.messages[0], (test::RecordingSynth::Message{0xC0, 0, 0}));
    // Starting with no lesson behind it logs no empty grade.
    EXPECT_FALSE(QFile::exists(programFile("grades.txt")));

    // Only what start-up and the dialog write is stored.
    QStringList keys = storedKeys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"SETUP/HIGH_NOTE", "SETUP/LOW_NOTE", "SETUP/QUESTIONS"}));
    EXPECT_EQ(stored(keys::LowNote), "8");
    EXPECT_EQ(stored(keys::HighNote), "15");
}

TEST_F(StartUp, WithoutLessonSetupAtStartNothingIsAskedUntilNew)
{
    store(keys::StartUp, "False");
    QFile players(programFile("players.txt"));
    ASSERT_TRUE(players.open(QIODevice::WriteOnly));
    players.write("Anna Maria\r\nBen\r\n");
    players.close();
    store(keys::PlayerName, "Anna Maria");

    start();
    EXPECT_EQ(desktop.modals, (QStringList{"aboutFrm"}));
    EXPECT_FALSE(w().lesson.FIRST_TIME);
    EXPECT_EQ(w().msglbl->text(), "Click on the New button...");
    EXPECT_EQ(w().nameLbl->text(), "Anna...");
    // An existing list is left alone.
    EXPECT_EQ(readProgramFile("players.txt"), QByteArray("Anna Maria\r\nBen\r\n"));
}

TEST_F(StartUp, TheMessagesTwoLinesStayClearOfTheMidiMeterAndTheButtons)
{
    store(keys::StartUp, "False");
    store(keys::UseMidi, "True");
    start();
    ASSERT_TRUE(w().midinPrg && w().midinPrg->isVisible());
    const QRect text = w().msglbl->contentsRect().translated(w().msglbl->pos());
    EXPECT_GE(text.top(), w().midinPrg->geometry().bottom() + 1);
    const int twoLines = 2 * w().msglbl->fontMetrics().height();
    EXPECT_LE(text.top() + twoLines, w().newCmd->y() + 1);
    EXPECT_LE(w().newCmd->geometry().bottom(), w().highSlider->y());
}

TEST_F(StartUp, StoredClefAndTheMismatchRule)
{
    store(keys::StartUp, "0");
    store(keys::Cleff, "1");
    start();
    EXPECT_EQ(w().lesson.CLEFF, 1);
    EXPECT_TRUE(w().baseItem->isChecked());
    EXPECT_EQ(w().pianoKey[36]->backColor(), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(w().pianoKey[12]->backColor(), QColor(Qt::white));
    EXPECT_TRUE(w().pianoKey[12]->text().isEmpty());
}

// A hand-edited value that cannot be used takes its default; only that key
// is rewritten, one box names them all, and start-up goes on to the end.
TEST_F(StartUp, UnusableSettingsFallBackToTheirDefaultsAndAreToldOnce)
{
    struct Bad
    {
        SettingKey key;
        const char *text;
    };
    const std::vector<Bad> bad{
        {keys::MidiChannel, "16"}, {keys::MidiVolume, "200"}, {keys::PatchIndex, "130"},
        {keys::UseTimer, "maybe"}, {keys::TimeTo, "99"},     {keys::Questions, "4"},
        {keys::LowNote, "abc"},    {keys::HighNote, "29"},   {keys::UseChromatics, "x"},
    };
    store(keys::Cleff, "1");
    store(keys::MidiThru, "False");
    for (const Bad &b : bad)
        store(b.key, b.text);
    desktop.answer(Answer::Ok, [&](const test::ScriptedDesktop::Box &box) {
        EXPECT_EQ(box.title, "Staverly");
        for (const Bad &b : bad)
            EXPECT_TRUE(box.text.contains(QStringLiteral("%1 was \"%2\", now %3")
                                              .arg(b.key.key, b.text, b.key.fallback)))
                << box.text.toStdString();
        EXPECT_FALSE(box.text.contains("CLEFF"));
    });
    start();
    EXPECT_TRUE(desktop.scriptDone());
    for (const Bad &b : bad)
        EXPECT_EQ(stored(b.key), b.key.fallback) << b.key.key;
    EXPECT_EQ(stored(keys::Cleff), "1");
    EXPECT_EQ(stored(keys::MidiThru), "False");
    EXPECT_EQ(w().lesson.CLEFF, 1);
    EXPECT_TRUE(w().baseItem->isChecked());
    EXPECT_EQ(w().midi.MIDI_CHANNEL, 0);
    EXPECT_EQ(w().midi.MIDI_VOLUME, 127);
    EXPECT_EQ(w().midi.PATCH_INDEX, 0);
    EXPECT_FALSE(w().lesson.USE_TIMER);
    EXPECT_EQ(w().lesson.TO_TIME, 15);
    EXPECT_EQ(w().lesson.QUESTIONS, 20);
    EXPECT_EQ(w().Bar->maximum(), 20);
    EXPECT_EQ(w().lesson.LOW_NOTE, 8);
    EXPECT_EQ(w().lesson.HIGH_NOTE, 15);
    EXPECT_FALSE(w().lesson.USE_CROMATICS);
    // Start-up ran to its end: the Lesson Setup dialog came after About.
    EXPECT_EQ(desktop.modals, (QStringList{"aboutFrm", "setupFrm"}));
    // The instrument went out on channel 1, and notes sound at full velocity.
    ASSERT_FALSE(midiOut.messages.empty());
    EXPECT_EQ(midiOut.messages.front(), (test::RecordingSynth::Message{0xC0, 0, 0}));
    EXPECT_EQ(midiOut.messages.back()[0], 0x90);
}

TEST_F(StartUp, AClefPastSixteenBitsNoLongerStopsStartUp)
{
    store(keys::Cleff, "99999");
    desktop.answer(Answer::Ok, [](const test::ScriptedDesktop::Box &box) {
        EXPECT_TRUE(box.text.contains("CLEFF was \"99999\", now 0")) << box.text.toStdString();
    });
    start();
    EXPECT_EQ(w().lesson.CLEFF, 0);
    EXPECT_EQ(stored(keys::Cleff), "0");
    EXPECT_EQ(w().lesson.QUESTIONS, 20);
    EXPECT_EQ(desktop.modals, (QStringList{"aboutFrm", "setupFrm"}));
    EXPECT_TRUE(w().lesson.FIRST_TIME);
    EXPECT_EQ(w().msglbl->text(), "1 ) - ?");
}

TEST_F(StartUp, SettingsThatCannotBeSavedAreToldOnce)
{
    store(keys::StartUp, "False");
    test::LockedFolder locked(QFileInfo(settings.fileName()).absolutePath());
    if (!locked.locked())
        GTEST_SKIP() << "this machine cannot make a folder unwritable";
    start();
    desktop.answer(Answer::Ok, [this](const test::ScriptedDesktop::Box &box) {
        EXPECT_TRUE(box.text.startsWith("Staverly cannot save its settings in")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(settings.fileName()));
    });
    QCoreApplication::processEvents();
    // More changes, more failed writes: nothing more is said.
    qint16 position = 340 * 3;
    w().ranges().lowSlider_changed(position);
    QCoreApplication::processEvents();
    EXPECT_EQ(desktop.boxes.size(), 1u);
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(StartUp, QuitAsksAndOnlyYesEndsTheProgram)
{
    store(keys::StartUp, "False");
    start();
    desktop.answer(Answer::No, [](const test::ScriptedDesktop::Box &box) {
        EXPECT_EQ(box.text, "Are you sure you want to Quit?");
        EXPECT_EQ(box.title, "Exit Notification");
        EXPECT_EQ(box.buttons, Desktop::Buttons::YesNo);
        EXPECT_EQ(box.icon, Desktop::Icon::Question);
    });
    w().exitItem->trigger();
    EXPECT_FALSE(desktop.ended);
    EXPECT_TRUE(w().isVisible());

    desktop.answer(Answer::Yes);
    w().close();
    EXPECT_TRUE(desktop.ended);
    EXPECT_EQ(desktop.modals.last(), "aboutFrm");
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(StartUp, HelpEntriesOpenThroughTheDesktop)
{
    store(keys::StartUp, "False");
    start();
    w().helpItem->trigger();
    w().mp3Item->trigger();
    w().updatesItem->trigger();
    w().contactItem->trigger();
    ASSERT_EQ(desktop.opened.size(), 4);
    EXPECT_EQ(desktop.opened[0], programFile("staverly_help.htm"));
    EXPECT_EQ(desktop.opened[1], desktop.opened[2]);
    EXPECT_TRUE(desktop.opened[3].startsWith("mailto:"));
}

TEST_F(StartUp, PrintWithoutAPrinterSaysSo)
{
    store(keys::StartUp, "False");
    start();
    desktop.setPrintResult("No printer is set up on this computer.");
    desktop.answer(Answer::Ok, [](const test::ScriptedDesktop::Box &box) {
        EXPECT_EQ(box.text, "No printer is set up on this computer.");
    });
    w().printItem->trigger();
    EXPECT_EQ(desktop.prints, 1);
    EXPECT_TRUE(desktop.scriptDone());
}

} // namespace
