// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace staverly {

// One lesson's result, as the grade log keeps it.
struct LessonRecord
{
    QString player;
    qint16 cleff = 0;
    qint16 yes = 0;
    qint16 no = 0;
    qint16 score = 0;
    QDate date;
};

} // namespace staverly
