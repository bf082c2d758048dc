#include "db/dberror.h"

#include <QSqlError>

#include <sqlite3.h>

namespace pw {

DbError DbError::fromSqlite(int code, const QString &message)
{
    const int primary = code & 0xff;
    DbError e;
    e.sqliteCode = primary;
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        e.number = ErrInUse;
        e.description = QStringLiteral("the database is in use by another program or another copy of "
                                       "Punchwell. Please wait a moment and try again");
        break;
    case SQLITE_READONLY:
        e.number = ErrReadOnly;
        e.description = QStringLiteral("the database file is read-only, so nothing can be stored in it");
        break;
    case SQLITE_FULL:
        e.number = ErrDiskFull;
        e.description = QStringLiteral("there is no room left to store the change (the disk or the "
                                       "database file is full)");
        break;
    case SQLITE_CORRUPT:
        e.number = ErrDamaged;
        e.description = QStringLiteral("the database file is damaged");
        break;
    case SQLITE_NOTADB:
        e.number = ErrNotADatabase;
        e.description = QStringLiteral("the file is not a database that Punchwell can read");
        break;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        e.number = ErrCannotOpen;
        e.description = QStringLiteral("the database file cannot be opened");
        break;
    case SQLITE_IOERR:
        e.number = ErrIo;
        e.description = QStringLiteral("the disk could not be read or written");
        break;
    default:
        e.number = ErrGeneral;
        e.description = message.isEmpty() ? QStringLiteral("the database reported an error") : message;
        if (message.startsWith(QLatin1String("no such table"))) {
            e.number = ErrTableMissing;
            e.description = QStringLiteral("a table cannot be found (%1)").arg(message);
        }
        break;
    }
    return e;
}

DbError DbError::fromSql(const QSqlError &error)
{
    if (error.type() == QSqlError::NoError)
        return {};
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    return fromSqlite(ok ? code : SQLITE_ERROR, text);
}

} // namespace pw
