// Identifier quoting: any name made into a table through the quoting helper makes exactly that
// table, named exactly so, and nothing else happens to the database.
#include "db/quoting.h"

#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

int exec(sqlite3 *db, const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    return sqlite3_exec(db, utf8.constData(), nullptr, nullptr, nullptr);
}

QStringList tables(sqlite3 *db)
{
    QStringList names;
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master ORDER BY rowid", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)), sqlite3_column_bytes(st, 0));
    sqlite3_finalize(st);
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 120)
        return 0;
    const QString name = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString quoted = pw::quoteIdentifier(name);
    require(quoted.size() >= 2 && quoted.startsWith(QLatin1Char('"')) && quoted.endsWith(QLatin1Char('"')));

    static sqlite3 *db = [] {
        sqlite3 *d = nullptr;
        sqlite3_open(":memory:", &d);
        sqlite3_exec(d, "CREATE TABLE datalist (Ename TEXT); INSERT INTO datalist VALUES ('Manager')", nullptr, nullptr, nullptr);
        return d;
    }();
    // SQLite ends SQL text at NUL, so a name with one cannot be a table name.
    if (name.contains(QChar(0)))
        return 0;

    const QString create = QStringLiteral("CREATE TABLE %1 (Ename, datetime, inoutfx, activity)").arg(quoted);
    if (exec(db, create) == SQLITE_OK) {
        const QStringList after = tables(db);
        require(after.size() == 2 && after[0] == QLatin1String("datalist") && after[1] == name);
        require(exec(db, QStringLiteral("INSERT INTO %1 (Ename) VALUES ('x')").arg(quoted)) == SQLITE_OK);
        require(exec(db, QStringLiteral("DROP TABLE %1").arg(quoted)) == SQLITE_OK);
    }
    // Whatever happened, the list is untouched and no other table is left behind.
    require(tables(db) == QStringList{QStringLiteral("datalist")});
    return 0;
}
