// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answerevent.h"

#include <QByteArray>
#include <QString>

namespace staverly {

// Answers as CSV lines (RFC 4180): CR LF after each line, and a field with
// a comma, quote, CR or LF quoted, its quotes doubled. Text is UTF-8; a
// text that starts with = + - @ tab or CR gets a leading apostrophe, so a
// spreadsheet shows it rather than runs it.
class AnswerCsv
{
public:
    static QByteArray header();
    static QByteArray line(const AnswerEvent &answer);

    static QByteArray field(const QString &text);
};

} // namespace staverly
