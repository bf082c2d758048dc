#pragma once

#include "db/dberror.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>
#include <vector>

namespace pw {

class Database;

// A named view of one table with a current row. Nothing is loaded whole: every move is one
// indexed query on the stored order's key (rowid), so a move costs the same on ten rows or a
// million. Rows are always in stored order.
class RecordSet : public QObject {
    Q_OBJECT

public:
    using Fields = std::vector<std::pair<QString, QVariant>>;

    explicit RecordSet(Database &db, QObject *parent = nullptr);

    Database &database() const { return m_db; }

    // Names the table; nothing is read until refresh().
    void setRecordSource(const QString &table);
    const QString &recordSource() const { return m_table; }

    // Reopens the view from its table, positioned on the first row (at end of file when the table
    // is empty). Fails when the table cannot be opened; the view then has no current row.
    DbError refresh();
    DbError moveFirst();
    DbError moveLast();
    // Past the last row the view is at end of file; before the first, at its beginning.
    DbError moveNext();
    DbError movePrevious();

    bool isOpen() const { return m_state != State::Closed; }
    bool eof() const { return m_state == State::Eof || m_state == State::Closed; }
    bool bof() const { return m_state == State::Bof || m_state == State::Closed; }
    bool hasCurrent() const { return m_state == State::Current; }
    qint64 currentRowid() const { return hasCurrent() ? m_rowid : -1; }

    // A field of the current row, found without regard to letter case; an invalid value when there
    // is no current row, a null one for a stored Null.
    QVariant field(const QString &name) const;

    // Stores several fields of the current row in one statement: all of them, or none.
    DbError setFields(const Fields &fields);
    // Deletes the current row; the view then has no current row until it moves.
    DbError deleteCurrent();
    // The current row's fields as they were just stored by someone else's write: the view shows
    // them without reading the row again.
    void noteStored(const Fields &fields);

Q_SIGNALS:
    // Before the view leaves a current row by a move, so bound controls can store their edits.
    void aboutToLeaveRow();
    // After the current row (or its contents) changed.
    void currentChanged();

private:
    enum class State { Closed, Current, Eof, Bof, Deleted };

    // Finds the table's stored name and the select list of its fields, once per refresh.
    DbError resolve();
    DbError fetchOne(const QString &where, bool descending, const QVariantList &values, State whenNone);
    void setClosed();
    // The field of that name, letter case aside; -1 when there is none.
    int indexOf(const QString &name) const;

    Database &m_db;
    QString m_table;
    QString m_stored, m_select; // empty until resolved
    State m_state = State::Closed;
    qint64 m_rowid = -1;
    QStringList m_fields;
    QVariantList m_values;
};

} // namespace pw
