// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

namespace staverly {

// A message box as wide as its whole title needs: QMessageBox sizes itself
// when shown and again when it learns its screen (on Wayland, after it is
// shown), leaving the title the room of a server-drawn title bar, which the
// title bar Qt draws itself on Wayland does not have.
class TitledMessageBox : public QMessageBox
{
    Q_OBJECT

public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace staverly
