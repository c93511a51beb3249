// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>

#include <functional>

namespace staverly {

// Reads a decoded picture as ink on paper: rows and columns of dark pixels.
class PictureScan
{
public:
    // Inclusive pixel range along one axis.
    struct Span
    {
        int first = 0;
        int last = -1;
        int length() const { return last - first + 1; }
        // In pixel-edge coordinates, where a one-row line at row r has centre r + 0.5.
        double centre() const { return (first + last + 1) / 2.0; }
        bool contains(int i) const { return i >= first && i <= last; }
    };

    explicit PictureScan(const QImage &image);

    int width() const { return m_grey.width(); }
    int height() const { return m_grey.height(); }
    int grey(int x, int y) const { return m_grey.constScanLine(y)[x]; }
    bool ink(int x, int y) const { return grey(x, y) < 128; }

    // The run of ink in row y through column x (empty when x is paper).
    Span runThrough(int y, int x) const;
    int longestRun(int y) const;
    int inkInRow(int y) const;

    // Consecutive indexes in [0, count) for which test holds, merged into spans.
    static QList<Span> spans(int count, const std::function<bool(int)> &test);

private:
    QImage m_grey;
};

} // namespace staverly
