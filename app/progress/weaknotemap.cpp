// SPDX-License-Identifier: GPL-3.0-or-later
#include "weaknotemap.h"

#include "notemodel.h"
#include "pianokeys.h"
#include "pitchname.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace staverly {

namespace {

constexpr int WhiteKeys = PianoKeys::WhiteKeys;

QColor blend(const QColor &from, const QColor &to, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

} // namespace

WeakNoteMap::WeakNoteMap(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WeakNoteMap::show(const std::vector<AnswerHistory::NoteStat> &stats, qint16 clef, Measure measure)
{
    m_stats = stats;
    m_clef = clef;
    m_measure = measure;
    m_slowest = 0;
    for (const auto &s : m_stats)
        m_slowest = std::max(m_slowest, s.medianMs);
    // A screen reader cannot see the colours: it is told the weakest keys.
    std::vector<int> keys;
    for (int key = 0; key < NoteModel::Keys; ++key) {
        if (stat(key))
            keys.push_back(key);
    }
    std::stable_sort(keys.begin(), keys.end(), [this](int a, int b) { return weakness(a) > weakness(b); });
    QStringList weakest;
    for (std::size_t i = 0; i < std::min<std::size_t>(keys.size(), 5); ++i)
        weakest << describe(keys[i]);
    setAccessibleName(m_measure == Measure::Errors ? tr("Keys by wrong answers")
                                                   : tr("Keys by answer time"));
    setAccessibleDescription(weakest.isEmpty() ? tr("No note asked yet.")
                                               : tr("Weakest first: ") + weakest.join(QStringLiteral("; ")));
    update();
}

QSize WeakNoteMap::sizeHint() const
{
    return {WhiteKeys * 16, 90};
}

QRectF WeakNoteMap::keyRect(int key) const
{
    const double pitch = double(width()) / WhiteKeys;
    const QRectF r = PianoKeys::keyRect(key, pitch, height());
    // White keys touch: each outline is drawn on the line they share.
    return PianoKeys::isBlack(key) ? r : QRectF(r.x(), r.y(), pitch, r.height());
}

int WeakNoteMap::keyAt(const QPoint &point) const
{
    for (int key = 0; key < NoteModel::Keys; ++key) {
        if (NoteModel::isBlackKey(key) && keyRect(key).contains(point))
            return key;
    }
    for (int key = 0; key < NoteModel::Keys; ++key) {
        if (!NoteModel::isBlackKey(key) && keyRect(key).contains(point))
            return key;
    }
    return -1;
}

const AnswerHistory::NoteStat *WeakNoteMap::stat(int key) const
{
    const int midi = NoteModel::keyToMidi(key, m_clef);
    const auto found = std::find_if(m_stats.begin(), m_stats.end(), [midi](const auto &s) {
        return s.note == midi && s.answers > 0;
    });
    return found == m_stats.end() ? nullptr : &*found;
}

double WeakNoteMap::weakness(int key) const
{
    const AnswerHistory::NoteStat *s = stat(key);
    if (!s)
        return 0;
    if (m_measure == Measure::Errors)
        return s->errorRate;
    return m_slowest > 0 ? s->medianMs / m_slowest : 0;
}

QString WeakNoteMap::describe(int key) const
{
    const int midi = NoteModel::keyToMidi(key, m_clef);
    const QString name = PitchName::of(midi);
    const AnswerHistory::NoteStat *s = stat(key);
    if (!s)
        return tr("%1: not asked yet").arg(name);
    return tr("%1: %2 answers, %3 wrong (%4 %), median %5 s")
        .arg(name)
        .arg(s->answers)
        .arg(s->wrong)
        .arg(qRound(100 * s->errorRate))
        .arg(QString::number(s->medianMs / 1000.0, 'f', 1));
}

void WeakNoteMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());
    const QColor weak = m_measure == Measure::Errors ? QColor(220, 40, 40) : QColor(230, 140, 20);
    const auto paintKeys = [&](bool black) {
        for (int key = 0; key < NoteModel::Keys; ++key) {
            if (NoteModel::isBlackKey(key) != black)
                continue;
            const QColor base = black ? QColor(30, 30, 30) : QColor(Qt::white);
            const QColor fill = stat(key) ? blend(base, weak, 0.15 + 0.85 * weakness(key))
                                          : (black ? base : QColor(235, 235, 235));
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(fill);
            painter.drawRect(keyRect(key).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    };
    paintKeys(false);
    paintKeys(true);
    // Middle C, as on the lesson's keyboard.
    const QRectF c = keyRect(NoteModel::middleCKey(m_clef));
    painter.setPen(Qt::black);
    painter.drawText(c.adjusted(0, 0, 0, -4), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("C4"));
}

bool WeakNoteMap::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int key = keyAt(help->pos());
        if (key < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), describe(key), this, keyRect(key).toRect());
        return true;
    }
    return QWidget::event(event);
}

} // namespace staverly
