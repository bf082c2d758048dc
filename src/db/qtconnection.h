#pragma once

#include "db/engine.h"

#include <QString>

#include <functional>

class QSqlDatabase;
class QSqlError;

namespace pw {

// A connection through one of Qt's SQL drivers, under a name of its own, for an engine that
// speaks through Qt SQL. What the driver's errors mean is the engine's: it says so in meaning.
class QtSqlConnection {
public:
    using Meaning = std::function<DbError(const QSqlError &)>;

    QtSqlConnection(const QString &driver, Meaning meaning);
    ~QtSqlConnection();
    QtSqlConnection(const QtSqlConnection &) = delete;
    QtSqlConnection &operator=(const QtSqlConnection &) = delete;

    // Opens the connection with the settings configure gives it.
    DbError open(const std::function<void(QSqlDatabase &)> &configure);
    void close();
    bool isOpen() const;
    // The driver's connection (closed and invalid when there is none).
    QSqlDatabase database() const;

    // One statement, as Engine::run; notOpen is the failure of a statement on a connection the
    // driver knows to be closed.
    DbError run(const QString &statement, const QVariantList &values, Rows &rows, const RowHandler &each,
                const DbError &notOpen);

private:
    QString m_driver;
    QString m_name;
    Meaning m_meaning;
    bool m_added = false; // the driver's connection was made at least once
};

} // namespace pw
