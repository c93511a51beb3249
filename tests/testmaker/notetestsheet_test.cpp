#include "notetestsheet.h"

#include <QLocale>
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
              "<TD><img src='/opt/st/images/t60.gif' border=0><BR><font face=arial size=4> 3) - What is this "
              "note? _______</font></td>");
    const QString tail = "' border=0><br><BR><font face=arial size=3><B>1) - Color in this note on the piano."
                         "</b></font></td>";
    EXPECT_EQ(NoteTestSheet::colourCell("/i", false, false, 60, 1),
              "<TD valign=bottom><img src='/i/t60.gif' border=0></td><td valign=middle><BR><img src='"
              "/i/t_piano.gif" + tail);
    EXPECT_EQ(NoteTestSheet::colourCell("/i", true, false, 48, 1),
              "<TD><img src='/i/b48.gif' border=0><td><td valign=middle><BR><img src='/i/b_piano.gif" + tail);
    // Chromatic: the treble note beside the bass keyboard picture.
    EXPECT_EQ(NoteTestSheet::colourCell("/i", false, true, 61, 1),
              "<TD><img src='/i/t61.gif' border=0><td valign=middle><BR><img src='/i/b_piano.gif" + tail);
    // A quote in the folder's name cannot end the attribute.
    EXPECT_TRUE(NoteTestSheet::nameCell("/home/o'neil/images", true, 40, 1)
                    .startsWith("<TD><img src='/home/o&#39;neil/images/b40.gif'"));
}
