// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertybag.h"

namespace staverly::host {

qsizetype PropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyBag::read(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? defaultValue : m_entries[i].value;
}

void PropertyBag::write(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        m_entries.append({key, value, defaultValue});
    else
        m_entries[i] = {key, value, defaultValue};
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

bool PropertyBag::remove(const QString &key)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        return false;
    m_entries.removeAt(i);
    return true;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    result.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        result.append(entry.key);
    return result;
}

QVariant PropertyBag::defaultValue(const QString &key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? QVariant() : m_entries[i].defaultValue;
}

} // namespace staverly::host
