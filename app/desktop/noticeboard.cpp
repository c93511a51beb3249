// SPDX-License-Identifier: GPL-3.0-or-later
#include "noticeboard.h"

#include <algorithm>

namespace staverly {

void NoticeBoard::post(const QString &topic, const QString &brief, const QString &text)
{
    auto found = std::find_if(m_notices.begin(), m_notices.end(),
                              [&](const Notice &notice) { return notice.topic == topic; });
    if (found != m_notices.end()) {
        if (found->brief == brief && found->text == text)
            return;
        found->brief = brief;
        found->text = text;
    } else {
        m_notices.push_back({topic, brief, text});
    }
    emit changed();
}

void NoticeBoard::clear(const QString &topic)
{
    const auto before = m_notices.size();
    std::erase_if(m_notices, [&](const Notice &notice) { return notice.topic == topic; });
    if (m_notices.size() != before)
        emit changed();
}

QString NoticeBoard::text(const QString &topic) const
{
    for (const Notice &notice : m_notices) {
        if (notice.topic == topic)
            return notice.text;
    }
    return {};
}

QStringList NoticeBoard::texts() const
{
    QStringList all;
    for (const Notice &notice : m_notices)
        all << notice.text;
    return all;
}

QString NoticeBoard::brief() const
{
    if (m_notices.empty())
        return {};
    QString brief = QStringLiteral("\u26A0 ") + m_notices.back().brief;
    if (m_notices.size() > 1)
        brief += QStringLiteral(" (+%1)").arg(m_notices.size() - 1);
    return brief;
}

} // namespace staverly
