// SPDX-License-Identifier: GPL-3.0-or-later
#include "staffreading.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <functional>
#include <gtest/gtest.h>

#include <string_view>

using namespace staverly;

namespace {

struct ClefRange
{
    const char *name;
    QChar prefix;
    int lowest;
    int highest;
    int bottomLine;
};

constexpr int E4 = 64;
constexpr int G2 = 43;
constexpr int MiddleC = 60;

const ClefRange Treble{"treble", u't', 48, 95, E4};
const ClefRange Bass{"bass", u'b', 24, 71, G2};
const ClefRange BothClefs[] = {Treble, Bass};

const char *const NoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

bool isBlackKey(int midi)
{
    return NoteNames[midi % 12][1] == '#';
}

// Letter names counted upward from C0; a sharp shares its letter's place.
int letterNumber(int midi)
{
    return (midi / 12) * 7 + int(std::string_view("CDEFGAB").find(NoteNames[midi % 12][0]));
}

int expectedStep(const ClefRange &clef, int midi)
{
    return letterNumber(midi) - letterNumber(clef.bottomLine);
}

QList<int> expectedLedgerSteps(int step)
{
    QList<int> steps;
    for (int s = 10; s <= step; s += 2)
        steps.prepend(s);
    for (int s = -2; s >= step; s -= 2)
        steps.append(s);
    return steps;
}

QString picturePath(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/") + name;
}

QString pictureName(const ClefRange &clef, int midi)
{
    return QStringLiteral("%1%2.gif").arg(clef.prefix).arg(midi);
}

QImage picture(const ClefRange &clef, int midi)
{
    return QImage(picturePath(pictureName(clef, midi)));
}

std::string label(const ClefRange &clef, int midi)
{
    return pictureName(clef, midi).toStdString() + " (" + NoteNames[midi % 12] + ")";
}

// Reads the picture of every note of both clefs, each with its staff and note
// head found, and hands it to `check`.
void forEveryNote(const std::function<void(const ClefRange &, int, const StaffReading &)> &check)
{
    for (const ClefRange &clef : BothClefs) {
        for (int midi = clef.lowest; midi <= clef.highest; ++midi) {
            SCOPED_TRACE(label(clef, midi));
            const StaffReading reading(picture(clef, midi));
            ASSERT_EQ(reading.staffLines().size(), 5);
            ASSERT_TRUE(reading.noteHead());
            check(clef, midi, reading);
        }
    }
}

QStringList allPictureNames()
{
    QStringList names{QStringLiteral("t_piano.gif"), QStringLiteral("b_piano.gif")};
    for (const ClefRange &clef : BothClefs) {
        for (int midi = clef.lowest; midi <= clef.highest; ++midi)
            names.append(pictureName(clef, midi));
    }
    return names;
}

} // namespace

TEST(StaffPictures, EveryNoteOfBothClefsHasAPictureOfOneSize)
{
    const QImage first = picture(Treble, Treble.lowest);
    ASSERT_FALSE(first.isNull()) << qPrintable(picturePath(pictureName(Treble, Treble.lowest)));
    // The staff area of a 640x480 main window.
    EXPECT_GE(first.width(), 400);
    EXPECT_LE(first.width(), 500);
    EXPECT_GE(first.height(), 200);
    EXPECT_LE(first.height(), 260);
    for (const ClefRange &clef : BothClefs) {
        for (int midi = clef.lowest; midi <= clef.highest; ++midi) {
            SCOPED_TRACE(label(clef, midi));
            const QImage image = picture(clef, midi);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), first.size());
        }
    }
    EXPECT_FALSE(QFileInfo::exists(picturePath(QStringLiteral("t47.gif"))));
    EXPECT_FALSE(QFileInfo::exists(picturePath(QStringLiteral("b72.gif"))));
}

TEST(StaffPictures, AreBlackInkOnWhiteInAtMostSixteenGreys)
{
    for (const QString &name : allPictureNames()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(picturePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(13);
        ASSERT_EQ(header.size(), 13);
        EXPECT_TRUE(header.startsWith("GIF8"));
        // Logical screen descriptor: a global colour table of 2^(n+1) entries.
        const auto packed = quint8(header[10]);
        EXPECT_TRUE(packed & 0x80);
        EXPECT_LE(2 << (packed & 7), 16);

        const QImage image(picturePath(name));
        ASSERT_FALSE(image.isNull());
        QSet<int> used;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel))
                    << "colour at " << x << "," << y;
                used.insert(qGray(pixel));
            }
        }
        EXPECT_LE(used.size(), 16);
        EXPECT_TRUE(used.contains(0)) << "no black ink";
        EXPECT_TRUE(used.contains(255)) << "no white paper";
        EXPECT_GE(used.size(), 3) << "edges are not smoothed";
        EXPECT_EQ(qGray(image.pixel(0, 0)), 255);
        EXPECT_EQ(qGray(image.pixel(image.width() - 1, image.height() - 1)), 255);
    }
}

TEST(StaffPictures, StaffLinesAreEvenAndStayPutForEveryNoteOfAClef)
{
    double spacing[2] = {};
    for (int c = 0; c < 2; ++c) {
        const ClefRange &clef = BothClefs[c];
        SCOPED_TRACE(clef.name);
        const StaffReading first(picture(clef, clef.lowest));
        ASSERT_EQ(first.staffLines().size(), 5);
        spacing[c] = first.spacing();
        EXPECT_GE(first.spacing(), 10.0);
        for (int i = 0; i < 5; ++i) {
            EXPECT_LE(first.staffLines()[i].length(), 3);
            if (i > 0) {
                const double gap = first.staffLines()[i].centre() - first.staffLines()[i - 1].centre();
                EXPECT_NEAR(gap, first.spacing(), 0.5);
            }
        }
        for (int midi = clef.lowest + 1; midi <= clef.highest; ++midi) {
            SCOPED_TRACE(label(clef, midi));
            const StaffReading reading(picture(clef, midi));
            ASSERT_EQ(reading.staffLines().size(), 5);
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(reading.staffLines()[i].first, first.staffLines()[i].first);
                EXPECT_EQ(reading.staffLines()[i].last, first.staffLines()[i].last);
            }
        }
    }
    EXPECT_DOUBLE_EQ(spacing[0], spacing[1]);
}

TEST(StaffPictures, MiddleCSitsOnOneLedgerLineBelowTrebleAndAboveBass)
{
    const StaffReading treble(picture(Treble, MiddleC));
    ASSERT_EQ(treble.staffLines().size(), 5);
    ASSERT_TRUE(treble.noteHead());
    ASSERT_EQ(treble.ledgerLines().size(), 1);
    const double below = treble.staffLines().last().centre() + treble.spacing();
    EXPECT_NEAR(treble.ledgerLines()[0].centre(), below, 1.0);
    EXPECT_NEAR(treble.noteHead()->y.centre(), below, 1.5);

    const StaffReading bass(picture(Bass, MiddleC));
    ASSERT_EQ(bass.staffLines().size(), 5);
    ASSERT_TRUE(bass.noteHead());
    ASSERT_EQ(bass.ledgerLines().size(), 1);
    const double above = bass.staffLines().first().centre() - bass.spacing();
    EXPECT_NEAR(bass.ledgerLines()[0].centre(), above, 1.0);
    EXPECT_NEAR(bass.noteHead()->y.centre(), above, 1.5);
}

TEST(StaffPictures, EveryNoteHeadSitsOnTheLineOrSpaceOfItsPitch)
{
    forEveryNote([](const ClefRange &clef, int midi, const StaffReading &reading) {
        const StaffReading::Box head = *reading.noteHead();
        EXPECT_NEAR(reading.stepAt(head.y.centre()), expectedStep(clef, midi), 0.3);
        // A whole note: an oval about one space high and half as wide again.
        EXPECT_GE(head.x.length(), 1.3 * reading.spacing());
        EXPECT_LE(head.x.length(), 2.0 * reading.spacing());
        EXPECT_GE(head.y.length(), 0.7 * reading.spacing());
        EXPECT_LE(head.y.length(), 1.2 * reading.spacing());
        // Clear of the picture's edges.
        EXPECT_GE(head.y.first, reading.spacing() / 2);
        EXPECT_LE(head.y.last, reading.scan().height() - reading.spacing() / 2);
    });
}

TEST(StaffPictures, LedgerLinesAreExactlyThoseBetweenStaffAndNoteAndShort)
{
    forEveryNote([](const ClefRange &clef, int midi, const StaffReading &reading) {
        const QList<int> expected = expectedLedgerSteps(expectedStep(clef, midi));
        ASSERT_EQ(reading.ledgerLines().size(), expected.size());
        const StaffReading::Span head = reading.noteHead()->x;
        for (int i = 0; i < expected.size(); ++i) {
            const StaffReading::Span rows = reading.ledgerLines()[i];
            EXPECT_NEAR(reading.stepAt(rows.centre()), expected[i], 0.15);
            EXPECT_LE(rows.length(), 3);
            // Through or beside the note only, a little longer than its head.
            const StaffReading::Span extent = reading.ledgerExtent(rows);
            const int leftOverhang = head.first - extent.first;
            const int rightOverhang = extent.last - head.last;
            EXPECT_GE(leftOverhang, 0.2 * reading.spacing());
            EXPECT_LE(leftOverhang, 0.8 * reading.spacing());
            EXPECT_NEAR(leftOverhang, rightOverhang, 2);
        }
    });
}

TEST(StaffPictures, RangeEndsNeedFourOrFiveLedgerLines)
{
    struct Case
    {
        const ClefRange &clef;
        int midi;
        qsizetype ledgers;
    };
    for (const Case &c : {Case{Treble, 48, 4}, Case{Treble, 95, 5}, Case{Bass, 24, 5},
                          Case{Bass, 71, 4}, Case{Treble, 64, 0}, Case{Bass, 57, 0}}) {
        SCOPED_TRACE(label(c.clef, c.midi));
        EXPECT_EQ(StaffReading(picture(c.clef, c.midi)).ledgerLines().size(), c.ledgers);
    }
}

TEST(StaffPictures, SharpStandsBeforeBlackKeyNotesOnly)
{
    forEveryNote([](const ClefRange &, int midi, const StaffReading &reading) {
        ASSERT_EQ(reading.accidental().has_value(), isBlackKey(midi));
        if (!reading.accidental())
            return;
        const StaffReading::Box sharp = *reading.accidental();
        const StaffReading::Box head = *reading.noteHead();
        EXPECT_NEAR(sharp.y.centre(), head.y.centre(), reading.spacing() / 3);
        EXPECT_GE(sharp.y.length(), 2.0 * reading.spacing());
        EXPECT_LE(sharp.y.length(), 3.5 * reading.spacing());
        EXPECT_GE(sharp.x.length(), 0.6 * reading.spacing());
        EXPECT_LE(sharp.x.length(), 1.8 * reading.spacing());
        EXPECT_GE(head.x.first - sharp.x.last, 2);
        EXPECT_LE(head.x.first - sharp.x.last, reading.spacing());
        for (const StaffReading::Span &ledger : reading.ledgerLines())
            EXPECT_LT(sharp.x.last, reading.ledgerExtent(ledger).first);
    });
}

TEST(StaffPictures, ClefIsTheSameInEveryPictureAndClearOfTheNote)
{
    for (const ClefRange &clef : BothClefs) {
        SCOPED_TRACE(clef.name);
        const QImage firstImage = picture(clef, clef.lowest);
        const StaffReading first(firstImage);
        ASSERT_TRUE(first.clef());
        const int clefEnd = first.clef()->x.last;
        const QImage clefArea = firstImage.copy(0, 0, clefEnd + 2, firstImage.height());
        for (int midi = clef.lowest; midi <= clef.highest; ++midi) {
            SCOPED_TRACE(label(clef, midi));
            const QImage image = picture(clef, midi);
            const StaffReading reading(image);
            ASSERT_TRUE(reading.clef());
            ASSERT_TRUE(reading.noteHead());
            EXPECT_EQ(image.copy(0, 0, clefEnd + 2, image.height()), clefArea);
            const int noteStart = reading.accidental() ? reading.accidental()->x.first
                                                       : reading.noteHead()->x.first;
            EXPECT_GE(noteStart - clefEnd, 4 * reading.spacing());
        }
    }
}

TEST(StaffPictures, GClefCurlsAroundTheSecondLine)
{
    const StaffReading reading(picture(Treble, 72));
    ASSERT_EQ(reading.staffLines().size(), 5);
    ASSERT_TRUE(reading.clef());
    const StaffReading::Box clef = *reading.clef();
    const PictureScan &scan = reading.scan();
    // Engraved G clefs rise about one and a half spaces above the staff and
    // hang about one and a half below.
    EXPECT_NEAR(reading.stepAt(clef.y.first), 10.7, 0.5);
    EXPECT_NEAR(reading.stepAt(clef.y.last + 1), -3.2, 0.5);
    EXPECT_GE(clef.x.length(), 2.0 * reading.spacing());
    EXPECT_LE(clef.x.length(), 3.2 * reading.spacing());
    // Just above and below the line it curls around, a row crosses the most strokes.
    const auto strokes = [&](int y) {
        return PictureScan::spans(scan.width(), [&](int x) { return clef.x.contains(x) && scan.ink(x, y); }).size();
    };
    qsizetype most = 0;
    int curled = -1;
    for (int i = 0; i < 5; ++i) {
        const StaffReading::Span line = reading.staffLines()[i];
        const qsizetype crossed = strokes(line.first - 1) + strokes(line.last + 1);
        if (crossed > most) {
            most = crossed;
            curled = i;
        }
    }
    EXPECT_EQ(curled, 3) << "top line is 0";
}

TEST(StaffPictures, FClefDotsStraddleTheFLine)
{
    const StaffReading reading(picture(Bass, 48));
    ASSERT_TRUE(reading.clef());
    const StaffReading::Box clef = *reading.clef();
    const PictureScan &scan = reading.scan();
    // The body stays within the staff.
    EXPECT_GT(reading.stepAt(clef.y.last + 1), 0.0);
    EXPECT_LT(reading.stepAt(clef.y.first), 8.5);
    // The dots stand apart, right of the body.
    const auto offTheLines = [&](int x, int y) { return scan.ink(x, y) && !reading.isRuled(y); };
    const QList<PictureScan::Span> columns = PictureScan::spans(scan.width(), [&](int x) {
        if (!clef.x.contains(x))
            return false;
        for (int y = 0; y < scan.height(); ++y) {
            if (offTheLines(x, y))
                return true;
        }
        return false;
    });
    ASSERT_GE(columns.size(), 2);
    const PictureScan::Span dotColumns = columns.last();
    const QList<PictureScan::Span> dots = PictureScan::spans(scan.height(), [&](int y) {
        for (int x = dotColumns.first; x <= dotColumns.last; ++x) {
            if (offTheLines(x, y))
                return true;
        }
        return false;
    });
    ASSERT_EQ(dots.size(), 2);
    EXPECT_NEAR(reading.stepAt(dots[0].centre()), 7.0, 0.4);
    EXPECT_NEAR(reading.stepAt(dots[1].centre()), 5.0, 0.4);
    for (const PictureScan::Span &dot : dots) {
        EXPECT_LE(dot.length(), 0.6 * reading.spacing());
        EXPECT_LE(dotColumns.length(), 0.6 * reading.spacing());
    }
}
