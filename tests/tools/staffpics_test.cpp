// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode;
    QString errors;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(STAFFPICS_TOOL), arguments);
    EXPECT_TRUE(tool.waitForFinished(60000));
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromLocal8Bit(tool.readAllStandardError())};
}

} // namespace

TEST(StaffPicsTool, WithoutTheMusicFontStopsAndNamesTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString font = dir.filePath(QStringLiteral("NotoMusic-Regular.ttf"));
    const QString out = dir.filePath(QStringLiteral("images"));
    const ToolRun run = runTool({QStringLiteral("--music-font"), font, out});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(font)) << run.errors.toStdString();
    EXPECT_TRUE(QDir(out).entryList({QStringLiteral("*.gif")}).isEmpty());
}

TEST(StaffPicsTool, RefusesAMusicFontWithoutClefs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString text = QStringLiteral("/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf");
    const ToolRun run = runTool({QStringLiteral("--music-font"), text, dir.path()});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(text)) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("U+1D11E"))) << run.errors.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.gif")}).isEmpty());
}

TEST(StaffPicsTool, DrawsTheSamePicturesEveryTime)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ToolRun run = runTool({dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList written = QDir(dir.path()).entryList({QStringLiteral("*.gif")}, QDir::Files);
    // Each staff picture at one and at two device pixels a point, and two keyboards.
    EXPECT_EQ(written.size(), (48 + 48) * 2 + 2);
    const QDir built(QCoreApplication::applicationDirPath() + QStringLiteral("/images"));
    for (const QString &name : written) {
        QFile fresh(dir.filePath(name));
        QFile old(built.filePath(name));
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
        ASSERT_TRUE(old.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(fresh.readAll(), old.readAll()) << name.toStdString();
    }
}
