// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace staverly {

// How the main window's labels and buttons look: fonts, colours and places
// on the drawn background.
class LessonEngine;
class NoticeBoard;

class MainLabels
{
    Q_DECLARE_TR_FUNCTIONS(MainLabels)

public:
    // A counter beside "Right", "Wrong", "Score %" and "Time", `top` in twips.
    static QLabel *counter(QWidget *parent, const char *name, int top);
    // Follows the player confirmed in Player Setup.
    static QLabel *playerName(QWidget *parent, LessonEngine &lesson);
    static QLabel *message(QWidget *parent);
    // What is wrong right now, above the counters.
    static QLabel *notice(QWidget *parent);
    static void showNotices(QLabel *notice, const NoticeBoard &board);
    // The round buttons under the message: "new" and "clue".
    static QPushButton *button(QWidget *parent, const char *name, const char *icon, int left, const QString &tip);
};

} // namespace staverly
