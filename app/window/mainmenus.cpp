// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenus.h"

#include "aboutfrm.h"
#include "desktop.h"
#include "effects.h"
#include "frmmain.h"
#include "helpdocument.h"
#include "maindialogs.h"
#include "maker.h"
#include "notenames.h"
#include "settingkeys.h"
#include "settingsstore.h"
#include "translations.h"
#include "windowzoom.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QLocale>
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
    , m_language(settings.read(keys::Language))
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
    QMenu *fileMnu = m_window.menuBar()->addMenu(tr("&File"));
    fileMnu->setObjectName(QStringLiteral("fileMnu"));
    m_window.lessonMnuItem = action(fileMnu, "lessonMnuItem", tr("&New Lesson"), QKeySequence(QStringLiteral("Ctrl+N")));
    // Said by a screen reader: the question, the counters and the time.
    m_window.statusItem = action(fileMnu, "statusItem", tr("&Question and Score"), QKeySequence(Qt::Key_F2));
    fileMnu->addSeparator();
    m_window.trebleItem = action(fileMnu, "trebleItem", tr("&Treble Clef"), QKeySequence(QStringLiteral("Ctrl+T")));
    m_window.trebleItem->setCheckable(true);
    m_window.trebleItem->setChecked(true);
    m_window.baseItem = action(fileMnu, "baseItem", tr("&Base Clef"), QKeySequence(QStringLiteral("Ctrl+B")));
    m_window.baseItem->setCheckable(true);
    fileMnu->addSeparator();
    m_window.printItem = action(fileMnu, "printItem", tr("&Print..."), QKeySequence(QStringLiteral("Ctrl+P")));
    m_window.printSetupItem = action(fileMnu, "printSetupItem", tr("Print Set&up..."));
    fileMnu->addSeparator();
    m_window.exitItem = action(fileMnu, "exitItem", tr("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu *viewMenu = m_window.menuBar()->addMenu(tr("&View"));
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    m_window.setupItem = action(viewMenu, "setupItem", tr("&Lesson Setup..."), QKeySequence(QStringLiteral("Ctrl+L")));
    m_window.midiItem = action(viewMenu, "midiItem", tr("&Midi Setup..."), QKeySequence(QStringLiteral("Ctrl+M")));
    viewMenu->addSeparator();
    m_window.playItem = action(viewMenu, "playItem", tr("Players..."));
    m_window.testItem = action(viewMenu, "testItem", tr("&Test Maker..."));
    m_window.gradesItem = action(viewMenu, "gradesItem", tr("&Grades..."), QKeySequence(QStringLiteral("Ctrl+G")));
    m_window.progressItem = action(viewMenu, "progressItem", tr("&Progress..."));
    viewMenu->addSeparator();
    m_window.zoomMenu = viewMenu->addMenu(tr("&Zoom"));
    m_window.zoomMenu->setObjectName(QStringLiteral("zoomMenu"));
    auto *zooms = new QActionGroup(&m_window);
    for (int percent : WindowZoom::choices()) {
        QAction *zoom = m_window.zoomMenu->addAction(tr("%1 %").arg(percent));
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

    buildLanguages(viewMenu);
    buildNoteNames(viewMenu);

    QMenu *helpMnu = m_window.menuBar()->addMenu(tr("&Help"));
    helpMnu->setObjectName(QStringLiteral("helpMnu"));
    m_window.mp3Item = action(helpMnu, "mp3Item",
                     tr("%1's Music on %2...").arg(QLatin1String(maker::Name),
                                                               QLatin1String(maker::MusicSite)));
    m_window.updatesItem = action(helpMnu, "updatesItem", tr("Staverly Updates..."));
    helpMnu->addSeparator();
    m_window.contactItem = action(helpMnu, "contactItem", tr("Send Email To Me..."));
    m_window.helpItem = action(helpMnu, "helpItem", tr("&Help Using This Program..."));
    m_window.aboutItem = action(helpMnu, "aboutItem", tr("&About The Staverly..."));

    connect(m_window.lessonMnuItem, &QAction::triggered, &m_window.lesson, &LessonEngine::do_new);
    connect(m_window.statusItem, &QAction::triggered, &m_window, &frmMain::announceStatus);
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
                             ? tr("Staverly stays at %1 %.").arg(percent)
                             : tr("Staverly shows its window at %1 % from its next start.").arg(percent),
                         Desktop::Buttons::Ok, Desktop::Icon::Information, tr("Zoom"));
}

void MainMenus::buildLanguages(QMenu *viewMenu)
{
    QMenu *menu = viewMenu->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(menu);
    const auto add = [&](const QString &caption, const QString &code, const QString &name) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(true);
        item->setChecked(code == m_language);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    };
    add(tr("Desktop's language"), QString(), QStringLiteral("languageDesktopItem"));
    menu->addSeparator();
    // Each by its own name, so that whoever reads it finds it.
    for (const Translations::Language &language : Translations::offered()) {
        const QString code = QString::fromLatin1(language.code);
        add(QString::fromUtf8(language.ownName), code, QStringLiteral("language_%1Item").arg(code));
    }
}

void MainMenus::buildNoteNames(QMenu *viewMenu)
{
    QMenu *menu = viewMenu->addMenu(tr("Note &Names"));
    menu->setObjectName(QStringLiteral("noteNamesMenu"));
    auto *group = new QActionGroup(menu);
    const QString stored = m_settings.read(keys::NoteNames);
    const auto add = [&](const QString &caption, const QString &style) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QStringLiteral("noteNames_%1Item").arg(style.isEmpty() ? QStringLiteral("language") : style));
        item->setCheckable(true);
        item->setChecked(style == stored);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, style] { chooseNoteNames(style); });
    };
    add(tr("As the language names them"), QString());
    menu->addSeparator();
    add(tr("Letters: C D E F G A B"), NoteNames::key(NoteNames::Style::Letters));
    add(tr("German letters: C D E F G A H"), NoteNames::key(NoteNames::Style::German));
    add(tr("Solfège: Do Re Mi Fa Sol La Si"), NoteNames::key(NoteNames::Style::Solfege));
}

void MainMenus::chooseNoteNames(const QString &style)
{
    if (style == m_settings.read(keys::NoteNames))
        return;
    m_settings.write(keys::NoteNames, style);
    m_desktop.messageBox(&m_window, tr("Staverly names the notes this way from its next start."),
                         Desktop::Buttons::Ok, Desktop::Icon::Information, tr("Note Names"));
}

void MainMenus::chooseLanguage(const QString &language)
{
    if (language == m_language)
        return;
    m_language = language;
    m_settings.write(keys::Language, language);
    m_desktop.messageBox(&m_window, tr("Staverly speaks the language chosen from its next start."),
                         Desktop::Buttons::Ok, Desktop::Icon::Information, tr("Language"));
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
                             tr("Staverly - Print Error"));
}

void MainMenus::printSetup()
{
    m_desktop.printerSetup(&m_window);
}

void MainMenus::help()
{
    QString target = HelpDocument::path(m_programFolder, m_language.isEmpty() ? QLocale::system().name() : m_language);
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
