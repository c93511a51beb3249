// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QIODevice;

namespace staverly {

// The pupils' text files as any editor may have left them. UTF-16 is told
// by its byte-order mark; otherwise each line is read on its own, as UTF-8
// when it is valid UTF-8 and as Windows-1252 when not, so one stray byte
// garbles no other name. Lines end with CR LF, LF or CR.
class TextLines
{
public:
    enum class Encoding { Utf8, Mixed, Utf16 };

    // What writing to such a file did: it failed, or a file that was not
    // UTF-8 throughout was written anew, whole, as UTF-8.
    struct Written
    {
        QString failure;
        bool converted = false;
    };

    static Encoding encoding(QByteArrayView bytes);
    // The same, read a chunk at a time from the device's start.
    static Encoding encoding(QIODevice &in);
    static QString decodeLine(QByteArrayView line);
    // Every line of a whole file; the end of the file is no line.
    static QStringList lines(const QByteArray &bytes);
    // Each line as UTF-8 with CR LF.
    static QByteArray utf8(const QStringList &lines);

    // Each line of a UTF-8 or Windows-1252 file, read a chunk at a time, with
    // where it starts; the line ends are not part of it. Stops, returning
    // false, when `each` returns false.
    static bool forEach(QIODevice &in, const std::function<bool(QByteArrayView, qint64)> &each);
    // The file opened to read, a UTF-16 one as its UTF-8 lines, so that
    // forEach and seeking work alike on both; null when it cannot be read.
    static std::unique_ptr<QIODevice> open(const QString &fileName);
};

} // namespace staverly
