// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include <QSaveFile>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace staverly {

namespace {

int appendToBuffer(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

struct MapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

} // namespace

QByteArray GifWriter::encode(const QImage &image, QString *error)
{
    if (image.isNull()) {
        *error = QStringLiteral("empty picture");
        return {};
    }
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);

    GifColorType colours[Greys];
    for (int i = 0; i < Greys; ++i) {
        const auto level = GifByteType(i * 255 / (Greys - 1));
        colours[i] = {level, level, level};
    }
    const std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(Greys, colours));

    QByteArray out;
    int code = 0;
    GifFileType *gif = EGifOpen(&out, appendToBuffer, &code);
    if (!gif) {
        *error = QString::fromUtf8(GifErrorString(code));
        return {};
    }
    const int width = grey.width();
    const int height = grey.height();
    bool ok = EGifPutScreenDesc(gif, width, height, 4, Greys - 1, map.get()) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<size_t>(width));
    for (int y = 0; ok && y < height; ++y) {
        const uchar *source = grey.constScanLine(y);
        for (int x = 0; x < width; ++x)
            row[size_t(x)] = GifPixelType((source[x] * (Greys - 1) + 127) / 255);
        ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
    }
    if (!ok)
        code = gif->Error;
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
        ok = false;
        code = closeCode;
    }
    if (!ok) {
        *error = QString::fromUtf8(GifErrorString(code));
        return {};
    }
    return out;
}

bool GifWriter::write(const QImage &image, const QString &file, QString *error)
{
    const QByteArray data = encode(image, error);
    if (data.isEmpty())
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit()) {
        *error = QStringLiteral("%1: %2").arg(file, out.errorString());
        return false;
    }
    return true;
}

} // namespace staverly
