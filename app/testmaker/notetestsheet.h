// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <functional>

namespace staverly {

// A printable note test: the questions' cells laid out in an HTML table,
// two to a row for Type 1, one to a row beside a keyboard for Type 2.
class NoteTestSheet
{
    Q_DECLARE_TR_FUNCTIONS(NoteTestSheet)

public:
    enum class Type { NameTheNote, ColourTheKey };
    // The cell of question q; each call draws a new note.
    using Cell = std::function<QString(qint16 q)>;

    static QString build(Type type, int questions, const Cell &cell, const QDate &today);
    // The table rows of the questions, and what ends the page: shared with
    // the answer key, whose answers stand where their questions do.
    static QString rows(Type type, int questions, const Cell &cell);
    static QString foot();

    // The pictures' addresses for src='...', from whatever folder the
    // program sits in.
    static QString staffPicture(const QString &imagesFolder, bool bass, int midi);
    static QString keyboardPicture(const QString &imagesFolder, bool bass);

    // Type 1: a staff picture above a blank for the note's name.
    static QString nameCell(const QString &imagesFolder, bool bass, int midi, qint16 q);
    // Type 2: a staff picture beside a keyboard picture to colour in.
    static QString colourCell(const QString &imagesFolder, bool bass, bool chromatic, int midi, qint16 q);
};

} // namespace staverly
