#include "ui/loggridmodel.h"

#include "domain/recordviews.h"
#include "platform/datetimecodec.h"
#include "platform/formats.h"
#include "ui/statustext.h"

#include <limits>

namespace pw {

LogGridModel::LogGridModel(Database &db, QObject *parent) : QAbstractTableModel(parent), m_db(db) {}

void LogGridModel::clear()
{
    beginResetModel();
    m_columns.clear();
    m_rows = 0;
    m_dateColumn = -1;
    m_statusColumn = -1;
    m_blocks.clear();
    endResetModel();
}

DbError LogGridModel::setTable(const QString &table)
{
    clear();
    m_table = table;
    LogRows log(m_db, table);
    auto fields = log.fields();
    if (!fields)
        return fields.error();
    auto rows = log.count();
    if (!rows)
        return rows.error();
    beginResetModel();
    m_columns = *fields;
    m_rows = int(qMin<qint64>(*rows, std::numeric_limits<int>::max()));
    m_dateColumn = -1;
    m_statusColumn = -1;
    for (int i = 0; i < int(m_columns.size()); ++i) {
        if (m_columns.at(i).compare(QLatin1String("datetime"), Qt::CaseInsensitive) == 0)
            m_dateColumn = i;
        else if (m_columns.at(i).compare(QLatin1String("inoutfx"), Qt::CaseInsensitive) == 0)
            m_statusColumn = i;
    }
    endResetModel();
    return {};
}

int LogGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int LogGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

const std::vector<LogGridModel::Row> *LogGridModel::block(int number) const
{
    if (auto it = m_blocks.find(number); it != m_blocks.end())
        return &it->second;
    if (m_blocks.size() > 64)
        m_blocks.clear();
    std::vector<Row> rows;
    // A block that cannot be read shows as empty rows; the next scroll tries again.
    if (auto read = LogRows(m_db, m_table).block(m_columns, qint64(number) * kBlock, kBlock)) {
        for (const QVariantList &r : *read)
            rows.emplace_back(r.begin(), r.end());
    } else {
        return &m_empty;
    }
    return &(m_blocks[number] = std::move(rows));
}

QVariant LogGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const auto *rows = block(index.row() / kBlock);
    const int at = index.row() % kBlock;
    if (at >= int(rows->size()) || index.column() >= int((*rows)[at].size()))
        return {};
    const QVariant &value = (*rows)[at][index.column()];
    if (role == Qt::DisplayRole && index.column() == m_dateColumn && !value.isNull()) {
        if (auto dt = LocalDateTime::fromStored(QStringView(value.toString())))
            return formats::generalDate(*dt);
    }
    if (role == Qt::DisplayRole && index.column() == m_statusColumn && value.typeId() == QMetaType::QString)
        return shownStatus(value.toString());
    return value;
}

QVariant LogGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? QVariant(m_columns.at(section)) : QVariant();
    return section + 1;
}

} // namespace pw
