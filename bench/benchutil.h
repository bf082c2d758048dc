#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <string>

namespace pw::bench {

// A company database in a temporary folder, filled quickly through SQLite itself.
class BenchDb {
public:
    BenchDb();
    ~BenchDb();
    QString path() const { return m_path; }
    sqlite3 *raw() const { return m_raw; }

    void exec(const std::string &sql);
    // n employees named "Employee 000001"...; each with an empty log table unless noLogs.
    void addEmployees(int n, bool withLogs = false);
    // n alternating entries (clock in, clock out) in a log, one shift a day of 8 hours.
    void fillLog(const QString &table, long n);

private:
    QTemporaryDir m_dir;
    QString m_path;
    sqlite3 *m_raw = nullptr;
};

// Prepares Qt (offscreen, en_US) for benchmarks that make windows.
void prepareQt(int &argc, char **argv);

} // namespace pw::bench
