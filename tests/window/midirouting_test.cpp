// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "controlhost.h"
#include "fakemidibackend.h"
#include "midifrm.h"
#include "midiinput.h"
#include "midimod.h"
#include "soundfontfolders.h"
#include "testsoundfont.h"
#include "pianokey.h"
#include "waitfor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <thread>

using namespace staverly;
using test::MainWindowFixture;
using Answer = Desktop::Answer;
using Message = test::RecordingSynth::Message;

namespace {

class MidiRouting : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        midiBackend = keyboard;
        store(keys::StartUp, "False");
    }

    // A key of the pupil's MIDI keyboard, handled as the program would.
    void play(std::vector<std::uint8_t> bytes)
    {
        keyboard->play(std::move(bytes));
        ASSERT_TRUE(waitFor([this] { return w().MIDIInput1->pendingMessages() == 0; }));
        QCoreApplication::processEvents();
    }

    double meter() { return host::ControlHost::property(w().midinPrg, "value").toDouble(); }

    bool forwarded(const Message &message) const
    {
        return std::find(midiOut.messages.begin(), midiOut.messages.end(), message)
               != midiOut.messages.end();
    }

    std::shared_ptr<FakeMidiBackend> keyboard = std::make_shared<FakeMidiBackend>();
};

TEST_F(MidiRouting, AKeyboardNoteAnswersEchoesLightsTheMeterAndFocusesTheKey)
{
    store(keys::UseMidi, "True");
    start();
    EXPECT_EQ(keyboard->inputsOpen, 1); // opened and started at start-up
    EXPECT_TRUE(w().midinPrg->isVisible());
    nextNoteIs(8);
    clickNew();
    midiOut.messages.clear();

    nextWordIs(0);
    nextNoteIs(9);
    play({0x90, 60, 100});
    EXPECT_EQ(w().lesson.YES, 1);
    EXPECT_EQ(QApplication::focusWidget(), w().pianoKey[12]);
    EXPECT_EQ(meter(), 1330.0); // level 101
    EXPECT_TRUE(forwarded({0x90, 60, 100}));

    // The key's release is not lost to the answer: it is forwarded too, so
    // the synthesizer does not hold the note.
    play({0x90, 60, 0});
    EXPECT_TRUE(forwarded({0x90, 60, 0}));
    EXPECT_EQ(meter(), 130.0); // level 1
    EXPECT_EQ(w().lesson.TRYS, 1);
}

TEST_F(MidiRouting, ANoteOffTheKeyboardFocusesNoKeyButIsStillJudged)
{
    store(keys::UseMidi, "True");
    start();
    nextNoteIs(8);
    clickNew();

    QStringList shown;
    desktop.onSleep([&](int) { shown << w().msglbl->text(); });
    const double before = meter();
    nextWordIs(0);
    play({0x90, 30, 127}); // below the keyboard
    EXPECT_EQ(meter(), before); // 128 is beyond the meter's table
    EXPECT_EQ(w().lesson.NO, 1);
    EXPECT_TRUE(shown.value(0).startsWith("Too Low"));
}

TEST_F(MidiRouting, WithMidiInputOffNothingIsForwardedOrAnswered)
{
    store(keys::UseMidi, "False");
    store(keys::MidiThru, "True");
    start();
    EXPECT_FALSE(w().midinPrg->isVisible());
    nextNoteIs(8);
    clickNew();
    midiOut.messages.clear();
    play({0x90, 60, 100});
    play({0x90, 60, 0});
    EXPECT_TRUE(midiOut.messages.empty());
    EXPECT_EQ(w().lesson.TRYS, 0);
}

TEST_F(MidiRouting, MessagesWhileAnotherWindowIsActiveAreDropped)
{
    store(keys::UseMidi, "True");
    start();
    nextNoteIs(8);
    clickNew();
    midiOut.messages.clear();
    desktop.onModal("midiFrm", [this](QDialog &) {
        play({0x90, 60, 100});
        play({0x90, 60, 0});
    });
    w().midiItem->trigger();
    EXPECT_EQ(w().lesson.TRYS, 0);
    EXPECT_FALSE(forwarded({0x90, 60, 100}));
    EXPECT_EQ(w().MIDIInput1->pendingMessages(), 0);
}

TEST_F(MidiRouting, EachMessageIsActedOnOnceWhenTheHandlerIsReentered)
{
    store(keys::UseMidi, "True");
    start();
    nextNoteIs(8);
    clickNew();
    midiOut.messages.clear();
    // While the first answer runs events, more keys arrive.
    bool injected = false;
    desktop.onProcessEvents([&] {
        if (injected)
            return;
        injected = true;
        for (std::uint8_t note : {62, 64, 65})
            keyboard->play({0x90, note, 90});
        QTest::qWait(20);
    });
    for (int i = 0; i < 8; ++i)
        nextWordIs(0);
    play({0x90, 59, 90});
    EXPECT_EQ(w().lesson.NO, 4);
    EXPECT_EQ(w().lesson.TRYS, 4);
    int echoes = 0;
    for (const Message &m : midiOut.messages)
        echoes += m[0] == 0x90 && m[2] == 90;
    EXPECT_EQ(echoes, 4);
}

TEST_F(MidiRouting, ChromaticAnswersCompareTheNoteItselfInEitherClef)
{
    store(keys::UseMidi, "True");
    store(keys::UseChromatics, "True");
    store(keys::Cleff, "1");
    store(keys::LowNote, "1");
    store(keys::HighNote, "2");
    start();
    random.pick(1, 3); // bass: 24..26, so 25
    clickNew();
    ASSERT_EQ(w().lesson.PREV_NOTE, 25);
    nextWordIs(0);
    random.pick(0, 3);
    play({0x90, 25, 80});
    EXPECT_EQ(w().lesson.YES, 1);
    EXPECT_EQ(QApplication::focusWidget(), w().pianoKey[1]);
}

// Positions shift as devices come and go. One that names no device any
// more is told quietly, and MIDI Setup lets the user choose again.
TEST_F(MidiRouting, AStalePositionIsToldQuietlyAndLeavesTheDeviceToBeChosen)
{
    struct Case
    {
        SettingKey key;
        const char *combo;
        QString told;
        SettingKey nameKey;
        QString chosen;
    };
    const std::vector<Case> cases{
        {keys::DeviceIn, "inCbo",
         "The MIDI input chosen before (entry 4 of the list) is not connected; this computer lists "
         "1 MIDI input. Choose one in MIDI Setup.",
         keys::DeviceInName, "Fake Keyboard"},
        {keys::DeviceOut, "outCbo",
         "The MIDI output chosen before (entry 6 of the list) is not connected; this computer lists "
         "2 MIDI outputs. Choose one in MIDI Setup.",
         keys::DeviceOutName, "Fake Sink"},
    };
    for (const Case &c : cases) {
        store(keys::UseMidi, "True");
        store(keys::DeviceIn, "0");
        store(keys::DeviceOut, "0");
        store(c.key, c.key.key == QLatin1String("DEVICE_IN") ? "3" : "5");
        start();
        EXPECT_TRUE(desktop.boxes.empty()) << c.combo;
        EXPECT_TRUE(w().noticeLbl->isVisible());
        EXPECT_EQ(w().noticeLbl->toolTip(), c.told);
        desktop.onModal("midiFrm", [&](QDialog &dialog) {
            auto *combo = dialog.findChild<QComboBox *>(c.combo);
            EXPECT_TRUE(combo->isEnabled());
            EXPECT_TRUE(dialog.findChild<QGroupBox *>("midiFrame")->isEnabled());
            EXPECT_EQ(combo->currentIndex(), -1);
            EXPECT_EQ(dialog.findChild<QLabel *>("noticeLbl")->text(), c.told);
            const int at = combo->findText(c.chosen);
            combo->setCurrentIndex(at);
            emit combo->activated(at);
            QTest::mouseClick(dialog.findChild<QPushButton *>("okCmd"), Qt::LeftButton);
        });
        w().midiItem->trigger();
        EXPECT_TRUE(desktop.boxes.empty());
        EXPECT_EQ(stored(c.nameKey), c.chosen);
        EXPECT_FALSE(w().noticeLbl->isVisible()) << w().noticeLbl->toolTip().toStdString();
        settings.write(c.nameKey, QString());
    }
}

// A keyboard pulled out and plugged in again, at another place in the
// list, is told quietly while it is away and used again by its name.
TEST_F(MidiRouting, AKeyboardThatComesBackIsUsedAgainByItsName)
{
    keyboard->inputs = QStringList{"Other Keyboard", "Fake Keyboard"};
    store(keys::UseMidi, "True");
    store(keys::DeviceIn, "1");
    store(keys::DeviceInName, "Fake Keyboard 20:0");
    start();
    ASSERT_EQ(w().midi.DEVICE_IN, 1);
    ASSERT_TRUE(keyboard->inputOpen());
    nextNoteIs(8);
    clickNew();

    keyboard->unplugInput("Fake Keyboard");
    w().midi.watchDevices();
    EXPECT_FALSE(keyboard->inputOpen());
    EXPECT_TRUE(w().noticeLbl->isVisible());
    EXPECT_TRUE(w().noticeLbl->toolTip().contains("\"Fake Keyboard 20:0\" is not connected"));
    EXPECT_TRUE(desktop.boxes.empty());

    keyboard->inputs.prepend("Fake Keyboard");
    ++keyboard->changeCount;
    w().midi.watchDevices();
    EXPECT_TRUE(keyboard->inputOpen());
    EXPECT_EQ(w().midi.DEVICE_IN, 0);
    EXPECT_FALSE(w().noticeLbl->isVisible());
    nextWordIs(0);
    nextNoteIs(9);
    play({0x90, 60, 100});
    EXPECT_EQ(w().lesson.YES, 1);
}

// Bytes that are no whole message (running status, a note cut short) are
// neither played through nor answered, and never stop the lesson with a box.
TEST_F(MidiRouting, MalformedInputIsCountedQuietlyNotForwarded)
{
    store(keys::UseMidi, "True");
    start();
    nextNoteIs(8);
    clickNew();
    midiOut.messages.clear();
    play({0x3C, 0x00});
    play({0x90, 60});
    play({0x90});
    EXPECT_TRUE(midiOut.messages.empty());
    EXPECT_EQ(w().lesson.TRYS, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(desktop.boxes.empty());
    w().midi.watchDevices();
    EXPECT_EQ(w().noticeLbl->toolTip(), "3 malformed MIDI messages ignored.");
    desktop.onModal("midiFrm", [](QDialog &dialog) {
        EXPECT_TRUE(dialog.findChild<QLabel *>("noticeLbl")->text().contains("3 malformed"));
    });
    w().midiItem->trigger();
    // The lesson goes on.
    nextWordIs(0);
    nextNoteIs(9);
    play({0x90, 60, 100});
    EXPECT_EQ(w().lesson.YES, 1);
}

// A flood that waited more than two seconds for its turn is dropped with one
// notice, not judged one "Too Low" at a time for minutes; a note-off is no
// answer and still goes through.
TEST_F(MidiRouting, AnswersThatWaitedTooLongAreDroppedAndTold)
{
    store(keys::UseMidi, "True");
    start();
    nextNoteIs(8);
    clickNew();
    for (int i = 0; i < 200; ++i)
        keyboard->play({0x90, 50, 100});
    keyboard->play({0x80, 50, 64});
    std::this_thread::sleep_for(MidiMod::JudgeWithin + std::chrono::milliseconds(100));
    ASSERT_TRUE(waitFor([this] { return w().MIDIInput1->pendingMessages() == 0; }));
    EXPECT_EQ(w().lesson.TRYS, 0);
    EXPECT_EQ(w().lesson.NO, 0);
    w().midi.watchDevices();
    EXPECT_EQ(w().noticeLbl->toolTip(), "200 MIDI notes came faster than they could be judged and were dropped.");
    nextWordIs(0);
    nextNoteIs(9);
    play({0x90, 60, 100});
    EXPECT_EQ(w().lesson.YES, 1);
}

TEST_F(MidiRouting, WithoutInputDevicesNothingOpensAndTheMidiInGroupIsOff)
{
    keyboard->inputs.clear();
    store(keys::UseMidi, "True");
    start();
    EXPECT_EQ(keyboard->inputsOpen, 0);
    EXPECT_TRUE(desktop.boxes.empty());
    desktop.onModal("midiFrm", [](QDialog &dialog) {
        EXPECT_FALSE(dialog.findChild<QGroupBox *>("midiFrame")->isEnabled());
        EXPECT_FALSE(dialog.findChild<QCheckBox *>("usemidiChk")->isEnabled());
        EXPECT_EQ(dialog.findChild<QComboBox *>("inCbo")->count(), 0);
    });
    w().midiItem->trigger();
    EXPECT_TRUE(w().midi.NO_MIDI_IN);
}

TEST_F(MidiRouting, SetupDialogChangesApplyAndStoreAtOnce)
{
    start();
    midiOut.messages.clear();
    desktop.onModal("midiFrm", [this](QDialog &dialog) {
        auto &frm = static_cast<midiFrm &>(dialog);
        EXPECT_EQ(frm.ComboPatch->count(), 128);
        EXPECT_EQ(frm.ComboPatch->itemText(0), "Acoustic Grand Piano");
        EXPECT_EQ(frm.ComboPatch->itemText(127), "Gunshot");
        EXPECT_EQ(frm.channelOpt[4]->text(), "5");
        EXPECT_EQ(frm.channelOpt[4]->geometry().left(), frm.channelOpt[5]->geometry().left());
        // Input off: channel and volume are off too.
        EXPECT_FALSE(frm.channelOpt[0]->isEnabled());
        EXPECT_FALSE(frm.volumeSld->isEnabled());

        QTest::mouseClick(frm.usemidiChk, Qt::LeftButton);
        EXPECT_TRUE(w().midi.USE_MIDI);
        EXPECT_TRUE(w().midinPrg->isVisible());
        EXPECT_TRUE(frm.channelOpt[9]->isEnabled());

        QTest::mouseClick(frm.channelOpt[9], Qt::LeftButton);
        EXPECT_EQ(w().midi.MIDI_CHANNEL, 9);
        frm.ComboPatch->setCurrentIndex(40);
        emit frm.ComboPatch->activated(40);
        EXPECT_EQ(w().midi.PATCH_INDEX, 40);

        desktop.sleeps.clear();
        QTest::mouseClick(frm.testCmd, Qt::LeftButton);
        EXPECT_EQ(desktop.sleeps, (std::vector<int>{400}));
        QTest::mouseClick(frm.okCmd, Qt::LeftButton);
    });
    w().midiItem->trigger();
    EXPECT_EQ(stored(keys::UseMidi), "True");
    EXPECT_EQ(stored(keys::MidiChannel), "9");
    EXPECT_EQ(stored(keys::PatchIndex), "40");
    EXPECT_EQ(midiOut.messages,
              (std::vector<Message>{{0xC9, 40, 0}, {0x99, 60, 127}, {0x99, 60, 0}}));
}

// MIDI Setup tells how the built-in synthesizer sounds, as its driver
// measures it; a sound server gone away is told on the notice board until
// it is back.
TEST_F(MidiRouting, TheSynthesizersSoundIsShownInSetupAndALostServerOnTheBoard)
{
    start();
    const struct
    {
        const char *driver;
        double latency;
        const char *problem;
        const char *shown;
    } cases[] = {
        {"pulseaudio", 13.94, "", "Sound: PulseAudio, 13.9 ms"},
        {"jack", 4.0, "", "Sound: JACK, 4.0 ms"},
        {"alsa", 2.7, "", "Sound: ALSA, 2.7 ms"},
        {"pulseaudio", 0.0, "", "Sound: PulseAudio, resting"},
        {"", 0.0, "", "Sound: starting"},
        {"jack", 0.0, "The sound output has gone away; Staverly tries again.",
         "Sound: none, the sound server has gone"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        midiOut.driver = QString::fromLatin1(c.driver);
        midiOut.latency = c.latency;
        midiOut.silentBecause = QString::fromLatin1(c.problem);
        w().midi.watchDevices();
        EXPECT_EQ(w().noticeLbl->isVisible(), *c.problem != 0);
        if (*c.problem) {
            EXPECT_EQ(w().noticeLbl->toolTip(), c.problem);
        }
        desktop.onModal("midiFrm", [&](QDialog &dialog) {
            EXPECT_EQ(dialog.findChild<QLabel *>("soundLbl")->text(), c.shown);
            EXPECT_EQ(dialog.findChild<QLabel *>("noticeLbl")->text(), c.problem);
            dialog.accept();
        });
        w().midiItem->trigger();
    }
    EXPECT_TRUE(desktop.boxes.empty());

    // Another output than the synthesizer: nothing of its sound is told.
    keyboard->outputs = QStringList{"Fake Port"};
    w().midi.DEVICE_OUT = 1;
    w().midi.open_midi_out();
    w().midi.watchDevices();
    EXPECT_FALSE(w().noticeLbl->isVisible());
    EXPECT_EQ(w().midi.soundInUse(), QString());
}

// The SoundFonts found in the XDG data folders are offered by name, each
// file once, besides the first found and any file; the choice is stored,
// handed to the synthesizer at once and at start, and MIDI Setup shows
// which file plays.
TEST_F(MidiRouting, SetupChoosesTheSoundFontAndShowsWhichPlays)
{
    const SoundFontFolders folders;
    const QString tim = folders.install("sounds/sf2/TimGM6mb.sf2", TestSoundFont::path());
    const QString other = folders.install("soundfonts/Other.sf3", TestSoundFont::path());
    QFile::link(tim, QDir(folders.system()).filePath("sounds/sf2/default-GM.sf2"));
    store(keys::SoundFont, "/media/usb/Grand.sf2");
    start();
    EXPECT_EQ(midiOut.chosen.value(0), "/media/usb/Grand.sf2") << "told at start";
    midiOut.playing = tim;
    const auto choose = [](midiFrm &frm, int index) {
        frm.soundfontCbo->setCurrentIndex(index);
        emit frm.soundfontCbo->activated(index);
    };
    desktop.onModal("midiFrm", [&](QDialog &dialog) {
        auto &frm = static_cast<midiFrm &>(dialog);
        QStringList offered;
        for (int i = 0; i < frm.soundfontCbo->count(); ++i)
            offered << frm.soundfontCbo->itemText(i);
        EXPECT_EQ(offered, (QStringList{"First found (TimGM6mb.sf2)", "TimGM6mb.sf2", "Other.sf3", "Grand.sf2",
                                        "Other..."}));
        EXPECT_EQ(frm.soundfontCbo->currentText(), "Grand.sf2");
        EXPECT_EQ(frm.playingLbl->text(), "Playing: " + tim);

        choose(frm, 2);
        EXPECT_EQ(stored(keys::SoundFont), other);
        EXPECT_EQ(midiOut.chosen.last(), other);
        // "Other..." cancelled leaves the choice as it was.
        desktop.answerOpenFile({});
        choose(frm, frm.soundfontCbo->count() - 1);
        EXPECT_EQ(frm.soundfontCbo->currentText(), "Other.sf3");
        EXPECT_EQ(stored(keys::SoundFont), other);
        desktop.answerOpenFile("/home/pupil/Piano.sf3");
        choose(frm, frm.soundfontCbo->count() - 1);
        EXPECT_EQ(stored(keys::SoundFont), "/home/pupil/Piano.sf3");
        EXPECT_EQ(frm.soundfontCbo->currentText(), "Piano.sf3");
        choose(frm, 0);
        EXPECT_EQ(stored(keys::SoundFont), "");
        EXPECT_EQ(midiOut.chosen.last(), "");
        dialog.accept();
    });
    w().midiItem->trigger();
    EXPECT_TRUE(desktop.scriptDone());
}

TEST_F(MidiRouting, MidiThruFollowsTheSetupDialogAndTheWindowsActivation)
{
    store(keys::UseMidi, "True");
    start();
    midiOut.messages.clear();
    // In MIDI Setup, click "MIDI Thru" and OK.
    const auto toggleThru = [this] {
        desktop.onModal("midiFrm", [](QDialog &dialog) {
            auto &frm = static_cast<midiFrm &>(dialog);
            QTest::mouseClick(frm.midiThruChk, Qt::LeftButton);
            QTest::mouseClick(frm.okCmd, Qt::LeftButton);
        });
        w().midiItem->trigger();
    };
    toggleThru();
    ASSERT_FALSE(w().midi.MIDI_THRU);
    play({0x90, 60, 100});
    play({0x90, 60, 0});
    EXPECT_TRUE(midiOut.messages.empty());

    toggleThru();
    ASSERT_TRUE(w().midi.MIDI_THRU);
    midiOut.messages.clear();
    // Nothing while no window of ours is active; once the window manager
    // gives the window back, the keyboard is heard again.
    play({0x90, 62, 100});
    EXPECT_TRUE(midiOut.messages.empty());
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    play({0x90, 62, 100});
    play({0x90, 62, 0});
    EXPECT_EQ(midiOut.messages, (std::vector<Message>{{0x90, 62, 100}, {0x90, 62, 0}}));
}

} // namespace
