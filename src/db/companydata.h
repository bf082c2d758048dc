#pragma once

#include "db/dberror.h"
#include "db/schema.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace pw {

class Database;

// The three company-wide switches, as stored in "Company Data".
enum class Switch { Subs, Money, Edits };
QString switchField(Switch s);

// A stored switch is on exactly when its value equals 1; 0, Null and every other value read as off.
bool switchIsOn(const QVariant &stored);

struct Settings {
    QString company;
    QVariant subs, money, edits; // as stored
};

// The settings table "Company Data": one row, made by the first start. Each write is one
// statement, part of the caller's write when one is under way.
class CompanyData {
public:
    explicit CompanyData(Database &db) : m_db(db) {}

    // The first row, or nothing on a first run (an empty table).
    DbResult<std::optional<Settings>> read();
    // Every row as stored (company, subs, money, edits), in stored order.
    DbResult<QList<QVariantList>> rows();
    // Stores the settings row with the company name exactly as typed; the switches stay empty.
    DbError storeCompany(const QString &company);
    // Stores a switch as 1 (on) or 0 (off) in the settings row.
    DbError setSwitch(Switch which, bool on);

private:
    Database &m_db;
};

} // namespace pw
