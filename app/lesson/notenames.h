// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace staverly {

// How the pupil's teacher names notes: English letters (C D E F G A B),
// German letters (B is called H, and B flat B; Cis, Es), or fixed-do
// solfège spelt as the language spells it. Only what people read changes;
// what the program stores keeps English letters.
class NoteNames
{
public:
    enum class Style { Letters, German, Solfege };

    explicit NoteNames(Style style = Style::Letters, const QString &language = QString());

    // The stored choice ("letters", "german", "solfege"); anything else
    // takes the style the language's teachers use.
    static NoteNames chosen(const QString &stored, const QString &language);
    static QString key(Style style);

    // The naming the program shows, chosen at start.
    static const NoteNames &current();
    static void setCurrent(const NoteNames &names);

    Style style() const { return m_style; }
    // White key 0..6 from C: "C", "H", "Ré".
    QString white(int step) const;
    // A pitch class 0..11 as the lesson shows it: "C# or Db", "Cis or Des", "Do♯ or Ré♭".
    QString pitchClass(int pitch) const;
    // "C#4", "Cis4", "Do♯4"; with flat, a black key by the white key above:
    // "Db4", "Des4", "Ré♭4".
    QString scientific(int midi, bool flat = false) const;
    // For a screen reader: "C sharp 4", "Cis 4", "Do sharp 4".
    QString spoken(int midi) const;

    // The white key 0..6 a typed key names, in lessons where letters answer:
    // the letters a to g as ever; in German h, with b naming no white key;
    // in solfège also the digits 1 to 7. -1 for a letter that names no white
    // key (a wrong answer); nothing for a key that does not answer.
    std::optional<int> typedWhite(QChar typed) const;
    // The keys that answer, for hints: "a to g", "a to g and h", "1 to 7".
    QString answerKeys() const;

private:
    Style m_style;
    QString m_language;
};

} // namespace staverly
