#pragma once

#include <QDialog>

namespace staverly {

// A plain dialog for a window that is still being built: its title, a line
// saying so, and a Close button.
class StandInDialog : public QDialog
{
    Q_OBJECT

public:
    StandInDialog(const QString &objectName, const QString &title, QWidget *parent = nullptr);
};

} // namespace staverly
