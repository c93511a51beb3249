// SPDX-License-Identifier: GPL-3.0-or-later
#include "timehistogram.h"

#include <QtEndian>
#include <algorithm>

namespace staverly {

namespace {

constexpr int PairBytes = 6;

quint16 bucketOf(qint64 ms)
{
    return quint16(std::clamp<qint64>(ms / TimeHistogram::BucketMs, 0, TimeHistogram::LastBucket));
}

} // namespace

void TimeHistogram::add(qint64 ms, quint32 times)
{
    if (times == 0)
        return;
    const quint16 bucket = bucketOf(ms);
    auto at = std::lower_bound(m_buckets.begin(), m_buckets.end(), bucket,
                               [](const auto &pair, quint16 b) { return pair.first < b; });
    if (at != m_buckets.end() && at->first == bucket)
        at->second += times;
    else
        m_buckets.insert(at, {bucket, times});
    m_count += times;
}

void TimeHistogram::merge(const TimeHistogram &other)
{
    if (other.m_buckets.empty())
        return;
    std::vector<std::pair<quint16, quint32>> merged;
    merged.reserve(m_buckets.size() + other.m_buckets.size());
    auto a = m_buckets.cbegin();
    auto b = other.m_buckets.cbegin();
    while (a != m_buckets.cend() || b != other.m_buckets.cend()) {
        if (b == other.m_buckets.cend() || (a != m_buckets.cend() && a->first < b->first)) {
            merged.push_back(*a++);
        } else if (a == m_buckets.cend() || b->first < a->first) {
            merged.push_back(*b++);
        } else {
            merged.emplace_back(a->first, a->second + b->second);
            ++a;
            ++b;
        }
    }
    m_buckets = std::move(merged);
    m_count += other.m_count;
}

double TimeHistogram::medianMs() const
{
    if (m_count == 0)
        return 0;
    const quint64 lowerIndex = (m_count - 1) / 2;
    const quint64 upperIndex = m_count / 2;
    quint64 seen = 0;
    int lower = -1;
    for (const auto &[bucket, times] : m_buckets) {
        seen += times;
        if (lower < 0 && seen > lowerIndex)
            lower = bucket;
        if (seen > upperIndex)
            return (lower + bucket) * BucketMs / 2.0;
    }
    return 0;
}

QByteArray TimeHistogram::toBlob() const
{
    QByteArray blob(qsizetype(m_buckets.size() * PairBytes), Qt::Uninitialized);
    char *out = blob.data();
    for (const auto &[bucket, times] : m_buckets) {
        qToLittleEndian(bucket, out);
        qToLittleEndian(times, out + 2);
        out += PairBytes;
    }
    return blob;
}

TimeHistogram TimeHistogram::fromBlob(const QByteArray &blob)
{
    TimeHistogram histogram;
    histogram.m_buckets.reserve(std::size_t(blob.size() / PairBytes));
    const char *in = blob.constData();
    for (qsizetype at = 0; at + PairBytes <= blob.size(); at += PairBytes) {
        const quint16 bucket = qFromLittleEndian<quint16>(in + at);
        const quint32 times = qFromLittleEndian<quint32>(in + at + 2);
        if (!histogram.m_buckets.empty() && bucket <= histogram.m_buckets.back().first)
            break;
        if (times == 0)
            continue;
        histogram.m_buckets.emplace_back(bucket, times);
        histogram.m_count += times;
    }
    return histogram;
}

} // namespace staverly
