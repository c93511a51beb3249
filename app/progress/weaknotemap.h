// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerhistory.h"

#include <QWidget>
#include <vector>

namespace staverly {

// The 48-key keyboard of one clef with each key coloured by how the pupil
// answers its note: by the share of wrong answers, or by the answer time.
// Hovering a key tells its numbers.
class WeakNoteMap : public QWidget
{
    Q_OBJECT

public:
    enum class Measure { Errors, Time };

    explicit WeakNoteMap(QWidget *parent = nullptr);

    void show(const std::vector<AnswerHistory::NoteStat> &stats, qint16 clef, Measure measure);
    // The key under a point; -1 when none.
    int keyAt(const QPoint &point) const;
    // What the key's tooltip says.
    QString describe(int key) const;
    // The colour a key is painted: how weak its note is, 0 to 1.
    double weakness(int key) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRectF keyRect(int key) const;
    const AnswerHistory::NoteStat *stat(int key) const;

    std::vector<AnswerHistory::NoteStat> m_stats;
    qint16 m_clef = 0;
    Measure m_measure = Measure::Errors;
    double m_slowest = 0;
};

} // namespace staverly
