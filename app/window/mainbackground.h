// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace staverly {

// The main window's own backdrop: the panel behind the counters and the
// player's name, the frame around the staff and the keyboard's bed.
class MainBackground : public QWidget
{
    Q_OBJECT

public:
    explicit MainBackground(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace staverly
