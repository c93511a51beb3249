// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainfields.h"

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
class LessonEngine;
class SettingsStore;

// The Lesson Setup dialog: every control applies and stores its change at
// once; OK starts a lesson when none runs or the clef or chromatics changed.
class setupFrm : public QDialog
{
    Q_OBJECT

public:
    setupFrm(DialogHost &host, SettingsStore &settings, LessonEngine &lesson);

    qint16 CHANGE_FLAG = 0;
    bool okPressed = false;

    void cleffOpt_Click(int index);

    QLabel *nameLbl;
    QPushButton *editCmd;
    QCheckBox *gradesChk;
    std::array<QRadioButton *, 2> cleffOpt{};
    QCheckBox *chromaticChk;
    QLabel *optionLbl;
    QComboBox *questionCbo;
    QCheckBox *timerChk;
    QSlider *timerSld;
    QLabel *timerLbl;
    QCheckBox *clueshk;
    QCheckBox *soundChk;
    QCheckBox *startupChk;
    QCheckBox *weakChk;
    QPushButton *okCmd;

protected:
    void showEvent(QShowEvent *event) override;

signals:
    // The Edit button: the window shows Player Setup unless it already does.
    void playerSetupWanted();

private:
    void Form_Load();
    void chromaticChk_Click();
    void timerChk_Click();
    void switchClick(QCheckBox *box, bool MainFields::*field, const char *key);
    void timerSld_Change();
    void questionCbo_Click();
    void okCmd_Click();
    void editCmd_Click();

    DialogHost &m_host;
    SettingsStore &m_settings;
    LessonEngine &m_lesson;
    QButtonGroup *m_clefGroup;
    bool m_loading = false;
};

} // namespace staverly
