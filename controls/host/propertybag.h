// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace staverly::host {

// A control's stored design data: values by key, keys matched without
// regard to case. Values keep their own type, so a float stays a float.
class PropertyBag
{
public:
    // The stored value, or defaultValue when the key is missing.
    QVariant read(const QString &key, const QVariant &defaultValue) const;
    // Stores the value under the writer's spelling of the key; the default
    // goes with it so that an encoder may leave out values equal to it.
    void write(const QString &key, const QVariant &value, const QVariant &defaultValue = {});

    bool contains(const QString &key) const;
    bool remove(const QString &key);
    // In the order keys were first written.
    QStringList keys() const;
    QVariant defaultValue(const QString &key) const;
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    struct Entry
    {
        QString key;
        QVariant value;
        QVariant defaultValue;
    };

    qsizetype indexOf(const QString &key) const;

    QList<Entry> m_entries;
};

} // namespace staverly::host
