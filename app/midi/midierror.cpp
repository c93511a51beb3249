#include "midierror.h"

namespace staverly {

MidiError::MidiError(Code code, const QString &description)
    : std::runtime_error(description.toLocal8Bit().toStdString())
    , m_code(code)
    , m_description(description)
{
}

MidiError MidiError::notListed(bool input, int entry, int entries)
{
    const QString kind = input ? QStringLiteral("input") : QStringLiteral("output");
    const QString listed = entries == 1 ? QStringLiteral("1 MIDI %1").arg(kind)
                                        : QStringLiteral("%1 MIDI %2s").arg(entries).arg(kind);
    return MidiError(NoSuchDevice, QStringLiteral("The MIDI %1 chosen before (entry %2 of the list) "
                                                  "is not connected; this computer lists %3.")
                                       .arg(kind)
                                       .arg(entry)
                                       .arg(listed));
}

} // namespace staverly
