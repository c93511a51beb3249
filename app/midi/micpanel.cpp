// SPDX-License-Identifier: GPL-3.0-or-later
#include "micpanel.h"

#include "formlayout.h"
#include "midimod.h"
#include "pianoear.h"
#include "settingkeys.h"
#include "settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <cmath>

namespace staverly {

namespace {

// The bar shows the 60 dB above this.
constexpr double FloorDb = -60.0;
constexpr double SilentAfterSeconds = 3.0;

} // namespace

MicPanel::MicPanel(QWidget *parent, SettingsStore &settings, MidiMod &midi, PianoEar *ear)
    : QGroupBox(parent)
    , m_settings(settings)
    , m_midi(midi)
    , m_ear(ear)
{
    setObjectName(QStringLiteral("micFrame"));
    setTitle(tr("Listen to a Piano"));
    usemicChk = place<QCheckBox>(this, "usemicChk", {12, 22, 180, 20},
                                 tr("Check here to answer by playing a real piano into the microphone"));
    usemicChk->setText(tr("&Listen to a piano"));
    levelBar = place<QProgressBar>(this, "levelBar", {200, 25, 188, 14},
                                   tr("How loud the microphone hears the room"));
    levelBar->setRange(0, 60);
    levelBar->setTextVisible(false);
    levelBar->setAccessibleName(tr("Microphone level"));
    captioned<QLabel>(this, nullptr, tr("Microphone"), {12, 50, 95, 22});
    micCbo = place<QComboBox>(this, "micCbo", {110, 48, 278, 24},
                              tr("Select the microphone that hears the piano"));
    captioned<QLabel>(this, nullptr, tr("Piano's A"), {12, 82, 95, 22});
    a4Spin = place<QSpinBox>(this, "a4Spin", {110, 80, 80, 24},
                             tr("The pitch of the A above middle C on your piano"));
    a4Spin->setRange(keys::MicA4.lowest, keys::MicA4.highest);
    a4Spin->setSuffix(tr(" Hz"));
    a4Spin->setAccessibleName(tr("Piano's A"));
    tuneCmd = place<QPushButton>(this, "tuneCmd", {200, 78, 188, 28},
                                 tr("Click here, then play one A on your piano"));
    tuneCmd->setText(tr("T&une to my piano"));
    micLbl = place<QLabel>(this, "micLbl", {12, 110, 376, 34});
    micLbl->setWordWrap(true);
    micLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(usemicChk, &QCheckBox::toggled, this, &MicPanel::usemicChk_Click);
    connect(micCbo, &QComboBox::activated, this, &MicPanel::micCbo_Click);
    connect(a4Spin, &QSpinBox::valueChanged, this, &MicPanel::a4Spin_Change);
    connect(tuneCmd, &QPushButton::clicked, this, &MicPanel::tuneCmd_Click);
    m_watch = new QTimer(this);
    m_watch->setInterval(100);
    connect(m_watch, &QTimer::timeout, this, &MicPanel::showHearing);
    m_watch->start();
    load();
}

void MicPanel::load()
{
    listSources();
    {
        const QSignalBlocker quiet(a4Spin);
        a4Spin->setValue(m_midi.MIC_A4);
    }
    {
        const QSignalBlocker quiet(usemicChk);
        usemicChk->setChecked(m_midi.USE_MIC && m_ear);
    }
    usemicChk->setEnabled(m_ear != nullptr);
    showHearing();
}

void MicPanel::listSources()
{
    const QSignalBlocker quiet(micCbo);
    micCbo->clear();
    micCbo->addItem(tr("The desktop's default input"), QString());
    if (m_ear) {
        for (const auto &[name, description] : m_ear->sources())
            micCbo->addItem(description.isEmpty() ? name : description, name);
    }
    int chosen = micCbo->findData(m_midi.MIC_SOURCE);
    // A microphone unplugged now stays chosen: it is taken again when it returns.
    if (chosen < 0) {
        micCbo->addItem(tr("%1 (not connected)").arg(m_midi.MIC_SOURCE), m_midi.MIC_SOURCE);
        chosen = micCbo->count() - 1;
    }
    micCbo->setCurrentIndex(chosen);
}

void MicPanel::usemicChk_Click()
{
    const bool on = usemicChk->isChecked();
    m_settings.writeSwitch(keys::UseMic, on);
    m_midi.setUseMic(on);
    showHearing();
}

void MicPanel::micCbo_Click()
{
    const QString name = micCbo->currentData().toString();
    if (name == m_midi.MIC_SOURCE)
        return;
    m_settings.write(keys::MicSource, name);
    m_midi.setMicSource(name);
}

void MicPanel::a4Spin_Change()
{
    const auto hertz = qint16(a4Spin->value());
    if (hertz == m_midi.MIC_A4)
        return;
    m_settings.writeInteger(keys::MicA4, hertz);
    m_midi.setMicA4(hertz);
}

void MicPanel::tuneCmd_Click()
{
    if (!m_ear || !m_ear->listening())
        return;
    m_tuning = true;
    tuneCmd->setEnabled(false);
    micLbl->setText(tr("Play one A on your piano now, and let it ring."));
    m_ear->tune([this](std::optional<double> a4) {
        m_tuning = false;
        if (!a4) {
            micLbl->setText(tr("No A was heard. Play one A, a little louder, and try again."));
        } else {
            a4Spin->setValue(int(std::lround(*a4)));
            micLbl->setText(tr("Tuned: your piano's A is %1 Hz.").arg(a4Spin->value()));
        }
        showHearing();
    });
}

void MicPanel::showHearing()
{
    const bool listening = m_ear && m_ear->listening();
    const double level = listening ? m_ear->levelDb() : FloorDb;
    levelBar->setValue(int(std::clamp(level - FloorDb, 0.0, 60.0)));
    micCbo->setEnabled(m_midi.USE_MIC);
    a4Spin->setEnabled(m_midi.USE_MIC);
    tuneCmd->setEnabled(listening && !m_tuning);
    if (m_tuning)
        return;
    // A tuning result stays until something needs saying instead.
    const bool told = micLbl->text().startsWith(tr("Tuned:")) || micLbl->text().startsWith(tr("No A was heard"));
    QString advice;
    if (!m_ear)
        advice = tr("This computer has no sound input to listen to.");
    else if (!m_midi.USE_MIC)
        advice = tr("Place the microphone near the piano and tick the box; the bar moves when it hears the piano.");
    else if (!m_ear->problem().isEmpty())
        advice = m_ear->problem();
    else if (m_ear->clipping())
        advice = tr("The microphone is too loud: turn its level down in the desktop's sound settings.");
    else if (m_ear->silentSeconds() > SilentAfterSeconds)
        advice = tr("The microphone hears nothing: check that it is plugged in, chosen above and not muted.");
    else if (told)
        return;
    else
        advice = tr("Listening: play the key of each note to answer.");
    micLbl->setText(advice);
}

} // namespace staverly
