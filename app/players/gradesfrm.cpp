#include "gradesfrm.h"

#include "desktop.h"
#include "fittext.h"
#include "formlayout.h"
#include "dialoghost.h"
#include "effects.h"
#include "gradelog.h"
#include "htmlfile.h"
#include "maker.h"

#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

namespace staverly {

namespace {

QString shortDate(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

} // namespace

const QStringList &gradesFrm::columns()
{
    static const QStringList texts{
        QStringLiteral("User Name                "), QStringLiteral("Lesson         "),
        QStringLiteral("Yes    "), QStringLiteral("No     "), QStringLiteral("Score   "),
        QStringLiteral("Date                              ")};
    return texts;
}

gradesFrm::gradesFrm(DialogHost &host)
    : QDialog(host.hostWindow())
    , m_host(host)
{
    setObjectName(QStringLiteral("gradesFrm"));
    setWindowTitle(QStringLiteral("Grades"));
    setFixedSize(twips(0, 0, 6675, 3390).size());

    gradesGrid = place<QTableWidget>(this, "gradesGrid", twips(120, 180, 6435, 2736));
    gradesGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gradesGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    gradesGrid->verticalHeader()->hide();
    // Compact rows, one line of text each, as in a plain list.
    gradesGrid->verticalHeader()->setDefaultSectionSize(gradesGrid->fontMetrics().height() + 6);
    gradesGrid->setWordWrap(false);
    printCmd = captioned<QPushButton>(this, "printCmd", QStringLiteral("&Print HTML Report..."),
                                      twips(120, 2980, 1650, 350),
                                      QStringLiteral("Click here to make a printable HTML report."));
    clearCmd = captioned<QPushButton>(this, "clearCmd", QStringLiteral("Clear"), twips(1830, 2980, 1000, 350),
                                      QStringLiteral("Click here to clear the current grade report."));
    closecmd = captioned<QPushButton>(this, "closecmd", QStringLiteral("&Close"), twips(5550, 2980, 1000, 350),
                                      QStringLiteral("Click here to close window."));
    closecmd->setDefault(true);
    printCmd->setAutoDefault(false);
    clearCmd->setAutoDefault(false);

    connect(printCmd, &QPushButton::clicked, this, &gradesFrm::printCmd_Click);
    connect(clearCmd, &QPushButton::clicked, this, &gradesFrm::clearCmd_Click);
    connect(closecmd, &QPushButton::clicked, this, &gradesFrm::closecmd_Click);

    fitText(this);
    Form_Load();
}

void gradesFrm::Form_Load()
{
    const QStringList &texts = columns();
    gradesGrid->setColumnCount(int(texts.size()));
    gradesGrid->setHorizontalHeaderLabels(texts);
    const QFontMetrics metrics(gradesGrid->font());
    for (int c = 0; c < texts.size(); ++c)
        gradesGrid->setColumnWidth(c, metrics.horizontalAdvance(texts.at(c)) + 8);
    gradesGrid->setRowCount(1);

    const GradeLog log(m_host.programFolder());
    QFile file(log.fileName());
    if (!file.open(QIODevice::ReadOnly)) {
        QFile empty(log.fileName());
        if (!empty.exists())
            empty.open(QIODevice::WriteOnly);
        printCmd->setEnabled(false);
        return;
    }
    const GradeLog::Contents contents = GradeLog::parseAll(file.readAll());
    gradesGrid->setRowCount(int(contents.records.size()) + 1);
    int row = 1;
    for (const GradeLog::Record &r : contents.records) {
        const QStringList cells{r.player, r.lesson, QString::number(r.yes), QString::number(r.no),
                                QString::number(r.score) + QStringLiteral("%"), shortDate(r.date)};
        for (int c = 0; c < cells.size(); ++c)
            gradesGrid->setItem(row, c, new QTableWidgetItem(cells.at(c)));
        ++row;
    }
    gradesGrid->removeRow(0);
    if (contents.unreadable > 0) {
        m_host.desktop().messageBox(
            this,
            QStringLiteral("%1 line(s) of the grade log \"%2\" could not be read as lessons and are "
                           "left out here. The file itself is left as it is.")
                .arg(contents.unreadable)
                .arg(log.fileName()),
            Desktop::Buttons::Ok, Desktop::Icon::Warning, QStringLiteral("Grades"));
    }
}

void gradesFrm::clearCmd_Click()
{
    // The header counts as a row: one lesson alone is not worth a clear.
    if (gradesGrid->rowCount() + 1 < 3) {
        m_host.desktop().beep();
        return;
    }
    const auto answer = m_host.desktop().messageBox(
        this,
        QStringLiteral("Are you sure you want to clear this list?\r\nChange can not be undone."),
        Desktop::Buttons::YesNo, Desktop::Icon::Question, QStringLiteral("Remove Grades Notification"));
    if (answer != Desktop::Answer::Yes)
        return;
    // The list shows what the file holds: while the file stays, so does it.
    const GradeLog log(m_host.programFolder());
    QFile file(log.fileName());
    if (file.exists() && !file.remove()) {
        m_host.desktop().messageBox(this,
                                    QStringLiteral("The grade log \"%1\" could not be deleted: %2. "
                                                   "Every lesson in it is kept.")
                                        .arg(log.fileName(), file.errorString()),
                                    Desktop::Buttons::Ok, Desktop::Icon::Warning,
                                    QStringLiteral("Remove Grades Notification"));
        return;
    }
    for (int c = 0; c < gradesGrid->columnCount(); ++c) {
        gradesGrid->horizontalHeaderItem(c)->setText(QString());
        for (int r = 0; r < gradesGrid->rowCount(); ++r)
            gradesGrid->setItem(r, c, new QTableWidgetItem(QString()));
    }
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

QString gradesFrm::report(const QByteArray &log)
{
    QString html = QStringLiteral(
        "<html><title>Staverly Grade Report</title><table bgcolor=navy align=center><tr><Td>"
        "<table cellspacing=2 cellpadding=2 align=center bgcolor=white>");
    html += QStringLiteral(
        "<TR bgcolor=navy><TD align=center><font face=arial size=2 color=white><B>Name</font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Lesson</font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Yes </font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>No </font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Score</font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Date</font></td></tr>");
    QString colour;
    for (const GradeLog::Record &r : GradeLog::parseAll(log).records) {
        colour = colour == QLatin1String("white") ? QStringLiteral("silver") : QStringLiteral("white");
        html += QStringLiteral("<TR bgcolor=") + colour + QStringLiteral("><TD><font face=arial size=2>")
                + HtmlFile::escaped(r.player) + QStringLiteral("</font></td><TD><font face=arial size=2>")
                + HtmlFile::escaped(r.lesson)
                + QStringLiteral("</font></td><TD><font face=arial size=2 color=green><B>+ ")
                + QString::number(r.yes)
                + QStringLiteral("</font></td><TD><font face=arial size=2 color=red><B>- ")
                + QString::number(r.no)
                + QStringLiteral("</font></td><TD><font face=arial size=2 color=navy><B> ")
                + QString::number(r.score) + QStringLiteral("%")
                + QStringLiteral("</font></td><TD><font face=arial size=2><I>") + shortDate(r.date)
                + QStringLiteral("</i></font></td></tr>");
    }
    const QString page = QString::fromLatin1(maker::MusicPage);
    const QString shown = page.mid(page.indexOf(QStringLiteral("://")) + 3);
    html += QStringLiteral("</table></td></tr></table><BR><center><a href=\"%1\">%2</a></center></html>")
                .arg(page, shown);
    return html;
}

void gradesFrm::make_report()
{
    Desktop &desktop = m_host.desktop();
    const QString path = HtmlFile::withDefaultSuffix(desktop.saveFileName(
        this, QStringLiteral("Save Grade Report As..."), HtmlFile::defaultFolder(), QStringLiteral("html(*.htm)"),
        QStringLiteral("htm")));
    if (path.isEmpty())
        return;
    QFile file(GradeLog(m_host.programFolder()).fileName());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString document = report(file.readAll());
    file.close();
    desktop.processEvents();
    const QString failure = HtmlFile::write(path, document);
    if (!failure.isEmpty()) {
        desktop.messageBox(this, QStringLiteral("The grade report could not be saved as \"%1\": %2")
                                     .arg(path, failure),
                           Desktop::Buttons::Ok, Desktop::Icon::Warning,
                           QStringLiteral("Save Grade Report As..."));
        return;
    }
    QString target = path;
    m_host.effects().open_document(target);
}

} // namespace staverly
