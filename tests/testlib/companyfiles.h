#pragma once

#include "db/database.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <sqlite3.h>

namespace pw::test {

// Files made and looked at from outside the program, as another program or a person would.

using Files = QMap<QString, QByteArray>;

// Runs SQL on a file through SQLite itself.
inline bool sqlite(const QString &path, const QByteArray &sql)
{
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
        && sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok)
        qWarning("%s", sqlite3_errmsg(db));
    sqlite3_close(db);
    return ok;
}

// The delivered company with a log "Kim" of this many entries (so that a copy takes a moment), and
// SQL run on it afterwards.
inline bool makeCompanyFile(const QString &path, int entries, const QByteArray &then = {})
{
    return !Database::createDelivered(path)
        && sqlite(path, QByteArrayLiteral("CREATE TABLE Kim (Ename VARCHAR(20), datetime DATETIME, inoutfx VARCHAR(11), "
                                          "activity VARCHAR(30));"
                                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ")
                            + QByteArray::number(entries)
                            + ") INSERT INTO Kim SELECT 'Kim', '2026-01-01 08:00:00', 'Clocked In', 'row ' || i FROM n;"
                            + then);
}

// Every file of the folder, hidden ones too, with its bytes.
inline Files filesIn(const QDir &dir)
{
    Files files;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            files.insert(name, f.readAll());
    }
    return files;
}

} // namespace pw::test
