// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmlfile.h"

#include "safefile.h"

#include <QDir>
#include <QIODevice>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace staverly {

QString HtmlFile::defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QString HtmlFile::withDefaultSuffix(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".htm");
}

QString HtmlFile::escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        case '"':
            out += QStringLiteral("&quot;");
            break;
        default:
            out += ch;
        }
    }
    return out;
}

QString HtmlFile::fileAddress(const QString &path)
{
    // The pages quote their attributes with ': it must not end one.
    return escaped(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded))
        .replace(QLatin1Char('\''), QStringLiteral("%27"));
}

QString HtmlFile::write(const QString &path, const QString &document)
{
    const QByteArray bytes = document.toUtf8();
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
    return write(path, !ascii, [&bytes](QIODevice &out) { return out.write(bytes) == bytes.size(); });
}

QString HtmlFile::write(const QString &path, bool beyondAscii, const std::function<bool(QIODevice &)> &body)
{
    return SafeFile::replace(path, [&](QIODevice &out) {
        return (!beyondAscii || out.write("\xEF\xBB\xBF") == 3) && body(out) && out.write("\r\n") == 2;
    });
}

} // namespace staverly
