// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;
class QTableView;

namespace staverly {

class DialogHost;
class GradeRows;

// The Grades window: the grade log as a list, cleared on request, and
// written as a printable HTML report that opens in the browser.
class gradesFrm : public QDialog
{
    Q_OBJECT

public:
    explicit gradesFrm(DialogHost &host);

    // The grid's header texts; each column is as wide as its text.
    static const QStringList &columns();

    void clearCmd_Click();
    void printCmd_Click();
    void closecmd_Click();
    void make_report();

    QTableView *gradesGrid;
    QPushButton *printCmd;
    QPushButton *clearCmd;
    QPushButton *progressCmd;
    QPushButton *closecmd;

signals:
    // The Progress button: the window that owns the history shows it.
    void progressWanted();

private:
    void Form_Load();

    DialogHost &m_host;
    GradeRows *m_rows;
};

} // namespace staverly
