// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audioengine.h"
#include "benchdesktop.h"
#include "clockedrandom.h"
#include "controlhost.h"
#include "frmmain.h"
#include "midibackend.h"
#include "settingsstore.h"
#include "silentsynth.h"

#include <QTemporaryDir>
#include <memory>

namespace staverly::bench {

// The real main window with its settings and pictures in temporary folders,
// no MIDI devices unless the benchmark gives it some, and a silent synthesizer.
struct BenchScene
{
    BenchScene();

    // Builds, shows and loads the window, as start-up does.
    frmMain &shownWindow(host::ControlHost &controls);

    QTemporaryDir settingsDir;
    QTemporaryDir folder;
    AudioEngine audio;
    BenchDesktop desktop{audio};
    ClockedRandom random;
    std::shared_ptr<MidiBackend> midiBackend;
    std::shared_ptr<DefaultOutput> synth = std::make_shared<SilentSynth>();
    SettingsStore settings;
    std::unique_ptr<frmMain> window;
};

} // namespace staverly::bench
