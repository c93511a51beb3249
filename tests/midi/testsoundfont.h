// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "defaultoutput.h"
#include "isolatedsettings.h"
#include "midimod.h"
#include "settingkeys.h"
#include "settingsreader.h"
#include "settingsstore.h"

namespace staverly {

// The SoundFont every sound test plays, whatever else the machine has
// installed: Debian's TimGM6mb, which the set-up script installs. It is
// chosen as a user chooses one, as SOUNDFONT in the test's own settings
// folder, and reaches the synthesizer the way start-up hands it on.
class TestSoundFont
{
public:
    static QString path() { return QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"); }

    TestSoundFont() { m_store.write(keys::SoundFont, path()); }

    // What the settings hold now, as the MIDI module reads them.
    template<class Synth>
    Synth &choose(Synth &synth)
    {
        MidiMod midi;
        SettingsReader read(m_store);
        midi.readSettings(read, m_store);
        synth.chooseSoundFont(midi.SOUNDFONT);
        return synth;
    }

    SettingsStore &store() { return m_store; }

private:
    test::IsolatedSettings m_settings;
    SettingsStore m_store{[] { return QStringLiteral("staverly"); }};
};

} // namespace staverly
