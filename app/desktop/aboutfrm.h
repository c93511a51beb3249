// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace staverly {

// The borderless About window: a picture, the date line, and a timer that
// closes it after two seconds.
class aboutFrm : public QDialog
{
    Q_OBJECT

public:
    explicit aboutFrm(QWidget *parent = nullptr);

    static QPixmap picture();

    QLabel *Label1;
    QTimer *Timer1;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

} // namespace staverly
