// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturescan.h"

namespace staverly {

PictureScan::PictureScan(const QImage &image)
    : m_grey(image.convertToFormat(QImage::Format_Grayscale8))
{
}

PictureScan::Span PictureScan::runThrough(int y, int x) const
{
    if (!ink(x, y))
        return {};
    Span run{x, x};
    while (run.first > 0 && ink(run.first - 1, y))
        --run.first;
    while (run.last + 1 < width() && ink(run.last + 1, y))
        ++run.last;
    return run;
}

int PictureScan::longestRun(int y) const
{
    int best = 0;
    for (const Span &s : spans(width(), [&](int x) { return ink(x, y); }))
        best = std::max(best, s.length());
    return best;
}

int PictureScan::inkInRow(int y) const
{
    int count = 0;
    for (int x = 0; x < width(); ++x)
        count += ink(x, y);
    return count;
}

QList<PictureScan::Span> PictureScan::spans(int count, const std::function<bool(int)> &test)
{
    QList<Span> found;
    for (int i = 0; i < count; ++i) {
        if (!test(i))
            continue;
        if (!found.isEmpty() && found.last().last == i - 1)
            found.last().last = i;
        else
            found.append({i, i});
    }
    return found;
}

} // namespace staverly
