// SPDX-License-Identifier: GPL-3.0-or-later
#include "integer16.h"
#include "overflowerror.h"
#include "typemismatcherror.h"

#include <gtest/gtest.h>

using namespace staverly::host;

namespace {

TEST(Integer16, HalvesRoundToEven)
{
    EXPECT_EQ(toInteger16(100.5), 100);
    EXPECT_EQ(toInteger16(101.5), 102);
    EXPECT_EQ(toInteger16(-0.5), 0);
    EXPECT_EQ(toInteger16(-1.5), -2);
    EXPECT_EQ(toInteger16(2.4999), 2);
    EXPECT_EQ(toInteger16(2.5001), 3);
}

TEST(Integer16, RangeIsCheckedAfterRounding)
{
    EXPECT_EQ(toInteger16(32767.4), 32767);
    EXPECT_THROW(toInteger16(32767.5), OverflowError);
    EXPECT_EQ(toInteger16(-32768.5), -32768);
    EXPECT_THROW(toInteger16(-32769.0), OverflowError);
    EXPECT_THROW(toInteger16(40000.0), OverflowError);
}

TEST(Integer16, VariantsOfAnyNumberOrNumericText)
{
    EXPECT_EQ(toInteger16(QVariant::fromValue(5000.0f)), 5000);
    EXPECT_EQ(toInteger16(QVariant::fromValue(100.5f)), 100);
    EXPECT_EQ(toInteger16(QVariant(qint64(-7))), -7);
    EXPECT_EQ(toInteger16(QVariant(QStringLiteral(" 12.5 "))), 12);
    EXPECT_EQ(toInteger16(QVariant(true)), -1);
    EXPECT_EQ(toInteger16(QVariant()), 0);
    EXPECT_THROW(toInteger16(QVariant(40000)), OverflowError);
    EXPECT_THROW(toInteger16(QVariant(QStringLiteral("abc"))), TypeMismatchError);
    EXPECT_THROW(toInteger16(QVariant(QStringList{QStringLiteral("1")})), TypeMismatchError);
}

} // namespace
