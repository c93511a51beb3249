#include "graderows.h"

#include "gradelog.h"

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
    m_file.close();
    m_file.setFileName(fileName);
    m_starts.clear();
    m_lengths.clear();
    m_unreadable = 0;
    m_shown.clear();
    const bool opened = m_file.open(QIODevice::ReadOnly);
    QByteArray carried;
    qint64 carriedAt = 0;
    const auto line = [this](QByteArrayView bytes, qint64 at) {
        const qsizetype length = bytes.size();
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.trimmed().isEmpty())
            return;
        if (GradeLog::scan(bytes) && length <= qsizetype(UINT32_MAX)) {
            m_starts.push_back(at);
            m_lengths.push_back(quint32(length));
        } else {
            ++m_unreadable;
        }
    };
    while (opened) {
        const qint64 chunkAt = m_file.pos();
        const QByteArray chunk = m_file.read(1 << 20);
        if (chunk.isEmpty())
            break;
        qsizetype from = 0;
        for (qsizetype at = chunk.indexOf('\n'); at >= 0; at = chunk.indexOf('\n', from)) {
            if (carried.isEmpty()) {
                line(QByteArrayView(chunk).sliced(from, at - from), chunkAt + from);
            } else {
                carried += QByteArrayView(chunk).first(at);
                line(carried, carriedAt);
                carried.clear();
            }
            from = at + 1;
        }
        if (from < chunk.size()) {
            if (carried.isEmpty())
                carriedAt = chunkAt + from;
            carried += QByteArrayView(chunk).sliced(from);
        }
    }
    if (!carried.isEmpty())
        line(carried, carriedAt);
    m_blank = false;
    endResetModel();
    return opened;
}

void GradeRows::blank()
{
    beginResetModel();
    m_blank = true;
    m_file.close();
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
    if (m_file.seek(m_starts[std::size_t(row)])) {
        QByteArray bytes = m_file.read(m_lengths[std::size_t(row)]);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (const auto r = GradeLog::parse(bytes)) {
            *shown = QStringList{r->player, r->lesson, QString::number(r->yes), QString::number(r->no),
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
