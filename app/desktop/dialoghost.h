// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace staverly {

class Desktop;
class Effects;
class NoticeBoard;

// What every dialog may use of the window that opens it: the services and
// the two folders. The state a dialog shows is handed to it on its own;
// dialogs never reach into the window's widgets, or into each other.
class DialogHost
{
public:
    virtual ~DialogHost() = default;

    // The dialogs' parent window.
    virtual QWidget *hostWindow() = 0;
    virtual Desktop &desktop() = 0;
    virtual Effects &effects() = 0;
    // Where the program's own files are: images/ and the help document.
    virtual QString programFolder() const = 0;
    // Where the pupils' files are: the player list and the grade log.
    virtual QString dataFolder() const = 0;
    // What is wrong right now that needs no answer (a device gone, ...).
    virtual NoticeBoard &notices() = 0;
};

} // namespace staverly
