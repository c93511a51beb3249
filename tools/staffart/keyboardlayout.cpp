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
    const int white = PianoKeys::whiteIndex(key);
    if (!isBlack(key))
        return QRect(Left + white * WhitePitch, Top, WhitePitch + 1, WhiteLength);
    // As on a real piano, C# and D# lean apart, and so do F# and A#.
    static constexpr int lean[12] = {0, -2, 0, 2, 0, 0, -3, 0, 0, 0, 3, 0};
    const int centre = Left + (white + 1) * WhitePitch + lean[key % 12];
    return QRect(centre - BlackWidth / 2, Top, BlackWidth, BlackLength);
}

} // namespace staverly
