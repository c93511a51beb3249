// SPDX-License-Identifier: GPL-3.0-or-later
#include "textlines.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QStringDecoder>

namespace staverly {

namespace {

bool utf16Mark(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool validUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8.decode(bytes));
    return !utf8.hasError();
}

QString windows1252(QByteArrayView bytes)
{
    // Latin-1 but for 0x80..0x9F, where Windows-1252 keeps its quotes,
    // dashes, the euro sign and a few letters.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = uchar(c);
        text += byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return text;
}

template <typename Text, typename Each>
void splitLines(const Text &text, Each each)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != '\r' && text.at(i) != '\n')
            continue;
        each(start, i - start);
        if (text.at(i) == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        each(start, text.size() - start);
}

} // namespace

TextLines::Encoding TextLines::encoding(QByteArrayView bytes)
{
    if (utf16Mark(bytes))
        return Encoding::Utf16;
    return validUtf8(bytes) ? Encoding::Utf8 : Encoding::Mixed;
}

TextLines::Encoding TextLines::encoding(QIODevice &in)
{
    if (utf16Mark(in.peek(2)))
        return Encoding::Utf16;
    QStringDecoder utf8(QStringDecoder::Utf8);
    while (!utf8.hasError()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty())
            break;
        (void)QString(utf8.decode(chunk));
    }
    (void)QString(utf8.decode(QByteArrayView()));
    return utf8.hasError() ? Encoding::Mixed : Encoding::Utf8;
}

QString TextLines::decodeLine(QByteArrayView line)
{
    if (validUtf8(line))
        return QString::fromUtf8(line);
    return windows1252(line);
}

QStringList TextLines::lines(const QByteArray &bytes)
{
    QStringList lines;
    if (utf16Mark(bytes)) {
        QStringDecoder decoder(*QStringConverter::encodingForData(bytes));
        const QString text = decoder.decode(bytes);
        splitLines(text, [&](qsizetype from, qsizetype length) { lines << text.mid(from, length); });
        return lines;
    }
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    splitLines(text, [&](qsizetype from, qsizetype length) { lines << decodeLine(text.sliced(from, length)); });
    return lines;
}

QByteArray TextLines::utf8(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

std::unique_ptr<QIODevice> TextLines::open(const QString &fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    if (!utf16Mark(file->peek(2)))
        return file;
    auto converted = std::make_unique<QBuffer>();
    converted->setData(utf8(lines(file->readAll())));
    converted->open(QIODevice::ReadOnly);
    return converted;
}

bool TextLines::forEach(QIODevice &in, const std::function<bool(QByteArrayView, qint64)> &each)
{
    QByteArray carried;
    qint64 carriedAt = in.pos();
    // A CR that ended the last chunk: an LF opening this one belongs to it.
    bool afterCr = false;
    while (true) {
        const qint64 chunkAt = in.pos();
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty())
            break;
        qsizetype from = 0;
        if (afterCr && chunk.front() == '\n')
            from = 1;
        afterCr = false;
        for (qsizetype at = from; at < chunk.size(); ++at) {
            const char c = chunk.at(at);
            if (c != '\r' && c != '\n')
                continue;
            const QByteArrayView piece = QByteArrayView(chunk).sliced(from, at - from);
            bool more;
            if (carried.isEmpty()) {
                more = each(piece, chunkAt + from);
            } else {
                carried += piece;
                more = each(carried, carriedAt);
                carried.clear();
            }
            if (!more)
                return false;
            if (c == '\r') {
                if (at + 1 < chunk.size() && chunk.at(at + 1) == '\n')
                    ++at;
                else if (at + 1 == chunk.size())
                    afterCr = true;
            }
            from = at + 1;
        }
        if (from < chunk.size()) {
            if (carried.isEmpty())
                carriedAt = chunkAt + from;
            carried += QByteArrayView(chunk).sliced(from);
        }
    }
    return carried.isEmpty() || each(carried, carriedAt);
}

} // namespace staverly
