// SPDX-License-Identifier: GPL-3.0-or-later
#include "gradereport.h"

#include "gradelog.h"
#include "htmlfile.h"
#include "maker.h"
#include "textlines.h"

#include <QHash>
#include <QIODevice>
#include <QLocale>

#include <algorithm>
#include <functional>

namespace staverly {

namespace {

constexpr qint64 Chunk = 1 << 20;

} // namespace

bool GradeReport::beyondAscii(QIODevice &log)
{
    bool found = false;
    while (!found) {
        const QByteArray chunk = log.read(Chunk);
        if (chunk.isEmpty())
            break;
        found = std::any_of(chunk.cbegin(), chunk.cend(), [](char c) { return uchar(c) >= 0x80; });
    }
    log.seek(0);
    // The dates are written as the desktop's language writes them.
    // So are the headings and the lesson names.
    const QString sample = QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat)
                           + headings().join(QString()) + GradeLog::shownLesson(GradeLog::lessonName(0))
                           + GradeLog::shownLesson(GradeLog::lessonName(1));
    return found || std::any_of(sample.cbegin(), sample.cend(), [](QChar c) { return c.unicode() >= 0x80; });
}

QStringList GradeReport::headings()
{
    return {tr("Staverly Grade Report"), tr("Name"), tr("Lesson"), tr("Yes "), tr("No "), tr("Score"), tr("Date")};
}

bool GradeReport::write(QIODevice &log, QIODevice &out)
{
    const QStringList heading = headings();
    const auto escaped = [](const QString &text) { return HtmlFile::escaped(text).toUtf8(); };
    QByteArray html = "<html><title>" + escaped(heading.at(0)) + "</title><table bgcolor=navy align=center><tr><Td>"
                      "<table cellspacing=2 cellpadding=2 align=center bgcolor=white><TR bgcolor=navy>";
    for (qsizetype c = 1; c < heading.size(); ++c)
        html += "<TD align=center><font face=arial size=2 color=white><B>" + escaped(heading.at(c)) + "</font></td>";
    html += "</tr>";
    const QLocale locale = QLocale::system();
    // A class's lessons fall on few days.
    QHash<qint64, QByteArray> dates;
    bool whiteRow = true;
    const auto text = [&escaped](QByteArrayView bytes) { return escaped(TextLines::decodeLine(bytes)); };
    const bool whole = TextLines::forEach(log, [&](QByteArrayView line, qint64) {
        const auto r = GradeLog::scan(line);
        if (!r)
            return true;
        auto date = dates.find(r->date.toJulianDay());
        if (date == dates.end())
            date = dates.insert(r->date.toJulianDay(), locale.toString(r->date, QLocale::ShortFormat).toUtf8());
        html += whiteRow ? "<TR bgcolor=white><TD><font face=arial size=2>" : "<TR bgcolor=silver><TD><font face=arial size=2>";
        html += text(r->player);
        html += "</font></td><TD><font face=arial size=2>";
        html += escaped(GradeLog::shownLesson(TextLines::decodeLine(r->lesson)));
        html += "</font></td><TD><font face=arial size=2 color=green><B>+ ";
        html += QByteArray::number(r->yes);
        html += "</font></td><TD><font face=arial size=2 color=red><B>- ";
        html += QByteArray::number(r->no);
        html += "</font></td><TD><font face=arial size=2 color=navy><B> ";
        html += QByteArray::number(r->score);
        html += "%</font></td><TD><font face=arial size=2><I>";
        html += *date;
        html += "</i></font></td></tr>";
        whiteRow = !whiteRow;
        if (html.size() < Chunk)
            return true;
        const bool written = out.write(html) == html.size();
        html.clear();
        return written;
    });
    if (!whole)
        return false;
    const QByteArray page(maker::MusicPage);
    const QByteArray shown = page.mid(page.indexOf("://") + 3);
    html += "</table></td></tr></table><BR><center><a href=\"" + page + "\">" + shown + "</a></center></html>";
    return out.write(html) == html.size();
}

} // namespace staverly
