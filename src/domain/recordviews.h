#pragma once

#include "db/dberror.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>
#include <vector>

namespace pw {

class Database;
class RecordSet;

// A view of one table with a current row, for the windows that browse one: the logged-on
// employee's log, the employee list, the chosen employee's log. Nothing is loaded whole; every
// move is one indexed read, so a move costs the same on ten rows or a million. What is typed into
// the current row is stored by the domain operation for that kind of row, never written into the
// table directly.
class RecordView : public QObject {
    Q_OBJECT

public:
    // Texts typed into the current row, by the field they were typed into.
    using Edits = std::vector<std::pair<QString, QString>>;

    explicit RecordView(Database &db, QObject *parent = nullptr);
    ~RecordView() override;

    // Names the table; nothing is read until refresh().
    void setRecordSource(const QString &table);
    const QString &recordSource() const;

    // Reopens the view on the table's first row (at end of file when it is empty). A table that
    // cannot be opened leaves the view without a current row.
    DbError refresh();
    DbError moveFirst();
    DbError moveLast();
    DbError moveNext();
    DbError movePrevious();

    bool isOpen() const;
    bool eof() const;
    bool bof() const;
    bool hasCurrent() const;
    qint64 currentRowid() const;
    // A field of the current row, letter case aside; invalid without a current row, null for Null.
    QVariant field(const QString &name) const;

    // Stores what was typed into the current row, all of it or nothing; nothing to do without a
    // current row.
    DbError store(const Edits &edits);

Q_SIGNALS:
    // Before the view leaves a current row by a move, so typed edits can be stored first.
    void aboutToLeaveRow();
    // After the current row (or what it holds) changed.
    void currentChanged();

protected:
    // The kind of row's own operation; returns the values as stored, by field.
    virtual DbResult<std::vector<std::pair<QString, QVariant>>> storeEdits(qint64 row, const Edits &edits) = 0;
    static DbError noSuchField(const QString &field);

    Database &m_db;

private:
    RecordSet *m_records;
};

// An employee's time log. A date and time typed over an entry's corrects that entry.
class LogView : public RecordView {
    Q_OBJECT

public:
    using RecordView::RecordView;

protected:
    DbResult<std::vector<std::pair<QString, QVariant>>> storeEdits(qint64 row, const Edits &edits) override;
};

// The employee list. The wage per hour and the notes typed over an employee's change that
// employee's details.
class EmployeeView : public RecordView {
    Q_OBJECT

public:
    using RecordView::RecordView;

protected:
    DbResult<std::vector<std::pair<QString, QVariant>>> storeEdits(qint64 row, const Edits &edits) override;
};

// A log's rows for a grid, read a block at a time in stored order; no statement stays open between
// reads. Date-times come as the stored text.
class LogRows {
public:
    LogRows(Database &db, const QString &table) : m_db(db), m_table(table) {}

    DbResult<QStringList> fields();
    DbResult<qint64> count();
    DbResult<QList<QVariantList>> block(const QStringList &fields, qint64 offset, int limit);

private:
    Database &m_db;
    QString m_table;
};

} // namespace pw
