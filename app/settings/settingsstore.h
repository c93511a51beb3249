// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingkeys.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace staverly {

// The per-user settings store: text values by application, section and key,
// kept in an INI file. Every write goes to disk at once.
class SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(SettingsStore)

public:
    using NameSource = std::function<QString()>;

    static inline const QString Midi = QStringLiteral("MIDI");
    static inline const QString Setup = QStringLiteral("SETUP");

    // The application name is asked for at every read and write, so that a
    // renamed executable starts from a fresh set of settings.
    explicit SettingsStore(NameSource applicationName = executableName);

    static QString executableName();

    QString applicationName() const;
    QString read(const QString &section, const QString &key, const QString &fallback) const;
    void write(const QString &section, const QString &key, const QString &text);

    // Typed reads throw TypeMismatch or Overflow for text that does not convert.
    qint16 readInteger(const QString &section, const QString &key, qint16 fallback) const;
    bool readSwitch(const QString &section, const QString &key, bool fallback) const;
    void writeInteger(const QString &section, const QString &key, qint16 value);
    void writeSwitch(const QString &section, const QString &key, bool value);

    // "20", " -1 ", "2.5" (halves to even), "&H10"; throws on anything else.
    static qint16 toInteger(const QString &text);
    // "True"/"False" in any case, or a number: zero is false.
    static bool toSwitch(const QString &text);
    static QString fromSwitch(bool value);

    // The same, by a key of the option table with its own fallback.
    QString read(const SettingKey &key) const;
    qint16 readInteger(const SettingKey &key) const;
    bool readSwitch(const SettingKey &key) const;
    void write(const SettingKey &key, const QString &text);
    void writeInteger(const SettingKey &key, qint16 value);
    void writeSwitch(const SettingKey &key, bool value);

    QString fileName() const;

    // Told once a run, at the first write that does not reach the disk (a
    // read-only folder, a full disk), with a sentence for the user.
    void onWriteFailure(std::function<void(const QString &message)> tell);

private:
    NameSource m_name;
    std::function<void(const QString &)> m_tellFailure;
    bool m_failureTold = false;
};

} // namespace staverly
