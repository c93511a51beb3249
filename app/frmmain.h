#pragma once

#include "effects.h"
#include "feedbackwords.h"
#include "mainfields.h"
#include "midimod.h"
#include "notemodel.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace staverly {

namespace host {
class ControlHost;
}

class DefaultOutput;
class Desktop;
class MIDIInput;
class MIDIOutput;
class MidiBackend;
class PianoKey;
class PictureBox;
class Random;
class SettingsStore;
class setupFrm;

// The program's one top-level window: the staff, the keyboard, the lesson
// and the menus. Its public fields are the lesson state the dialogs share.
class frmMain : public QMainWindow, public MainFields
{
    Q_OBJECT

public:
    struct Services
    {
        Desktop &desktop;
        Random &random;
        SettingsStore &settings;
        host::ControlHost &controls;
        QString programFolder;
        // The system's MIDI devices, and what output device -1 plays on.
        std::shared_ptr<MidiBackend> midiBackend;
        std::shared_ptr<DefaultOutput> defaultOutput;
    };

    explicit frmMain(const Services &services, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up: reads the settings, prepares the keyboard and sliders, shows
    // the About window and, when so set, the Lesson Setup dialog.
    void Form_Load();
    void Form_Unload();

    void do_new();
    void next_key();
    void do_yes();
    void do_no(qint16 &played, qint16 &correct);
    void quick_no();
    void do_clue();
    void do_grades();

    // One question cell of a printable note test (Type 1, Type 2); each
    // draws a new note, as a lesson question does.
    QString get_td(qint16 &q);
    QString get_td2(qint16 &q);

    void play_note(qint16 &the_note);
    void note_shut(qint16 &the_note);
    void play_key();

    void showMidiSetup();

    void set_low_slider(qint16 &note_index);
    void set_high_note(qint16 &note_index);
    // Marker on the middle-C key of the clef, and the menu checks.
    void showClef(qint16 cleff);

    // The Lesson Setup dialog, created hidden when absent.
    setupFrm &lessonSetup();
    // The Lesson Setup dialog if it is loaded, else null.
    setupFrm *loadedLessonSetup() const;
    void showLessonSetup();
    void showPlayerSetup();

    Desktop &desktop() { return m_desktop; }
    SettingsStore &settings() { return m_settings; }
    QString programFolder() const { return m_programFolder; }
    // The note the current question asks, or -1 when there is none.
    int expectedNote() const;
    qint16 timeOuts() const { return m_timeOuts; }

    MidiMod midi;
    NoteModel notes;
    FeedbackWords words;
    Effects effects;

    QProgressBar *Bar;
    PictureBox *Picture1;
    QLabel *setupImg;
    QLabel *yesLbl;
    QLabel *noLbl;
    QLabel *scoreLbl;
    QLabel *timeLbl;
    QLabel *nameLbl;
    QLabel *msglbl;
    QPushButton *newCmd;
    QPushButton *clueCmd;
    QWidget *lowSlider = nullptr;
    QWidget *highSlider = nullptr;
    QWidget *midinPrg = nullptr;
    std::array<PianoKey *, NoteModel::Keys> pianoKey{};
    QTimer *Timer1;
    MIDIInput *MIDIInput1;
    MIDIOutput *MIDIOutput1;

    QAction *lessonMnuItem;
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
    QAction *mp3Item;
    QAction *updatesItem;
    QAction *contactItem;
    QAction *helpItem;
    QAction *aboutItem;

public slots:
    void lowSlider_changed(qint16 &loc);
    void highSlider_changed(qint16 &loc);
    void Timer1_Timer();
    void MIDIInput1_Message();
    // Points MIDI through at the output while this window is active and the
    // switches allow it; call after changing USE_MIDI or MIDI_THRU.
    void updateMidiThrough();

    void newCmd_Click();
    void pianoKey_MouseDown(int index);
    void pianoKey_MouseUp(int index);
    void trebleItem_Click();
    void baseItem_Click();
    void printItem_Click();
    void printSetupItem_Click();
    void aboutItem_Click();
    void helpItem_Click();
    void mp3Item_Click();
    void contactItem_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    // An answer by mouse or letter discards one waiting MIDI message.
    void dropStaleMidiMessage();
    // Which of the 20 praise or failure words comes next.
    std::size_t drawWord();
    void answerFromMidi(qint16 played);
    void buildMenus();
    void buildKeyboard();
    QWidget *hostControl(const char *identifier, const QString &name);
    void placeSliders();
    void typed(QChar ch);
    void setMessage(const QString &text, const QColor &color);
    void showCounters();
    void rescore();
    // The sound, wait, counts and flash every wrong answer shares.
    void wrongAnswer();
    void countWrong();
    void pickNote();
    void showAbout();
    void setSliderValue(QWidget *slider, int value);
    bool isActiveMain() const;

    Desktop &m_desktop;
    Random &m_random;
    SettingsStore &m_settings;
    host::ControlHost &m_controls;
    QString m_programFolder;
    bool m_playerSetupShowing = false;
    QPointer<setupFrm> m_setup;
    QStringList m_startupProblems;
    qint16 m_timeOuts = 0;
    bool m_gradeLogged = false;
    qint16 m_lessonClef = -1;
    quint32 m_question = 0;
    bool m_inMidiHandler = false;
    bool m_answeringFromMidi = false;
    bool m_quitting = false;
};

} // namespace staverly
