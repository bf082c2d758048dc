#pragma once

#include "testlib/jetwriter.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

namespace pw::test {

// An Access-format company as a test writes it, with every value kept so the test can compare
// what was brought over: the settings row, the employee list and one log per employee, each log
// table named by its employee.
struct AccessCompanyFixture {
    QVariantList settings;          // company, subs, money, edits; empty: no "Company Data" table
    QList<QVariantList> employees;  // Ename, Ewage, Ecomment, epass
    QMap<QString, QList<QVariantList>> logs; // by table name: Ename, datetime (day count), inoutfx, activity
    QStringList logOrder;           // the log tables in the order they are written

    // A company of `count` employees "Employee 001", ... (the first one is "Manager"), each with
    // `entries` alternating entries a few hours apart; every seventh clock-in has no task (Null),
    // every fifth a single blank.
    static AccessCompanyFixture make(int count, int entries, const QString &company = QStringLiteral("Acme Widgets"));

    void addLog(const QString &table, const QList<QVariantList> &rows);

    // The writer with these tables, in the order: "Company Data", "datalist", the logs.
    JetWriter writer() const;
    bool save(const QString &path, QString *error = nullptr) const { return writer().save(path, error); }
};

// The entry a log of the fixture holds at index i, for an employee.
QVariantList fixtureEntry(const QString &employee, int i);

// A company of 3 employees with 200 entries each, written with one fault (none when empty):
//   "no datalist"  an Access file that is not a company file (no employee list)
//   "password"     a database password
//   "version"      a version byte no Access version has
//   "date"         a date in the year 10000 in row 3 of "Employee 001"
//   "surrogate"    half of a surrogate pair, which UTF-8 cannot hold, in row 5 of "Employee 002"
//   "cut"          the saved file cut to half its pages
//   "catalog"      the catalog's definition page pointing at a row that is not there, which
//                  libmdb complains about on the standard error
bool saveCompanyWithFault(const QString &fault, const QString &path);

} // namespace pw::test
