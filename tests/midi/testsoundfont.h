#pragma once

#include "soundfontsearch.h"

namespace staverly {

// The SoundFont every sound test plays, whatever else the machine has
// installed: Debian's timgm6mb-soundfont, which the set-up script installs.
inline SoundFontSearch testSoundFont()
{
    return {{QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")}, {}};
}

} // namespace staverly
