// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QCache>
#include <QIODevice>
#include <QStringList>
#include <memory>
#include <vector>

namespace staverly {

// The grade log as the Grades window lists it: a row for each record the
// log holds, read from the file only when it comes into view, so that the
// log of a school's years opens at once. With no records there is one
// empty row.
class GradeRows : public QAbstractTableModel
{
public:
    GradeRows(QStringList headers, QObject *parent = nullptr);

    // Finds the records of the log; false when it cannot be read, which
    // lists nothing.
    bool load(const QString &fileName);
    int records() const { return int(m_starts.size()); }
    // Lines that are no record: left out here, left alone in the file.
    int unreadable() const { return m_unreadable; }
    // Empties the headers and every cell; the rows stay.
    void blank();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QStringList *cells(int row) const;

    QStringList m_headers;
    std::unique_ptr<QIODevice> m_file;
    std::vector<qint64> m_starts;
    std::vector<quint32> m_lengths;
    int m_unreadable = 0;
    bool m_blank = false;
    // The rows last shown, read once for all their cells and roles.
    mutable QCache<int, QStringList> m_shown{512};
};

} // namespace staverly
