// SPDX-License-Identifier: GPL-3.0-or-later
#include "focuslabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace staverly {

FocusLabel::FocusLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void FocusLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    flags |= layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    const int m = margin();
    style()->drawItemText(&painter, contentsRect().adjusted(m, m, -m, -m), flags, option.palette, isEnabled(),
                          text(), foregroundRole());
}

} // namespace staverly
