#include "htmlfile.h"

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
