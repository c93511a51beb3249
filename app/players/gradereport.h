// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QStringList>

class QIODevice;

namespace staverly {

// The grade report: the log's records as one printable HTML page. It is
// written while the log is read, so that a log of many years never has to
// be held in memory whole.
class GradeReport
{
    Q_DECLARE_TR_FUNCTIONS(GradeReport)

public:
    // Writes the page for the log to `out` as UTF-8, without a byte-order
    // mark or a last line end. False when writing failed.
    static bool write(QIODevice &log, QIODevice &out);
    // Whether the page will hold characters beyond ASCII. Reads the log
    // through and back to its start.
    static bool beyondAscii(QIODevice &log);

private:
    // The page's title and the columns' headings, translated.
    static QStringList headings();
};

} // namespace staverly
