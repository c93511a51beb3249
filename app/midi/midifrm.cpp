// SPDX-License-Identifier: GPL-3.0-or-later
#include "midifrm.h"

#include "desktop.h"
#include "dialoghost.h"
#include "fittext.h"
#include "formlayout.h"
#include "micpanel.h"
#include "midimod.h"
#include "noticeboard.h"
#include "settingsstore.h"
#include "soundfontsearch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

namespace staverly {

const std::array<const char *, 128> &midiFrm::instrumentNames()
{
    static const std::array<const char *, 128> names{
        "Acoustic Grand Piano", "Bright Acoustic Piano", "Electric Grand Piano",
        "Honkytonk Piano", "Rhodes Piano", "Chorus Piano", "Harpsichord", "Clavinet", "Celesta",
        "Glockenspiel", "Music Box", "Vibraphone", "Marimba", "Xylophone", "Tubular Bells",
        "Dulcimer", "Hammond Organ", "Percuss. Organ", "Rock Organ", "Church Organ", "Reed Organ",
        "Accordion", "Harmonica", "Tango Accordion", "Acoustic Guitar (nylon)",
        "Acoustic Guitar (steel)", "Electric Guitar (jazz)", "Electric Guitar (clean)",
        "Electric Guitar (muted)", "Overdriven Guitar", "Distortion Guitar", "Guitar Harmonics",
        "Acoustic Bass", "Electric Bass (finger)", "Electric Bass (pick)", "Fretless Bass",
        "Slap Bass 1", "Slap Bass 2", "Synth Bass 1", "Synth Bass 2", "Violin", "Viola", "Cello",
        "Contra Bass", "Tremolo Strings", "Pizzicato Strings", "Orchestral Harp", "Timpani",
        "String Ensemble 1", "String Ensemble 2", "Synth Strings 1", "Synth Strings 2",
        "Choir Aahs", "Voice Oohs", "Synth Voice", "Orchestra Hit", "Trumpet", "Trombone", "Tuba",
        "Muted Trumpet", "French Horn", "Brass Section", "Synth Brass 1", "Synth Brass 2",
        "Soprano Sax", "Alto Sax", "Tenor Sax", "Baritone Sax", "Oboe", "English Horn", "Bassoon",
        "Clarinet", "Piccolo", "Flute", "Recorder", "Pan Flute", "Bottle Blow", "Shaku",
        "Whistle", "Ocarina", "Lead 1 (square)", "Lead 2 (saw tooth)", "Lead 3 (calliope lead)",
        "Lead 4 (chiff lead)", "Lead 5 (charang)", "Lead 6 (voice)", "Lead 7 (fifths)",
        "Lead 8 (bass + lead)", "Pad 1 (new age)", "Pad 2 (warm)", "Pad 3 (poly synth)",
        "Pad 4 (choir)", "Pad 5 (bowed)", "Pad 6 (metallic)", "Pad 7 (halo)", "Pad 8 (sweep)",
        "FX 1 (rain)", "FX 2 (sound track)", "FX 3 (crystal)", "FX 4 (atmo - sphere)",
        "FX 5 (bright)", "FX 6 (goblins)", "FX 7 (echoes)", "FX 8 (sci-fi)", "Sitar", "Banjo",
        "Shamisen", "Koto", "Kalimba", "Bagpipe", "Fiddle", "Shanai", "Tinkle Bell", "Agogo",
        "Steel Drums", "Wood block", "Taiko Drum", "Melodic Tom", "Synth Drum", "Reverse Cymbal",
        "Guitar Fret Noise", "Breath Noise", "Seashore", "Bird Tweet", "Telephone Ring",
        "Helicopter", "Applause", "Gunshot"};
    return names;
}

midiFrm::midiFrm(DialogHost &host, SettingsStore &settings, MidiMod &midi, PianoEar *ear)
    : QDialog(host.hostWindow())
    , m_host(host)
    , m_settings(settings)
    , m_midi(midi)
{
    setObjectName(QStringLiteral("midiFrm"));
    setWindowTitle(tr("Midi Setup"));

    midiFrame = place<QGroupBox>(this, "midiFrame", {10, 8, 400, 82});
    midiFrame->setTitle(tr("Midi In"));
    usemidiChk = place<QCheckBox>(midiFrame, "usemidiChk", {12, 22, 170, 20},
                                  tr("Check here if using and external keyboard"));
    usemidiChk->setText(tr("Midi &In Enabled"));
    midiThruChk = place<QCheckBox>(midiFrame, "midiThruChk", {200, 22, 170, 20},
                                   tr("Check here to enable Midi Through"));
    midiThruChk->setText(tr("Midi &Through"));
    midiLbl = captioned<QLabel>(midiFrame, "midiLbl", tr("Midi In Device"), {12, 50, 95, 22});
    inCbo = place<QComboBox>(midiFrame, "inCbo", {110, 48, 278, 24},
                             tr("Select the Midi Input device"));

    auto *outFrame = place<QGroupBox>(this, nullptr, {10, 96, 400, 132});
    outFrame->setTitle(tr("Midi Out"));
    captioned<QLabel>(outFrame, nullptr, tr("Midi Out Device"), {12, 22, 95, 22});
    outCbo = place<QComboBox>(outFrame, "outCbo", {110, 20, 278, 24},
                              tr("Select here to choose a midi output device"));
    captioned<QLabel>(outFrame, nullptr, tr("Instrument"), {12, 52, 95, 22});
    ComboPatch = place<QComboBox>(outFrame, "ComboPatch", {110, 50, 278, 24},
                                  tr("Select here to choose an instrument"));
    ComboPatch->setMaxVisibleItems(16);
    captioned<QLabel>(outFrame, nullptr, tr("SoundFont"), {12, 82, 95, 22});
    soundfontCbo = place<QComboBox>(outFrame, "soundfontCbo", {110, 80, 278, 24},
                                    tr("Select here to choose the SoundFont the built-in synthesizer plays"));
    playingLbl = place<QLabel>(outFrame, "playingLbl", {12, 106, 376, 20});

    auto *channelFrame = place<QGroupBox>(this, nullptr, {10, 234, 190, 116});
    channelFrame->setTitle(tr("Midi Channel"));
    m_channels = new QButtonGroup(this);
    for (int i = 0; i < 16; ++i) {
        // Four columns of four, numbered down the columns.
        const int column = i / 4;
        const int row = i % 4;
        auto *option = place<QRadioButton>(channelFrame, nullptr,
                                           {12 + column * 44, 20 + row * 22, 42, 20});
        option->setObjectName(QStringLiteral("channelOpt%1").arg(i));
        option->setText(QString::number(i + 1));
        m_channels->addButton(option, i);
        channelOpt[std::size_t(i)] = option;
    }
    channelOpt[0]->setToolTip(tr("Choose a Midi In channel"));

    auto *volumeFrame = place<QGroupBox>(this, nullptr, {210, 234, 200, 62});
    volumeFrame->setTitle(tr("Midi Volume"));
    volumeSld = place<QSlider>(volumeFrame, "volumeSld", {10, 28, 140, 22},
                               tr("Slide here to adjust midi out volume"));
    volumeSld->setOrientation(Qt::Horizontal);
    volumeSld->setRange(0, 127);
    volumeSld->setPageStep(8);
    volumeLbl = captioned<QLabel>(volumeFrame, "volumeLbl", QStringLiteral("127"), {156, 28, 36, 22});

    testCmd = place<QPushButton>(this, "testCmd", {210, 316, 96, 30},
                                 tr("Click here to hear instrument on synthesizer"));
    testCmd->setText(tr("Test Note"));
    okCmd = place<QPushButton>(this, "okCmd", {314, 316, 96, 30},
                               tr("Click here to close window"));
    okCmd->setText(tr("&OK"));
    okCmd->setDefault(true);
    soundLbl = place<QLabel>(this, "soundLbl", {210, 298, 200, 16},
                             tr("The delay from a note to the loudspeakers, as the sound server measures it"));
    micFrame = new MicPanel(this, settings, midi, ear);
    micFrame->setGeometry(10, 354, 400, 152);
    noticeLbl = place<QLabel>(this, "noticeLbl", {10, 512, 400, 44});
    noticeLbl->setWordWrap(true);
    noticeLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(usemidiChk, &QCheckBox::toggled, this, &midiFrm::usemidiChk_Click);
    connect(midiThruChk, &QCheckBox::toggled, this, &midiFrm::midiThruChk_Click);
    connect(inCbo, &QComboBox::activated, this, &midiFrm::inCbo_Click);
    connect(outCbo, &QComboBox::activated, this, &midiFrm::outCbo_Click);
    connect(ComboPatch, &QComboBox::activated, this, &midiFrm::ComboPatch_Click);
    connect(soundfontCbo, &QComboBox::activated, this, &midiFrm::soundfontCbo_Click);
    // Toggled, not clicked: a screen reader's press toggles an option.
    connect(m_channels, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            channelOpt_Click(index);
    });
    connect(volumeSld, &QSlider::valueChanged, this, &midiFrm::volumeSld_Change);
    connect(testCmd, &QPushButton::clicked, this, [this] {
        qint16 middleC = 60;
        test_note(middleC);
    });
    connect(okCmd, &QPushButton::clicked, this, &midiFrm::okCmd_Click);
    connect(&m_host.notices(), &NoticeBoard::changed, this, &midiFrm::showNotices);
    // The delay is known only once the stream plays, and changes with it.
    auto *soundWatch = new QTimer(this);
    soundWatch->setInterval(1000);
    connect(soundWatch, &QTimer::timeout, this, &midiFrm::showSound);
    soundWatch->start();

    fitText(this);
    Form_Load();
}

void midiFrm::Form_Load()
{
    MidiMod &midi = m_midi;
    midi.list_midi_in(*inCbo);
    midi.list_midi_out(*outCbo);
    load_patches();
    load_soundfonts();

    {
        const QSignalBlocker quiet(volumeSld);
        volumeSld->setValue(midi.MIDI_VOLUME);
    }
    volumeSld_Change();
    midiThruChk->setChecked(midi.MIDI_THRU);
    usemidiChk->setChecked(midi.USE_MIDI);
    if (midi.MIDI_CHANNEL >= 0 && midi.MIDI_CHANNEL < 16) {
        // Its handler runs as it is checked.
        channelOpt[std::size_t(midi.MIDI_CHANNEL)]->setChecked(true);
    }
    midiThruChk->setEnabled(midi.USE_MIDI);
    inCbo->setEnabled(midi.USE_MIDI);
    if (midi.NO_MIDI_IN) {
        inCbo->setEnabled(false);
        usemidiChk->setEnabled(false);
        midiThruChk->setEnabled(false);
        midiFrame->setEnabled(false);
        midiLbl->setEnabled(false);
    }
    for (QRadioButton *option : channelOpt)
        option->setEnabled(midi.USE_MIDI);
    volumeSld->setEnabled(midi.USE_MIDI);
    ComboPatch->setCurrentIndex(midi.PATCH_INDEX >= 0 && midi.PATCH_INDEX < 128 ? midi.PATCH_INDEX
                                                                                 : -1);
    showNotices();
    showSound();
}

void midiFrm::showSound()
{
    soundLbl->setText(m_midi.soundInUse());
    // A link such as default-GM.sf3 is shown as the file it names.
    const QFileInfo playing(m_midi.soundFontInUse());
    const QString real = playing.canonicalFilePath().isEmpty() ? playing.filePath() : playing.canonicalFilePath();
    const QString text = real.isEmpty() ? QString() : tr("Playing: %1").arg(real);
    playingLbl->setText(playingLbl->fontMetrics().elidedText(text, Qt::ElideMiddle, playingLbl->width()));
    playingLbl->setToolTip(text);
}

void midiFrm::showNotices()
{
    noticeLbl->setText(m_host.notices().texts().join(QLatin1Char('\n')));
    // No notice, no empty band at the bottom.
    noticeLbl->setHidden(noticeLbl->text().isEmpty());
    // A long notice, such as where the SoundFonts were looked for, is shown whole.
    noticeLbl->resize(noticeLbl->width(), std::max(44, noticeLbl->heightForWidth(noticeLbl->width())));
    refit(this);
}

void midiFrm::load_patches()
{
    ComboPatch->clear();
    for (const char *name : instrumentNames())
        ComboPatch->addItem(QString::fromLatin1(name));
}

namespace {

// Marks "Other..." in the SoundFont list, which names no file.
const QString OtherSoundFont = QStringLiteral("\n");

} // namespace

void midiFrm::load_soundfonts()
{
    const QString chosen = m_midi.SOUNDFONT;
    const SoundFontSearch search = SoundFontSearch::standard();
    QStringList paths = search.all();
    if (!chosen.isEmpty() && !paths.contains(chosen))
        paths << chosen;
    soundfontCbo->clear();
    const QString first = search.find();
    soundfontCbo->addItem(first.isEmpty() ? tr("First found")
                                          : tr("First found (%1)").arg(QFileInfo(QFileInfo(first).canonicalFilePath()).fileName()),
                          QString());
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        // Two files of one name are told apart by their folders.
        const QString shown = names.count(names[i]) > 1
                                  ? QStringLiteral("%1 (%2)").arg(names[i], QFileInfo(paths[i]).path())
                                  : names[i];
        soundfontCbo->addItem(shown, paths[i]);
        soundfontCbo->setItemData(int(i) + 1, paths[i], Qt::ToolTipRole);
    }
    soundfontCbo->addItem(tr("Other..."), OtherSoundFont);
    soundfontCbo->setCurrentIndex(std::max(0, soundfontCbo->findData(chosen)));
}

void midiFrm::soundfontCbo_Click()
{
    QString path = soundfontCbo->currentData().toString();
    if (path == OtherSoundFont) {
        const QString folder = m_midi.SOUNDFONT.isEmpty() ? QDir::homePath() : QFileInfo(m_midi.SOUNDFONT).path();
        path = m_host.desktop().openFileName(this, tr("Choose a SoundFont"), folder,
                                             tr("SoundFonts (*.sf2 *.sf3)"));
        if (path.isEmpty()) {
            soundfontCbo->setCurrentIndex(std::max(0, soundfontCbo->findData(m_midi.SOUNDFONT)));
            return;
        }
    }
    if (path != m_midi.SOUNDFONT) {
        m_settings.write(keys::SoundFont, path);
        m_midi.setSoundFont(path);
    }
    load_soundfonts();
    showSound();
}

void midiFrm::enableInput(bool on)
{
    midiThruChk->setEnabled(on);
    inCbo->setEnabled(on);
    for (QRadioButton *option : channelOpt)
        option->setEnabled(on);
    volumeSld->setEnabled(on);
}

void midiFrm::usemidiChk_Click()
{
    const bool on = usemidiChk->isChecked();
    m_settings.writeSwitch(keys::UseMidi, on);
    enableInput(on);
    m_midi.setUseMidi(on);
}

void midiFrm::midiThruChk_Click()
{
    const bool checked = midiThruChk->isChecked();
    m_settings.writeSwitch(keys::MidiThru, checked);
    m_midi.setMidiThru(checked);
}

void midiFrm::inCbo_Click()
{
    MidiMod &midi = m_midi;
    const int position = inCbo->currentIndex();
    const QString name = inCbo->currentText();
    if (position == midi.DEVICE_IN && name == midi.DEVICE_IN_NAME)
        return;
    midi.chooseInput(qint16(position), name);
    m_settings.writeInteger(keys::DeviceIn, midi.DEVICE_IN);
    m_settings.write(keys::DeviceInName, name);
}

void midiFrm::outCbo_Click()
{
    MidiMod &midi = m_midi;
    const int position = outCbo->currentIndex();
    const QString name = outCbo->currentText();
    if (position == midi.DEVICE_OUT && name == midi.DEVICE_OUT_NAME)
        return;
    midi.chooseOutput(qint16(position), name);
    m_settings.writeInteger(keys::DeviceOut, midi.DEVICE_OUT);
    m_settings.write(keys::DeviceOutName, name);
    reset();
}

void midiFrm::ComboPatch_Click()
{
    MidiMod &midi = m_midi;
    const int position = ComboPatch->currentIndex();
    if (position == midi.PATCH_INDEX)
        return;
    m_settings.writeInteger(keys::PatchIndex, qint16(position));
    midi.setPatch(qint16(position));
}

void midiFrm::channelOpt_Click(int index)
{
    m_midi.setChannel(qint16(index));
    m_settings.writeInteger(keys::MidiChannel, m_midi.MIDI_CHANNEL);
}

void midiFrm::volumeSld_Change()
{
    MidiMod &midi = m_midi;
    midi.setVolume(qint16(volumeSld->value()));
    volumeLbl->setText(QString::number(midi.MIDI_VOLUME));
    m_settings.writeInteger(keys::MidiVolume, midi.MIDI_VOLUME);
}

void midiFrm::test_note(qint16 &the_note)
{
    MidiMod &midi = m_midi;
    setCursor(Qt::WaitCursor);
    midi.noteOn(the_note);
    m_host.desktop().sleep(400);
    midi.noteOff(the_note);
    unsetCursor();
    showSound();
}

void midiFrm::reset()
{
    setCursor(Qt::WaitCursor);
    m_midi.open_midi_in();
    m_midi.open_midi_out();
    unsetCursor();
    showSound();
}

void midiFrm::okCmd_Click()
{
    m_midi.open_midi_in();
    m_midi.open_midi_out();
    accept();
}

} // namespace staverly
