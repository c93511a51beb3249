// SPDX-License-Identifier: GPL-3.0-or-later
#include "maindialogs.h"

#include "answerhistory.h"
#include "desktop.h"
#include "settingsstore.h"
#include "frmmain.h"
#include "gradesfrm.h"
#include "micanswers.h"
#include "midifrm.h"
#include "playerfrm.h"
#include "playerlist.h"
#include "progressfrm.h"
#include "setupfrm.h"
#include "testfrm.h"

#include <QDir>
#include <QLabel>

namespace staverly {

MainDialogs::MainDialogs(frmMain &window, Desktop &desktop, SettingsStore &settings, QString programFolder,
                         QString dataFolder)
    : QObject(&window)
    , m_window(window)
    , m_desktop(desktop)
    , m_settings(settings)
    , m_programFolder(std::move(programFolder))
    , m_dataFolder(std::move(dataFolder))
    , m_effects(desktop, [this] { return m_window.lesson.USE_SOUND; })
{
    // Told after the handler that wrote, not in its middle.
    m_settings.onWriteFailure([this](const QString &message) {
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                m_desktop.messageBox(&m_window, message, Desktop::Buttons::Ok, Desktop::Icon::Warning,
                                     QStringLiteral("Staverly"));
            },
            Qt::QueuedConnection);
    });
}

MainDialogs::~MainDialogs()
{
    m_settings.onWriteFailure({});
    delete m_setup;
}

void MainDialogs::setHistory(std::shared_ptr<AnswerHistory> history)
{
    m_history = history ? std::move(history)
                        : std::make_shared<AnswerHistory>(QDir(m_dataFolder).filePath(QStringLiteral("history.sqlite")));
    const auto show = [this](const QString &problem) {
        if (problem.isEmpty())
            m_notices.clear(QStringLiteral("history"));
        else
            m_notices.post(QStringLiteral("history"), m_history->problemTitle(), problem);
    };
    connect(m_history.get(), &AnswerHistory::problemChanged, this, show);
    show(m_history->problem());
}

QWidget *MainDialogs::hostWindow()
{
    return &m_window;
}

setupFrm &MainDialogs::lessonSetup()
{
    if (!m_setup) {
        m_setup = new setupFrm(*this, m_settings, m_window.lesson);
        connect(m_setup, &setupFrm::playerSetupWanted, this, &MainDialogs::showPlayerSetup);
    }
    return *m_setup;
}

setupFrm *MainDialogs::loadedLessonSetup() const
{
    return m_setup;
}

void MainDialogs::showLessonSetup()
{
    setupFrm &dialog = lessonSetup();
    dialog.okPressed = false;
    m_desktop.showModal(dialog);
    const bool ok = dialog.okPressed;
    // OK and the close box both destroy the dialog; the next use makes it anew.
    const bool changed = dialog.CHANGE_FLAG == 1 || m_clefChanged;
    delete m_setup;
    m_clefChanged = false;
    if (!ok)
        return;
    m_window.raise();
    m_window.activateWindow();
    m_desktop.processEvents();
    if (!m_window.lesson.FIRST_TIME || changed)
        m_window.lesson.do_new();
}

void MainDialogs::showMidiSetup()
{
    midiFrm dialog(*this, m_settings, m_window.midi, &m_window.mic().ear());
    m_desktop.showModal(dialog);
}

void MainDialogs::showTestMaker()
{
    testFrm dialog(*this, m_settings, m_window.lesson);
    m_desktop.showModal(dialog);
}

void MainDialogs::showGrades()
{
    gradesFrm dialog(*this);
    connect(&dialog, &gradesFrm::progressWanted, this, &MainDialogs::showPupilProgress);
    m_desktop.showModal(dialog);
}

void MainDialogs::showPlayerSetup()
{
    if (m_playerSetupShowing)
        return;
    m_playerSetupShowing = true;
    playerFrm dialog(*this, m_settings, m_window.lesson);
    m_desktop.showModal(dialog);
    m_playerSetupShowing = false;
}

void MainDialogs::showPupilProgress()
{
    progressFrm dialog(*this, *m_history, m_window.lesson.PLAYER_NAME);
    m_desktop.showModal(dialog);
}

} // namespace staverly
