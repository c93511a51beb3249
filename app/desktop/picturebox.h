// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"
#include "wipesurface.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
#include <QWidget>

namespace staverly {

// A picture box: shows a loaded picture on a canvas that can also be drawn
// on. Its own units are twips, 15 to a pixel.
class PictureBox : public QWidget, public WipeSurface
{
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = host::TwipsPerPixel;
    static constexpr int FlushMs = 4;

    explicit PictureBox(QWidget *parent = nullptr);

    // Clears the canvas and draws the picture at the top left. A file that is
    // missing or unreadable leaves a notice naming it and returns false.
    bool loadPicture(const QString &path);
    void clear();
    QString pictureError() const { return m_error; }

    int scaleWidth() const override;
    int scaleHeight() const override;
    QColor backColor() const override { return m_back; }
    void setBackColor(const QColor &color);
    QColor foreColor() const override { return m_fore; }
    void setForeColor(const QColor &color) override { m_fore = color; }
    void fillBox(qint64 x1, qint64 y1, qint64 x2, qint64 y2) override;
    void showNow() override;

    const QImage &canvas() const { return m_canvas; }
    // Paint events so far: shows that a wipe reaches the screen step by step.
    int paints() const { return m_paints; }

signals:
    void mousePressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void drawNotice(const QString &path);
    void ensureCanvas();
    void flush();

    QImage m_canvas;
    QColor m_back = Qt::white;
    QColor m_fore = Qt::black;
    QString m_error;
    int m_paints = 0;
    QRegion m_dirty;
    QElapsedTimer m_sinceFlush;
    bool m_flushQueued = false;
};

} // namespace staverly
