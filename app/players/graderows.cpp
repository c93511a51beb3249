// SPDX-License-Identifier: GPL-3.0-or-later
#include "graderows.h"

#include "gradelog.h"
#include "textlines.h"

#include <QLocale>

namespace staverly {

GradeRows::GradeRows(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
{
}

bool GradeRows::load(const QString &fileName)
{
    beginResetModel();
    m_file = TextLines::open(fileName);
    m_starts.clear();
    m_lengths.clear();
    m_unreadable = 0;
    m_shown.clear();
    if (m_file) {
        TextLines::forEach(*m_file, [this](QByteArrayView bytes, qint64 at) {
            if (bytes.trimmed().isEmpty())
                return true;
            if (GradeLog::scan(bytes) && bytes.size() <= qsizetype(UINT32_MAX)) {
                m_starts.push_back(at);
                m_lengths.push_back(quint32(bytes.size()));
            } else {
                ++m_unreadable;
            }
            return true;
        });
    }
    m_blank = false;
    endResetModel();
    return m_file != nullptr;
}

void GradeRows::blank()
{
    beginResetModel();
    m_blank = true;
    m_file.reset();
    m_shown.clear();
    endResetModel();
}

int GradeRows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(records(), 1);
}

int GradeRows::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

const QStringList *GradeRows::cells(int row) const
{
    if (QStringList *known = m_shown.object(row))
        return known;
    auto *shown = new QStringList(int(m_headers.size()));
    // Another program may have cut the file short since: the row is then blank.
    if (m_file && m_file->seek(m_starts[std::size_t(row)])) {
        const QByteArray bytes = m_file->read(m_lengths[std::size_t(row)]);
        if (const auto r = GradeLog::parse(bytes)) {
            *shown = QStringList{r->player, GradeLog::shownLesson(r->lesson), QString::number(r->yes),
                                 QString::number(r->no),
                                 QString::number(r->score) + QLatin1Char('%'),
                                 QLocale::system().toString(r->date, QLocale::ShortFormat)};
        }
    }
    m_shown.insert(row, shown);
    return shown;
}

QVariant GradeRows::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    if (m_blank || index.row() >= records())
        return QString();
    return cells(index.row())->value(index.column());
}

QVariant GradeRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_blank ? QString() : m_headers.value(section);
}

} // namespace staverly
