// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace staverly {

// A plain-text label that Tab reaches, for a screen reader to read. A focusable
// QLabel lays its text out through a text document that changes while it
// paints, so each change was painted twice; this one paints its text itself.
class FocusLabel : public QLabel
{
    Q_OBJECT

public:
    FocusLabel(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace staverly
