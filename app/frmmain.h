#pragma once

#include <QMainWindow>

namespace staverly {

class Desktop;

// The program's one top-level window: the staff, the keyboard and the menus.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(Desktop &desktop, QWidget *parent = nullptr);

private:
    Desktop &m_desktop;
};

} // namespace staverly
