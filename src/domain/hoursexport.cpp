#include "domain/hoursexport.h"

#include "db/database.h"
#include "db/employeelist.h"
#include "db/logtable.h"
#include "domain/timecard.h"
#include "domain/totals.h"
#include "platform/safefile.h"

#include <QFile>
#include <QSet>

namespace pw::hoursexport {

namespace {

const QString kTemporaryKind = QStringLiteral("export");
// The rows are handed to the file in blocks of about this many bytes.
constexpr qsizetype kBlock = 1 << 16;

QString isoText(const std::optional<LocalDateTime> &when, const QVariant &stored)
{
    if (when) {
        QString text = when->toStored();
        text[10] = QLatin1Char('T');
        return text;
    }
    return stored.isNull() ? QString() : stored.toString();
}

// The rows of one employee's shifts, appended to a block of the file.
class ShiftRows {
public:
    ShiftRows(QByteArray &out, const QString &employee, const std::optional<double> &wage)
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
        row += QLatin1String("\r\n");
        m_out += row.toUtf8();
        ++m_shifts;
    }
    qint64 shifts() const { return m_shifts; }

private:
    QByteArray &m_out;
    QString m_employee, m_wage;
    std::optional<double> m_perHour;
    qint64 m_shifts = 0;
};

Outcome notSaved(QFile &file, const QString &why)
{
    file.remove();
    Outcome o;
    o.status = Outcome::NotSaved;
    o.why = why;
    return o;
}

Outcome unreadable(QFile &file, const DbError &e)
{
    file.remove();
    Outcome o;
    o.status = Outcome::Unreadable;
    o.error = e;
    return o;
}

} // namespace

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Outcome exportHours(Database &db, const QString &path, const LocalDateTime &ending, const LocalDateTime &now,
                    const QLocale &locale)
{
    // The company is read before any file is made, so a company that cannot be read leaves none.
    EmployeeList list(db);
    const auto names = list.names();
    QFile file(safefile::temporaryBeside(path, kTemporaryKind));
    if (!names)
        return unreadable(file, names.error());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return notSaved(file, file.errorString());

    Outcome outcome;
    QByteArray block = (kHeader + QLatin1String("\r\n")).toUtf8();
    block.reserve(2 * kBlock);
    bool written = true;
    QSet<QString> done;
    for (const QString &name : *names) {
        if (done.contains(name))
            continue;
        done.insert(name);
        const auto listed = list.find(name);
        if (!listed)
            return unreadable(file, listed.error());
        const QVariant wage = listed->has_value() ? (*listed)->wage : QVariant();
        ShiftRows rows(block, name, totals::readWage(wage.isNull() ? QString() : wage.toString(), locale));
        timecard::ShiftPairing pairing(ending, now, [&](const timecard::Shift &s) {
            rows.add(s);
            if (block.size() >= kBlock) {
                written = written && file.write(block) == block.size();
                block.clear();
            }
        });
        const DbError e = LogTable(db, name).scanDatesAndTasks(
            [&](const QVariant &datetime, const QVariant &activity) { pairing.add({datetime, activity}); });
        // A listed employee without a log has no hours to export.
        if (e && e.number != ErrTableMissing)
            return unreadable(file, e);
        if (!e)
            pairing.finish();
        ++outcome.employees;
        outcome.shifts += rows.shifts();
    }
    written = written && file.write(block) == block.size() && safefile::syncFile(file);
    if (!written)
        return notSaved(file, file.errorString());
    file.close();
    QString why;
    if (!safefile::renameOver(file.fileName(), path, &why))
        return notSaved(file, why);
    safefile::syncFolder(path);
    return outcome;
}

} // namespace pw::hoursexport
