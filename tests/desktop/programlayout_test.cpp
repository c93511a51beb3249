#include "programlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

class Layout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        m_formerDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("xdg-data")));
    }

    void TearDown() override
    {
        if (m_formerDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_formerDataHome);
    }

    // An installed tree under root/<name>: bin, and the shared files where
    // the install puts them.
    QString installTree(const QString &name)
    {
        const QString prefix = root.filePath(name);
        EXPECT_TRUE(QDir().mkpath(prefix + "/bin"));
        EXPECT_TRUE(QDir().mkpath(shared(prefix)));
        return prefix;
    }

    static QString shared(const QString &prefix)
    {
        return QDir::cleanPath(prefix + "/bin/" + ProgramLayout::sharedFilesFromBin());
    }

    QString appData() const
    {
        return root.filePath("xdg-data/") + QCoreApplication::applicationName();
    }

    QTemporaryDir root;

private:
    QByteArray m_formerDataHome;
};

TEST_F(Layout, AnInstalledTreeFindsItsFilesBesideBinAndKeepsThePupilsInTheUsersDataFolder)
{
    const QString prefix = installTree("usr");
    for (const QString &bin : {prefix + "/bin", prefix + "/bin/", prefix + "/share/../bin"}) {
        SCOPED_TRACE(bin.toStdString());
        const ProgramLayout layout = ProgramLayout::of(bin);
        EXPECT_TRUE(layout.installed());
        EXPECT_EQ(layout.programFolder(), prefix + "/share/staverly");
        EXPECT_EQ(layout.dataFolder(), appData());
        // Beside the install, never inside bin or share, and never the data folder.
        EXPECT_TRUE(layout.controlsFolder().startsWith(prefix + "/lib")) << layout.controlsFolder().toStdString();
        EXPECT_TRUE(layout.controlsFolder().endsWith("/staverly/controls"));
    }
    EXPECT_EQ(ProgramLayout::of(prefix + "/bin", root.filePath("elsewhere")).dataFolder(),
              root.filePath("elsewhere"));

    // The same tree moved to another place works from there.
    ASSERT_TRUE(QDir().rename(prefix, root.filePath("opt-staverly")));
    const ProgramLayout moved = ProgramLayout::of(root.filePath("opt-staverly/bin"));
    EXPECT_TRUE(moved.installed());
    EXPECT_EQ(moved.programFolder(), root.filePath("opt-staverly/share/staverly"));
}

TEST_F(Layout, ABuildFolderOrACopiedProgramFolderKeepsEverythingBesideTheProgram)
{
    // This test runs from the build folder, build/bin, as the program does.
    const QString build = QCoreApplication::applicationDirPath();
    const ProgramLayout current = ProgramLayout::current();
    EXPECT_FALSE(current.installed());
    EXPECT_EQ(current.programFolder(), build);
    EXPECT_EQ(current.dataFolder(), build);
    EXPECT_EQ(current.controlsFolder(), build + "/controls");

    const QString copy = root.filePath("Staverly");
    ASSERT_TRUE(QDir().mkpath(copy + "/images"));
    // A bin folder with no shared files beside it, a folder beside shared
    // files that is not bin, and a share/staverly that is a file.
    const QString bare = root.filePath("bare");
    ASSERT_TRUE(QDir().mkpath(bare + "/bin"));
    ASSERT_TRUE(QDir().mkpath(bare + "/share/another"));
    const QString notBin = installTree("notbin");
    ASSERT_TRUE(QDir().mkpath(notBin + "/tools"));
    const QString fileOnly = root.filePath("fileonly");
    ASSERT_TRUE(QDir().mkpath(fileOnly + "/bin"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(shared(fileOnly)).path()));
    QFile stray(shared(fileOnly));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();

    for (const QString &folder : {copy, bare + "/bin", notBin + "/tools", fileOnly + "/bin"}) {
        SCOPED_TRACE(folder.toStdString());
        const ProgramLayout layout = ProgramLayout::of(folder, root.filePath("unused"));
        EXPECT_FALSE(layout.installed());
        EXPECT_EQ(layout.programFolder(), folder);
        EXPECT_EQ(layout.dataFolder(), folder);
        EXPECT_EQ(layout.controlsFolder(), folder + "/controls");
    }
}

} // namespace
