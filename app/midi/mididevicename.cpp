// SPDX-License-Identifier: GPL-3.0-or-later
#include "mididevicename.h"

#include <QRegularExpression>

namespace staverly {

QString MidiDeviceName::key(const QString &name)
{
    static const QRegularExpression alsaAddress(QStringLiteral("\\s+\\d+:\\d+(?=\\s|$)"));
    static const QRegularExpression bracketed(QStringLiteral("\\s*\\[\\d+\\]"));
    static const QRegularExpression jackClientNumber(QStringLiteral("-\\d{2,}(?=:)"));
    static const QRegularExpression repeat(QStringLiteral("\\s+#\\d+$"));
    QString key = name;
    key.remove(repeat);
    key.remove(alsaAddress);
    key.remove(bracketed);
    key.remove(jackClientNumber);
    return key.simplified();
}

int MidiDeviceName::find(const QStringList &names, const QString &wanted)
{
    if (wanted.isEmpty())
        return -1;
    const qsizetype exact = names.indexOf(wanted);
    if (exact >= 0)
        return int(exact);
    const QString wantedKey = key(wanted);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (key(names.at(i)) == wantedKey)
            return int(i);
    }
    return -1;
}

} // namespace staverly
