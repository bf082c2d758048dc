#pragma once

#include "db/dberror.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace pw {

class Database;

// One row of "datalist".
struct Employee {
    qint64 rowid = -1;
    QString name;
    QVariant wage, comment, password; // as stored, Null included

    // An empty text and a Null both mean "no password".
    QString storedPassword() const { return password.isNull() ? QString() : password.toString(); }
};

// The employee list "datalist". Names are compared exactly: whole text, letter case included,
// nothing trimmed. Inside a write, the first use of the list keeps every other writer off it until
// the write ends, so two workstations cannot both find a name free and both add it.
class EmployeeList {
public:
    explicit EmployeeList(Database &db) : m_db(db) {}

    // Every name, in stored order.
    DbResult<QStringList> names();
    // Every row, in stored order.
    DbResult<QList<Employee>> all();
    // The first row whose name equals this one exactly.
    DbResult<std::optional<Employee>> find(const QString &name);
    // The row of this key; nothing when there is none.
    DbResult<std::optional<Employee>> at(qint64 rowid);

    // Appends a row with its four fields exactly as given.
    DbError append(const QString &name, const QString &wage, const QString &password, const QString &comment);
    // Writes the password of the first row whose name equals this one exactly; false when no row
    // does, and then nothing is written.
    DbResult<bool> setPassword(const QString &name, const QString &password);
    // Writes the wage per hour and the notes of one row (by its key), each exactly as given; a field
    // given as nothing keeps what it holds.
    DbError setDetails(qint64 rowid, const std::optional<QString> &wage, const std::optional<QString> &comment);
    // Removes every row whose name equals this one exactly; returns how many there were.
    DbResult<int> remove(const QString &name);
    // Whether a listed employee other than this exact name would open the same log table: a name
    // that equals this one with ASCII letter case aside (every engine's rule for table names).
    DbResult<bool> sharesLogWithOthers(const QString &name);

    // Whether a table of this name (letter case aside) exists with exactly the four fields of a
    // time log, in their order. The settings and the list never are.
    DbResult<bool> isLogTable(const QString &name);

    // How a name stands as the name of a new employee's log table.
    enum class LogName {
        Free,    // nothing in the file bears the name, in any letter case
        KeptLog, // the emptied log of a deleted employee that no listed employee uses: reusable
        Taken,   // anything else: the settings or the list, a listed employee's log, a table with
                 // rows or other fields, an index or a view
    };
    DbResult<LogName> logNameUse(const QString &name);

private:
    DbResult<std::optional<Employee>> firstWhere(const QString &condition, const QVariant &value);
    DbError lock();

    Database &m_db;
};

} // namespace pw
