// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainfocus.h"

#include "frmmain.h"
#include "picturebox.h"
#include "pianokey.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace staverly {

void MainFocus::order(frmMain &w)
{
    // Screen order: the buttons, the high slider above the keys, the keys,
    // the low slider below them.
    QWidget *previous = w.clueCmd;
    QWidget::setTabOrder(w.newCmd, w.clueCmd);
    for (QWidget *next : {w.highSlider, static_cast<QWidget *>(w.pianoKey.front())}) {
        if (next) {
            QWidget::setTabOrder(previous, next);
            previous = next;
        }
    }
    if (w.lowSlider)
        QWidget::setTabOrder(w.pianoKey.back(), w.lowSlider);
    // Then what the lesson shows, each read by its name.
    previous = w.lowSlider ? w.lowSlider : w.pianoKey.back();
    for (QWidget *next : std::initializer_list<QWidget *>{w.msglbl, w.Picture1, w.Bar, w.yesLbl, w.noLbl,
                                                          w.scoreLbl, w.timeLbl}) {
        next->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    // Where a lesson starts: Return on it is New.
    w.newCmd->setFocus(Qt::OtherFocusReason);
}

} // namespace staverly
