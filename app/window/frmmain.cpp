// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain.h"

#include "accessiblefactories.h"
#include "accessibletexts.h"
#include "announcer.h"
#include "appicon.h"
#include "controlhost.h"
#include "desktop.h"
#include "formlayout.h"
#include "jackserver.h"
#include "lessonsettings.h"
#include "mainartwork.h"
#include "mainbackground.h"
#include "maindialogs.h"
#include "mainfocus.h"
#include "mainlabels.h"
#include "mainmenus.h"
#include "micanswers.h"
#include "midiinput.h"
#include "midioutput.h"
#include "midirouter.h"
#include "namedaccessible.h"
#include "pianokey.h"
#include "pianokeyboard.h"
#include "picturebox.h"
#include "playerlist.h"
#include "rangesliders.h"
#include "settingsreader.h"
#include "settingkeys.h"
#include "settingsstore.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace staverly {

frmMain::frmMain(const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_face(std::make_unique<LessonFace>(*this, services.random))
    , lesson(*m_face, *m_face, *m_face, services.random)
    , m_desktop(services.desktop)
    , m_settings(services.settings)
    , m_controls(services.controls)
    , m_programFolder(services.programFolder)
    , m_dataFolder(services.dataFolder)
    , m_dialogs(std::make_unique<MainDialogs>(*this, services.desktop, services.settings, services.programFolder,
                                              services.dataFolder))
{
    setObjectName(QStringLiteral("frmMain"));
    MainArtwork::useCompactFace();
    setWindowTitle(tr("Pellworth's Staverly v1.0"));
    AccessibleFactories::install();
    setWindowIcon(appIcon());
    MIDIInput1 = new MIDIInput(services.midiBackend, this);
    MIDIInput1->setObjectName(QStringLiteral("MIDIInput1"));
    MIDIOutput1 = new MIDIOutput(services.midiBackend, services.defaultOutput, this);
    MIDIOutput1->setObjectName(QStringLiteral("MIDIOutput1"));
    midi.attach(*MIDIInput1, *MIDIOutput1, m_desktop, this, &m_dialogs->notices());
    m_router = new MidiRouter(
        *this, *MIDIInput1, *MIDIOutput1, midi, m_desktop,
        {[this] { return lesson.openQuestion(); },
         [this](const MidiMessage &message) {
             if (midinPrg)
                 host::ControlHost::setProperty(midinPrg, "value", message.data2 + 1);
         },
         [this](const MidiMessage &message, quint32 question) {
             lesson.midiMessage(message.status, message.data1, message.data2, {question, true});
         }});
    m_mic = new MicAnswers(services.capture, midi, lesson, *m_router, *MIDIOutput1, m_dialogs->effects(),
                           m_dialogs->notices(), this);
    connect(&lesson, &LessonEngine::openQuestionChanged, m_router, &MidiRouter::update);
    connect(&midi, &MidiMod::switchesChanged, this, &frmMain::followMidiSwitches);
    connect(&lesson, &LessonEngine::timeOutsUsedUp, this, [this] {
        lesson.setUseTimer(false);
        m_settings.writeSwitch(keys::UseTimer, false);
    });
    connect(&m_dialogs->notices(), &NoticeBoard::changed, this,
            [this] { MainLabels::showNotices(noticeLbl, m_dialogs->notices()); });
    buildWindow();
    m_menus = new MainMenus(*this, m_desktop, m_settings, m_dialogs->effects(), m_programFolder);
    // After the window: a history that cannot be used is told on it.
    m_dialogs->setHistory(services.history);
    qApp->installEventFilter(this);
}

frmMain::~frmMain()
{
    qApp->removeEventFilter(this);
    m_dialogs.reset();
}

void frmMain::buildWindow()
{
    auto *central = new MainBackground(this);
    central->setFixedSize(640, 440);
    setCentralWidget(central);

    Picture1 = new PictureBox(central);
    Picture1->setProperty(NamedAccessible::Role, int(QAccessible::Graphic));
    NamedAccessible::setName(Picture1, AccessibleTexts::staff(0, {}));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(px(2510), px(5), 640 - px(2510), 244);
    Picture1->setBackColor(Qt::white);
    connect(Picture1, &PictureBox::mousePressed, &lesson, &LessonEngine::do_clue);

    Bar = new QProgressBar(central);
    m_face->nameProgress(0);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setToolTip(tr("Question progress bar."));
    Bar->setTextVisible(false);
    Bar->setGeometry(twips(0, 0, 9600, 100));

    setupImg = new QLabel(central);
    setupImg->setObjectName(QStringLiteral("setupImg"));
    setupImg->setGeometry(twips(1440, 480, 735, 1875));
    setupImg->setToolTip(tr("Click in this area to open  Lesson Setup..."));
    setupImg->setCursor(Qt::PointingHandCursor);
    setupImg->installEventFilter(this);

    yesLbl = MainLabels::counter(central, "yesLbl", 490);
    noLbl = MainLabels::counter(central, "noLbl", 960);
    scoreLbl = MainLabels::counter(central, "scoreLbl", 1420);
    timeLbl = MainLabels::counter(central, "timeLbl", 1885);
    for (auto which : {LessonView::Counter::Yes, LessonView::Counter::No, LessonView::Counter::Score,
                       LessonView::Counter::Time})
        m_face->showCounter(which, 0);
    nameLbl = MainLabels::playerName(central, lesson);
    nameLbl->installEventFilter(this);
    msglbl = MainLabels::message(central);
    m_face->showMessage(msglbl->text(), LessonEngine::NormalColour);
    noticeLbl = MainLabels::notice(central);
    newCmd = MainLabels::button(central, "newCmd", "new", 615, tr("Click here to start a new game."));
    clueCmd = MainLabels::button(
        central, "clueCmd", "clue", 1335,
        tr("Click here to see clue or click on note. You can also press the space- bar"));
    // Icons say nothing to a screen reader.
    newCmd->setAccessibleName(tr("New lesson"));
    clueCmd->setAccessibleName(tr("Clue"));
    connect(newCmd, &QPushButton::clicked, this, &frmMain::newCmd_Click);
    connect(clueCmd, &QPushButton::pressed, &lesson, &LessonEngine::do_clue);

    pianoKey = PianoKeyboard::build(central);
    for (PianoKey *key : pianoKey) {
        connect(key, &PianoKey::mouseDown, this, &frmMain::pianoKey_MouseDown);
        connect(key, &PianoKey::mouseUp, this, &frmMain::pianoKey_MouseUp);
    }

    announcer = new Announcer(central);
    highSlider = hostControl("piano.UserControl1", QStringLiteral("highSlider"));
    lowSlider = hostControl("piano.UserControl1", QStringLiteral("lowSlider"));
    midinPrg = hostControl("Quill_Slider.UserControl1", QStringLiteral("midinPrg"));
    m_ranges = new RangeSliders(lowSlider, highSlider, lesson, m_settings, m_desktop, this, announcer);
    MainFocus::order(*this);
    m_ranges->place();
    if (midinPrg) {
        midinPrg->setToolTip(tr("Midi Indicator"));
        midinPrg->move(px(530), px(2775));
        midinPrg->hide();
    }
}

QWidget *frmMain::hostControl(const char *identifier, const QString &name)
{
    QString error;
    QWidget *control = m_controls.create(QString::fromLatin1(identifier), centralWidget(), &error);
    if (!control) {
        m_startupProblems << error;
        return nullptr;
    }
    control->setObjectName(name);
    return control;
}

void frmMain::Form_Load()
{
    Picture1->clear();
    Bar->setValue(0);
    lesson.notes.load_note_names();

    // A value that cannot be used takes its key's default, is written back,
    // and is told once; start-up always runs to its end.
    SettingsReader read(m_settings);
    midi.readSettings(read, m_settings);
    LessonSettings::read(read, m_settings, lesson);
    m_menus->setZoom(read.integer(keys::Zoom));
    followMidiSwitches();
    lesson.runTimer();

    const PlayerList players(m_dataFolder);
    if (!players.exists()) {
        const QString failure = players.createDefault();
        if (!failure.isEmpty())
            m_startupProblems << tr("The player list \"%1\" could not be created: %2.")
                                     .arg(players.fileName(), failure);
        lesson.PLAYER_INDEX = 0;
        m_desktop.processEvents();
    }
    nameLbl->setText(PlayerList::shortLabel(lesson.PLAYER_NAME));
    Bar->setMaximum(std::max<int>(lesson.QUESTIONS, 1));
    showClef(lesson.CLEFF);
    midi.open_midi_in();
    midi.open_midi_out();
    midi.send_patch();
    m_mic->follow();
    midi.startWatching();
    m_ranges->showLow(lesson.LOW_NOTE);
    m_ranges->showHigh(lesson.HIGH_NOTE);
    m_ranges->place();
    lesson.notes.load_treble_white();
    lesson.notes.load_bass_white();
    lesson.words.load();
    // The range's notes can be named only now that the tables are loaded.
    m_ranges->name();

    if (!read.resets().isEmpty())
        m_startupProblems.prepend(read.report());
    for (const QString &problem : std::as_const(m_startupProblems))
        m_desktop.messageBox(this, problem, Desktop::Buttons::Ok, Desktop::Icon::Warning,
                             QStringLiteral("Staverly"));
    m_startupProblems.clear();
    m_menus->showAbout();
    if (lesson.START_UP)
        m_dialogs->showLessonSetup();
}

void frmMain::Form_Unload()
{
    midi.close_midi();
    m_mic->ear().stop();
    // The process ends at once after this: no JACK client may stay open.
    JackServer::release();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_quitting)
        return;
    const auto answer = m_desktop.messageBox(this, tr("Are you sure you want to Quit?"),
                                             Desktop::Buttons::YesNo, Desktop::Icon::Question,
                                             tr("Exit Notification"));
    if (answer != Desktop::Answer::Yes)
        return;
    m_quitting = true;
    m_menus->showAbout();
    Form_Unload();
    m_desktop.endProgram();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (watched == setupImg) {
            m_dialogs->showLessonSetup();
            return true;
        }
        if (watched == nameLbl) {
            m_dialogs->showPlayerSetup();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (auto *widget = qobject_cast<QWidget *>(watched); widget && widget->window() == this) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (m_ranges->keyPressed(widget, key))
                return true;
            if (auto *piano = qobject_cast<PianoKey *>(widget)) {
                if (const int to = PianoKeyboard::moveTo(piano->index(), *key); to >= 0) {
                    pianoKey[std::size_t(to)]->setFocus(Qt::TabFocusReason);
                    return true;
                }
            }
            return m_face->typed(key);
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showClef(qint16 cleff)
{
    PianoKeyboard::showClef(pianoKey, cleff);
    m_ranges->name();
    NamedAccessible::setName(Picture1, AccessibleTexts::staff(cleff, Picture1->toolTip()));
    trebleItem->setChecked(cleff == 0);
    baseItem->setChecked(cleff != 0);
}

void frmMain::trebleItem_Click()
{
    chooseClef(0, trebleItem);
}

void frmMain::baseItem_Click()
{
    chooseClef(1, baseItem);
}

void frmMain::announceStatus()
{
    m_face->announceStatus();
}

void frmMain::chooseClef(qint16 cleff, QAction *item)
{
    if ((lesson.CLEFF == 0) == (cleff == 0)) {
        item->setChecked(true);
        return;
    }
    lesson.setClef(cleff);
    m_settings.writeInteger(keys::Cleff, lesson.CLEFF);
    m_dialogs->clefChangedElsewhere();
    lesson.do_new();
}

void frmMain::followMidiSwitches()
{
    // Whoever switched MIDI input or through, the routing and the meter follow.
    m_router->update();
    if (midinPrg)
        midinPrg->setVisible(midi.USE_MIDI);
}

bool frmMain::isActive() const
{
    return m_router->windowActive();
}

void frmMain::newCmd_Click()
{
    lesson.ASKS = 0;
    lesson.do_new();
}

void frmMain::pianoKey_MouseDown(int index)
{
    lesson.pianoKey_MouseDown(index);
}

void frmMain::pianoKey_MouseUp(int index)
{
    // The release is the answer; it counts for the note shown now.
    lesson.pianoKey_MouseUp(index, lesson.arrival());
}

} // namespace staverly
