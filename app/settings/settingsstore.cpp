// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "conversionerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cmath>

namespace staverly {

namespace {

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QString describe(const QString &text)
{
    return QStringLiteral("Type mismatch: \"%1\"").arg(text);
}

// What stands after "key=" in the section, as it was written; null when the
// key is not there.
QString rawValue(const QString &fileName, const QString &section, const QString &key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    bool inSection = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line.compare(header, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

} // namespace

SettingsStore::SettingsStore(NameSource applicationName)
    : m_name(std::move(applicationName))
{
}

QString SettingsStore::executableName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("staverly") : name;
}

QString SettingsStore::applicationName() const
{
    return m_name();
}

QString SettingsStore::fileName() const
{
    const QString app = applicationName();
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app, app).fileName();
}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &fallback) const
{
    const QString app = applicationName();
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid())
        return fallback;
    // A hand-edited value with a comma comes back as a list, its spaces
    // gone: the line itself says what was written.
    if (value.metaType().id() == QMetaType::QStringList) {
        const QString raw = rawValue(settings.fileName(), section, key);
        return raw.isNull() ? value.toStringList().join(QLatin1Char(',')) : raw;
    }
    return value.toString();
}

void SettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    const QString app = applicationName();
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.setValue(keyPath(section, key), text);
    settings.sync();
    if (settings.status() == QSettings::NoError || m_failureTold)
        return;
    m_failureTold = true;
    if (!m_tellFailure)
        return;
    const QFileInfo file(settings.fileName());
    const bool folderWritable = QFileInfo(file.absolutePath()).isWritable();
    m_tellFailure(tr("Staverly cannot save its settings in \"%1\": %2. Changes made now last "
                     "only until Staverly is closed.")
                      .arg(settings.fileName(),
                           folderWritable ? tr("the disk may be full")
                                          : tr("its folder cannot be written")));
}

void SettingsStore::onWriteFailure(std::function<void(const QString &message)> tell)
{
    m_tellFailure = std::move(tell);
}

qint16 SettingsStore::readInteger(const QString &section, const QString &key,
                                  qint16 fallback) const
{
    return toInteger(read(section, key, QString::number(fallback)));
}

bool SettingsStore::readSwitch(const QString &section, const QString &key, bool fallback) const
{
    return toSwitch(read(section, key, fromSwitch(fallback)));
}

void SettingsStore::writeInteger(const QString &section, const QString &key, qint16 value)
{
    write(section, key, QString::number(value));
}

void SettingsStore::writeSwitch(const QString &section, const QString &key, bool value)
{
    write(section, key, fromSwitch(value));
}

QString SettingsStore::read(const SettingKey &key) const
{
    return read(QLatin1String(key.section), QLatin1String(key.key), QLatin1String(key.fallback));
}

qint16 SettingsStore::readInteger(const SettingKey &key) const
{
    return toInteger(read(key));
}

bool SettingsStore::readSwitch(const SettingKey &key) const
{
    return toSwitch(read(key));
}

void SettingsStore::write(const SettingKey &key, const QString &text)
{
    write(QLatin1String(key.section), QLatin1String(key.key), text);
}

void SettingsStore::writeInteger(const SettingKey &key, qint16 value)
{
    write(key, QString::number(value));
}

void SettingsStore::writeSwitch(const SettingKey &key, bool value)
{
    write(key, fromSwitch(value));
}

qint16 SettingsStore::toInteger(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() > 2 && trimmed.startsWith(QLatin1Char('&'))) {
        const QChar radix = trimmed.at(1).toUpper();
        const int base = radix == QLatin1Char('H') ? 16 : radix == QLatin1Char('O') ? 8 : 0;
        bool ok = false;
        const qulonglong raw = base ? trimmed.mid(2).toULongLong(&ok, base) : 0;
        if (!ok)
            throw TypeMismatch(describe(text).toStdString());
        if (raw > 0xFFFF)
            throw Overflow(QStringLiteral("Overflow: \"%1\"").arg(text).toStdString());
        // Hexadecimal and octal literals name the 16-bit pattern.
        return qint16(quint16(raw));
    }
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw TypeMismatch(describe(text).toStdString());
    const double rounded = std::nearbyint(number);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw Overflow(QStringLiteral("Overflow: \"%1\"").arg(text).toStdString());
    return qint16(rounded);
}

bool SettingsStore::toSwitch(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || std::isnan(number))
        throw TypeMismatch(describe(text).toStdString());
    return number != 0.0;
}

QString SettingsStore::fromSwitch(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace staverly
