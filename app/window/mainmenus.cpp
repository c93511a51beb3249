#include "mainmenus.h"

#include "aboutfrm.h"
#include "desktop.h"
#include "effects.h"
#include "frmmain.h"
#include "maindialogs.h"
#include "maker.h"
#include "settingkeys.h"
#include "settingsstore.h"
#include "windowzoom.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace staverly {

MainMenus::MainMenus(frmMain &window, Desktop &desktop, SettingsStore &settings, Effects &effects,
                     QString programFolder)
    : QObject(&window)
    , m_window(window)
    , m_desktop(desktop)
    , m_settings(settings)
    , m_effects(effects)
    , m_programFolder(std::move(programFolder))
    , m_zoomAtStart(WindowZoom::stored(settings.applicationName()))
    , m_zoom(m_zoomAtStart)
{
    build();
}

void MainMenus::setZoom(int percent)
{
    m_zoom = WindowZoom::choices().contains(percent) ? percent : 100;
}

void MainMenus::build()
{
    auto action = [](QMenu *menu, const char *name, const QString &caption,
                         const QKeySequence &shortcut = {}) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        return a;
    };
    QMenu *fileMnu = m_window.menuBar()->addMenu(QStringLiteral("&File"));
    fileMnu->setObjectName(QStringLiteral("fileMnu"));
    m_window.lessonMnuItem = action(fileMnu, "lessonMnuItem", QStringLiteral("&New Lesson"), QKeySequence(QStringLiteral("Ctrl+N")));
    fileMnu->addSeparator();
    m_window.trebleItem = action(fileMnu, "trebleItem", QStringLiteral("&Treble Clef"), QKeySequence(QStringLiteral("Ctrl+T")));
    m_window.trebleItem->setCheckable(true);
    m_window.trebleItem->setChecked(true);
    m_window.baseItem = action(fileMnu, "baseItem", QStringLiteral("&Base Clef"), QKeySequence(QStringLiteral("Ctrl+B")));
    m_window.baseItem->setCheckable(true);
    fileMnu->addSeparator();
    m_window.printItem = action(fileMnu, "printItem", QStringLiteral("&Print..."), QKeySequence(QStringLiteral("Ctrl+P")));
    m_window.printSetupItem = action(fileMnu, "printSetupItem", QStringLiteral("Print Set&up..."));
    fileMnu->addSeparator();
    m_window.exitItem = action(fileMnu, "exitItem", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu *viewMenu = m_window.menuBar()->addMenu(QStringLiteral("&View"));
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    m_window.setupItem = action(viewMenu, "setupItem", QStringLiteral("&Lesson Setup..."), QKeySequence(QStringLiteral("Ctrl+L")));
    m_window.midiItem = action(viewMenu, "midiItem", QStringLiteral("&Midi Setup..."), QKeySequence(QStringLiteral("Ctrl+M")));
    viewMenu->addSeparator();
    m_window.playItem = action(viewMenu, "playItem", QStringLiteral("Players..."));
    m_window.testItem = action(viewMenu, "testItem", QStringLiteral("&Test Maker..."));
    m_window.gradesItem = action(viewMenu, "gradesItem", QStringLiteral("&Grades..."), QKeySequence(QStringLiteral("Ctrl+G")));
    m_window.progressItem = action(viewMenu, "progressItem", QStringLiteral("&Progress..."));
    viewMenu->addSeparator();
    m_window.zoomMenu = viewMenu->addMenu(QStringLiteral("&Zoom"));
    m_window.zoomMenu->setObjectName(QStringLiteral("zoomMenu"));
    auto *zooms = new QActionGroup(&m_window);
    for (int percent : WindowZoom::choices()) {
        QAction *zoom = m_window.zoomMenu->addAction(QStringLiteral("%1 %").arg(percent));
        zoom->setObjectName(QStringLiteral("zoom%1Item").arg(percent));
        zoom->setCheckable(true);
        zoom->setData(percent);
        zooms->addAction(zoom);
        connect(zoom, &QAction::triggered, this, [this, percent] { chooseZoom(percent); });
    }
    // Only the sizes the screen can show are offered.
    connect(m_window.zoomMenu, &QMenu::aboutToShow, this, [this] {
        const QSize available = m_window.screen() ? m_window.screen()->availableGeometry().size() : QSize(640, 480);
        for (QAction *zoom : m_window.zoomMenu->actions()) {
            const int percent = zoom->data().toInt();
            zoom->setChecked(percent == m_zoom);
            zoom->setEnabled(WindowZoom::fits(percent, m_zoomAtStart, m_window.frameGeometry().size(), available));
        }
    });

    QMenu *helpMnu = m_window.menuBar()->addMenu(QStringLiteral("&Help"));
    helpMnu->setObjectName(QStringLiteral("helpMnu"));
    m_window.mp3Item = action(helpMnu, "mp3Item",
                     QStringLiteral("%1's Music on %2...").arg(QLatin1String(maker::Name),
                                                               QLatin1String(maker::MusicSite)));
    m_window.updatesItem = action(helpMnu, "updatesItem", QStringLiteral("Staverly Updates..."));
    helpMnu->addSeparator();
    m_window.contactItem = action(helpMnu, "contactItem", QStringLiteral("Send Email To Me..."));
    m_window.helpItem = action(helpMnu, "helpItem", QStringLiteral("&Help Using This Program..."));
    m_window.aboutItem = action(helpMnu, "aboutItem", QStringLiteral("&About The Staverly..."));

    connect(m_window.lessonMnuItem, &QAction::triggered, &m_window.lesson, &LessonEngine::do_new);
    connect(m_window.trebleItem, &QAction::triggered, &m_window, &frmMain::trebleItem_Click);
    connect(m_window.baseItem, &QAction::triggered, &m_window, &frmMain::baseItem_Click);
    connect(m_window.printItem, &QAction::triggered, this, &MainMenus::print);
    connect(m_window.printSetupItem, &QAction::triggered, this, &MainMenus::printSetup);
    connect(m_window.exitItem, &QAction::triggered, &m_window, &QWidget::close);
    connect(m_window.setupItem, &QAction::triggered, &m_window.dialogs(), &MainDialogs::showLessonSetup);
    connect(m_window.midiItem, &QAction::triggered, &m_window.dialogs(), &MainDialogs::showMidiSetup);
    connect(m_window.playItem, &QAction::triggered, &m_window.dialogs(), &MainDialogs::showPlayerSetup);
    connect(m_window.testItem, &QAction::triggered, &m_window.dialogs(), &MainDialogs::showTestMaker);
    connect(m_window.gradesItem, &QAction::triggered, &m_window.dialogs(), &MainDialogs::showGrades);
    connect(m_window.progressItem, &QAction::triggered, &m_window.dialogs(), &MainDialogs::showPupilProgress);
    connect(m_window.mp3Item, &QAction::triggered, this, &MainMenus::musicPage);
    connect(m_window.updatesItem, &QAction::triggered, this, &MainMenus::musicPage);
    connect(m_window.contactItem, &QAction::triggered, this, &MainMenus::mail);
    connect(m_window.helpItem, &QAction::triggered, this, &MainMenus::help);
    connect(m_window.aboutItem, &QAction::triggered, this, &MainMenus::showAbout);
}

void MainMenus::chooseZoom(int percent)
{
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    m_settings.writeInteger(keys::Zoom, qint16(percent));
    m_desktop.messageBox(&m_window,
                         percent == m_zoomAtStart
                             ? QStringLiteral("Staverly stays at %1 %.").arg(percent)
                             : QStringLiteral("Staverly shows its window at %1 % from its next start.").arg(percent),
                         Desktop::Buttons::Ok, Desktop::Icon::Information, QStringLiteral("Zoom"));
}

void MainMenus::showAbout()
{
    aboutFrm about;
    m_desktop.showModal(about);
}

void MainMenus::print()
{
    const QString failure = m_desktop.printWindow(&m_window);
    if (!failure.isEmpty())
        m_desktop.messageBox(&m_window, failure, Desktop::Buttons::Ok, Desktop::Icon::Information,
                             QStringLiteral("Staverly - Print Error"));
}

void MainMenus::printSetup()
{
    m_desktop.printerSetup(&m_window);
}

void MainMenus::help()
{
    QString target = QDir(m_programFolder).filePath(QStringLiteral("staverly_help.htm"));
    m_effects.open_document(target);
}

void MainMenus::musicPage()
{
    QString target = QString::fromLatin1(maker::MusicPage);
    m_effects.open_document(target);
}

void MainMenus::mail()
{
    QString address = QString::fromLatin1(maker::ContactAddress);
    m_effects.do_mail(address);
}

} // namespace staverly
