// SPDX-License-Identifier: GPL-3.0-or-later
#include "oldpupilfiles.h"
#include "programlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TEST_F(Layout, ABuildFolderKeepsThePupilsInTheUsersDataFolderAndACopiedFolderBesideItself)
{
    // This test runs from the build folder, build/bin, as the program does.
    const QString build = QCoreApplication::applicationDirPath();
    const ProgramLayout current = ProgramLayout::current();
    EXPECT_EQ(current.kind(), ProgramLayout::Kind::Build);
    EXPECT_EQ(current.programFolder(), build);
    EXPECT_EQ(current.dataFolder(), appData());
    EXPECT_EQ(current.controlsFolder(), build + "/controls");

    // The marker tells a build folder wherever it is and whatever it is
    // called, also reached through a link; it names the folder it was
    // written in, so a copy of a build folder (the marker copied with it,
    // naming the original or a folder gone) keeps the pupils' files beside
    // itself like any copied program folder, as does a bin folder with no
    // shared files beside it, a folder beside shared files that is not bin,
    // a share/staverly that is a file, and a marker that is a folder.
    const auto write = [](const QString &path, const QString &text = {}) {
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    };
    const QString marker = ProgramLayout::buildMarker();
    write(root.filePath("checkout/out/" + marker), root.filePath("checkout/out") + "\n");
    write(root.filePath("other/bin/" + marker), root.filePath("other/bin"));
    ASSERT_TRUE(QFile::link(root.filePath("checkout/out"), root.filePath("linked")));
    write(root.filePath("copied/" + marker), root.filePath("checkout/out") + "\n");
    write(root.filePath("gone/" + marker), root.filePath("removed/bin") + "\n");
    ASSERT_TRUE(QDir().mkpath(root.filePath("Staverly/images")));
    ASSERT_TRUE(QDir().mkpath(root.filePath("bare/bin")));
    ASSERT_TRUE(QDir().mkpath(root.filePath("bare/share/another")));
    const QString notBin = installTree("notbin");
    ASSERT_TRUE(QDir().mkpath(notBin + "/tools"));
    write(shared(root.filePath("fileonly")));
    ASSERT_TRUE(QDir().mkpath(root.filePath("dirmarker/" + marker)));

    const struct
    {
        const char *folder;
        ProgramLayout::Kind kind;
    } cases[] = {
        {"checkout/out", ProgramLayout::Kind::Build},   {"other/bin", ProgramLayout::Kind::Build},
        {"linked", ProgramLayout::Kind::Build},         {"copied", ProgramLayout::Kind::Beside},
        {"gone", ProgramLayout::Kind::Beside},          {"Staverly", ProgramLayout::Kind::Beside},
        {"bare/bin", ProgramLayout::Kind::Beside},
        {"notbin/tools", ProgramLayout::Kind::Beside},  {"fileonly/bin", ProgramLayout::Kind::Beside},
        {"dirmarker", ProgramLayout::Kind::Beside},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.folder);
        const QString folder = root.filePath(c.folder);
        const ProgramLayout layout = ProgramLayout::of(folder, root.filePath("users-data"));
        EXPECT_EQ(layout.kind(), c.kind);
        EXPECT_FALSE(layout.installed());
        EXPECT_EQ(layout.programFolder(), folder);
        EXPECT_EQ(layout.controlsFolder(), folder + "/controls");
        EXPECT_EQ(layout.dataFolder(),
                  c.kind == ProgramLayout::Kind::Build ? root.filePath("users-data") : folder);
    }
}

// The player list and grade log a build folder kept beside the program are
// moved once into the data folder; one there already is never replaced, the
// old one goes beside it under another name, or stays where that is taken.
TEST_F(Layout, OldPupilFilesOfABuildFolderAreMovedOnceAndNothingIsReplaced)
{
    const QString players = "players.txt", grades = "grades.txt";
    const QString gradesAside = OldPupilFiles::asideName(grades);
    const struct
    {
        const char *name;
        QStringList inBuild;
        QStringList inData;
        QStringList aside;
        QStringList kept;
    } cases[] = {
        {"none", {}, {}, {}, {}},
        {"both", {players, grades}, {}, {}, {}},
        {"players only", {players}, {}, {}, {}},
        {"grades already there", {players, grades}, {grades}, {grades}, {}},
        {"both already there", {players, grades}, {players, grades}, {players, grades}, {}},
        {"both names taken", {grades}, {grades, gradesAside}, {}, {grades}},
        {"only new ones", {}, {players}, {}, {}},
    };
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto read = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir scratch;
        const QString build = scratch.filePath("build/bin");
        const QString data = scratch.filePath("data/staverly");
        ASSERT_TRUE(QDir().mkpath(build));
        for (const QString &name : c.inBuild)
            write(build + "/" + name, "old " + name.toLatin1());
        for (const QString &name : c.inData)
            write(data + "/" + name, "kept " + name.toLatin1());

        const QString told = OldPupilFiles::move(build, data);
        for (const QString &name : OldPupilFiles::names()) {
            SCOPED_TRACE(name.toStdString());
            const QString aside = OldPupilFiles::asideName(name);
            const QByteArray old = "old " + name.toLatin1();
            EXPECT_EQ(read(data + "/" + name), c.inData.contains(name)    ? "kept " + name.toLatin1()
                                               : c.inBuild.contains(name) ? old
                                                                          : QByteArray("(none)"));
            EXPECT_EQ(read(data + "/" + aside), c.aside.contains(name)    ? old
                                                : c.inData.contains(aside) ? "kept " + aside.toLatin1()
                                                                           : QByteArray("(none)"));
            EXPECT_EQ(read(build + "/" + name), c.kept.contains(name) ? old : QByteArray("(none)"));
            EXPECT_EQ(told.contains(name), c.inBuild.contains(name)) << told.toStdString();
        }
        EXPECT_EQ(told.isEmpty(), c.inBuild.isEmpty());
        if (!told.isEmpty()) {
            EXPECT_TRUE(told.contains(build)) << told.toStdString();
            EXPECT_TRUE(told.contains(data)) << told.toStdString();
        }
        // Once: a second start finds nothing to move.
        EXPECT_EQ(OldPupilFiles::move(build, data).isEmpty(), c.kept.isEmpty());
    }
    EXPECT_TRUE(OldPupilFiles::move(root.path(), root.path() + "/.").isEmpty());
}

} // namespace
