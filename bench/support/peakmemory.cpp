// SPDX-License-Identifier: GPL-3.0-or-later
#include "peakmemory.h"

#include <QFile>

namespace staverly::bench {

double PeakMemory::kB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray name = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

void PeakMemory::start()
{
    // Sets the peak back to what is held now.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    m_startKB = kB("VmRSS");
}

double PeakMemory::residentMB()
{
    return kB("VmRSS") / 1024.0;
}

double PeakMemory::aboveStartMB() const
{
    return (kB("VmHWM") - m_startKB) / 1024.0;
}

} // namespace staverly::bench
