// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playerlist.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace staverly {

class DialogHost;
class LessonEngine;
class SettingsStore;

// Player Setup: the names in "players.txt", one of which is the current
// player. A choice takes effect and is stored the moment it is selected.
class playerFrm : public QDialog
{
    Q_OBJECT

public:
    playerFrm(DialogHost &host, SettingsStore &settings, LessonEngine &lesson);

    void get_players();
    void save_Player();

    void playerCbo_Click();
    void playerCbo_DblClick();
    void addCmd_Click();
    void removeCmd_Click();
    void okCmd_Click();

    QLabel *Label1;
    QListWidget *playerCbo;
    QPushButton *removeCmd;
    QPushButton *addCmd;
    QPushButton *okCmd;

private:
    void Form_Load();
    void select(int row);
    // Replaces the list file with `names`; the old file stays whole when
    // the new one cannot be written. False after telling the user.
    // Tells what went wrong or what was done besides; false on failure.
    bool told(const TextLines::Written &change);

    DialogHost &m_host;
    SettingsStore &m_settings;
    LessonEngine &m_lesson;
};

} // namespace staverly
