// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notetestsheet.h"

#include <QCoreApplication>
#include <QDate>
#include <QRect>
#include <QString>
#include <vector>

namespace staverly {

// The teacher's page beside a note test: each question where the test has
// it, with its staff picture, the note's name and, for Type 2, the key
// marked on the keyboard picture.
class AnswerKeySheet
{
    Q_DECLARE_TR_FUNCTIONS(AnswerKeySheet)

public:
    // One question as it was drawn.
    struct Answer
    {
        int midi;
        // As the lesson names it: the letter, or the chromatic name.
        QString name;
    };

    // "notes.htm" gives "notes_key.htm", in the same folder.
    static QString fileName(const QString &testPath);

    // Whether the file at path is a page this class wrote: an older key
    // under that name may go without asking; any other file may not.
    static bool isAnswerKey(const QString &path);

    static QString build(NoteTestSheet::Type type, const QString &testName, const QString &imagesFolder, bool bass,
                         const std::vector<Answer> &answers, const QDate &today);

    static QString nameCell(const QString &imagesFolder, bool bass, const Answer &answer, qint16 q);
    static QString colourCell(const QString &imagesFolder, bool bass, const Answer &answer, qint16 q);

    // Where the mark of a note's key sits on the keyboard picture of its
    // clef, in the picture's pixels: low on a white key, below the black
    // keys and clear of the middle C label; in the lower part of a black key.
    static QRect mark(bool bass, int midi);
};

} // namespace staverly
