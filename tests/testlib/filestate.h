#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace pw::test {

class TestCompany;

// What the company file holds, table by table: the table's CREATE statement, then every row in
// stored order as SQLite writes its values (rowid first, each value typed: 'text', 12, NULL).
// Two dumps are equal exactly when every table is byte for byte the same. On a server, each
// table's fields, then its rows with the order column first and every value as its text.
using TableDump = QMap<QString, QStringList>;
TableDump dumpTables(TestCompany &app);

// The tables (by name) that were added, removed or changed between two dumps, leaving out those
// that were allowed to change. Empty when nothing else changed.
QStringList changedTables(const TableDump &before, const TableDump &after, const QStringList &mayChange = {});

// A number that every change the connection made since it was opened alters: a print must make
// none. On a server, every row ever added to a table (each takes the next number of its order
// column, even when it is deleted again), with what the tables hold.
qint64 changeCount(TestCompany &company);

// The names of the company's tables, indexes and other objects, each after its kind, sorted.
QStringList storedObjects(TestCompany &company);
// A table's fields as the engine reports them: "name kind size", the name in small letters.
QStringList fieldShapes(TestCompany &company, const QString &table);


// The file's bytes, and writing bytes into the same file in place (the program's open connection
// keeps its handle, as it would when another program rewrites the file).
QByteArray fileBytes(const QString &path);
void overwrite(const QString &path, const QByteArray &bytes);

// Another program holding the file: the sqlite3 tool inside an open BEGIN IMMEDIATE, until this is
// destroyed. Readers still read; every writer waits and then fails.
class WriteLockHolder {
public:
    explicit WriteLockHolder(const QString &path);
    ~WriteLockHolder();
    WriteLockHolder(const WriteLockHolder &) = delete;
    WriteLockHolder &operator=(const WriteLockHolder &) = delete;

    bool holding() const { return m_holding; }

private:
    QProcess m_process;
    bool m_holding = false;
};

} // namespace pw::test
