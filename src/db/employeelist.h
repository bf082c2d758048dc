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
// nothing trimmed.
class EmployeeList {
public:
    explicit EmployeeList(Database &db) : m_db(db) {}

    // Every name, in stored order.
    DbResult<QStringList> names();
    // The first row whose name equals this one exactly.
    DbResult<std::optional<Employee>> find(const QString &name);

private:
    Database &m_db;
};

} // namespace pw
