// SPDX-License-Identifier: GPL-3.0-or-later
#include "titledmessagebox.h"

#include "fittext.h"

namespace staverly {

void TitledMessageBox::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    roomForTitle(this);
}

void TitledMessageBox::resizeEvent(QResizeEvent *event)
{
    QMessageBox::resizeEvent(event);
    roomForTitle(this);
}

} // namespace staverly
