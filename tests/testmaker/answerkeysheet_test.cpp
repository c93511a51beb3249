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

TEST(AnswerKeySheet, TextsOfTheKeyPage)
{
    const AnswerKeySheet::Answer blackKey{37, QStringLiteral("C# or Db")};
    const QString mark = "<span style=\"position:absolute;left:129px;top:56px;width:1px;height:1px;"
                         "border:3px solid #C00000;border-radius:50%;background:#C00000;"
                         "print-color-adjust:exact;-webkit-print-color-adjust:exact\"></span>";
    const std::vector<std::pair<QString, QString>> texts{
        {AnswerKeySheet::fileName("/srv/class#1/notes.htm"), "/srv/class#1/notes_key.htm"},
        {AnswerKeySheet::fileName("/srv/week.3.html"), "/srv/week.3_key.html"},
        {AnswerKeySheet::nameCell("/i", false, {61, "C# or Db"}, 2),
         "<TD><img src='file:///i/t61.gif' border=0><BR><font face=arial size=4> 2) - "
         "<B>C# or Db (C#4 or Db4)</B></font></td>"},
        // A name is text, whatever it holds.
        {AnswerKeySheet::nameCell("/i", true, {60, "<i>&"}, 1),
         "<TD><img src='file:///i/b60.gif' border=0><BR><font face=arial size=4> 1) - "
         "<B>&lt;i&gt;&amp; (C4)</B></font></td>"},
        {AnswerKeySheet::colourCell("/i", true, blackKey, 5),
         "<TD valign=bottom><img src='file:///i/b37.gif' border=0></td><td valign=middle><BR>"
         "<div style=\"position:relative;width:460px;height:120px\"><img src='file:///i/b_piano.gif' border=0 "
         "width=460 height=120 style=\"display:block\">" + mark + "</div><br><font face=arial size=3><B>5) - "
         "C# or Db (C#2 or Db2)</b></font></td>"},
    };
    for (const auto &[actual, expected] : texts)
        EXPECT_EQ(actual.toStdString(), expected.toStdString());

    const QString page = AnswerKeySheet::build(NoteTestSheet::Type::ColourTheKey, "Tom & Jerry's <test>.htm", "/i",
                                               true, {blackKey}, QDate(2026, 12, 7));
    EXPECT_TRUE(page.contains("<B>Answer key for Tom &amp; Jerry's &lt;test&gt;.htm</B>"));
    EXPECT_EQ(page.count("<tr>"), 1);
    EXPECT_EQ(page.count(mark), 1);
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
