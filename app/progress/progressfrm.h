// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerhistory.h"

#include <QDialog>

class QButtonGroup;
class QChart;
class QChartView;
class QComboBox;
class QListWidget;
class QPushButton;

namespace staverly {

class DialogHost;
class WeakNoteMap;

// A pupil's progress over weeks and months, from the answer history: the
// scores and answer times of the lessons, the notes answered wrong or
// slowly on the keyboard, the notes most often confused, and the answers
// as a spreadsheet file.
class progressFrm : public QDialog
{
    Q_OBJECT

public:
    // Opens on the current player's answers.
    progressFrm(DialogHost &host, AnswerHistory &history, QString currentPlayer);

    QComboBox *playerCbo;
    QComboBox *periodCbo;
    QChartView *chartView;
    QButtonGroup *mapClef;
    QButtonGroup *mapMeasure;
    WeakNoteMap *noteMap;
    QListWidget *confusedLst;
    QPushButton *exportCmd;
    QPushButton *closeCmd;

    // The player shown.
    QString player() const;
    void exportCmd_Click();

private:
    void showPlayer();
    void showChart();
    void showMap();

    DialogHost &m_host;
    AnswerHistory &m_history;
    QString m_currentPlayer;
    std::vector<AnswerHistory::NoteStat> m_stats[2];
};

} // namespace staverly
