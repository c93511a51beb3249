// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingkeys.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

namespace staverly {

class SettingsStore;

// Reads the options at start-up. A value that cannot be used (text where a
// number belongs, a number outside the key's values) takes the key's default,
// which is written back to that key alone and remembered for one message.
class SettingsReader
{
    Q_DECLARE_TR_FUNCTIONS(SettingsReader)

public:
    explicit SettingsReader(SettingsStore &store);

    qint16 integer(const SettingKey &key);
    bool flag(const SettingKey &key);
    // A position in a list read later (a device, a player): its own list
    // judges it; only text that is no number falls back, silently.
    qint16 position(const SettingKey &key);

    // "KEY was "text", now default" for each key set back, in reading order.
    QStringList resets() const { return m_resets; }
    QString report() const;

private:
    void reset(const SettingKey &key, const QString &text);

    SettingsStore &m_store;
    QStringList m_resets;
};

} // namespace staverly
