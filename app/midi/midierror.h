// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace staverly {

// A MIDI failure with a number and a sentence the user can read; open
// procedures show the sentence in their message box.
class MidiError : public std::runtime_error
{
    Q_DECLARE_TR_FUNCTIONS(MidiError)

public:
    enum Code {
        NoSuchDevice = 1,
        OpenFailed = 2,
        SendFailed = 3,
        InputOverflow = 4,
        NoSoundFont = 5,
        NoAudioOutput = 6,
        SoundFontFailed = 7,
        NotAMessage = 8,
    };

    MidiError(Code code, const QString &description);

    // A stored position that names no device of the list: `entry` counts
    // from 1 as the list shows them, `entries` is how many it has.
    static MidiError notListed(bool input, int entry, int entries);

    Code code() const { return m_code; }
    QString description() const { return m_description; }

private:
    Code m_code;
    QString m_description;
};

} // namespace staverly
