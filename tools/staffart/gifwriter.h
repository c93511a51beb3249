// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace staverly {

// Writes pictures as GIF with a palette of evenly spaced greys, index 0 black
// and the last index white. Qt reads GIF but cannot write it.
class GifWriter
{
public:
    static constexpr int Greys = 16;

    // Empty, with the reason in error, when encoding fails.
    static QByteArray encode(const QImage &image, QString *error);
    static bool write(const QImage &image, const QString &file, QString *error);
};

} // namespace staverly
