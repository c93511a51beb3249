// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianokeys.h"

#include <array>

namespace staverly {

QRectF PianoKeys::keyTwips(int key)
{
    if (!isBlack(key))
        return QRectF(WhitePitch * whiteIndex(key), 0, WhiteWidth, WhiteLength);
    // Not a formula: the black keys lean as on the drawn keyboard the
    // window's keys have always matched.
    static constexpr std::array<int, 20> lefts{180,  530,  1200, 1550, 1895, 2585, 2910, 3580, 3930, 4280,
                                               4920, 5280, 5950, 6310, 6660, 7340, 7680, 8340, 8690, 9050};
    static constexpr int inOctave[12] = {-1, 0, -1, 1, -1, -1, 2, -1, 3, -1, 4, -1};
    const int left = lefts[std::size_t((key / 12) * 5 + inOctave[key % 12])];
    return QRectF(left, 0, BlackWidth, BlackLength);
}

QRectF PianoKeys::keyRect(int key, double pitch, double length)
{
    const QRectF t = keyTwips(key);
    const double x = pitch / WhitePitch;
    const double y = length / WhiteLength;
    return QRectF(t.x() * x, t.y() * y, t.width() * x, t.height() * y);
}

} // namespace staverly
