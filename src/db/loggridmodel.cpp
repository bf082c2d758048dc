#include "db/loggridmodel.h"

#include "db/database.h"
#include "db/datetimecodec.h"
#include "db/quoting.h"
#include "platform/formats.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace pw {

LogGridModel::LogGridModel(Database &db, QObject *parent) : QAbstractTableModel(parent), m_db(db) {}

void LogGridModel::clear()
{
    beginResetModel();
    m_columns.clear();
    m_rows = 0;
    m_dateColumn = -1;
    m_blocks.clear();
    endResetModel();
}

DbError LogGridModel::setTable(const QString &table)
{
    clear();
    m_table = table;
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoteIdentifier(table))))
        return DbError::fromSql(q.lastError());
    const QSqlRecord rec = q.record();
    QStringList columns;
    for (int i = 0; i < rec.count(); ++i)
        columns << rec.fieldName(i);
    q.finish();
    if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quoteIdentifier(table))) || !q.next())
        return DbError::fromSql(q.lastError());
    const qint64 rows = q.value(0).toLongLong();
    beginResetModel();
    m_columns = columns;
    m_rows = int(qMin<qint64>(rows, std::numeric_limits<int>::max()));
    m_dateColumn = rec.indexOf(QStringLiteral("datetime"));
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
    QSqlQuery q = m_db.query();
    q.setForwardOnly(true);
    if (q.prepare(QStringLiteral("SELECT * FROM %1 ORDER BY rowid LIMIT %2 OFFSET ?").arg(quoteIdentifier(m_table)).arg(kBlock))) {
        q.addBindValue(qint64(number) * kBlock);
        if (q.exec()) {
            while (q.next()) {
                Row row(m_columns.size());
                for (int c = 0; c < int(m_columns.size()); ++c)
                    row[c] = q.value(c);
                rows.push_back(std::move(row));
            }
        }
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
