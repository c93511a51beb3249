#pragma once

#include <QString>
#include <QStringList>

namespace staverly {

// Where the built-in synthesizer looks for a General MIDI SoundFont: the
// named files in order, then any .sf2 or .sf3 in the folders.
struct SoundFontSearch
{
    QStringList files;
    QStringList folders;

    // Debian's places; default-GM.sf3 is the alternatives link that the
    // installed SoundFont packages maintain.
    static SoundFontSearch standard();

    // The first readable SoundFont, or an empty text.
    QString find() const;
    // The places looked in, for a message to the user.
    QString describe() const;
};

} // namespace staverly
