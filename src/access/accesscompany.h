#pragma once

#include "db/companycopy.h"
#include "access/jetreader.h"
#include "domain/employeename.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <thread>

namespace pw {

class Progress;

// A table of the old file that is brought over, and how.
struct AccessTable {
    enum class Role { Settings, EmployeeList, Log };
    // In the old file; a log keeps it, the other two take Punchwell's spelling. Empty for the
    // settings of a company that never had its first start: the old file has no such table.
    QString name;
    Role role = Role::Log;
    // For each field Punchwell keeps (in its order), the old file's column; -1 when it has none
    // (the field is then Null in every row).
    QList<int> columns;
    QList<JetType> types; // the old file's type of each of those columns
    QStringList leftOutFields; // the old file's other columns, which are not brought over
};

// A value of the old file as Punchwell stores it in a field of this kind; nothing when it cannot be
// stored there (binary data where text belongs).
//   Text:     text as it is; whole numbers in digits; other numbers (Currency among them, without
//             its trailing zeros) with the locale's decimal separator, so a wage reads back as a number
//   SmallInt: a switch: 1 (Access's True, -1, included) is on and stored as 1; Null stays Null;
//             every other value reads as off and is stored as 0
//   DateTime: the reader's "YYYY-MM-DD HH:MM:SS" as it is
std::optional<QVariant> accessValue(const QVariant &value, JetType type, FieldKind kind, const QLocale &locale);

// An Access-format (Jet) company file, read as Punchwell keeps a company: "Company Data" (the
// company name and the three switches), "datalist", and every table that has the four fields of a
// time log, under its own name, with exactly those fields. Other tables and fields are left out and
// listed. The file is only ever read.
//
// Rows are read on a second thread while the caller takes the ones read before, so reading the
// file and writing the new company overlap. rows() may be called from any thread, one call at a
// time.
class AccessCompany : public CompanySource {
public:
    explicit AccessCompany(const QString &path, const QLocale &locale = QLocale::system());
    ~AccessCompany() override;

    // Opens the file, decides what is brought over and reads the employee list's names. Failures
    // are the Access* reasons.
    DbError open();
    JetFormat format() const;

    const QList<AccessTable> &carried() const { return m_carried; }
    // Tables that are neither the company's nor a time log: not brought over.
    const QStringList &leftOutTables() const { return m_leftOut; }
    // The names of "datalist", in stored order.
    const QStringList &employeeNames() const { return m_names; }
    bool hasSettings() const;
    // Rows a carried table (by its name in the new company) gave the last time it was read whole;
    // -1 before.
    qint64 rowsRead(const QString &table) const;

    // The first reading of each table is a step of the progress, named by the table; a Cancel there
    // stops the reading with an error. The progress is only shown from the thread that made this source.
    void setProgress(Progress *progress) { m_progress = progress; }
    int progressSteps() const { return int(m_carried.size()); }
    bool cancelled() const { return m_cancelled; }

    // Why the last read failed, when the old file was the reason.
    const DbError &readFailure() const { return m_readFailure; }

    DbResult<QStringList> tables() override;
    DbResult<QList<FieldInfo>> fields(const QString &table) override;
    DbError rows(const QString &table, const RowVisitor &visit) override;
    bool readsOnAnyThread() const override { return true; }

private:
    const AccessTable *find(const QString &table) const;
    // Appends a row of the old file as Punchwell keeps it; false (and why) when a value cannot be kept.
    bool mapRow(const AccessTable &table, qint64 row, const QVariantList &values, QVariantList *out,
                DbError *failure) const;
    DbError plan();

    QString m_path;
    QLocale m_locale;
    JetReader m_reader;
    QList<AccessTable> m_carried;
    QStringList m_leftOut;
    QStringList m_names;
    QHash<QString, qint64> m_rowsRead;
    Progress *m_progress = nullptr;
    std::thread::id m_owner = std::this_thread::get_id();
    int m_steps = 0;
    bool m_cancelled = false;
    DbError m_readFailure;
};

// A name of the employee list that the add dialog would refuse, with every reason why. Such names
// are brought over as they are.
struct UnusualName {
    QString name;
    NameFaults faults;         // what is wrong with the name on its own
    int times = 1;             // how often the list holds it
    bool companyTable = false; // it is the name of one of the company's own tables
    QString sameAs;            // an earlier name of the list that differs from it only in letter case
};
// Each such name once, in the list's order.
QList<UnusualName> namesTheAddDialogRefuses(const QStringList &names);

} // namespace pw
