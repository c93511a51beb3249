// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

namespace staverly {

class MidiMod;
class PianoEar;
class SettingsStore;

// MIDI Setup's "Listen to a piano": the microphone, the piano's tuning, and
// what the microphone hears now. Every change is applied and stored at once.
class MicPanel : public QGroupBox
{
    Q_OBJECT

public:
    // Without an ear the choice is shown but cannot be made.
    MicPanel(QWidget *parent, SettingsStore &settings, MidiMod &midi, PianoEar *ear);

    QCheckBox *usemicChk;
    QProgressBar *levelBar;
    QComboBox *micCbo;
    QSpinBox *a4Spin;
    QPushButton *tuneCmd;
    // Plain advice: how to start, hears nothing, too loud, the source gone.
    QLabel *micLbl;

private:
    void load();
    void listSources();
    void usemicChk_Click();
    void micCbo_Click();
    void a4Spin_Change();
    void tuneCmd_Click();
    void showHearing();

    SettingsStore &m_settings;
    MidiMod &m_midi;
    PianoEar *m_ear;
    QTimer *m_watch;
    bool m_tuning = false;
};

} // namespace staverly
