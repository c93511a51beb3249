// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerkeysheet.h"

#include "notemodel.h"

#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

QImage keyboardPicture(bool bass)
{
    return QImage(QCoreApplication::applicationDirPath() + QStringLiteral("/images/")
                  + (bass ? QStringLiteral("b_piano.gif") : QStringLiteral("t_piano.gif")));
}

// How many separate runs of pixels that pass `is` lie on row y left of x.
template <typename Is>
int runsLeftOf(const QImage &image, int x, int y, Is is)
{
    int runs = 0;
    bool inside = false;
    for (int i = 0; i <= x; ++i) {
        const bool now = is(qGray(image.pixel(i, y)));
        runs += now && !inside;
        inside = now;
    }
    return runs;
}

} // namespace

// Beside the test, and names as text whatever they hold; the whole page is
// pinned in the Test Maker's own tests.
TEST(AnswerKeySheet, SitsBesideItsTestAndShowsNamesAsText)
{
    EXPECT_EQ(AnswerKeySheet::fileName("/srv/class#1/notes.htm"), "/srv/class#1/notes_key.htm");
    EXPECT_EQ(AnswerKeySheet::fileName("/srv/week.3.html"), "/srv/week.3_key.html");
    EXPECT_EQ(AnswerKeySheet::nameCell("/i", true, {60, "<i>&"}, 1).toStdString(),
              "<TD><img src='file:///i/b60.gif' border=0><BR><font face=arial size=4> 1) - "
              "<B>&lt;i&gt;&amp; (C4)</B></font></td>");
    const QString page = AnswerKeySheet::build(NoteTestSheet::Type::ColourTheKey, "Tom & Jerry's <test>.htm", "/i",
                                               true, {{37, "C# or Db"}}, QDate(2026, 12, 7));
    EXPECT_TRUE(page.contains("<B>Answer key for Tom &amp; Jerry's &lt;test&gt;.htm</B>"));
    EXPECT_TRUE(page.contains("<B>1) - C# or Db (C#2 or Db2)</b>"));
}

// Checked against the pictures the build drew: every note of each keyboard
// gets a mark that lies wholly on the inside of its own key, clear of
// outlines, other keys and the middle C label.
TEST(AnswerKeySheet, EveryMarkSitsOnItsOwnKeyOfThePicture)
{
    constexpr int Paper = 255;
    constexpr int BlackKeyFill = 0xCC;
    for (const bool bass : {false, true}) {
        SCOPED_TRACE(bass ? "bass" : "treble");
        const QImage image = keyboardPicture(bass);
        ASSERT_FALSE(image.isNull());
        const int lowest = bass ? 24 : 48;
        int whitesBelow = 0;
        int blacksSoFar = 0;
        for (int midi = lowest; midi < lowest + 48; ++midi) {
            SCOPED_TRACE(NoteModel::scientificName(midi).toStdString());
            const bool black = NoteModel::isBlackKey(midi - lowest);
            blacksSoFar += black;
            const QRect mark = AnswerKeySheet::mark(bass, midi);
            ASSERT_FALSE(mark.isEmpty());
            ASSERT_TRUE(image.rect().contains(mark));
            const int inside = black ? BlackKeyFill : Paper;
            for (int y = mark.top(); y <= mark.bottom(); ++y)
                for (int x = mark.left(); x <= mark.right(); ++x)
                    ASSERT_EQ(qGray(image.pixel(x, y)), inside) << x << "," << y;
            const QPoint centre = mark.center();
            if (black) {
                EXPECT_EQ(runsLeftOf(image, centre.x(), centre.y(), [](int g) { return g == BlackKeyFill; }),
                          blacksSoFar);
            } else {
                // Below the black keys only the white keys' outlines cross the row.
                EXPECT_EQ(runsLeftOf(image, centre.x(), centre.y(), [](int g) { return g < 128; }),
                          whitesBelow + 1);
                ++whitesBelow;
            }
        }
        EXPECT_TRUE(AnswerKeySheet::mark(bass, lowest - 1).isEmpty());
        EXPECT_TRUE(AnswerKeySheet::mark(bass, lowest + 48).isEmpty());
    }
}
