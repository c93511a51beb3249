// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <utility>
#include <vector>

namespace staverly {

// Answer times counted in 10 ms buckets. SQLite has no median, and keeping
// every time to sort would grow without end; a few hundred counters give the
// median of any number of answers to within 10 ms, and two of them add up.
class TimeHistogram
{
public:
    static constexpr int BucketMs = 10;
    // Answers slower than about 11 minutes share the last bucket.
    static constexpr int LastBucket = 0xFFFF;

    void add(qint64 ms, quint32 times = 1);
    void merge(const TimeHistogram &other);

    quint64 count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }

    // The middle answer's bucket as its lowest ms (the mean of the two
    // middle ones for an even count); 0 when empty.
    double medianMs() const;

    // Sorted (bucket as little-endian u16, count as u32) pairs.
    QByteArray toBlob() const;
    // Pairs out of order or cut short are read as far as they make sense.
    static TimeHistogram fromBlob(const QByteArray &blob);

    bool operator==(const TimeHistogram &other) const = default;

private:
    std::vector<std::pair<quint16, quint32>> m_buckets;
    quint64 m_count = 0;
};

} // namespace staverly
