// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturescan.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

using namespace staverly;

namespace {

using Span = PictureScan::Span;

QImage keyboard(const char *name)
{
    return QImage(QCoreApplication::applicationDirPath() + QStringLiteral("/images/") + QLatin1String(name));
}

// The keyboard's frame and keys as found in the pixels.
struct Keys
{
    int top = -1;
    int bottom = -1;
    int blackBottom = -1;
    QList<Span> whiteEdges;  // outline columns, left to right
    QList<Span> blackKeys;   // columns of each black key
};

Keys readKeys(const PictureScan &scan)
{
    Keys keys;
    const QList<Span> frame = PictureScan::spans(scan.height(), [&](int y) {
        return scan.inkInRow(y) >= scan.width() * 3 / 4;
    });
    if (frame.size() != 2)
        return keys;
    keys.top = frame.first().last;
    keys.bottom = frame.last().first;
    // Close above the bottom edge only the white keys' outlines cross a row.
    const int low = keys.bottom - 2;
    keys.whiteEdges = PictureScan::spans(scan.width(), [&](int x) { return scan.ink(x, low); });
    // Near the top every key, white or black, is something other than paper.
    const int high = keys.top + 10;
    const QList<Span> marked = PictureScan::spans(scan.width(), [&](int x) { return scan.grey(x, high) < 250; });
    for (const Span &s : marked) {
        if (s.length() > 3)
            keys.blackKeys.append(s);
    }
    if (!keys.blackKeys.isEmpty()) {
        const int x = int(keys.blackKeys.first().centre());
        int y = high;
        while (y < keys.bottom && scan.grey(x, y) < 250)
            ++y;
        keys.blackBottom = y;
    }
    return keys;
}

} // namespace

TEST(KeyboardPictures, HaveTwentyEightEvenWhiteKeys)
{
    for (const char *name : {"t_piano.gif", "b_piano.gif"}) {
        SCOPED_TRACE(name);
        const QImage image = keyboard(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 400);
        EXPECT_LE(image.height(), 160);
        const PictureScan scan(image);
        const Keys keys = readKeys(scan);
        ASSERT_EQ(keys.whiteEdges.size(), 29);
        const double pitch = (keys.whiteEdges.last().centre() - keys.whiteEdges.first().centre()) / 28;
        for (int i = 1; i < keys.whiteEdges.size(); ++i)
            EXPECT_NEAR(keys.whiteEdges[i].centre() - keys.whiteEdges[i - 1].centre(), pitch, 1.0);
        EXPECT_GT(keys.bottom - keys.top, 5 * pitch);
    }
}

TEST(KeyboardPictures, BlackKeysSitInTwosAndThreesAndCanBeColouredIn)
{
    for (const char *name : {"t_piano.gif", "b_piano.gif"}) {
        SCOPED_TRACE(name);
        const PictureScan scan(keyboard(name));
        const Keys keys = readKeys(scan);
        ASSERT_EQ(keys.whiteEdges.size(), 29);
        ASSERT_EQ(keys.blackKeys.size(), 20);
        // Between C-D, D-E, F-G, G-A and A-B of every octave.
        QList<int> straddled;
        for (const Span &black : keys.blackKeys) {
            for (int edge = 0; edge < keys.whiteEdges.size(); ++edge) {
                if (black.first < keys.whiteEdges[edge].first && black.last > keys.whiteEdges[edge].last)
                    straddled.append(edge);
            }
        }
        QList<int> expected;
        for (int octave = 0; octave < 4; ++octave) {
            for (int edge : {1, 2, 4, 5, 6})
                expected.append(octave * 7 + edge);
        }
        EXPECT_EQ(straddled, expected);
        // Dark outline, light inside: a pencil still shows on it.
        const int y = (keys.top + keys.blackBottom) / 2;
        for (const Span &black : keys.blackKeys) {
            EXPECT_LT(scan.grey(black.first, y), 128);
            EXPECT_LT(scan.grey(black.last, y), 128);
            const int inside = scan.grey(int(black.centre()), y);
            EXPECT_GE(inside, 160);
            EXPECT_LT(inside, 250);
        }
        EXPECT_GT(keys.blackBottom - keys.top, (keys.bottom - keys.top) / 2);
        EXPECT_LT(keys.blackBottom - keys.top, (keys.bottom - keys.top) * 3 / 4);
    }
}

TEST(KeyboardPictures, MiddleCIsMarkedOnItsKeyOnly)
{
    // Treble keyboards start at C3, bass keyboards at C1.
    struct Case
    {
        const char *name;
        int middleCWhiteKey;
    };
    for (const Case &c : {Case{"t_piano.gif", 7}, Case{"b_piano.gif", 21}}) {
        SCOPED_TRACE(c.name);
        const PictureScan scan(keyboard(c.name));
        const Keys keys = readKeys(scan);
        ASSERT_EQ(keys.whiteEdges.size(), 29);
        for (int key = 0; key < 28; ++key) {
            int ink = 0;
            for (int y = keys.blackBottom + 2; y < keys.bottom - 1; ++y) {
                for (int x = keys.whiteEdges[key].last + 2; x < keys.whiteEdges[key + 1].first - 1; ++x)
                    ink += scan.ink(x, y);
            }
            if (key == c.middleCWhiteKey)
                EXPECT_GE(ink, 10) << "white key " << key;
            else
                EXPECT_EQ(ink, 0) << "white key " << key;
        }
    }
}
