// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertybag.h"

#include <gtest/gtest.h>

using staverly::host::PropertyBag;

namespace {

TEST(PropertyBag, KeysMatchWithoutRegardToCase)
{
    PropertyBag bag;
    bag.write(QStringLiteral("slidercolor"), 0x00FF0000u);

    EXPECT_TRUE(bag.contains(QStringLiteral("SliderColor")));
    EXPECT_EQ(bag.read(QStringLiteral("sliderColor"), 255u).toUInt(), 0x00FF0000u);
    EXPECT_EQ(bag.read(QStringLiteral("SLIDERCOLOR"), 255u).toUInt(), 0x00FF0000u);
}

TEST(PropertyBag, MissingKeysGiveTheReadersDefault)
{
    PropertyBag bag;
    EXPECT_EQ(bag.read(QStringLiteral("Value"), QVariant::fromValue<qint16>(0)),
              QVariant::fromValue<qint16>(0));
    bag.write(QStringLiteral("bgcolor"), 5u);
    EXPECT_EQ(bag.read(QStringLiteral("Value"), 7).toInt(), 7);
}

TEST(PropertyBag, ValuesKeepTheirType)
{
    PropertyBag bag;
    bag.write(QStringLiteral("Value"), QVariant::fromValue(5000.0f), QVariant::fromValue<qint16>(0));

    const QVariant value = bag.read(QStringLiteral("value"), {});
    EXPECT_EQ(value.metaType(), QMetaType::fromType<float>());
    EXPECT_EQ(value.toFloat(), 5000.0f);
    EXPECT_EQ(bag.defaultValue(QStringLiteral("VALUE")), QVariant::fromValue<qint16>(0));
}

TEST(PropertyBag, RewritingOneKeyInAnotherCaseKeepsOneEntryInPlace)
{
    PropertyBag bag;
    bag.write(QStringLiteral("value"), 1);
    bag.write(QStringLiteral("slidercolor"), 2);
    bag.write(QStringLiteral("bgcolor"), 3);
    bag.write(QStringLiteral("SliderColor"), 4, 255);

    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("value"), QStringLiteral("SliderColor"),
                                       QStringLiteral("bgcolor")}));
    EXPECT_EQ(bag.read(QStringLiteral("slidercolor"), 0).toInt(), 4);
    EXPECT_TRUE(bag.remove(QStringLiteral("BGCOLOR")));
    EXPECT_FALSE(bag.contains(QStringLiteral("bgcolor")));
    EXPECT_FALSE(bag.remove(QStringLiteral("bgcolor")));
}

} // namespace
