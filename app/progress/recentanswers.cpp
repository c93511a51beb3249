// SPDX-License-Identifier: GPL-3.0-or-later
#include "recentanswers.h"

#include <algorithm>
#include <vector>

namespace staverly {

namespace {

double median(std::vector<qint64> &times)
{
    if (times.empty())
        return 0;
    const auto upper = times.begin() + qsizetype(times.size() / 2);
    std::nth_element(times.begin(), upper, times.end());
    if (times.size() % 2 == 1)
        return double(*upper);
    const qint64 lower = *std::max_element(times.begin(), upper);
    return (double(lower) + double(*upper)) / 2;
}

} // namespace

double RecentAnswers::weight(double errorRate, double noteMedianMs, double clefMedianMs)
{
    const double slowness = clefMedianMs > 0 ? std::clamp(noteMedianMs / clefMedianMs - 1, 0.0, 1.0) : 0.0;
    return 1 + 3 * std::clamp(0.7 * errorRate + 0.3 * slowness, 0.0, 1.0);
}

void RecentAnswers::add(int note, bool wrong, qint64 ms)
{
    std::deque<Answer> &answers = m_notes[note];
    answers.push_back({wrong, ms});
    if (answers.size() > std::size_t(Depth))
        answers.pop_front();
    m_weights.reset();
}

const std::map<int, double> &RecentAnswers::weights() const
{
    if (m_weights)
        return *m_weights;

    std::vector<qint64> all;
    for (const auto &[note, answers] : m_notes) {
        for (const Answer &answer : answers)
            all.push_back(answer.ms);
    }
    const double clefMedian = median(all);

    std::map<int, double> weights;
    std::vector<qint64> times;
    for (const auto &[note, answers] : m_notes) {
        if (answers.empty())
            continue;
        times.clear();
        int wrong = 0;
        for (const Answer &answer : answers) {
            times.push_back(answer.ms);
            wrong += answer.wrong ? 1 : 0;
        }
        weights[note] = weight(double(wrong) / double(answers.size()), median(times), clefMedian);
    }
    m_weights = std::move(weights);
    return *m_weights;
}

} // namespace staverly
