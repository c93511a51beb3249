// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace staverly {

// One stored option: where it lives, the text it reads as when missing and,
// for numbers, the values it may take.
struct SettingKey
{
    const char *section;
    const char *key;
    const char *fallback;
    qint16 lowest = -32768;
    qint16 highest = 32767;
};

// Every option in the order start-up reads them.
namespace keys {
inline constexpr SettingKey DeviceIn{"MIDI", "DEVICE_IN", "0"};
inline constexpr SettingKey DeviceOut{"MIDI", "DEVICE_OUT", "0"};
// The chosen devices by name: positions shift as devices come and go.
inline constexpr SettingKey DeviceInName{"MIDI", "DEVICE_IN_NAME", ""};
inline constexpr SettingKey DeviceOutName{"MIDI", "DEVICE_OUT_NAME", ""};
inline constexpr SettingKey MidiThru{"MIDI", "MIDI_THRU", "True"};
inline constexpr SettingKey UseMidi{"MIDI", "USE_MIDI", "False"};
inline constexpr SettingKey PatchIndex{"MIDI", "PATCH_INDEX", "0", 0, 127};
inline constexpr SettingKey MidiVolume{"MIDI", "MIDI_VOLUME", "127", 0, 127};
inline constexpr SettingKey MidiChannel{"MIDI", "MIDI_CHANNEL", "0", 0, 15};
// Listening to a piano through a microphone: the source by name (empty for
// the desktop's default input) and the piano's A4 in hertz.
inline constexpr SettingKey UseMic{"MIDI", "USE_MIC", "False"};
inline constexpr SettingKey MicSource{"MIDI", "MIC_SOURCE", ""};
inline constexpr SettingKey MicA4{"MIDI", "MIC_A4", "440", 415, 466};
// The built-in synthesizer's SoundFont, a path; empty takes the first found.
inline constexpr SettingKey SoundFont{"MIDI", "SOUNDFONT", ""};
inline constexpr SettingKey UseTimer{"SETUP", "USE_TIMER", "False"};
inline constexpr SettingKey UseClues{"SETUP", "USE_CLUES", "True"};
inline constexpr SettingKey UseSound{"SETUP", "USE_SOUND", "True"};
inline constexpr SettingKey TimeTo{"SETUP", "TIME_TO", "15", 3, 60};
inline constexpr SettingKey StartUp{"SETUP", "START_UP", "True"};
inline constexpr SettingKey PlayerIndex{"SETUP", "PLAYER_INDEX", "0"};
inline constexpr SettingKey PlayerName{"SETUP", "PLAYER_NAME", "Pellworth"};
inline constexpr SettingKey SaveGrades{"SETUP", "SAVE_GRADES", "True"};
inline constexpr SettingKey Cleff{"SETUP", "CLEFF", "0", 0, 1};
inline constexpr SettingKey Questions{"SETUP", "QUESTIONS", "20", 5, 300};
inline constexpr SettingKey LowNote{"SETUP", "LOW_NOTE", "8", 1, 27};
inline constexpr SettingKey HighNote{"SETUP", "HIGH_NOTE", "15", 2, 28};
inline constexpr SettingKey UseChromatics{"SETUP", "USE_CHROMATICS", "False"};
inline constexpr SettingKey PractiseWeak{"SETUP", "PRACTISE_WEAK", "False"};
inline constexpr SettingKey AnswerKey{"SETUP", "ANSWER_KEY", "False"};
// The window's size in percent, 100, 150 or 200; it takes effect at start.
inline constexpr SettingKey Zoom{"SETUP", "ZOOM", "100", 100, 200};
// The language the program speaks from its next start, as "de" or "pt_BR";
// empty follows the desktop.
inline constexpr SettingKey Language{"SETUP", "LANGUAGE", ""};
// "letters", "german" or "solfege"; empty: as the language's teachers name
// notes. It takes effect at start.
inline constexpr SettingKey NoteNames{"SETUP", "NOTE_NAMES", ""};

inline constexpr std::array<SettingKey, 31> All{
    DeviceIn, DeviceOut,  DeviceInName, DeviceOutName, MidiThru, UseMidi, PatchIndex, MidiVolume, MidiChannel,
    UseMic,   MicSource,  MicA4,      SoundFont,
    UseTimer, UseClues,   UseSound,   TimeTo,   StartUp,    PlayerIndex, PlayerName,
    SaveGrades, Cleff,    Questions,  LowNote,  HighNote,   UseChromatics, PractiseWeak, AnswerKey, Zoom,
    Language, NoteNames};
} // namespace keys

} // namespace staverly
