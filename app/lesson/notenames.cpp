// SPDX-License-Identifier: GPL-3.0-or-later
#include "notenames.h"

#include <QCoreApplication>
#include <array>

namespace staverly {

namespace {

constexpr std::array<int, 12> StepOf{0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
constexpr std::array<bool, 12> Black{false, true, false, true, false, false, true, false, true, false, true, false};

NoteNames &currentNames()
{
    static NoteNames names;
    return names;
}

std::array<QString, 7> whites(NoteNames::Style style, const QString &language)
{
    switch (style) {
    case NoteNames::Style::Letters:
        return {"C", "D", "E", "F", "G", "A", "B"};
    case NoteNames::Style::German:
        return {"C", "D", "E", "F", "G", "A", "H"};
    case NoteNames::Style::Solfege:
        break;
    }
    if (language.startsWith(QLatin1String("fr")))
        return {"Do", "Ré", "Mi", "Fa", "Sol", "La", "Si"};
    if (language.startsWith(QLatin1String("pt")))
        return {"Dó", "Ré", "Mi", "Fá", "Sol", "Lá", "Si"};
    return {"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"};
}

// German chromatic names: a sharp adds -is, a flat -es (E and A only -s,
// and B flat is B).
QString german(int pitch, bool flat)
{
    static const std::array<const char *, 12> sharps{"C", "Cis", "D", "Dis", "E", "F", "Fis", "G", "Gis", "A", "Ais", "H"};
    static const std::array<const char *, 12> flats{"C", "Des", "D", "Es", "E", "F", "Ges", "G", "As", "A", "B", "H"};
    return QString::fromLatin1((flat ? flats : sharps)[std::size_t(pitch)]);
}

} // namespace

NoteNames::NoteNames(Style style, const QString &language)
    : m_style(style)
    , m_language(language)
{
}

NoteNames NoteNames::chosen(const QString &stored, const QString &language)
{
    if (stored == key(Style::Letters))
        return NoteNames(Style::Letters, language);
    if (stored == key(Style::German))
        return NoteNames(Style::German, language);
    if (stored == key(Style::Solfege))
        return NoteNames(Style::Solfege, language);
    for (const char *solfege : {"fr", "es", "it", "pt", "ro", "ca"}) {
        if (language.startsWith(QLatin1String(solfege)))
            return NoteNames(Style::Solfege, language);
    }
    if (language.startsWith(QLatin1String("de")))
        return NoteNames(Style::German, language);
    return NoteNames(Style::Letters, language);
}

QString NoteNames::key(Style style)
{
    switch (style) {
    case Style::Letters:
        return QStringLiteral("letters");
    case Style::German:
        return QStringLiteral("german");
    case Style::Solfege:
        return QStringLiteral("solfege");
    }
    return {};
}

const NoteNames &NoteNames::current()
{
    return currentNames();
}

void NoteNames::setCurrent(const NoteNames &names)
{
    currentNames() = names;
}

QString NoteNames::white(int step) const
{
    if (step < 0 || step > 6)
        return {};
    return whites(m_style, m_language)[std::size_t(step)];
}

QString NoteNames::pitchClass(int pitch) const
{
    pitch = ((pitch % 12) + 12) % 12;
    if (!Black[std::size_t(pitch)])
        return white(StepOf[std::size_t(pitch)]);
    const QString either = QCoreApplication::translate("NoteNames", "%1 or %2");
    if (m_style == Style::German)
        return either.arg(german(pitch, false), german(pitch, true));
    const int below = StepOf[std::size_t(pitch)];
    const QString sharp = m_style == Style::Letters ? QStringLiteral("#") : QStringLiteral("♯");
    const QString flat = m_style == Style::Letters ? QStringLiteral("b") : QStringLiteral("♭");
    return either.arg(white(below) + sharp, white(below + 1) + flat);
}

QString NoteNames::scientific(int midi, bool flat) const
{
    if (midi < 0 || midi > 127)
        return {};
    const int pitch = midi % 12;
    const QString octave = QString::number(midi / 12 - 1);
    if (m_style == Style::German)
        return german(pitch, flat) + octave;
    const int step = StepOf[std::size_t(pitch)];
    if (!Black[std::size_t(pitch)])
        return white(step) + octave;
    if (flat)
        return white(step + 1) + (m_style == Style::Letters ? QStringLiteral("b") : QStringLiteral("♭")) + octave;
    return white(step) + (m_style == Style::Letters ? QStringLiteral("#") : QStringLiteral("♯")) + octave;
}

QString NoteNames::spoken(int midi) const
{
    if (midi < 0 || midi > 127)
        return {};
    const int pitch = midi % 12;
    const QString octave = QString::number(midi / 12 - 1);
    if (m_style == Style::German)
        return german(pitch, false) + QLatin1Char(' ') + octave;
    const QString name = white(StepOf[std::size_t(pitch)]);
    if (!Black[std::size_t(pitch)])
        return m_style == Style::Letters ? name + octave : name + QLatin1Char(' ') + octave;
    return QCoreApplication::translate("NoteNames", "%1 sharp %2").arg(name, octave);
}

std::optional<int> NoteNames::typedWhite(QChar typed) const
{
    const char c = typed.toLatin1();
    if (m_style == Style::Solfege && c >= '1' && c <= '7')
        return c - '1';
    if (m_style == Style::German && c == 'h')
        return 6;
    // B flat in German, and h elsewhere: letters of no white key.
    if ((m_style == Style::German && c == 'b') || c == 'h')
        return -1;
    static constexpr std::array<int, 7> fromA{5, 6, 0, 1, 2, 3, 4};
    if (c >= 'a' && c <= 'g')
        return fromA[std::size_t(c - 'a')];
    return std::nullopt;
}

QString NoteNames::answerKeys() const
{
    switch (m_style) {
    case Style::Letters:
        return QCoreApplication::translate("NoteNames", "the letters a to g");
    case Style::German:
        return QCoreApplication::translate("NoteNames", "the letters a, c to h (h for H)");
    case Style::Solfege:
        return QCoreApplication::translate("NoteNames", "the digits 1 to 7 (1 for Do) or the letters a to g");
    }
    return {};
}

} // namespace staverly
