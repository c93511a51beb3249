// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace staverly {

class DialogHost;
class MicPanel;
class MidiMod;
class PianoEar;
class SettingsStore;

// The MIDI Setup dialog: devices, instrument, channel and volume, MIDI input
// and MIDI through. Every change is applied and stored at once.
class midiFrm : public QDialog
{
    Q_OBJECT

public:
    // Without an ear, listening to a piano is shown but cannot be chosen.
    midiFrm(DialogHost &host, SettingsStore &settings, MidiMod &midi, PianoEar *ear = nullptr);

    static const std::array<const char *, 128> &instrumentNames();

    void load_patches();
    // The SoundFonts found on this computer by name, the chosen one, and
    // "Other..." for any file.
    void load_soundfonts();
    void test_note(qint16 &the_note);
    void reset();

    QGroupBox *midiFrame;
    QCheckBox *usemidiChk;
    QLabel *midiLbl;
    QComboBox *inCbo;
    QCheckBox *midiThruChk;
    QComboBox *outCbo;
    QComboBox *ComboPatch;
    QComboBox *soundfontCbo;
    // The SoundFont file the built-in synthesizer plays.
    QLabel *playingLbl;
    std::array<QRadioButton *, 16> channelOpt{};
    QSlider *volumeSld;
    QLabel *volumeLbl;
    QPushButton *testCmd;
    QPushButton *okCmd;
    MicPanel *micFrame;
    // What is wrong with the devices right now, as on the main window.
    QLabel *noticeLbl;
    // The built-in synthesizer's driver and delay, measured while it plays.
    QLabel *soundLbl;

private:
    void Form_Load();
    void usemidiChk_Click();
    void midiThruChk_Click();
    void inCbo_Click();
    void outCbo_Click();
    void ComboPatch_Click();
    void soundfontCbo_Click();
    void channelOpt_Click(int index);
    void volumeSld_Change();
    void okCmd_Click();
    void enableInput(bool on);
    void showNotices();
    void showSound();

    DialogHost &m_host;
    SettingsStore &m_settings;
    MidiMod &m_midi;
    QButtonGroup *m_channels;
};

} // namespace staverly
