// SPDX-License-Identifier: GPL-3.0-or-later
#include "gradesfrm.h"

#include "desktop.h"
#include "fittext.h"
#include "formlayout.h"
#include "dialoghost.h"
#include "effects.h"
#include "gradelog.h"
#include "graderows.h"
#include "gradereport.h"
#include "htmlfile.h"
#include "textlines.h"
#include "maker.h"

#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace staverly {

const QStringList &gradesFrm::columns()
{
    static const QStringList texts{
        tr("User Name                "), tr("Lesson         "),
        tr("Yes    "), tr("No     "), tr("Score   "),
        tr("Date                              ")};
    return texts;
}

gradesFrm::gradesFrm(DialogHost &host)
    : QDialog(host.hostWindow())
    , m_host(host)
{
    setObjectName(QStringLiteral("gradesFrm"));
    setWindowTitle(tr("Grades"));
    setFixedSize(twips(0, 0, 6675, 3390).size());

    gradesGrid = place<QTableView>(this, "gradesGrid", twips(120, 180, 6435, 2736));
    m_rows = new GradeRows(columns(), this);
    gradesGrid->setModel(m_rows);
    gradesGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gradesGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    gradesGrid->verticalHeader()->hide();
    // Compact rows, one line of text each, as in a plain list.
    gradesGrid->verticalHeader()->setDefaultSectionSize(gradesGrid->fontMetrics().height() + 6);
    gradesGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gradesGrid->setWordWrap(false);
    printCmd = captioned<QPushButton>(this, "printCmd", tr("&Print HTML Report..."),
                                      twips(120, 2980, 1650, 350),
                                      tr("Click here to make a printable HTML report."));
    clearCmd = captioned<QPushButton>(this, "clearCmd", tr("Clear"), twips(1830, 2980, 1000, 350),
                                      tr("Click here to clear the current grade report."));
    progressCmd = captioned<QPushButton>(this, "progressCmd", tr("&Progress..."),
                                         twips(2890, 2980, 1200, 350),
                                         tr("Click here to see each pupil's progress and weak notes."));
    closecmd = captioned<QPushButton>(this, "closecmd", tr("&Close"), twips(5550, 2980, 1000, 350),
                                      tr("Click here to close window."));
    closecmd->setDefault(true);
    printCmd->setAutoDefault(false);
    clearCmd->setAutoDefault(false);
    progressCmd->setAutoDefault(false);

    connect(printCmd, &QPushButton::clicked, this, &gradesFrm::printCmd_Click);
    connect(clearCmd, &QPushButton::clicked, this, &gradesFrm::clearCmd_Click);
    connect(closecmd, &QPushButton::clicked, this, &gradesFrm::closecmd_Click);
    connect(progressCmd, &QPushButton::clicked, this, &gradesFrm::progressWanted);

    fitText(this);
    Form_Load();
}

void gradesFrm::Form_Load()
{
    const QStringList &texts = columns();
    const QFontMetrics metrics(gradesGrid->font());
    for (int c = 0; c < texts.size(); ++c)
        gradesGrid->setColumnWidth(c, metrics.horizontalAdvance(texts.at(c)) + 8);

    const GradeLog log(m_host.dataFolder());
    if (!m_rows->load(log.fileName())) {
        QFile empty(log.fileName());
        if (!empty.exists())
            empty.open(QIODevice::WriteOnly);
        printCmd->setEnabled(false);
        return;
    }
    if (m_rows->unreadable() > 0) {
        m_host.desktop().messageBox(
            this,
            tr("%1 line(s) of the grade log \"%2\" could not be read as lessons and are "
               "left out here. The file itself is left as it is.")
                .arg(m_rows->unreadable())
                .arg(log.fileName()),
            Desktop::Buttons::Ok, Desktop::Icon::Warning, tr("Grades"));
    }
}

void gradesFrm::clearCmd_Click()
{
    // The header counts as a row: one lesson alone is not worth a clear.
    if (m_rows->rowCount() + 1 < 3) {
        m_host.desktop().beep();
        return;
    }
    const auto answer = m_host.desktop().messageBox(
        this,
        tr("Are you sure you want to clear this list?\r\nChange can not be undone."),
        Desktop::Buttons::YesNo, Desktop::Icon::Question, tr("Remove Grades Notification"));
    if (answer != Desktop::Answer::Yes)
        return;
    // The list shows what the file holds: while the file stays, so does it.
    const GradeLog log(m_host.dataFolder());
    QFile file(log.fileName());
    if (file.exists() && !file.remove()) {
        m_host.desktop().messageBox(this,
                                    tr("The grade log \"%1\" could not be deleted: %2. "
                                       "Every lesson in it is kept.")
                                        .arg(log.fileName(), file.errorString()),
                                    Desktop::Buttons::Ok, Desktop::Icon::Warning,
                                    tr("Remove Grades Notification"));
        return;
    }
    m_rows->blank();
    printCmd->setEnabled(false);
}

void gradesFrm::printCmd_Click()
{
    make_report();
}

void gradesFrm::closecmd_Click()
{
    accept();
}

void gradesFrm::make_report()
{
    Desktop &desktop = m_host.desktop();
    const QString path = HtmlFile::withDefaultSuffix(desktop.saveFileName(
        this, tr("Save Grade Report As..."), HtmlFile::defaultFolder(), QStringLiteral("html(*.htm)"),
        QStringLiteral("htm")));
    if (path.isEmpty())
        return;
    const auto log = TextLines::open(GradeLog(m_host.dataFolder()).fileName());
    if (!log)
        return;
    desktop.processEvents();
    // Read and written a piece at a time: a log of years is not held whole.
    const QString failure = HtmlFile::write(path, GradeReport::beyondAscii(*log),
                                            [&log](QIODevice &out) { return GradeReport::write(*log, out); });
    if (!failure.isEmpty()) {
        desktop.messageBox(this, tr("The grade report could not be saved as \"%1\": %2")
                                     .arg(path, failure),
                           Desktop::Buttons::Ok, Desktop::Icon::Warning,
                           tr("Save Grade Report As..."));
        return;
    }
    QString target = path;
    m_host.effects().open_document(target);
}

} // namespace staverly
