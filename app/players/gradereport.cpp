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
    const QString sample = QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat);
    return found || std::any_of(sample.cbegin(), sample.cend(), [](QChar c) { return c.unicode() >= 0x80; });
}

bool GradeReport::write(QIODevice &log, QIODevice &out)
{
    QByteArray html =
        "<html><title>Staverly Grade Report</title><table bgcolor=navy align=center><tr><Td>"
        "<table cellspacing=2 cellpadding=2 align=center bgcolor=white>"
        "<TR bgcolor=navy><TD align=center><font face=arial size=2 color=white><B>Name</font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Lesson</font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Yes </font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>No </font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Score</font></td>"
        "<TD align=center><font face=arial size=2 color=white><B>Date</font></td></tr>";
    const QLocale locale = QLocale::system();
    // A class's lessons fall on few days.
    QHash<qint64, QByteArray> dates;
    bool whiteRow = true;
    const auto text = [](QByteArrayView bytes) { return HtmlFile::escaped(TextLines::decodeLine(bytes)).toUtf8(); };
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
        html += text(r->lesson);
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
