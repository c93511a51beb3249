// SPDX-License-Identifier: GPL-3.0-or-later
#include "wipepicture.h"

#include "desktop.h"
#include "random.h"
#include "wipesurface.h"

#include <QElapsedTimer>
#include <cmath>
#include <vector>

namespace staverly {

namespace {

// Spreads a sweep over about a quarter of a second, so the cells are seen
// appearing however fast the drawing is. A slow screen adds no waits.
class Pacer
{
public:
    static constexpr double SweepMs = 250.0;

    Pacer(Desktop &desktop, int units)
        : m_desktop(desktop)
        , m_perUnit(SweepMs / std::max(units, 1))
    {
        m_clock.start();
    }

    void done(int unitsSoFar)
    {
        const double due = unitsSoFar * m_perUnit;
        const auto ahead = qint64(due) - m_clock.elapsed();
        if (ahead >= 1)
            m_desktop.sleep(int(ahead));
    }

private:
    Desktop &m_desktop;
    double m_perUnit;
    QElapsedTimer m_clock;
};

struct Grid
{
    qint64 w;
    qint64 h;
    int steps;
};

void fillThenRun(WipeSurface &picture, Desktop &desktop, qint64 x1, qint64 y1, qint64 x2,
                 qint64 y2)
{
    picture.fillBox(x1, y1, x2, y2);
    desktop.processEvents();
}

void dissolve(WipeSurface &picture, const Grid &g, Desktop &desktop, Random &random)
{
    Pacer pacer(desktop, g.steps * g.steps);
    int filled = 0;
    const int side = g.steps + 1;
    std::vector<unsigned char> marked(std::size_t(side) * std::size_t(side), 0);
    int misses = 0;
    for (;;) {
        const int x = int(std::floor(random.uniform() * g.steps));
        const int y = int(std::floor(random.uniform() * g.steps));
        unsigned char &mark = marked[std::size_t(y) * std::size_t(side) + std::size_t(x)];
        if (mark) {
            if (++misses >= 10 * g.steps)
                break;
            continue;
        }
        misses = 0;
        mark = 1;
        fillThenRun(picture, desktop, x * g.w, y * g.h, (x + 1) * g.w, (y + 1) * g.h);
        pacer.done(++filled);
    }
    picture.fillBox(0, 0, picture.scaleWidth(), picture.scaleHeight());
}

void growFromCentre(WipeSurface &picture, const Grid &g, Desktop &desktop)
{
    const int start = int(std::lrint(g.steps / 2.0));
    for (int k = start; k >= 0; --k) {
        desktop.sleep(20);
        const qint64 far = g.steps - k + 1;
        picture.fillBox(k * g.w, k * g.h, far * g.w, far * g.h);
        picture.showNow();
    }
}

} // namespace

void wipe_picture(WipeSurface &picture, qint16 &mode, qint16 &steps, Desktop &desktop,
                  Random &random)
{
    const QColor drawing = picture.foreColor();
    picture.setForeColor(picture.backColor());

    if (steps < 5)
        steps = 5;
    if (steps > 100)
        steps = 100;
    const Grid g{std::lrint(double(picture.scaleWidth()) / steps),
                 std::lrint(double(picture.scaleHeight()) / steps), steps};
    const int n = steps;
    Pacer pacer(desktop, n + 1);
    int lines = 0;

    switch (mode) {
    case 0:
        for (int r = 0; r <= n; ++r) {
            for (int c = 0; c <= n; ++c)
                fillThenRun(picture, desktop, c * g.w, r * g.h, (c + 1) * g.w, (r + 1) * g.h);
            desktop.processEvents();
            pacer.done(++lines);
        }
        break;
    case 1:
        for (int r = n; r >= 0; --r) {
            for (int c = 0; c <= n; ++c)
                fillThenRun(picture, desktop, (c - 1) * g.w, (r - 1) * g.h, c * g.w, r * g.h);
            desktop.processEvents();
            pacer.done(++lines);
        }
        break;
    case 2:
        for (int c = 0; c <= n; ++c) {
            for (int r = 0; r <= n; ++r)
                fillThenRun(picture, desktop, c * g.w, r * g.h, (c + 1) * g.w, (r + 1) * g.h);
            desktop.processEvents();
            pacer.done(++lines);
        }
        break;
    case 3:
        for (int c = n; c >= 0; --c) {
            for (int r = 0; r <= n; ++r)
                fillThenRun(picture, desktop, (c - 1) * g.w, r * g.h, c * g.w, (r + 1) * g.h);
            desktop.processEvents();
            pacer.done(++lines);
        }
        break;
    case 4:
        dissolve(picture, g, desktop, random);
        break;
    case 5:
        growFromCentre(picture, g, desktop);
        break;
    default:
        break;
    }

    picture.setForeColor(drawing);
}

} // namespace staverly
