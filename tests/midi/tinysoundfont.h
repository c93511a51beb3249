// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace staverly::test {

// A SoundFont of one looped sine at A4, `frames` long at 44.1 kHz, written as
// SF2 or, its sample compressed as Ogg Vorbis, as SF3.
QByteArray tinySoundFont(bool compressed, int frames = 11025);

} // namespace staverly::test
