// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerkeysheet.h"

#include "htmlfile.h"
#include "keyboardlayout.h"
#include "notemodel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace staverly {

namespace {

// The key's title, around the date it was made: how a key is told from
// any other page under its name.
constexpr char TitleStart[] = "<html><title>Staverly Note Test - ";
constexpr char TitleEnd[] = " - Answer Key";

QString answerText(const AnswerKeySheet::Answer &answer)
{
    return HtmlFile::escaped(answer.name) + QStringLiteral(" (") + NoteModel::scientificName(answer.midi)
           + QStringLiteral(")");
}

// A round mark drawn by its border, which browsers print even when they
// leave backgrounds out; only the pixel in its middle is background.
QString markOver(const QRect &mark)
{
    if (mark.isEmpty())
        return {};
    return QStringLiteral("<span style=\"position:absolute;left:%1px;top:%2px;width:1px;height:1px;"
                          "border:%3px solid #C00000;border-radius:50%;background:#C00000;print-color-adjust:exact;"
                          "-webkit-print-color-adjust:exact\"></span>")
        .arg(mark.left())
        .arg(mark.top())
        .arg((mark.width() - 1) / 2);
}

} // namespace

QString AnswerKeySheet::fileName(const QString &testPath)
{
    const QFileInfo test(testPath);
    return test.dir().filePath(test.completeBaseName() + QStringLiteral("_key.") + test.suffix());
}

bool AnswerKeySheet::isAnswerKey(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The title holds only the date: the first kilobyte holds it.
    const QByteArray start = file.read(1024);
    const int titleEnd = start.indexOf("</title>");
    return start.startsWith(TitleStart) && titleEnd > 0 && start.left(titleEnd).endsWith(TitleEnd);
}

QString AnswerKeySheet::build(NoteTestSheet::Type type, const QString &testName, const QString &imagesFolder,
                              bool bass, const std::vector<Answer> &answers, const QDate &today)
{
    const auto cell = [&](qint16 q) {
        const Answer &answer = answers[std::size_t(q - 1)];
        return type == NoteTestSheet::Type::NameTheNote ? nameCell(imagesFolder, bass, answer, q)
                                                        : colourCell(imagesFolder, bass, answer, q);
    };
    return QLatin1String(TitleStart) + HtmlFile::escaped(QLocale::system().toString(today, QLocale::ShortFormat))
           + QLatin1String(TitleEnd)
           + QStringLiteral("</title><body leftmargin=0 topmargin=0><font face=arial size=4><B>")
           + HtmlFile::escaped(tr("Answer key for %1").arg(testName))
           + QStringLiteral("</B></font><br clear=all><Table border=0 align=left cellpadding=0 cellspacing=0 >")
           + NoteTestSheet::rows(type, int(answers.size()), cell) + NoteTestSheet::foot();
}

QString AnswerKeySheet::nameCell(const QString &imagesFolder, bool bass, const Answer &answer, qint16 q)
{
    return QStringLiteral("<TD><img src='") + NoteTestSheet::staffPicture(imagesFolder, bass, answer.midi)
           + QStringLiteral("' border=0><BR><font face=arial size=4> ") + QString::number(q)
           + QStringLiteral(") - <B>") + answerText(answer) + QStringLiteral("</B></font></td>");
}

QString AnswerKeySheet::colourCell(const QString &imagesFolder, bool bass, const Answer &answer, qint16 q)
{
    // The keyboard of the note's own clef, where every note of the range
    // has its key; the placed mark needs the picture at its own size.
    return QStringLiteral("<TD valign=bottom><img src='") + NoteTestSheet::staffPicture(imagesFolder, bass, answer.midi)
           + QStringLiteral("' border=0></td><td valign=middle><BR><div style=\"position:relative;width:%1px;"
                            "height:%2px\"><img src='")
                 .arg(KeyboardLayout::Width)
                 .arg(KeyboardLayout::Height)
           + NoteTestSheet::keyboardPicture(imagesFolder, bass)
           + QStringLiteral("' border=0 width=%1 height=%2 style=\"display:block\">")
                 .arg(KeyboardLayout::Width)
                 .arg(KeyboardLayout::Height)
           + markOver(mark(bass, answer.midi)) + QStringLiteral("</div><br><font face=arial size=3><B>")
           + QString::number(q) + QStringLiteral(") - ") + answerText(answer) + QStringLiteral("</b></font></td>");
}

QRect AnswerKeySheet::mark(bool bass, int midi)
{
    const KeyboardLayout layout(bass ? Clef::Bass : Clef::Treble);
    const int key = midi - NoteModel::MiddleC + layout.middleCKey();
    if (key < 0 || key >= KeyboardLayout::Keys)
        return {};
    const QRect r = layout.keyRect(key);
    const bool black = KeyboardLayout::isBlack(key);
    const int size = black ? 7 : 11;
    const int middle = black ? r.bottom() - 14 : r.top() + KeyboardLayout::BlackLength + 10;
    return {r.center().x() - size / 2, middle - size / 2, size, size};
}

} // namespace staverly
