// SPDX-License-Identifier: GPL-3.0-or-later
#include "notetestsheet.h"

#include <QLocale>
#include <QUrl>
#include <gtest/gtest.h>

using namespace staverly;
using Type = NoteTestSheet::Type;

namespace {

QString sheet(Type type, int questions)
{
    return NoteTestSheet::build(type, questions, [](qint16 q) { return QStringLiteral("[%1]").arg(q); },
                                QDate(2026, 12, 7));
}

// What lies between the head and the foot.
QString body(const QString &html)
{
    const QString open = QStringLiteral("cellspacing=0 >");
    const auto from = html.indexOf(open) + open.size();
    return html.mid(from, html.indexOf(QStringLiteral("</table>")) - from);
}

} // namespace

TEST(NoteTestSheet, NameTheNoteGoesTwoToARowWithASpacerAfterEverySix)
{
    EXPECT_EQ(body(sheet(Type::NameTheNote, 7)),
              "<TR>[1][2]</tr><TR>[3][4]</tr><TR>[5][6]</tr><TR><td colspan=2 height=128></td></tr>"
              "<TR>[7]<td></td></tr>");
    EXPECT_EQ(body(sheet(Type::NameTheNote, 6)),
              "<TR>[1][2]</tr><TR>[3][4]</tr><TR>[5][6]</tr><TR><td colspan=2 height=128></td></tr>");
    EXPECT_EQ(body(sheet(Type::NameTheNote, 0)), "<td></td></tr>");
    EXPECT_EQ(body(sheet(Type::NameTheNote, -5)), "<td></td></tr>");
}

TEST(NoteTestSheet, ColourTheKeyGoesOneToARowWithAShortSpacerEveryEighteenth)
{
    EXPECT_EQ(body(sheet(Type::ColourTheKey, 3)),
              "<tr>[1]</tr><tr>[2]</tr><tr>[3]</tr><tr><td colspan=2 height=200></td></tr>");
    EXPECT_EQ(body(sheet(Type::ColourTheKey, 0)), "");
    const QString long54 = body(sheet(Type::ColourTheKey, 55));
    EXPECT_EQ(long54.count("height=200"), 17);
    EXPECT_TRUE(long54.contains("<tr>[54]</tr><tr><td colspan=2 height=40></td></tr><tr>[55]</tr>"));
}

TEST(NoteTestSheet, HeadAndFootAroundTheQuestions)
{
    const QString html = sheet(Type::NameTheNote, 0);
    EXPECT_TRUE(html.startsWith("<html><title>Staverly Note Test - "
                                + QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat)
                                + "</title><body leftmargin=0 body topmargin=0><BR><br clear=all>"
                                  "<Table border=0 align=left cellpadding=0 cellspacing=0 >"));
    EXPECT_TRUE(html.endsWith("</table><BR clear=all><BR><center><a href=\"https://staverly.example/music/\">"
                              "Brought to you by Pellworth Staverly Music...</a></center></body></html>"));
}

TEST(NoteTestSheet, CellsNameTheirPicturesForEachClefAndMode)
{
    EXPECT_EQ(NoteTestSheet::nameCell("/opt/st/images", false, 60, 3),
              "<TD><img src='file:///opt/st/images/t60.gif' border=0><BR><font face=arial size=4> 3) - "
              "What is this note? _______</font></td>");
    const QString tail = "' border=0><br><BR><font face=arial size=3><B>1) - Color in this note on the piano."
                         "</b></font></td>";
    EXPECT_EQ(NoteTestSheet::colourCell("/i", false, false, 60, 1),
              "<TD valign=bottom><img src='file:///i/t60.gif' border=0></td><td valign=middle><BR><img src='"
              "file:///i/t_piano.gif" + tail);
    EXPECT_EQ(NoteTestSheet::colourCell("/i", true, false, 48, 1),
              "<TD><img src='file:///i/b48.gif' border=0><td><td valign=middle><BR><img src='"
              "file:///i/b_piano.gif" + tail);
    // Chromatic: the treble note beside the bass keyboard picture.
    EXPECT_EQ(NoteTestSheet::colourCell("/i", false, true, 61, 1),
              "<TD><img src='file:///i/t61.gif' border=0><td valign=middle><BR><img src='"
              "file:///i/b_piano.gif" + tail);
}

// Whatever the program's folder is called, each picture's address leads a
// browser back to that very file, and nothing in it ends the attribute.
TEST(NoteTestSheet, PicturesLoadFromAnyFolder)
{
    const std::vector<std::pair<QString, QString>> folders{
        {"/srv/class#1/images", "file:///srv/class%231/images/t60.gif"},
        {"/srv/100%/images", "file:///srv/100%25/images/t60.gif"},
        {"/srv/why?/images", "file:///srv/why%3F/images/t60.gif"},
        {"/home/o'neil/images", "file:///home/o%27neil/images/t60.gif"},
        {"/home/a & b/images", "file:///home/a%20&amp;%20b/images/t60.gif"},
        {"/home/zoë/images", "file:///home/zo%C3%AB/images/t60.gif"},
    };
    for (const auto &[folder, address] : folders) {
        const QString cell = NoteTestSheet::nameCell(folder, false, 60, 1);
        const auto start = cell.indexOf("src='") + 5;
        const QString src = cell.mid(start, cell.indexOf('\'', start) - start);
        EXPECT_EQ(src, address);
        const QString unescaped = QString(src).replace("&amp;", "&");
        EXPECT_EQ(QUrl(unescaped).toLocalFile(), folder + "/t60.gif");
    }
}
