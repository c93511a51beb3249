// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostcolor.h"
#include "overflowerror.h"
#include "typemismatcherror.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace staverly::host;

namespace {

TEST(HostColor, DirectColoursKeepRedInTheLowByte)
{
    EXPECT_EQ(toQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(0x0000C000), QColor(0, 0xC0, 0));
    EXPECT_EQ(toQColor(0x002D12AB), QColor(0xAB, 0x12, 0x2D));
    EXPECT_EQ(toQColor(0x00404040), QColor(0x40, 0x40, 0x40));
}

TEST(HostColor, SystemColoursComeFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Window, QColor(7, 8, 9));
    palette.setColor(QPalette::ToolTipBase, QColor(10, 11, 12));
    palette.setColor(QPalette::HighlightedText, QColor(13, 14, 15));
    palette.setColor(QPalette::Shadow, QColor(16, 17, 18));

    EXPECT_EQ(toQColor(ButtonFace, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(0x8000000F, palette), QColor(1, 2, 3));
    // Window background is the text-area white, not the grey window colour.
    EXPECT_EQ(toQColor(WindowBackground, palette), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(0x80000018, palette), QColor(10, 11, 12));
    EXPECT_EQ(toQColor(0x80000009, palette), QColor(13, 14, 15));
    EXPECT_EQ(toQColor(0x80000006, palette), QColor(16, 17, 18));

    EXPECT_EQ(toQColor(ButtonFace), QGuiApplication::palette().color(QPalette::Button));
    EXPECT_EQ(toQColor(0x80000009), QColor(Qt::white)) << "caption text in the standard scheme";
}

TEST(HostColor, OnlyTheStandardSystemColoursNameAColour)
{
    for (quint32 index = 0; index <= 0x18; ++index)
        EXPECT_TRUE(toQColor(SystemColorFlag | index).isValid()) << index;
    EXPECT_EQ(toQColor(0x80000001), QColor(0x3A, 0x6E, 0xA5)) << "desktop, a fixed colour";
    EXPECT_FALSE(toQColor(0x80000019).isValid());
    EXPECT_FALSE(toQColor(0x80010005).isValid());
    EXPECT_FALSE(toQColor(0x01000000).isValid());
}

TEST(HostColor, StoredColoursConvertFromSignedOrUnsigned)
{
    EXPECT_EQ(toHostColor(QVariant(-2147483633)), 0x8000000Fu);
    EXPECT_EQ(toHostColor(QVariant(0x8000000Fu)), 0x8000000Fu);
    EXPECT_EQ(toHostColor(QVariant(qint64(0x00FF0000))), 0x00FF0000u);
    EXPECT_EQ(toHostColor(QVariant(QStringLiteral(" 255 "))), 255u);
    EXPECT_EQ(toHostColor(QVariant()), 0u);
    EXPECT_THROW(toHostColor(QVariant(qint64(0x100000000))), OverflowError);
    EXPECT_THROW(toHostColor(QVariant(qint64(-2147483649LL))), OverflowError);
    EXPECT_THROW(toHostColor(QVariant(QStringLiteral("red"))), TypeMismatchError);
}

} // namespace
