// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace staverly {

// Where the built-in synthesizer looks for a General MIDI SoundFont: each
// name in order in every folder, then any .sf2 or .sf3 in the folders.
struct SoundFontSearch
{
    QStringList names;
    QStringList folders;

    // sounds/sf3, sounds/sf2 and soundfonts in each XDG data folder, the
    // user's own first. default-GM.sf3 and default-GM.sf2 are the
    // alternatives links that Debian's SoundFont packages maintain.
    static SoundFontSearch standard();

    // The first SoundFont found, or an empty text.
    QString find() const;
    // Every SoundFont in the folders, each file once (a link and the file it
    // names are one), as its real path, in the order found.
    QStringList all() const;
    // The order looked in, for a message to the user.
    QString describe() const;

    enum class Fault { None, Missing, Unreadable, NotASoundFont };
    // Why a file cannot be played.
    static Fault fault(const QString &path);
};

} // namespace staverly
