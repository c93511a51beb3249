// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerevent.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>
#include <memory>
#include <span>
#include <vector>

class QIODevice;

namespace staverly {

// Every answer of every lesson, kept in an SQLite database in the user's
// data folder beside (never instead of) the grade log. A database that
// cannot be used (missing folder, read-only, locked, corrupt) never stops a
// lesson: answers are then kept in memory while the program runs, and
// problem() says why, once it changes (problemChanged). A file that was
// locked or read-only is tried again every RetryMs, and what was kept in
// memory meanwhile is written to it once it can be. A fault found while
// opening is signalled once control returns to the event loop, so a
// connection made right after construction hears it.
class AnswerHistory : public QObject
{
    Q_OBJECT

public:
    enum class Period { Day, Week };

    static constexpr int RetryMs = 2000;

    // Lessons of one clef in one day or week.
    struct ScorePoint
    {
        QDate period; // the day, or the Monday of the week
        qint16 clef = 0;
        int lessons = 0;
        int right = 0;
        int wrong = 0;
        double score = 0; // percent right of all answers
        double medianMs = 0;
    };

    // How one note of one clef has been answered.
    struct NoteStat
    {
        int note = 0; // MIDI
        qint16 clef = 0;
        int answers = 0;
        int wrong = 0; // wrong answers and time-outs
        double errorRate = 0; // wrong / answers
        double medianMs = 0;
    };

    // A note answered as another.
    struct Confusion
    {
        int asked = 0;
        int answered = 0; // -1 when the answers were letters (see letter)
        QChar letter;
        qint16 clef = 0;
        int times = 0;
    };

    // The standard place: "history.sqlite" in AppDataLocation.
    static QString standardPath();

    explicit AnswerHistory(const QString &path = standardPath(), QObject *parent = nullptr);
    ~AnswerHistory() override;

    // Stores one answer; in memory when the database cannot take it.
    void record(const AnswerEvent &answer);
    // Many at once, in one transaction: an import, or a benchmark's history.
    void record(const std::vector<AnswerEvent> &answers);

    // Empty while all is well; else one sentence for the user: why answers
    // are kept in memory only, or that a damaged file was set aside.
    QString problem() const;
    // A few words for the same, for a small notice.
    QString problemTitle() const;
    // Whether answers go to the database (false: kept in memory only).
    bool persistent() const;

    QStringList players() const;
    std::vector<ScorePoint> scores(const QString &player, Period period) const;
    std::vector<NoteStat> noteStats(const QString &player, qint16 clef) const;
    // Most frequent first.
    std::vector<Confusion> confusions(const QString &player, int limit = 10) const;
    // Every answer of the player as CSV (RFC 4180), with a header line.
    // False when it could not be written whole.
    bool exportCsv(const QString &player, QIODevice &out) const;

    // How much more often each note of the clef should be asked, from the
    // player's last 200 answers to it (error rate and answer time): 1.0 for
    // a plain note up to 4.0 for a weak one; notes never asked are absent
    // (weight 1).
    std::map<int, double> weights(const QString &player, qint16 clef) const;

signals:
    void problemChanged(const QString &problem);

private:
    struct Store;

    void store(std::span<const AnswerEvent> answers);
    void retry();
    void tell();

    std::unique_ptr<Store> m_store;
    QTimer m_retry;
};

} // namespace staverly
