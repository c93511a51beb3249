#include "settingsstore.h"

#include "conversionerror.h"

#include <QCoreApplication>
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
    // A hand-edited value with a comma comes back as a list; keep it as text.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    const QString app = applicationName();
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.setValue(keyPath(section, key), text);
    settings.sync();
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
