#include "domain/hoursexport.h"

#include "db/database.h"
#include "db/employeelist.h"
#include "db/logtable.h"
#include "domain/csvfile.h"
#include "domain/timecard.h"
#include "domain/totals.h"

#include <QSet>

namespace pw::hoursexport {

namespace {

const QString kTemporaryKind = QStringLiteral("export");

QString isoText(const std::optional<LocalDateTime> &when, const QVariant &stored)
{
    if (when)
        return csvDateTime(when->toStored());
    return stored.isNull() ? QString() : stored.toString();
}

// The rows of one employee's shifts, added to the file.
class ShiftRows {
public:
    ShiftRows(CsvFile &out, const QString &employee, const std::optional<double> &wage)
        : m_out(out), m_employee(csvField(employee)),
          m_wage(wage ? QString::number(*wage, 'g', 15) : QString()), m_perHour(wage)
    {
    }

    void add(const timecard::Shift &s)
    {
        QString row = m_employee;
        row += QLatin1Char(',') + isoText(s.start, s.in.datetime);
        row += QLatin1Char(',') + isoText(s.end, s.endStored);
        const std::optional<qint64> minutes = s.minutes();
        row += QLatin1Char(',');
        if (minutes)
            row += QString::number(*minutes) + QLatin1Char(',') + QString::number(double(*minutes) / 60.0, 'f', 2);
        else
            row += QLatin1Char(',');
        row += QLatin1Char(',') + csvField(s.in.activity.isNull() ? QString() : s.in.activity.toString());
        row += QLatin1Char(',') + m_wage + QLatin1Char(',');
        if (minutes && m_perHour)
            row += QString::number(*m_perHour * double(*minutes) / 60.0, 'f', 2);
        m_out.add(row);
        ++m_shifts;
    }
    qint64 shifts() const { return m_shifts; }

private:
    CsvFile &m_out;
    QString m_employee, m_wage;
    std::optional<double> m_perHour;
    qint64 m_shifts = 0;
};

Outcome notSaved(const QString &why)
{
    Outcome o;
    o.status = Outcome::NotSaved;
    o.why = why;
    return o;
}

Outcome unreadable(const DbError &e)
{
    Outcome o;
    o.status = Outcome::Unreadable;
    o.error = e;
    return o;
}

} // namespace

Outcome exportHours(Database &db, const QString &path, const LocalDateTime &ending, const LocalDateTime &now,
                    const QLocale &locale)
{
    // The company is read before any file is made, so a company that cannot be read leaves none.
    EmployeeList list(db);
    const auto names = list.names();
    if (!names)
        return unreadable(names.error());
    CsvFile file(path, kTemporaryKind);
    if (!file.open(kHeader))
        return notSaved(file.why());

    Outcome outcome;
    QSet<QString> done;
    for (const QString &name : *names) {
        if (done.contains(name))
            continue;
        done.insert(name);
        const auto listed = list.find(name);
        if (!listed)
            return unreadable(listed.error());
        const QVariant wage = listed->has_value() ? (*listed)->wage : QVariant();
        ShiftRows rows(file, name, totals::readWage(wage.isNull() ? QString() : wage.toString(), locale));
        timecard::ShiftPairing pairing(ending, now, [&](const timecard::Shift &s) { rows.add(s); });
        const DbError e = LogTable(db, name).scanDatesAndTasks(
            [&](const QVariant &datetime, const QVariant &activity) { pairing.add({datetime, activity}); });
        // A listed employee without a log has no hours to export.
        if (e && e.number != ErrTableMissing)
            return unreadable(e);
        if (!e)
            pairing.finish();
        ++outcome.employees;
        outcome.shifts += rows.shifts();
    }
    // Read once every shift is in the file, so the seal covers every entry the file shows.
    const auto seal = history::readSeal(db);
    if (!seal)
        return unreadable(seal.error());
    outcome.seal = *seal;
    if (!file.finish())
        return notSaved(file.why());
    return outcome;
}

} // namespace pw::hoursexport
