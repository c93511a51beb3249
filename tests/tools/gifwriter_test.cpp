// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace staverly;

TEST(GifWriter, KeepsEveryGreyWithinHalfAPaletteStep)
{
    QImage ramp(256, 3, QImage::Format_Grayscale8);
    for (int y = 0; y < ramp.height(); ++y) {
        for (int x = 0; x < ramp.width(); ++x)
            ramp.scanLine(y)[x] = uchar(x);
    }
    QString error;
    const QByteArray gif = GifWriter::encode(ramp, &error);
    ASSERT_FALSE(gif.isEmpty()) << error.toStdString();
    const QImage back = QImage::fromData(gif, "GIF");
    ASSERT_EQ(back.size(), ramp.size());
    EXPECT_LE(back.colorCount(), GifWriter::Greys);
    const int halfStep = (255 / (GifWriter::Greys - 1) + 1) / 2;
    for (int x = 0; x < ramp.width(); ++x) {
        EXPECT_NEAR(qGray(back.pixel(x, 1)), x, halfStep) << "grey " << x;
    }
    EXPECT_EQ(qGray(back.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(back.pixel(255, 2)), 255);
}

TEST(GifWriter, TurnsColourIntoGrey)
{
    QImage colour(4, 4, QImage::Format_RGB32);
    colour.fill(QColor(200, 30, 30));
    QString error;
    const QImage back = QImage::fromData(GifWriter::encode(colour, &error), "GIF");
    ASSERT_FALSE(back.isNull()) << error.toStdString();
    const QRgb pixel = back.pixel(2, 2);
    EXPECT_EQ(qRed(pixel), qGreen(pixel));
    EXPECT_EQ(qGreen(pixel), qBlue(pixel));
}

TEST(GifWriter, RefusesAnEmptyPicture)
{
    QString error;
    EXPECT_TRUE(GifWriter::encode(QImage(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}
