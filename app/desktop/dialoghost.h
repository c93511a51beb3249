#pragma once

#include <QString>

class QWidget;

namespace staverly {

class AnswerHistory;
class Desktop;
class Effects;
class LessonEngine;
class MidiMod;
class NoticeBoard;
class SettingsStore;

// What a dialog may use of the main window: the lesson, the MIDI module,
// the services, and a few things only the window can do. Dialogs never
// reach into the window's widgets, or into each other.
class DialogHost
{
public:
    virtual ~DialogHost() = default;

    // The dialogs' parent window.
    virtual QWidget *hostWindow() = 0;
    virtual Desktop &desktop() = 0;
    virtual SettingsStore &settings() = 0;
    virtual Effects &effects() = 0;
    // Where the program's own files are: images/ and the help document.
    virtual QString programFolder() const = 0;
    // Where the pupils' files are: the player list and the grade log.
    virtual QString dataFolder() const = 0;
    virtual LessonEngine &lessonEngine() = 0;
    virtual MidiMod &midiModule() = 0;
    // What is wrong right now that needs no answer (a device gone, ...).
    virtual NoticeBoard &notices() = 0;

    virtual void showPlayerSetup() = 0;
    // PLAYER_NAME changed: every label that shows it follows.
    virtual void playerChosen() = 0;
    // Every answer kept, and the window that shows what they tell.
    virtual AnswerHistory &history() = 0;
    virtual void showPupilProgress() = 0;
};

} // namespace staverly
