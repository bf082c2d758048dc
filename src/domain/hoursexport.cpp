#include "domain/hoursexport.h"

#include "db/database.h"
#include "db/employeelist.h"
#include "db/logtable.h"
#include "domain/csvfile.h"
#include "domain/timecard.h"
#include "domain/totals.h"

#include <QSet>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace pw::hoursexport {

namespace {

const QString kTemporaryKind = QStringLiteral("export");

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A stored text's UTF-8 as the windows show it: read into a QString, which mends what is not UTF-8
// and drops a leading byte order mark. ASCII reads as it is. mended holds the text when it had to be
// mended.
QByteArrayView shownText(QByteArrayView stored, QByteArray &mended)
{
    if (isAscii(stored))
        return stored;
    mended = QString::fromUtf8(stored).toUtf8();
    return mended;
}

// An entry's date-time read from its stored bytes as from the text they decode to: only ASCII can
// be one, once a leading byte order mark is dropped.
std::optional<LocalDateTime> readingOf(QByteArrayView stored)
{
    if (stored.isNull())
        return std::nullopt;
    if (const auto when = LocalDateTime::fromStored(stored.data(), stored.size()))
        return when;
    if (isAscii(stored))
        return std::nullopt;
    return LocalDateTime::fromStored(QStringView(QString::fromUtf8(stored)));
}

void appendNumber(std::string &out, qint64 n)
{
    char text[24];
    out.append(text, std::to_chars(text, text + sizeof text, n).ptr);
}

// A number of hundredths written with two decimals, after a '-' when negative.
void appendHundredths(std::string &out, bool negative, qint64 hundredths)
{
    if (negative)
        out += '-';
    appendNumber(out, hundredths / 100);
    const char decimals[] = {'.', char('0' + hundredths / 10 % 10), char('0' + hundredths % 10)};
    out.append(decimals, 3);
}

// Hours to two decimals as QString::number(minutes / 60.0, 'f', 2) writes them. A whole number of
// minutes is never halfway between two hundredths of an hour, so they are found in integers.
void appendHours(std::string &out, qint64 minutes)
{
    appendHundredths(out, minutes < 0, (5 * (minutes < 0 ? -minutes : minutes) + 1) / 3);
}

// Money to two decimals exactly as QString::number(value, 'f', 2) writes it: rounded to hundredths,
// a value halfway between two rounded away from zero, and a negative value signed even when it
// rounds to 0.00 (only -0 itself is not). The rounding is decided on the exact product value * 100,
// its rounding error found with fma, while the hundredths fit a double exactly; Qt writes the rest.
void appendMoney(std::string &out, double value)
{
    const double magnitude = std::abs(value);
    if (!(magnitude < 1e13)) {
        const QByteArray text = QByteArray::number(value, 'f', 2);
        out.append(text.constData(), std::size_t(text.size()));
        return;
    }
    const double product = magnitude * 100;
    const double error = std::fma(magnitude, 100, -product); // magnitude * 100 is product + error exactly
    const double whole = std::floor(product);
    const double rest = product - whole;
    const bool up = rest > 0.5 || (rest == 0.5 && error >= 0);
    appendHundredths(out, value < 0, qint64(whole) + (up ? 1 : 0));
}

// The rows of one employee's shifts, made as the log is read, from its stored bytes: the shifts
// are the time card's (ShiftRule). An entry that cannot be read as a date-time shows what is
// stored, and its shift has no minutes.
class ShiftRows {
public:
    ShiftRows(CsvFile &out, const QString &employee, const std::optional<double> &wage, const LocalDateTime &ending,
              const LocalDateTime &now)
        : m_out(out), m_head(csvField(employee).toUtf8() + ','),
          m_tail(',' + (wage ? QString::number(*wage, 'g', 15).toUtf8() : QByteArray()) + ','), m_perHour(wage),
          m_rule(ending), m_now(now)
    {
    }

    // The next entry of the log, as stored.
    void add(QByteArrayView datetime, QByteArrayView activity)
    {
        const std::optional<LocalDateTime> when = readingOf(datetime);
        switch (m_rule.next(when)) {
        case timecard::ShiftRule::Step::PassedOver:
            return;
        case timecard::ShiftRule::Step::Opens:
            // The scan's bytes are gone with the next entry: the clock-in is kept.
            m_start = when;
            m_inStored.clear();
            m_inStored.append(datetime.data(), std::size_t(datetime.size()));
            m_inTask.clear();
            m_inTask.append(activity.data(), std::size_t(activity.size()));
            return;
        case timecard::ShiftRule::Step::Closes:
            write(when, datetime);
            return;
        case timecard::ShiftRule::Step::ClosesNow:
            write(m_now, {});
            return;
        }
    }
    // A last shift without its clock-out ends "now".
    void finish()
    {
        if (m_rule.finish())
            write(m_now, {});
    }
    qint64 shifts() const { return m_shifts; }

private:
    void appendWhen(std::string &row, const std::optional<LocalDateTime> &when, QByteArrayView stored)
    {
        if (!when) {
            const QByteArrayView shown = shownText(stored, m_mended);
            row.append(shown.data(), std::size_t(shown.size()));
            return;
        }
        const std::size_t at = row.size();
        // A date-time stored whole reads back as itself.
        if (stored.size() == LocalDateTime::kStoredLength)
            row.append(stored.data(), std::size_t(stored.size()));
        else {
            row.resize(at + LocalDateTime::kStoredLength);
            when->writeStored(row.data() + at);
        }
        row[at + 10] = 'T';
    }

    void write(const std::optional<LocalDateTime> &end, QByteArrayView endStored)
    {
        std::string &row = m_out.record();
        row.append(m_head.constData(), std::size_t(m_head.size()));
        appendWhen(row, m_start, QByteArrayView(m_inStored.data(), qsizetype(m_inStored.size())));
        row += ',';
        appendWhen(row, end, endStored);
        row += ',';
        std::optional<qint64> minutes;
        if (m_start && end) {
            minutes = minutesBetween(*m_start, *end);
            appendNumber(row, *minutes);
            row += ',';
            appendHours(row, *minutes);
        } else {
            row += ',';
        }
        row += ',';
        appendCsvField(row, shownText(QByteArrayView(m_inTask.data(), qsizetype(m_inTask.size())), m_mended));
        row.append(m_tail.constData(), std::size_t(m_tail.size()));
        if (minutes && m_perHour)
            appendMoney(row, *m_perHour * double(*minutes) / 60.0);
        m_out.endRecord();
        ++m_shifts;
    }

    CsvFile &m_out;
    QByteArray m_head, m_tail; // the row's fields before the clock-in and after the task, with their commas
    std::optional<double> m_perHour;
    timecard::ShiftRule m_rule;
    LocalDateTime m_now;
    // The open shift's clock-in: its reading and its stored date-time and task.
    std::optional<LocalDateTime> m_start;
    std::string m_inStored, m_inTask;
    QByteArray m_mended;
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
        ShiftRows rows(file, name, totals::readWage(wage.isNull() ? QString() : wage.toString(), locale), ending, now);
        const DbError e = LogTable(db, name).scanStoredDatesAndTasks(
            [&](QByteArrayView datetime, QByteArrayView activity) { rows.add(datetime, activity); });
        // A listed employee without a log has no hours to export.
        if (e && e.number != ErrTableMissing)
            return unreadable(e);
        if (!e)
            rows.finish();
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
