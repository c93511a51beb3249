// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonengine.h"
#include "lessonface.h"
#include "mainservices.h"
#include "midimod.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace staverly {

class Announcer;
class MIDIInput;
class MIDIOutput;
class MainDialogs;
class MainMenus;
class MicAnswers;
class MidiRouter;
class PianoKey;
class PictureBox;
class RangeSliders;
class SettingsStore;

// The program's one top-level window: the staff, the keyboard, the counters
// and the menus around the lesson engine, which it shows and feeds.
class frmMain : public QMainWindow
{
    Q_OBJECT

    // Made first: the lesson shows itself and keeps its records through it.
    std::unique_ptr<LessonFace> m_face;

public:
    using Services = MainServices;

    explicit frmMain(const Services &services, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up: reads the settings, prepares the keyboard and sliders, shows
    // the About window and, when so set, the Lesson Setup dialog.
    void Form_Load();
    void Form_Unload();

    // What the dialogs may use of the window, and the dialogs it opens.
    MainDialogs &dialogs() { return *m_dialogs; }
    MicAnswers &mic() { return *m_mic; }
    // The range sliders' rules and names.
    RangeSliders &ranges() { return *m_ranges; }

    LessonEngine lesson;
    MidiMod midi;

    QProgressBar *Bar;
    PictureBox *Picture1;
    QLabel *setupImg;
    QLabel *yesLbl;
    QLabel *noLbl;
    QLabel *scoreLbl;
    QLabel *timeLbl;
    QLabel *nameLbl;
    QLabel *msglbl;
    // What is wrong right now and needs no answer, in the counter panel.
    QLabel *noticeLbl;
    QPushButton *newCmd;
    QPushButton *clueCmd;
    QWidget *lowSlider = nullptr;
    QWidget *highSlider = nullptr;
    QWidget *midinPrg = nullptr;
    // Speaks judged answers, clues and the status to a screen reader.
    Announcer *announcer;
    std::array<PianoKey *, NoteModel::Keys> pianoKey{};
    MIDIInput *MIDIInput1;
    MIDIOutput *MIDIOutput1;

    QAction *lessonMnuItem;
    QAction *statusItem;
    QAction *trebleItem;
    QAction *baseItem;
    QAction *printItem;
    QAction *printSetupItem;
    QAction *exitItem;
    QAction *setupItem;
    QAction *midiItem;
    QAction *playItem;
    QAction *testItem;
    QAction *gradesItem;
    QAction *progressItem;
    QMenu *zoomMenu;
    QAction *mp3Item;
    QAction *updatesItem;
    QAction *contactItem;
    QAction *helpItem;
    QAction *aboutItem;

    // The middle-C marker, the keys' names and the clef's menu check marks.
    void showClef(qint16 cleff);
    // The window is active and no modal window of ours is over it.
    bool isActive() const;

public slots:
    void newCmd_Click();
    void pianoKey_MouseDown(int index);
    void pianoKey_MouseUp(int index);
    void trebleItem_Click();
    void baseItem_Click();
    // The question, the counters and the time, said to a screen reader.
    void announceStatus();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    // The clef chosen from the menu; choosing the one in use only keeps its check mark.
    void chooseClef(qint16 cleff, QAction *item);
    QWidget *hostControl(const char *identifier, const QString &name);
    void followMidiSwitches();

    Desktop &m_desktop;
    SettingsStore &m_settings;
    host::ControlHost &m_controls;
    QString m_programFolder;
    QString m_dataFolder;
    std::unique_ptr<MainDialogs> m_dialogs;
    MidiRouter *m_router;
    MicAnswers *m_mic;
    MainMenus *m_menus;
    RangeSliders *m_ranges = nullptr;
    QStringList m_startupProblems;
    bool m_quitting = false;
};

} // namespace staverly
