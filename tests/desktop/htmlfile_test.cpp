// SPDX-License-Identifier: GPL-3.0-or-later
#include "fulldisk.h"
#include "htmlfile.h"
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(HtmlFile, OneLineReplacingTheOldFileWithAMarkOnlyWhenNamesNeedIt)
{
    QTemporaryDir dir;
    EXPECT_EQ(HtmlFile::withDefaultSuffix(dir.filePath("test")), dir.filePath("test.htm"));
    EXPECT_EQ(HtmlFile::withDefaultSuffix(dir.filePath("test.html")), dir.filePath("test.html"));
    EXPECT_EQ(HtmlFile::withDefaultSuffix(""), "");

    const QString path = dir.filePath("report.htm");
    EXPECT_EQ(HtmlFile::write(path, "<html>a much longer first document</html>"), "");
    EXPECT_EQ(HtmlFile::write(path, "<html>Ben</html>"), "");
    EXPECT_EQ(read(path), "<html>Ben</html>\r\n");
    EXPECT_EQ(HtmlFile::write(path, QString::fromUtf8("<html>Zoë</html>")), "");
    EXPECT_EQ(read(path), "\xEF\xBB\xBF<html>Zo\xC3\xAB</html>\r\n");

    // A folder that is not there: told, and nothing else is touched.
    EXPECT_NE(HtmlFile::write(dir.filePath("missing/report.htm"), "<html></html>"), "");
    EXPECT_EQ(read(path), "\xEF\xBB\xBF<html>Zo\xC3\xAB</html>\r\n");
}

// A full disk leaves every file as it was and says why; an append that does
// not fit leaves no half line behind.
TEST(HtmlFile, AFullDiskLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.htm");
    const QString log = dir.filePath("grades.txt");
    ASSERT_EQ(HtmlFile::write(path, "<html>old</html>"), "");
    ASSERT_EQ(SafeFile::append(log, "\"Ann\"\r\n"), "");
    // Small files are written from a buffer at the end, big ones as they go.
    for (const int size : {100, 40000}) {
        const QByteArray text(size, 'x');
        for (const rlim_t room : {rlim_t(0), rlim_t(10), rlim_t(size / 2)}) {
            test::FullDisk full(room);
            EXPECT_NE(HtmlFile::write(path, "<html>" + text + "</html>"), "") << size << " " << room;
            EXPECT_NE(SafeFile::replace(log, text), "") << size << " " << room;
            EXPECT_NE(SafeFile::append(log, text), "") << size << " " << room;
        }
    }
    EXPECT_EQ(read(path), "<html>old</html>\r\n");
    EXPECT_EQ(read(log), "\"Ann\"\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}
