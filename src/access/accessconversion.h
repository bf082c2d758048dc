#pragma once

#include "access/accesscompany.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pw {

class Database;
class Progress;

// What was brought over from an Access-format company file.
struct AccessReport {
    JetFormat format = JetFormat::Jet4;
    bool hasSettings = false; // false: the old file had no "Company Data"; the first start asks
    struct Log {
        QString name;
        qint64 entries = -1; // -1: no time log (or not counted yet)
    };
    // Every listed employee in stored order, with the entries of the log the name opens.
    QList<Log> employees;
    // Time logs that no listed employee opens (a deleted employee's), kept under their own names.
    QList<Log> otherLogs;
    QStringList leftOutTables; // neither the company's tables nor a time log
    struct Field {
        QString table, name;
    };
    QList<Field> leftOutFields;
    QList<UnusualName> unusualNames; // names the add dialog would refuse
    qint64 entries = 0; // in every time log, each log counted once
    int tables = 0;
    qint64 rows = 0;
    qint64 milliseconds = 0;
    QString keptAs; // where the old file is kept, when it was converted in place
};

// What was brought over, or why not: a failure of the old file (the Access* reasons), or of the new
// company (AccessNotMade, and the reasons of bringing it over).
using AccessOutcome = DbResult<AccessReport>;

// Reads what the old file holds and what would be brought over, writing nothing (no entries are
// counted yet).
AccessOutcome inspectAccessCompany(const QString &accessPath);

// Brings the company of the old file into `target` (an SQLite file or a database on a server)
// with copyCompany's rules: the target must hold no company; it is written in one transaction;
// both sides are read again and compared, table by table and row by row, before it commits.
// The old file is only read.
AccessOutcome convertAccessCompany(const QString &accessPath, Database &target, Progress *progress = nullptr);

// The same into a new SQLite file at targetPath, which must not exist: the file is written under a
// temporary name beside it, opened and checked, and only then given its name. It appears whole or
// not at all.
AccessOutcome convertAccessCompanyToFile(const QString &accessPath, const QString &targetPath,
                                         Progress *progress = nullptr);

// Converting the company file in place: companyFile (the Access-format "Employee.mdb") is kept
// under accessKeptPath(companyFile), a hard link to the same file where the file system allows
// one, a copy otherwise, and a new Punchwell file takes its name in one atomic rename. At every
// moment a file of the name exists: the old one until the rename, the new one after it. The old
// file's bytes are never written to.
AccessOutcome convertAccessFileInPlace(const QString &companyFile, Progress *progress = nullptr);

// Where the old file is kept: "Employee (Access).mdb" beside it, or "Employee (Access 2).mdb" and
// so on when that name holds another file already.
QString accessKeptPath(const QString &companyFile);

// Removes what a conversion that was killed left beside the company file (the temporary new file
// and its journal, a copy half made, its lock), unless a conversion is under way.
void removeInterruptedConversion(const QString &companyFile);

} // namespace pw
