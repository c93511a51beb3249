// SPDX-License-Identifier: GPL-3.0-or-later
#include "staffreading.h"

namespace staverly {

StaffReading::StaffReading(const QImage &image)
    : m_scan(image)
{
    m_staffLines = PictureScan::spans(m_scan.height(), [&](int y) {
        return m_scan.inkInRow(y) >= m_scan.width() * 3 / 4;
    });
    if (m_staffLines.size() != 5)
        return;
    m_spacing = (m_staffLines[4].centre() - m_staffLines[0].centre()) / 4;

    // Lines are the only ink running on for two staff spaces and more.
    m_ruledRows = PictureScan::spans(m_scan.height(), [&](int y) {
        return m_scan.longestRun(y) >= 2 * m_spacing;
    });
    for (const Span &rows : m_ruledRows) {
        bool onStaff = false;
        for (const Span &line : m_staffLines)
            onStaff = onStaff || (rows.first <= line.last && rows.last >= line.first);
        if (!onStaff)
            m_ledgerLines.append(rows);
    }

    const QList<Span> symbols = PictureScan::spans(m_scan.width(), [&](int x) {
        for (int y = 0; y < m_scan.height(); ++y) {
            if (isSymbol(x, y))
                return true;
        }
        return false;
    });
    if (symbols.isEmpty())
        return;
    m_noteHead = boxOf(symbols.last());
    qsizetype rest = symbols.size() - 1;
    if (rest > 0 && m_noteHead->x.first - symbols[rest - 1].last <= 1.5 * m_spacing) {
        m_accidental = boxOf(symbols[rest - 1]);
        --rest;
    }
    if (rest > 0)
        m_clef = boxOf({symbols.first().first, symbols[rest - 1].last});
}

bool StaffReading::isRuled(int y) const
{
    for (const Span &rows : m_ruledRows) {
        if (rows.contains(y))
            return true;
    }
    return false;
}

bool StaffReading::isSymbol(int x, int y) const
{
    if (isRuled(y))
        return false;
    if (m_scan.ink(x, y))
        return true;
    // A whole note in a space touches both lines with hairline edges; their
    // faint rest beside the line still belongs to the note.
    const bool besideLine = (y > 0 && isRuled(y - 1)) || (y + 1 < m_scan.height() && isRuled(y + 1));
    return besideLine && m_scan.grey(x, y) < 250;
}

StaffReading::Box StaffReading::boxOf(const Span &columns) const
{
    const QList<Span> rows = PictureScan::spans(m_scan.height(), [&](int y) {
        for (int x = columns.first; x <= columns.last; ++x) {
            if (isSymbol(x, y))
                return true;
        }
        return false;
    });
    return {columns, rows.isEmpty() ? Span{} : Span{rows.first().first, rows.last().last}};
}

double StaffReading::stepAt(double y) const
{
    return (m_staffLines.last().centre() - y) / (m_spacing / 2);
}

double StaffReading::stepY(double step) const
{
    return m_staffLines.last().centre() - step * m_spacing / 2;
}

StaffReading::Span StaffReading::ledgerExtent(const Span &ledger) const
{
    if (!m_noteHead)
        return {};
    return m_scan.runThrough(ledger.first, int(m_noteHead->x.centre()));
}

} // namespace staverly
