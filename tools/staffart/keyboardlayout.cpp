// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardlayout.h"

#include "pianokeys.h"

namespace staverly {

namespace {

constexpr int Left = (KeyboardLayout::Width - KeyboardLayout::WhiteKeys * KeyboardLayout::WhitePitch) / 2;
constexpr int Top = 4;

} // namespace

KeyboardLayout::KeyboardLayout(Clef clef)
    : m_clef(clef)
{
}

QString KeyboardLayout::fileName() const
{
    return m_clef == Clef::Treble ? QStringLiteral("t_piano.gif") : QStringLiteral("b_piano.gif");
}

int KeyboardLayout::middleCKey() const
{
    return m_clef == Clef::Treble ? 12 : 36;
}

bool KeyboardLayout::isBlack(int key)
{
    return PianoKeys::isBlack(key);
}

QRect KeyboardLayout::keyRect(int key) const
{
    const int left = Left + qRound(PianoKeys::keyRect(key, WhitePitch, WhiteLength).x());
    // White keys one pixel wider than their pitch: neighbours share an outline.
    if (!isBlack(key))
        return QRect(left, Top, WhitePitch + 1, WhiteLength);
    return QRect(left, Top, BlackWidth, BlackLength);
}

} // namespace staverly
