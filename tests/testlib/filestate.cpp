#include "testlib/filestate.h"

#include "db/database.h"
#include "db/quoting.h"
#include "messages/errortext.h"
#include "db/schema.h"
#include "testlib/testcompany.h"

#include <QFile>

namespace pw::test {

namespace {

// On a server: each table's fields (name, kind, size) in place of its CREATE statement, then every
// row in stored order, the order column first, each value as its text in '…' or NULL.
TableDump dumpServerTables(TestCompany &app)
{
    TableDump dump;
    Database &db = app.db();
    const auto tables = db.tableNames();
    if (!tables)
        qFatal("cannot list the tables: %s", qPrintable(pw::ErrorText::numbered(tables.error())));
    for (const QString &name : *tables) {
        QStringList &lines = dump[name];
        const auto fields = db.columnsOf(name);
        const auto select = db.selectList(name, {});
        if (!fields || !select)
            qFatal("cannot read the table %s", qPrintable(name));
        QStringList shape;
        for (const FieldInfo &f : *fields)
            shape << QStringLiteral("%1 %2 %3").arg(f.name).arg(int(f.kind)).arg(f.size);
        lines << shape.join(QStringLiteral(", "));
        for (const QVariantList &row : app.rows(QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1")
                                                    .arg(db.orderKey(), *select, quoteIdentifier(name)))) {
            QStringList cells;
            for (const QVariant &v : row)
                cells << (v.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + v.toString() + QLatin1Char('\''));
            lines << cells.join(QStringLiteral(" | "));
        }
    }
    return dump;
}

} // namespace

TableDump dumpTables(TestCompany &app)
{
    if (onServer())
        return dumpServerTables(app);
    TableDump dump;
    for (const QVariantList &object : app.rows(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"))) {
        const QString type = object[0].toString(), name = object[1].toString();
        QStringList &lines = dump[type == QLatin1String("table") ? name : type + QLatin1Char(':') + name];
        lines << object[2].toString();
        if (type != QLatin1String("table"))
            continue;
        QStringList values{QStringLiteral("quote(rowid)")};
        for (const QVariantList &field : app.rows(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {name}))
            values << QStringLiteral("quote(%1)").arg(quoteIdentifier(field[0].toString()));
        const QString select = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                   .arg(values.join(QStringLiteral(", ")), quoteIdentifier(name));
        for (const QVariantList &row : app.rows(select)) {
            QStringList cells;
            for (const QVariant &v : row)
                cells << v.toString();
            lines << cells.join(QStringLiteral(" | "));
        }
    }
    return dump;
}

QStringList changedTables(const TableDump &before, const TableDump &after, const QStringList &mayChange)
{
    QStringList changed;
    QStringList names = before.keys() + after.keys();
    names.removeDuplicates();
    for (const QString &name : names)
        if (!mayChange.contains(name) && before.value(name, {QStringLiteral("(none)")}) != after.value(name, {QStringLiteral("(none)")}))
            changed << name;
    return changed;
}

qint64 changeCount(TestCompany &company)
{
    if (!onServer())
        return company.value(QStringLiteral("SELECT total_changes()")).toLongLong();
    const qint64 added = company.value(QStringLiteral("SELECT coalesce(sum(last_value), 0) FROM pg_sequences WHERE "
                                                      "schemaname = current_schema()")).toLongLong();
    QStringList all;
    const TableDump dump = dumpTables(company);
    for (auto t = dump.begin(); t != dump.end(); ++t)
        all << t.key() << t.value();
    return added ^ qint64(qHash(all.join(QLatin1Char('\n'))));
}

QStringList storedObjects(TestCompany &company)
{
    QStringList objects;
    if (onServer()) {
        for (const QVariantList &row : company.rows(QStringLiteral("SELECT relkind::text, relname FROM pg_class WHERE "
                                                                   "relnamespace = pg_catalog.current_schema()::regnamespace")))
            objects << row[0].toString() + QLatin1Char(' ') + row[1].toString();
    } else {
        for (const QVariantList &row : company.rows(QStringLiteral("SELECT type, name FROM sqlite_master")))
            objects << row[0].toString() + QLatin1Char(' ') + row[1].toString();
    }
    objects.sort();
    return objects;
}

QStringList fieldShapes(TestCompany &company, const QString &table)
{
    QStringList shape;
    const auto fields = company.db().columnsOf(table);
    if (!fields)
        return {pw::ErrorText::numbered(fields.error())};
    const QList<FieldInfo> list = fields.value();
    for (const FieldInfo &f : list)
        shape << QStringLiteral("%1 %2 %3").arg(foldAsciiCase(f.name)).arg(int(f.kind)).arg(f.size);
    return shape;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

void overwrite(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.resize(0) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

WriteLockHolder::WriteLockHolder(const QString &path)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("sqlite3"), {path});
    if (!m_process.waitForStarted(5000))
        return;
    // The answer to the SELECT comes only once the lock is held.
    m_process.write("BEGIN IMMEDIATE;\nSELECT 'holding';\n");
    QByteArray said;
    while (!said.contains("holding") && m_process.waitForReadyRead(5000))
        said += m_process.readAll();
    m_holding = said.contains("holding") && !said.contains("Error");
}

WriteLockHolder::~WriteLockHolder()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // The end of its input ends the tool; the open transaction is rolled back.
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

} // namespace pw::test
