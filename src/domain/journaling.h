#pragma once

#include "db/dberror.h"
#include "db/logtable.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace pw {

class Clock;
class RawRow;
class Database;

// How the domain's operations write their journal rows: each inside its own write, after the
// change, so the change and its row are stored together or not at all.
namespace journaling {

// The action words, one per kind of change.
inline const QString kClockIn = QStringLiteral("clockin");
inline const QString kClockOut = QStringLiteral("clockout");
inline const QString kDeleteLast = QStringLiteral("deletelast");
inline const QString kCorrect = QStringLiteral("correct");
inline const QString kClear = QStringLiteral("clear");
inline const QString kAddEmployee = QStringLiteral("addemployee");
inline const QString kRemoveEntry = QStringLiteral("removeentry"); // an entry of an employee deleted
inline const QString kDeleteEmployee = QStringLiteral("deleteemployee");
inline const QString kWage = QStringLiteral("wage");
inline const QString kNote = QStringLiteral("note");
inline const QString kPassword = QStringLiteral("password");
inline const QString kSwitch = QStringLiteral("switch");
inline const QString kCompany = QStringLiteral("company");
inline const QString kSeal = QStringLiteral("seal"); // the first row: what the company held before its journal
inline const QString kImport = QStringLiteral("import"); // the first row of a company brought over from Access
// After the first row, what the company held then, row by row, so that every later state can be
// replayed from the journal alone.
inline const QString kFoundSettings = QStringLiteral("foundsettings"); // a row of "Company Data"
inline const QString kFoundEmployee = QStringLiteral("foundemployee"); // a row of the employee list
inline const QString kFoundLog = QStringLiteral("foundlog");           // a log table, before its entries
inline const QString kFoundEntry = QStringLiteral("foundentry");       // one of its entries

// An entry as the journal keeps it: a compact JSON array of Ename, datetime, inoutfx and activity
// as stored, null for Null.
QString entryText(const LogEntry &entry);
// The same, as UTF-8, of a log row scanned as stored (Ename, datetime, inoutfx, activity).
QByteArray entryJson(const RawRow &row);
QString entryText(const QVariant &ename, const QVariant &datetime, const QVariant &inoutfx, const QVariant &activity);
// An employee's list row without the password: {"wage":…,"note":…}, null for Null.
QString detailsText(const QVariant &wage, const QVariant &note);
// A row of "Company Data": {"company":…,"subs":…,"money":…,"edits":…}, as stored, null for Null.
QString settingsText(const QVariantList &row);
// A corrected entry's place in its log (1 for the first) and its date-time: {"entry":3,"datetime":…}.
QString correctionText(qint64 place, const QVariant &datetime);
// A stored value: absent for Null.
std::optional<QString> valueText(const QVariant &stored);

// The workstation and clock that stamp the rows this connection writes, and who makes them (the
// employee logged on, nobody before a logon, or "command line", the default).
void setWorkstation(Database &db, const QString &hostName, const Clock &clock);
void setWho(Database &db, const QString &who);

// Inside a write: the change's row (nothing when the company has no journal).
DbError record(Database &db, const QString &what, const std::optional<QString> &employee,
               const std::optional<QString> &before = std::nullopt, const std::optional<QString> &after = std::nullopt);

} // namespace journaling
} // namespace pw
