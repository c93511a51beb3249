// SPDX-License-Identifier: GPL-3.0-or-later
#include "jackserver.h"
#include "privatejackserver.h"
#include "waitfor.h"

#include <QDirIterator>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sys/stat.h>

using namespace staverly;

// These tests crash JACK servers on purpose; CTest runs them in a /dev/shm of
// their own (tests/support/privateshm.sh), so a fault here cannot harm the
// machine's other servers.

namespace {

bool answers(const QString &server)
{
    QProcess lsp;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("JACK_DEFAULT_SERVER"), server);
    lsp.setProcessEnvironment(environment);
    lsp.start(QStringLiteral("jack_lsp"), {});
    return lsp.waitForFinished(5000) && lsp.exitStatus() == QProcess::NormalExit && lsp.exitCode() == 0;
}

// Every file in /dev/shm, with its inode: a file deleted and made anew is not
// the same file.
std::set<std::pair<quint64, QString>> shmFiles()
{
    std::set<std::pair<quint64, QString>> files;
    QDirIterator it(QStringLiteral("/dev/shm"), QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat status{};
        if (lstat(QFile::encodeName(path).constData(), &status) == 0)
            files.emplace(quint64(status.st_ino), path);
    }
    return files;
}

std::string listed(const std::set<std::pair<quint64, QString>> &files)
{
    std::string text;
    for (const auto &[inode, path] : files)
        text += "\n  " + path.toStdString();
    return text;
}

std::set<std::pair<quint64, QString>> without(const std::set<std::pair<quint64, QString>> &files,
                                               const std::set<std::pair<quint64, QString>> &these)
{
    std::set<std::pair<quint64, QString>> rest;
    for (const auto &file : files) {
        if (!these.contains(file))
            rest.insert(file);
    }
    return rest;
}

class PrivateJackServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!PrivateJackServer::available())
            GTEST_SKIP() << "jackd is not installed (package jackd2)";
        if (!qEnvironmentVariableIsSet("STAVERLY_PRIVATE_SHM"))
            GTEST_SKIP() << "crashes JACK servers: run it through tests/support/privateshm.sh";
        // Another server beside the test's, as a musician has one.
        ASSERT_TRUE(musician->start()) << musician->error().toStdString();
    }

    std::unique_ptr<PrivateJackServer> musician = std::make_unique<PrivateJackServer>();
};

} // namespace

TEST_F(PrivateJackServerTest, ACrashLeavesNothingOfItsOwnAndNothingElseGoes)
{
    const QByteArray formerServer = qgetenv("JACK_DEFAULT_SERVER");
    const auto before = shmFiles();
    {
        PrivateJackServer server;
        EXPECT_EQ(qgetenv("JACK_DEFAULT_SERVER"), server.name().toUtf8());
        EXPECT_NE(server.name(), musician->name());
        ASSERT_TRUE(server.start()) << server.error().toStdString();
        EXPECT_TRUE(answers(server.name()));

        server.kill();
        EXPECT_FALSE(server.isRunning());
        EXPECT_FALSE(answers(server.name()));
        const auto after = shmFiles();
        EXPECT_TRUE(without(before, after).empty()) << "gone:" << listed(without(before, after));
        EXPECT_TRUE(without(after, before).empty()) << "left behind:" << listed(without(after, before));
        EXPECT_TRUE(answers(musician->name()));

        ASSERT_TRUE(server.restart()) << server.error().toStdString();
        EXPECT_TRUE(answers(server.name()));
        server.stop();
        EXPECT_FALSE(answers(server.name()));
        for (const auto &[inode, path] : shmFiles())
            EXPECT_FALSE(path.contains(server.name())) << path.toStdString();
    }
    EXPECT_EQ(qgetenv("JACK_DEFAULT_SERVER"), formerServer);
    EXPECT_TRUE(answers(musician->name()));
}

// The machine's JACK registry has eight server slots; a server that is killed
// keeps its slot unless someone frees it, and then no server of a new name
// starts any more, the musician's included.
TEST_F(PrivateJackServerTest, CrashesDoNotUseUpTheMachinesServerSlots)
{
    for (int i = 0; i < 10; ++i) {
        PrivateJackServer server;
        ASSERT_TRUE(server.start()) << "server " << i << ": " << server.error().toStdString();
        server.kill();
    }
    musician->kill();
    ASSERT_TRUE(musician->start()) << musician->error().toStdString();
}

// What other tests do with it: the program watches the server, which dies
// under it and comes back.
TEST_F(PrivateJackServerTest, AProgramSeesTheServerDieAndComeBack)
{
    PrivateJackServer server;
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    ASSERT_TRUE(JackServer::running());
    const quint64 generation = JackServer::generation();

    server.kill();
    EXPECT_TRUE(waitFor([&] { return JackServer::generation() > generation; }));
    EXPECT_FALSE(JackServer::running());

    ASSERT_TRUE(server.restart()) << server.error().toStdString();
    EXPECT_TRUE(JackServer::running());
}
