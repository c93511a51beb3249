// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace staverly {

// One key of the on-screen keyboard: a flat button whose face is its
// background colour, with an optional caption (the middle-C marker).
class PianoKey : public QAbstractButton
{
    Q_OBJECT

public:
    PianoKey(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QColor backColor() const { return m_back; }
    void setBackColor(const QColor &color);
    bool black() const { return m_black; }
    void setBlack(bool black) { m_black = black; }

signals:
    void mouseDown(int index);
    void mouseUp(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int m_index;
    QColor m_back = Qt::white;
    bool m_black = false;
};

} // namespace staverly
