// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupfrm.h"

#include "desktop.h"
#include "dialoghost.h"
#include "fittext.h"
#include "formlayout.h"
#include "lessonengine.h"
#include "settingsstore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

namespace staverly {

setupFrm::setupFrm(DialogHost &host, SettingsStore &settings, LessonEngine &lesson)
    : QDialog(host.hostWindow())
    , m_host(host)
    , m_settings(settings)
    , m_lesson(lesson)
{
    setObjectName(QStringLiteral("setupFrm"));
    setWindowTitle(tr("Lesson Setup"));
    setFixedSize(twips(0, 0, 4365, 4470).size());

    auto *Frame4 = place<QGroupBox>(this, "Frame4", twips(120, 60, 4130, 795));
    Frame4->setTitle(tr("Player's Name"));
    nameLbl = place<QLabel>(Frame4, "nameLbl", twips(240, 300, 1815, 300),
                            tr("Current Player's Name"));
    nameLbl->setTextFormat(Qt::PlainText);
    editCmd = place<QPushButton>(Frame4, "editCmd", twips(2140, 275, 800, 350),
                                 tr("Click here to change player"));
    editCmd->setText(tr("&Edit..."));
    gradesChk = captioned<QCheckBox>(Frame4, "gradesChk", tr("Save &Grades"), twips(3080, 240, 970, 375),
                         tr("Check here to enable auto grade saving"));

    auto *Frame1 = place<QGroupBox>(this, "Frame1", twips(100, 960, 2055, 1410));
    Frame1->setTitle(tr("Notes"));
    cleffOpt[0] = place<QRadioButton>(Frame1, "cleffOpt0", twips(240, 300, 1395, 255),
                                      tr("Select here for Treble Clef."));
    cleffOpt[0]->setText(tr("&Treble Clef"));
    cleffOpt[1] = place<QRadioButton>(Frame1, "cleffOpt1", twips(240, 600, 1155, 255),
                                      tr("Select here for Bass Clef"));
    cleffOpt[1]->setText(tr("&Bass Clef"));
    m_clefGroup = new QButtonGroup(this);
    m_clefGroup->addButton(cleffOpt[0], 0);
    m_clefGroup->addButton(cleffOpt[1], 1);
    chromaticChk = captioned<QCheckBox>(Frame1, "chromaticChk", tr("Use &Chromatics"),
                            twips(240, 910, 1455, 315),
                            tr("Check here to include chromatic notes"));
    optionLbl = place<QLabel>(Frame1, "optionLbl", twips(120, 1200, 1785, 165));
    optionLbl->setText(tr("Optional Use Letter Keys Too!"));
    QFont serif;
    serif.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif")});
    serif.setPixelSize(10);
    optionLbl->setFont(serif);

    auto *Frame5 = place<QGroupBox>(this, "Frame5", twips(2280, 960, 1935, 735));
    Frame5->setTitle(tr("Questions"));
    place<QLabel>(Frame5, "Label2", twips(420, 340, 105, 195))->setText(QStringLiteral("#"));
    questionCbo = place<QComboBox>(Frame5, "questionCbo", twips(600, 280, 720, 315),
                                   tr("Select the number of questions for a lesson"));

    auto *Frame3 = place<QGroupBox>(this, "Frame3", twips(2280, 1740, 1935, 1845));
    Frame3->setTitle(tr("Timer"));
    timerChk = captioned<QCheckBox>(Frame3, "timerChk", tr("Use &Timer"), twips(240, 300, 1095, 315),
                        tr("Check here to enable Timer"));
    place<QLabel>(Frame3, "Label1", twips(240, 720, 435, 375))->setText(tr("Time To:"));
    timerSld = place<QSlider>(Frame3, "timerSld", twips(780, 675, 375, 1005),
                              tr("Slide here to adjust lesson timer."));
    timerSld->setOrientation(Qt::Vertical);
    timerSld->setRange(3, 60);
    timerLbl = place<QLabel>(Frame3, "timerLbl", twips(240, 1320, 435, 255),
                             tr("Seconds to answer"));
    timerLbl->setText(QStringLiteral("0"));

    auto *Frame2 = place<QGroupBox>(this, "Frame2", twips(100, 2520, 2055, 1360));
    Frame2->setTitle(tr("Other"));
    clueshk = captioned<QCheckBox>(Frame2, "clueshk", tr("Enable Clues"), twips(240, 300, 1395, 255),
                       tr("Check here to enable clues"));
    soundChk = captioned<QCheckBox>(Frame2, "soundChk", tr("Use Sound Effects"),
                        twips(240, 660, 1695, 255), tr("Check here to enable sound effects"));
    weakChk = captioned<QCheckBox>(Frame2, "weakChk", tr("Practise &weak notes"),
                                   twips(240, 1020, 1755, 255),
                                   tr("Check here to be asked the notes you miss more often"));
    startupChk = captioned<QCheckBox>(this, "startupChk", tr("&Show On Startup"),
                          twips(160, 4080, 1695, 255));
    okCmd = place<QPushButton>(this, "okCmd", twips(3060, 4020, 1000, 350));
    okCmd->setText(tr(" &OK"));
    okCmd->setDefault(true);

    // Toggled, not clicked: a screen reader's press toggles the option
    // without a click, and must choose the clef all the same.
    connect(m_clefGroup, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            cleffOpt_Click(index);
    });
    connect(chromaticChk, &QCheckBox::toggled, this, &setupFrm::chromaticChk_Click);
    connect(timerChk, &QCheckBox::toggled, this, &setupFrm::timerChk_Click);
    connect(clueshk, &QCheckBox::toggled, this,
            [this] { switchClick(clueshk, &MainFields::USE_CLUES, "USE_CLUES"); });
    connect(soundChk, &QCheckBox::toggled, this,
            [this] { switchClick(soundChk, &MainFields::USE_SOUND, "USE_SOUND"); });
    connect(startupChk, &QCheckBox::toggled, this,
            [this] { switchClick(startupChk, &MainFields::START_UP, "START_UP"); });
    connect(weakChk, &QCheckBox::toggled, this,
            [this] { switchClick(weakChk, &MainFields::PRACTISE_WEAK, "PRACTISE_WEAK"); });
    connect(gradesChk, &QCheckBox::toggled, this,
            [this] { switchClick(gradesChk, &MainFields::SAVE_GRADES, "SAVE_GRADES"); });
    connect(timerSld, &QSlider::valueChanged, this, &setupFrm::timerSld_Change);
    connect(questionCbo, &QComboBox::activated, this, &setupFrm::questionCbo_Click);
    connect(okCmd, &QPushButton::clicked, this, &setupFrm::okCmd_Click);
    connect(editCmd, &QPushButton::clicked, this, &setupFrm::editCmd_Click);
    // Options changed elsewhere (the menu, the lesson's time-outs) show here too.
    connect(&m_lesson, &LessonEngine::clefChanged, this,
            [this](qint16 cleff) { cleffOpt[cleff == 0 ? 0 : 1]->setChecked(true); });
    connect(&m_lesson, &LessonEngine::useTimerChanged, this, [this](bool on) {
        const QSignalBlocker quiet(timerChk);
        timerChk->setChecked(on);
        timerLbl->setEnabled(on);
        timerSld->setEnabled(on);
    });
    connect(&m_lesson, &LessonEngine::playerConfirmed, nameLbl, &QLabel::setText);

    fitText(this);
    Form_Load();
}

void setupFrm::Form_Load()
{
    CHANGE_FLAG = 0;
    const int clef = m_lesson.CLEFF == 1 ? 1 : 0;
    // Its handler runs as it is checked, and finds the clef in use.
    cleffOpt[std::size_t(clef)]->setChecked(true);
    chromaticChk->setChecked(m_lesson.USE_CROMATICS);
    timerChk->setChecked(m_lesson.USE_TIMER);
    timerLbl->setEnabled(m_lesson.USE_TIMER);
    timerSld->setEnabled(m_lesson.USE_TIMER);
    clueshk->setChecked(m_lesson.USE_CLUES);
    soundChk->setChecked(m_lesson.USE_SOUND);
    timerSld->setValue(m_lesson.TO_TIME);
    timerLbl->setText(QString::number(m_lesson.TO_TIME));
    startupChk->setChecked(m_lesson.START_UP);
    weakChk->setChecked(m_lesson.PRACTISE_WEAK);
    nameLbl->setText(m_lesson.PLAYER_NAME);
    gradesChk->setChecked(m_lesson.SAVE_GRADES);
    optionLbl->setVisible(!m_lesson.USE_CROMATICS);
    for (int n = 5; n <= 300; ++n)
        questionCbo->addItem(QString::number(n));
    // A hand-edited count outside the list selects nothing and stores nothing.
    if (m_lesson.QUESTIONS >= 5 && m_lesson.QUESTIONS <= 300) {
        questionCbo->setCurrentIndex(m_lesson.QUESTIONS - 5);
        questionCbo_Click();
    } else {
        questionCbo->setCurrentIndex(-1);
    }
}

void setupFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    okCmd->setFocus();
}

void setupFrm::cleffOpt_Click(int index)
{
    if (index == m_lesson.CLEFF)
        return;
    m_lesson.setClef(qint16(index));
    cleffOpt[index == 0 ? 0 : 1]->setChecked(true);
    CHANGE_FLAG = 1;
    m_settings.writeInteger(keys::Cleff, m_lesson.CLEFF);
}

void setupFrm::switchClick(QCheckBox *box, bool MainFields::*field, const char *key)
{
    const bool value = box->isChecked();
    if (value == m_lesson.*field)
        return;
    m_lesson.setSwitch(field, value);
    m_settings.writeSwitch(SettingsStore::Setup, QString::fromLatin1(key), value);
}

void setupFrm::chromaticChk_Click()
{
    const bool value = chromaticChk->isChecked();
    if (value != m_lesson.USE_CROMATICS) {
        m_lesson.setSwitch(&MainFields::USE_CROMATICS, value);
        m_settings.writeSwitch(keys::UseChromatics, value);
        CHANGE_FLAG = 1;
    }
    optionLbl->setVisible(!m_lesson.USE_CROMATICS);
}

void setupFrm::timerChk_Click()
{
    const bool value = timerChk->isChecked();
    if (value == m_lesson.USE_TIMER)
        return;
    m_lesson.setUseTimer(value);
    m_settings.writeSwitch(keys::UseTimer, value);
    timerLbl->setEnabled(value);
    timerSld->setEnabled(value);
}

void setupFrm::timerSld_Change()
{
    const auto value = qint16(timerSld->value());
    if (value == m_lesson.TO_TIME)
        return;
    m_lesson.setTimeOutSeconds(value);
    timerLbl->setText(QString::number(value));
    m_settings.writeInteger(keys::TimeTo, value);
}

void setupFrm::questionCbo_Click()
{
    bool ok = false;
    const int n = questionCbo->currentText().toInt(&ok);
    if (!ok)
        return;
    m_lesson.setQuestions(qint16(n));
    m_settings.writeInteger(keys::Questions, m_lesson.QUESTIONS);
}

void setupFrm::okCmd_Click()
{
    okPressed = true;
    accept();
}

void setupFrm::editCmd_Click()
{
    m_host.desktop().processEvents();
    emit playerSetupWanted();
}

} // namespace staverly
