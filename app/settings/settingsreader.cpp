// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsreader.h"

#include "conversionerror.h"
#include "settingsstore.h"

namespace staverly {

SettingsReader::SettingsReader(SettingsStore &store)
    : m_store(store)
{
}

qint16 SettingsReader::integer(const SettingKey &key)
{
    const QString text = m_store.read(key);
    try {
        const qint16 value = SettingsStore::toInteger(text);
        if (value >= key.lowest && value <= key.highest)
            return value;
    } catch (const ConversionError &) {
    }
    reset(key, text);
    return SettingsStore::toInteger(QLatin1String(key.fallback));
}

bool SettingsReader::flag(const SettingKey &key)
{
    const QString text = m_store.read(key);
    try {
        return SettingsStore::toSwitch(text);
    } catch (const ConversionError &) {
    }
    reset(key, text);
    return SettingsStore::toSwitch(QLatin1String(key.fallback));
}

qint16 SettingsReader::position(const SettingKey &key)
{
    try {
        return m_store.readInteger(key);
    } catch (const ConversionError &) {
        return SettingsStore::toInteger(QLatin1String(key.fallback));
    }
}

void SettingsReader::reset(const SettingKey &key, const QString &text)
{
    m_store.write(key, QLatin1String(key.fallback));
    m_resets << tr("%1 was \"%2\", now %3")
                    .arg(QLatin1String(key.key), text, QLatin1String(key.fallback));
}

QString SettingsReader::report() const
{
    return tr("Some settings could not be used and were set back to their "
              "defaults:\n")
           + m_resets.join(QLatin1Char('\n'));
}

} // namespace staverly
