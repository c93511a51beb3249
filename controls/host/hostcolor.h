// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QVariant>
#include <QtGlobal>

class QPalette;

namespace staverly::host {

// Host colours are 32-bit: 0x00BBGGRR names a colour directly (red in the low
// byte, so 255 is red); 0x800000nn names system colour nn of the desktop.
inline constexpr quint32 SystemColorFlag = 0x80000000u;
inline constexpr quint32 WindowBackground = 0x80000005u;
inline constexpr quint32 ButtonFace = 0x8000000Fu;

// The on-screen colour, with system colours taken from the given palette
// (or fixed standard-scheme colours where no palette role comes close).
// An invalid QColor for a value that names no colour.
QColor toQColor(quint32 hostColor, const QPalette &palette);
// The same against the application's palette.
QColor toQColor(quint32 hostColor);

// A stored or late-bound colour: any integer of 32 bits, signed or not.
// Throws OverflowError or TypeMismatchError.
quint32 toHostColor(const QVariant &value);

} // namespace staverly::host
