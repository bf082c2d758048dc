#include "db/qtconnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace pw {

namespace {

std::atomic<int> connectionCounter{0};

} // namespace

QtSqlConnection::QtSqlConnection(const QString &driver, Meaning meaning)
    : m_driver(driver), m_name(QStringLiteral("punchwell-%1").arg(++connectionCounter)), m_meaning(std::move(meaning))
{
}

QtSqlConnection::~QtSqlConnection()
{
    close();
}

DbError QtSqlConnection::open(const std::function<void(QSqlDatabase &)> &configure)
{
    close();
    m_added = true;
    QSqlDatabase db = QSqlDatabase::addDatabase(m_driver, m_name);
    if (!db.isValid()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        return DbError::of(DbReason::DriverMissing).withValue(m_driver);
    }
    configure(db);
    if (!db.open()) {
        DbError e = m_meaning(db.lastError());
        if (!e)
            e = DbError::of(DbReason::CannotOpen);
        db = QSqlDatabase();
        close();
        return e;
    }
    return {};
}

void QtSqlConnection::close()
{
    // A connection never opened leaves Qt SQL alone: an engine asked only for its rules may outlive
    // Qt SQL's own registry at the program's end.
    if (m_added && QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
}

bool QtSqlConnection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && database().isOpen();
}

QSqlDatabase QtSqlConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

DbError QtSqlConnection::run(const QString &statement, const QVariantList &values, Rows &rows, const RowHandler &each,
                             const DbError &notOpen)
{
    if (!QSqlDatabase::contains(m_name))
        return notOpen;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    const auto failed = [&]() {
        // Qt refuses a statement on a connection its driver already knows to be broken without an
        // error of its own ("database not open"): that is a lost connection, never a success.
        DbError e = m_meaning(q.lastError());
        if (!e)
            e = isOpen() ? DbError::of(DbReason::EngineError) : notOpen;
        return e;
    };
    bool ok;
    if (values.isEmpty()) {
        ok = q.exec(statement);
    } else {
        ok = q.prepare(statement);
        for (const QVariant &v : values)
            q.addBindValue(v);
        ok = ok && q.exec();
    }
    if (!ok)
        return failed();
    const QSqlRecord record = q.record();
    const int count = record.count();
    rows.columns.clear();
    for (int i = 0; i < count; ++i)
        rows.columns << record.fieldName(i);
    rows.rows.clear();
    rows.changed = q.isSelect() ? 0 : q.numRowsAffected();
    QVariantList row;
    while (q.next()) {
        row.clear();
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row << q.value(i);
        if (each) {
            if (DbError e = each(row))
                return e;
        } else {
            rows.rows << row;
        }
    }
    if (q.lastError().type() != QSqlError::NoError)
        return failed();
    return {};
}

} // namespace pw
