// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiocapture.h"
#include "controlhost.h"
#include "frmmain.h"
#include "nullmidibackend.h"
#include "isolatedsettings.h"
#include "recordingsynth.h"
#include "scripteddesktop.h"
#include "scriptedrandom.h"
#include "settingsstore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace staverly::test {

// The real main window in a fresh program folder and settings store, with
// the scripted desktop answering for the person in front of it.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Stores a setting as a previous run (or a hand edit) would have.
    void store(const SettingKey &key, const QString &text);
    QString stored(const SettingKey &key) const;
    QStringList storedKeys() const;

    // Creates the window and runs its start-up. With the Lesson Setup dialog
    // on at start, okSetup says whether the pupil presses OK or closes it.
    void start(bool okSetup = true);
    frmMain &w() { return *window; }

    // A pupil's actions.
    void clickKey(int index);
    void typeText(const QString &text);
    void clickNew();
    // The next question asks white key `white` of the current range.
    void nextNoteIs(int white);
    void nextWordIs(int index) { random.pick(index, 20); }
    int keyOfAnswer() const;

    QString programFile(const QString &name) const;
    QByteArray readProgramFile(const QString &name) const;

    IsolatedSettings isolated;
    QTemporaryDir folder;
    // The program's files and the pupils' files: both the folder above,
    // as in a build folder, unless a test chooses other places.
    QString programFolder;
    QString dataFolder;
    ScriptedDesktop desktop;
    ScriptedRandom random;
    std::shared_ptr<RecordingSynth> synth = std::make_shared<RecordingSynth>();
    RecordingSynth &midiOut = *synth;
    // What MIDI output -1 plays on; a test may give a real synthesizer.
    std::shared_ptr<DefaultOutput> defaultOutput = synth;
    std::shared_ptr<MidiBackend> midiBackend = std::make_shared<NullMidiBackend>();
    SettingsStore settings{[] { return QStringLiteral("staverly"); }};
    // The microphone; none unless a test gives one.
    std::function<std::unique_ptr<AudioCapture>()> capture;
    host::ControlHost controls;
    std::unique_ptr<frmMain> window;
};

} // namespace staverly::test
