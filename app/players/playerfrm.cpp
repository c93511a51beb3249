// SPDX-License-Identifier: GPL-3.0-or-later
#include "playerfrm.h"

#include "desktop.h"
#include "fittext.h"
#include "formlayout.h"
#include "dialoghost.h"
#include "effects.h"
#include "lessonengine.h"
#include "playerlist.h"
#include "settingkeys.h"
#include "settingsstore.h"
#include "toldonce.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace staverly {

playerFrm::playerFrm(DialogHost &host, SettingsStore &settings, LessonEngine &lesson)
    : QDialog(host.hostWindow())
    , m_host(host)
    , m_settings(settings)
    , m_lesson(lesson)
{
    setObjectName(QStringLiteral("playerFrm"));
    setWindowTitle(tr("Player Setup"));
    setFixedSize(twips(0, 0, 2310, 3150).size());

    Label1 = place<QLabel>(this, "Label1", twips(60, 120, 1035, 195));
    Label1->setText(tr("Current Player:"));
    playerCbo = place<QListWidget>(this, "playerCbo", twips(248, 420, 1815, 1815),
                                   tr("Select a player from the list"));
    playerCbo->setSelectionMode(QAbstractItemView::SingleSelection);
    removeCmd = captioned<QPushButton>(this, "removeCmd", tr("&Remove"),
                                       twips(115, 2340, 1000, 350),
                                       tr("Click here to remove the selected player"));
    removeCmd->setEnabled(false);
    addCmd = captioned<QPushButton>(this, "addCmd", tr("&Add..."),
                                    twips(1195, 2340, 1000, 350),
                                    tr("Click here to add a new player"));
    okCmd = captioned<QPushButton>(this, "okCmd", tr("&OK"), twips(1195, 2760, 1000, 350),
                                   tr("Click here to close window"));
    okCmd->setDefault(true);
    // Only OK may take Enter: the list would otherwise swallow it.
    addCmd->setAutoDefault(false);
    removeCmd->setAutoDefault(false);

    connect(playerCbo, &QListWidget::itemSelectionChanged, this, &playerFrm::playerCbo_Click);
    connect(playerCbo, &QListWidget::itemDoubleClicked, this, &playerFrm::playerCbo_DblClick);
    connect(addCmd, &QPushButton::clicked, this, &playerFrm::addCmd_Click);
    connect(removeCmd, &QPushButton::clicked, this, &playerFrm::removeCmd_Click);
    connect(okCmd, &QPushButton::clicked, this, &playerFrm::okCmd_Click);

    fitText(this);
    Form_Load();
}

// The current player is the one named: the stored position only says where
// to look first, and may be stale after hand edits or removals.
void playerFrm::Form_Load()
{
    get_players();
    const int index = m_lesson.PLAYER_INDEX;
    if (index >= 0 && index < playerCbo->count() && playerCbo->item(index)->text() == m_lesson.PLAYER_NAME) {
        select(index);
        return;
    }
    const QList<QListWidgetItem *> named = playerCbo->findItems(m_lesson.PLAYER_NAME, Qt::MatchExactly);
    if (!named.isEmpty())
        select(playerCbo->row(named.front()));
}

void playerFrm::select(int row)
{
    if (row < 0 || row >= playerCbo->count())
        return;
    playerCbo->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void playerFrm::get_players()
{
    {
        const QSignalBlocker quiet(playerCbo);
        playerCbo->clear();
    }
    removeCmd->setEnabled(false);
    const PlayerList list(m_host.dataFolder());
    if (!list.exists()) {
        QFile empty(list.fileName());
        empty.open(QIODevice::WriteOnly);
        return;
    }
    const QStringList names = list.names();
    const QSignalBlocker quiet(playerCbo);
    playerCbo->addItems(names);
    playerCbo->setCurrentRow(-1, QItemSelectionModel::Clear);
}

void playerFrm::save_Player()
{
    const QList<QListWidgetItem *> selected = playerCbo->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = playerCbo->row(selected.front());
    // A row past 32767 does not fit the stored number: -1 points nowhere, and
    // the name finds the player.
    m_lesson.setPlayer(row <= 32767 ? qint16(row) : qint16(-1), selected.front()->text());
    m_settings.writeInteger(keys::PlayerIndex, m_lesson.PLAYER_INDEX);
    m_settings.write(keys::PlayerName, m_lesson.PLAYER_NAME);
}

void playerFrm::playerCbo_Click()
{
    const bool chosen = !playerCbo->selectedItems().isEmpty();
    removeCmd->setEnabled(chosen);
    if (chosen)
        save_Player();
}

void playerFrm::playerCbo_DblClick()
{
    save_Player();
    m_host.desktop().processEvents();
    okCmd_Click();
}

void playerFrm::addCmd_Click()
{
    const QString name = m_host.desktop().inputBox(this, tr("Please enter name!"),
                                                   tr("Staverly Players"), QString());
    if (name.isEmpty())
        return;
    if (!told(PlayerList(m_host.dataFolder()).add(name)))
        return;
    m_host.desktop().processEvents();
    get_players();
    select(playerCbo->count() - 1);
}

void playerFrm::removeCmd_Click()
{
    const QList<QListWidgetItem *> selected = playerCbo->selectedItems();
    if (selected.isEmpty())
        return;
    {
        // Taking the item out must not select a neighbour and make it current.
        const QSignalBlocker quiet(playerCbo);
        delete playerCbo->takeItem(playerCbo->row(selected.front()));
        playerCbo->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
    removeCmd->setEnabled(false);
    m_host.desktop().processEvents();
    QStringList names;
    for (int i = 0; i < playerCbo->count(); ++i)
        names << playerCbo->item(i)->text();
    told(PlayerList(m_host.dataFolder()).replace(names));
    m_host.desktop().processEvents();
    get_players();
}

void playerFrm::okCmd_Click()
{
    if (playerCbo->selectedItems().isEmpty()) {
        m_host.desktop().messageBox(this,
                                    tr("You have not selected a current player!\r\n"
                                       "You must select one before closing this window."),
                                    Desktop::Buttons::Ok, Desktop::Icon::Warning,
                                    tr("Player Setup Error"));
        return;
    }
    m_lesson.confirmPlayer();
    accept();
}

bool playerFrm::told(const TextLines::Written &change)
{
    const QString file = PlayerList(m_host.dataFolder()).fileName();
    QString text;
    if (!change.failure.isEmpty())
        text = tr("The player list \"%1\" could not be saved: %2. It is left as it was.")
                   .arg(file, change.failure);
    else if (change.converted && ToldOnce::first(QStringLiteral("converted ") + file))
        text = tr("The player list \"%1\" was not written as UTF-8 throughout. It has been "
                  "written anew as UTF-8, with every name kept.")
                   .arg(file);
    if (!text.isEmpty())
        m_host.desktop().messageBox(this, text, Desktop::Buttons::Ok,
                                    change.failure.isEmpty() ? Desktop::Icon::Information : Desktop::Icon::Warning,
                                    tr("Staverly Players"));
    return change.failure.isEmpty();
}

} // namespace staverly
