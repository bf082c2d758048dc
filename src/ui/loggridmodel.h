#pragma once

#include "db/dberror.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

#include <map>
#include <vector>

namespace pw {

class Database;

// The rows of one table for a grid, in stored order, read a block at a time as the grid scrolls.
// No statement is left open between reads, so the grid never holds a lock on the file.
// Date-times are shown in the system's general date format, status words in the user's language
// (their edit role stays what is stored). Read-only.
class LogGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit LogGridModel(Database &db, QObject *parent = nullptr);

    // Shows the table of this name; a table that cannot be opened leaves the grid empty.
    DbError setTable(const QString &table);
    void clear();
    // The column of the date-times, or -1 when the table has none.
    int dateColumn() const { return m_dateColumn; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static constexpr int kBlock = 256;
    using Row = std::vector<QVariant>;
    const std::vector<Row> *block(int number) const;

    Database &m_db;
    QString m_table;
    QStringList m_columns;
    int m_rows = 0;
    int m_dateColumn = -1;
    int m_statusColumn = -1;
    mutable std::map<int, std::vector<Row>> m_blocks;
    const std::vector<Row> m_empty;
};

} // namespace pw
