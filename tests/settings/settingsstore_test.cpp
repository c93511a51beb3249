// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversionerror.h"
#include "isolatedsettings.h"
#include "settingsstore.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    test::IsolatedSettings isolated;
    QString appName = QStringLiteral("staverly");
    SettingsStore store{[this] { return appName; }};

    QString fileText() const
    {
        QFile file(store.fileName());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }
};

TEST_F(SettingsStoreTest, EmptyStoreGivesEveryDefault)
{
    EXPECT_EQ(store.readInteger(keys::DeviceIn), 0);
    EXPECT_EQ(store.readInteger(keys::DeviceOut), 0);
    EXPECT_TRUE(store.readSwitch(keys::MidiThru));
    EXPECT_FALSE(store.readSwitch(keys::UseMidi));
    EXPECT_EQ(store.readInteger(keys::PatchIndex), 0);
    EXPECT_EQ(store.readInteger(keys::MidiVolume), 127);
    EXPECT_EQ(store.readInteger(keys::MidiChannel), 0);
    EXPECT_FALSE(store.readSwitch(keys::UseTimer));
    EXPECT_TRUE(store.readSwitch(keys::UseClues));
    EXPECT_TRUE(store.readSwitch(keys::UseSound));
    EXPECT_EQ(store.readInteger(keys::TimeTo), 15);
    EXPECT_TRUE(store.readSwitch(keys::StartUp));
    EXPECT_EQ(store.readInteger(keys::PlayerIndex), 0);
    EXPECT_EQ(store.read(keys::PlayerName), "Pellworth");
    EXPECT_TRUE(store.readSwitch(keys::SaveGrades));
    EXPECT_EQ(store.readInteger(keys::Cleff), 0);
    EXPECT_EQ(store.readInteger(keys::Questions), 20);
    EXPECT_EQ(store.readInteger(keys::LowNote), 8);
    EXPECT_EQ(store.readInteger(keys::HighNote), 15);
    EXPECT_FALSE(store.readSwitch(keys::UseChromatics));
    // Reading never creates anything.
    EXPECT_FALSE(QFile::exists(store.fileName()));
}

TEST_F(SettingsStoreTest, WritesLandAtOnceAsTextInTheirSections)
{
    store.writeInteger(keys::LowNote, 8);
    store.writeSwitch(keys::MidiThru, false);
    store.write(keys::PlayerName, QStringLiteral("Anna Maria, Jr."));
    store.writeInteger(keys::MidiVolume, -1);

    // A second store object (a later run) sees every value without any flush.
    SettingsStore later([this] { return appName; });
    EXPECT_EQ(later.read(keys::LowNote), "8");
    EXPECT_EQ(later.read(keys::MidiThru), "False");
    EXPECT_EQ(later.read(keys::PlayerName), "Anna Maria, Jr.");
    EXPECT_EQ(later.readInteger(keys::MidiVolume), -1);

    const QString text = fileText();
    EXPECT_TRUE(text.contains("[MIDI]")) << text.toStdString();
    EXPECT_TRUE(text.contains("[SETUP]")) << text.toStdString();
    EXPECT_TRUE(text.contains("MIDI_THRU=False")) << text.toStdString();
    EXPECT_TRUE(store.fileName().endsWith("staverly/staverly.ini"))
        << store.fileName().toStdString();
}

TEST_F(SettingsStoreTest, SwitchesAcceptWordsInAnyCaseAndNumbers)
{
    for (const char *yes : {"True", "true", "TRUE", "-1", "1", " 2 ", "0.5"})
        EXPECT_TRUE(SettingsStore::toSwitch(QString::fromLatin1(yes))) << yes;
    for (const char *no : {"False", "false", "fAlSe", "0", "-0", "0.0"})
        EXPECT_FALSE(SettingsStore::toSwitch(QString::fromLatin1(no))) << no;
    for (const char *bad : {"", "yes", "abc", "Truth"})
        EXPECT_THROW(SettingsStore::toSwitch(QString::fromLatin1(bad)), TypeMismatch) << bad;
}

TEST_F(SettingsStoreTest, IntegersAre16BitWithHalvesToEven)
{
    EXPECT_EQ(SettingsStore::toInteger("20"), 20);
    EXPECT_EQ(SettingsStore::toInteger(" -1 "), -1);
    EXPECT_EQ(SettingsStore::toInteger("32767"), 32767);
    EXPECT_EQ(SettingsStore::toInteger("-32768"), -32768);
    EXPECT_EQ(SettingsStore::toInteger("2.5"), 2);
    EXPECT_EQ(SettingsStore::toInteger("3.5"), 4);
    EXPECT_EQ(SettingsStore::toInteger("-2.5"), -2);
    EXPECT_EQ(SettingsStore::toInteger("1e2"), 100);
    EXPECT_EQ(SettingsStore::toInteger("&H10"), 16);
    EXPECT_EQ(SettingsStore::toInteger("&hFFFF"), -1);

    EXPECT_THROW(SettingsStore::toInteger("32768"), Overflow);
    EXPECT_THROW(SettingsStore::toInteger("-32769"), Overflow);
    EXPECT_THROW(SettingsStore::toInteger("32767.5"), Overflow);
    EXPECT_THROW(SettingsStore::toInteger("&H10000"), Overflow);
    for (const char *bad : {"", "abc", "x", "12abc", "True", "nan", "inf", "&Hzz"})
        EXPECT_THROW(SettingsStore::toInteger(QString::fromLatin1(bad)), TypeMismatch) << bad;
}

TEST_F(SettingsStoreTest, TypeMismatchIsToldApartFromOtherFailures)
{
    store.write(keys::Cleff, QStringLiteral("abc"));
    store.write(keys::Questions, QStringLiteral("99999"));
    try {
        store.readInteger(keys::Cleff);
        FAIL() << "no error for \"abc\"";
    } catch (const Overflow &) {
        FAIL() << "\"abc\" taken for an overflow";
    } catch (const TypeMismatch &) {
    }
    EXPECT_THROW(store.readInteger(keys::Questions), Overflow);
    // A failing read leaves the stored text alone.
    EXPECT_EQ(store.read(keys::Cleff), "abc");
}

// As typed into the file by hand: a comma makes the settings layer split the
// value; the program reads it as it stands.
TEST_F(SettingsStoreTest, HandEditedCommaValueReadsBackAsText)
{
    store.write(keys::Cleff, "1");
    QFile ini(store.fileName());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Text));
    ini.write("[MIDI]\nPLAYER_NAME=Not this one\n\n[SETUP]\nCLEFF=1\nPLAYER_NAME = Smith, John \n"
              "SAVE_GRADES=a,b,,c\n");
    ini.close();
    EXPECT_EQ(store.read(keys::PlayerName), "Smith, John");
    EXPECT_EQ(store.read(keys::SaveGrades), "a,b,,c");
    EXPECT_EQ(store.read(keys::Cleff), "1");
    // Written back by the program, it reads the same.
    store.write(keys::PlayerName, "Smith, John");
    EXPECT_EQ(store.read(keys::PlayerName), "Smith, John");
}

TEST_F(SettingsStoreTest, RenamedExecutableStartsFreshAndFindsItsOwnAgain)
{
    store.writeInteger(keys::Cleff, 1);
    appName = QStringLiteral("staverly-copy");
    EXPECT_EQ(store.readInteger(keys::Cleff), 0);
    store.writeInteger(keys::Cleff, 0);
    appName = QStringLiteral("staverly");
    EXPECT_EQ(store.readInteger(keys::Cleff), 1);
}

TEST_F(SettingsStoreTest, DefaultNameIsTheExecutablesBaseName)
{
    SettingsStore real;
    EXPECT_EQ(real.applicationName(), "settings_test");
}

} // namespace
