// SPDX-License-Identifier: GPL-3.0-or-later
#include "notetestsheet.h"

#include "htmlfile.h"
#include "maker.h"

#include <QDir>
#include <QLocale>

namespace staverly {

namespace {

QString picture(const QString &imagesFolder, const QString &name)
{
    return HtmlFile::fileAddress(QDir(imagesFolder).filePath(name));
}

} // namespace

QString NoteTestSheet::staffPicture(const QString &imagesFolder, bool bass, int midi)
{
    return picture(imagesFolder, (bass ? QStringLiteral("b") : QStringLiteral("t")) + QString::number(midi)
                                     + QStringLiteral(".gif"));
}

QString NoteTestSheet::keyboardPicture(const QString &imagesFolder, bool bass)
{
    return picture(imagesFolder, bass ? QStringLiteral("b_piano.gif") : QStringLiteral("t_piano.gif"));
}

QString NoteTestSheet::nameCell(const QString &imagesFolder, bool bass, int midi, qint16 q)
{
    return QStringLiteral("<TD><img src='") + staffPicture(imagesFolder, bass, midi)
           + QStringLiteral("' border=0><BR><font face=arial size=4> ") + QString::number(q)
           + QStringLiteral(") - ") + HtmlFile::escaped(tr("What is this note? _______"))
           + QStringLiteral("</font></td>");
}

QString NoteTestSheet::colourCell(const QString &imagesFolder, bool bass, bool chromatic, int midi, qint16 q)
{
    QString opening = QStringLiteral("<TD><img src='");
    QString middle = QStringLiteral(" border=0><td valign=middle><BR><img src='");
    bool keyboardBass = true;
    if (!chromatic && !bass) {
        opening = QStringLiteral("<TD valign=bottom><img src='");
        middle = QStringLiteral(" border=0></td><td valign=middle><BR><img src='");
        keyboardBass = false;
    } else if (!chromatic) {
        middle = QStringLiteral(" border=0><td><td valign=middle><BR><img src='");
    }
    return opening + staffPicture(imagesFolder, bass, midi) + QStringLiteral("'") + middle
           + keyboardPicture(imagesFolder, keyboardBass)
           + QStringLiteral("' border=0><br><BR><font face=arial size=3><B>") + QString::number(q)
           + QStringLiteral(") - ") + HtmlFile::escaped(tr("Color in this note on the piano."))
           + QStringLiteral("</b></font></td>");
}

QString NoteTestSheet::build(Type type, int questions, const Cell &cell, const QDate &today)
{
    return QStringLiteral("<html><title>Staverly Note Test - ")
           + QLocale::system().toString(today, QLocale::ShortFormat)
           + QStringLiteral("</title><body leftmargin=0 body topmargin=0><BR><br clear=all>"
                            "<Table border=0 align=left cellpadding=0 cellspacing=0 >")
           + rows(type, questions, cell) + foot();
}

QString NoteTestSheet::rows(Type type, int questions, const Cell &cell)
{
    QString html;
    if (type == Type::NameTheNote) {
        for (int q = 1; q <= questions; ++q) {
            if (q % 2 == 1)
                html += QStringLiteral("<TR>") + cell(qint16(q));
            else
                html += cell(qint16(q)) + QStringLiteral("</tr>");
            if (q % 6 == 0)
                html += QStringLiteral("<TR><td colspan=2 height=128></td></tr>");
        }
        if (!html.endsWith(QLatin1String("</tr>")))
            html += QStringLiteral("<td></td></tr>");
    } else {
        int spacers = 0;
        for (int q = 1; q <= questions; ++q) {
            html += QStringLiteral("<tr>") + cell(qint16(q)) + QStringLiteral("</tr>");
            if (q % 3 == 0) {
                ++spacers;
                html += spacers % 18 == 0 ? QStringLiteral("<tr><td colspan=2 height=40></td></tr>")
                                          : QStringLiteral("<tr><td colspan=2 height=200></td></tr>");
            }
        }
    }
    return html;
}

QString NoteTestSheet::foot()
{
    return QStringLiteral("</table><BR clear=all><BR><center><a href=\"%1\">%2</a></center></body></html>")
        .arg(QString::fromLatin1(maker::MusicPage),
             HtmlFile::escaped(tr("Brought to you by Pellworth %1...").arg(QString::fromLatin1(maker::MusicSite))));
}

} // namespace staverly
