// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace staverly {

namespace host {
class ControlHost;
}

class AnswerHistory;
class AudioCapture;
class DefaultOutput;
class Desktop;
class MidiBackend;
class Random;
class SettingsStore;

// What the main window is given to work with; tests give it fakes.
struct MainServices
{
    Desktop &desktop;
    Random &random;
    SettingsStore &settings;
    host::ControlHost &controls;
    // The program's own files: images/ and the help document.
    QString programFolder;
    // The pupils' files: the player list and the grade log.
    QString dataFolder;
    // The system's MIDI devices, and what output device -1 plays on.
    std::shared_ptr<MidiBackend> midiBackend;
    std::shared_ptr<DefaultOutput> defaultOutput;
    // Every answer over the months; without one, a history in the data
    // folder.
    std::shared_ptr<AnswerHistory> history = nullptr;
    // The microphone, made when listening starts; none when empty.
    std::function<std::unique_ptr<AudioCapture>()> capture = nullptr;
};

} // namespace staverly
