#pragma once

#include "db/dberror.h"
#include "db/engine.h"
#include "db/journal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace pw {

class Database;

// A company read table by table, for a copy: an open Database, or a file of another format.
class CompanySource {
public:
    // Gets each row; an error stops the walk and comes back from rows().
    using RowVisitor = std::function<DbError(const QVariantList &row)>;

    virtual ~CompanySource() = default;

    // Every table of the company, in the order they were made.
    virtual DbResult<QStringList> tables() = 0;
    // A table's fields in their order.
    virtual DbResult<QList<FieldInfo>> fields(const QString &table) = 0;
    // Every row of a table in stored order, its values in the order of fields(): Null as a null
    // QVariant, a date-time as the text "YYYY-MM-DD HH:MM:SS".
    virtual DbError rows(const QString &table, const RowVisitor &visit) = 0;
    // Whether rows() may run on another thread while the target is read on this one (a source
    // with no Qt SQL connection behind it): the comparison then reads both sides at once.
    virtual bool readsOnAnyThread() const { return false; }
    // The Database the company is in, when it is in one: the comparison then reads what it stores.
    virtual Database *database() { return nullptr; }
    // The tables rows() read in the engine's own order, having no stored order (made by hand).
    virtual QStringList readInEngineOrder() const { return {}; }
};

// The company in an open Database. Tables whose names the engine keeps for itself (sqlite_…) are
// not the company's and are left out.
class DatabaseSource : public CompanySource {
public:
    explicit DatabaseSource(Database &db) : m_db(db) {}

    DbResult<QStringList> tables() override;
    DbResult<QList<FieldInfo>> fields(const QString &table) override;
    DbError rows(const QString &table, const RowVisitor &visit) override;
    Database *database() override { return &m_db; }
    QStringList readInEngineOrder() const override { return m_inEngineOrder; }

private:
    Database &m_db;
    QStringList m_inEngineOrder;
};

struct CopyReport {
    int tables = 0;
    qint64 rows = 0;
    QStringList inEngineOrder; // tables without a stored order, copied in the order the engine gave
};

// The ORDER BY (with its leading blank) that reads a table of a Database in stored order; nothing
// when the table has no stored order.
DbResult<QString> storedOrderClause(Database &db, const QString &table, const QList<FieldInfo> &fields);

// Copies a company into the place of `to` (an SQLite file or a database on a server), which must
// hold no company yet: neither "datalist" nor "Company Data", in any letter case.
//
// Every table of the source is copied, with every row in stored order and every value as it is
// (a table made by hand without a stored order in the order its engine gives, and named in the
// report):
// "Company Data", "datalist" and each table with exactly the four fields of a time log are made as
// the target engine makes them for a new company or a new employee; any other table (left by an
// earlier version or by hand) is made with its own fields, each of the target's type for its kind.
// Nothing of the source is judged or dropped. The target is written in one transaction; before it
// commits, both sides are read again and compared table by table: the tables, their fields (letter
// case aside), the number of rows, and every value in stored order (a hash of each row; from a
// Database, the bytes it stores). A text that cannot be carried exactly (not UTF-8, or holding a
// NUL, which a server cannot keep) is refused, naming its table, row and field. Any difference,
// or any failure, rolls everything back and comes back with the reason. A file that is not there yet
// is written under a temporary name beside it, checked, and given its name only if that is still
// free: it appears whole or not at all, and of two copies at once into it exactly one succeeds.
// `to` is closed afterwards; open() it to use the company. With a journal start, that runs on the
// target in the same transaction once the copy compares equal (an import's journal is made so).
//
// The source should not change while it is copied (no workstation working): a change between
// the copy and the comparison makes the copy fail, and the next attempt copies the new state.
DbResult<CopyReport> copyCompany(CompanySource &from, Database &to,
                                 const std::function<DbError(Database &)> &startJournal = {});
DbResult<CopyReport> copyCompany(Database &from, Database &to);

} // namespace pw
