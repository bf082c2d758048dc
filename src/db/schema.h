#pragma once

#include "db/engine.h"
#include "db/quoting.h"

#include <QList>
#include <QString>

namespace pw {

// The company's tables as the program makes them, field by field: what every engine creates for a
// new company and for a new employee, and the shapes a copy recognises.

// The settings table and the employee list.
inline const QString kSettingsTable = QStringLiteral("Company Data");
inline const QString kEmployeeListTable = QStringLiteral("datalist");

inline const QList<FieldInfo> &settingsFields()
{
    static const QList<FieldInfo> fields{{QStringLiteral("company"), FieldKind::Text, 0},
                                         {QStringLiteral("subs"), FieldKind::SmallInt, 0},
                                         {QStringLiteral("money"), FieldKind::SmallInt, 0},
                                         {QStringLiteral("edits"), FieldKind::SmallInt, 0}};
    return fields;
}

inline const QList<FieldInfo> &employeeListFields()
{
    static const QList<FieldInfo> fields{{QStringLiteral("Ename"), FieldKind::Text, 0},
                                         {QStringLiteral("Ewage"), FieldKind::Text, 0},
                                         {QStringLiteral("Ecomment"), FieldKind::Text, 0},
                                         {QStringLiteral("epass"), FieldKind::Text, 0}};
    return fields;
}

// An employee's time log: created in this order, with no key and no index.
inline const QList<FieldInfo> &logFields()
{
    static const QList<FieldInfo> fields{{QStringLiteral("Ename"), FieldKind::Text, 20},
                                         {QStringLiteral("datetime"), FieldKind::DateTime, 0},
                                         {QStringLiteral("inoutfx"), FieldKind::Text, 11},
                                         {QStringLiteral("activity"), FieldKind::Text, 30}};
    return fields;
}

// The built-in account the delivered company holds, without a password, with its empty log.
inline const QString kManagerAccount = QStringLiteral("Manager");

// The company as delivered, said once for every engine, in the engine's own words: "Company Data"
// without a row (the first start asks for the company's name), the employee list with the Manager
// and no password, and the Manager's empty log. Run in this order in one transaction.
struct DeliveredStatement {
    QString sql;
    QVariantList values;
};
inline QList<DeliveredStatement> deliveredCompany(const Engine &engine)
{
    return {
        {engine.createTable(quoteIdentifier(kSettingsTable), settingsFields()), {}},
        {engine.createTable(quoteIdentifier(kEmployeeListTable), employeeListFields()), {}},
        {QStringLiteral("INSERT INTO %1 (Ename, Ewage, Ecomment, epass) VALUES (?, ?, ?, ?)").arg(quoteIdentifier(kEmployeeListTable)),
         {kManagerAccount, QStringLiteral("0"), QString(QLatin1String("")), QString(QLatin1String(""))}},
        {engine.createTable(quoteIdentifier(kManagerAccount), logFields()), {}},
    };
}

// Names of tables and fields are matched with ASCII letter case aside: 'A' to 'Z' equal 'a' to
// 'z', and every other character only itself (SQLite's rule, which the PostgreSQL engine follows).
inline QString foldAsciiCase(const QString &name)
{
    QString out = name;
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

inline bool sameAsciiName(const QString &a, const QString &b)
{
    return foldAsciiCase(a) == foldAsciiCase(b);
}

} // namespace pw
