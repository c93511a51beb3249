// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialoghost.h"
#include "effects.h"
#include "noticeboard.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace staverly {

class AnswerHistory;
class SettingsStore;
class frmMain;
class setupFrm;

// What the dialogs may use of the main window, and the dialogs it opens:
// each is made when asked for and gone when closed, but for the Lesson
// Setup dialog, which the window may create hidden.
class MainDialogs : public QObject, public DialogHost
{
    Q_OBJECT

public:
    MainDialogs(frmMain &window, Desktop &desktop, SettingsStore &settings, QString programFolder,
                QString dataFolder);
    ~MainDialogs() override;

    // Answers that cannot be kept are told once, quietly, on the notice
    // board: the lesson goes on.
    void setHistory(std::shared_ptr<AnswerHistory> history);

    // The Lesson Setup dialog, created hidden when absent.
    setupFrm &lessonSetup();
    // The Lesson Setup dialog if it is loaded, else null.
    setupFrm *loadedLessonSetup() const;
    void showLessonSetup();
    // The clef was changed without Lesson Setup: its next OK starts anew.
    void clefChangedElsewhere() { m_clefChanged = true; }
    void showMidiSetup();
    void showTestMaker();
    void showGrades();

    // DialogHost
    QWidget *hostWindow() override;
    Desktop &desktop() override { return m_desktop; }
    Effects &effects() override { return m_effects; }
    QString programFolder() const override { return m_programFolder; }
    QString dataFolder() const override { return m_dataFolder; }
    NoticeBoard &notices() override { return m_notices; }

    // Player Setup, unless it already shows: the name label and Lesson
    // Setup's Edit button may ask again while it does.
    void showPlayerSetup();
    void showPupilProgress();
    AnswerHistory &history() { return *m_history; }

private:
    frmMain &m_window;
    Desktop &m_desktop;
    SettingsStore &m_settings;
    QString m_programFolder;
    QString m_dataFolder;
    Effects m_effects;
    NoticeBoard m_notices;
    std::shared_ptr<AnswerHistory> m_history;
    bool m_playerSetupShowing = false;
    bool m_clefChanged = false;
    QPointer<setupFrm> m_setup;
};

} // namespace staverly
