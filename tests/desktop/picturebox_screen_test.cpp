// SPDX-License-Identifier: GPL-3.0-or-later
// The staff on screens of one and of two device pixels a point.
#include "picturebox.h"

#include <QImageReader>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

// Pixels between black and white: the antialiased edges of the ink.
int greys(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int g = qGray(image.pixel(x, y));
            count += g > 40 && g < 215 ? 1 : 0;
        }
    }
    return count;
}

// On a screen of two device pixels a point the staff is drawn from the
// picture made for it, pixel for pixel: its edges are as fine as the rest
// of the window's, where a stretched picture would blur each one over two.
TEST(PictureBoxOnAnyScreen, TheStaffIsDrawnWithEveryDevicePixel)
{
    PictureBox box;
    box.resize(395, 244);
    box.show();
    const qreal ratio = box.devicePixelRatioF();
    ASSERT_TRUE(box.loadPicture(QStringLiteral("images/t64.gif")));
    const QImage one = QImageReader(QStringLiteral("images/t64.gif")).read();
    const QImage two = QImageReader(QStringLiteral("images/t64@2x.gif")).read();
    ASSERT_EQ(two.size(), one.size() * 2);
    const QImage &shown = box.canvas();
    ASSERT_EQ(shown.size(), (QSizeF(box.size()) * ratio).toSize());
    const QImage expected = ratio > 1 ? two : one;
    // The box shows what of the picture fits in it.
    const QRect seen = shown.rect().intersected(expected.rect());
    int differ = 0;
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x)
            differ += shown.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
    }
    EXPECT_EQ(differ, 0) << "of " << seen.width() << " x " << seen.height() << " pixels";
    if (ratio > 1) {
        const QImage stretched = one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(greys(two), 0.7 * greys(stretched)) << "edges no sharper than a stretched picture";
    }
}

} // namespace
