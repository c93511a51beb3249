// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Whole sentences, so that a translation can bend each word.
    const QString listed = input ? (entries == 1 ? tr("1 MIDI input") : tr("%1 MIDI inputs").arg(entries))
                                 : (entries == 1 ? tr("1 MIDI output") : tr("%1 MIDI outputs").arg(entries));
    const QString text = input ? tr("The MIDI input chosen before (entry %1 of the list) "
                                    "is not connected; this computer lists %2.")
                               : tr("The MIDI output chosen before (entry %1 of the list) "
                                    "is not connected; this computer lists %2.");
    return MidiError(NoSuchDevice, text.arg(entry).arg(listed));
}

} // namespace staverly
