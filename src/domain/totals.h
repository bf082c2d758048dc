#pragma once

#include "platform/datetimecodec.h"
#include "db/dberror.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace pw {

class Database;

// Hours and wage arithmetic. The running total of minutes is single precision, rounded after each
// addition; hours are that total / 60 in single precision; texts use the system's decimal separator.
namespace totals {

// Adds a pair's minutes to the running total (formed in double, kept in single precision).
inline float addMinutes(float total, qint64 minutes)
{
    return float(double(total) + double(minutes));
}

inline float hoursOf(float totalMinutes)
{
    return totalMinutes / 60.0f;
}

// Cut or blank-filled on the right to exactly four characters.
QString fourCharacters(const QString &text);

// The hours of a total: "0" (as "0   ") under 0.11 and for any negative total; otherwise the
// hours to 7 significant digits without trailing zeros, cut or filled to four characters.
QString hoursText(float hours, const QLocale &locale = QLocale());
// The same for a time card's sub-totals and total: "<.1 " under 0.11 instead of "0   ".
QString cardHoursText(float hours, const QLocale &locale = QLocale());

// The hours text read back as a number, in hundredths, rounded to the nearest whole number.
int hundredthsOf(const QString &hoursText, const QLocale &locale = QLocale());
// A wage per hour typed as text (blanks around it allowed); nothing when it is not a number.
std::optional<double> readWage(const QString &wageText, const QLocale &locale = QLocale());
// (wage x 100 x hundredths) / 10000 in double precision, the product formed first.
double wageEstimate(double wage, int hundredths);
// "0" for zero; otherwise 15 significant digits without trailing zeros.
QString wageText(double estimate, const QLocale &locale = QLocale());

// Pairs the readings of a log by position: first with second, third with fourth. A pair with a
// reading that cannot be read is left out (and counted as such); an unpaired last reading too.
class Pairing {
public:
    void add(const std::optional<LocalDateTime> &reading)
    {
        if (!m_half) {
            m_half = true;
            m_first = reading;
            return;
        }
        m_half = false;
        if (m_first && reading)
            m_total = addMinutes(m_total, minutesBetween(*m_first, *reading));
        else
            ++m_unreadable;
    }
    float totalMinutes() const { return m_total; }
    int unreadablePairs() const { return m_unreadable; }
    bool unpaired() const { return m_half; }

private:
    std::optional<LocalDateTime> m_first;
    float m_total = 0.0f;
    int m_unreadable = 0;
    bool m_half = false;
};

} // namespace totals

// What a count of one log found.
struct LogCount {
    qint64 entries = 0;
    bool openShift = false;    // the last entry is "Clocked In": closed at "now" for the count
    float totalMinutes = 0.0f;
    int unreadablePairs = 0;   // pairs left out because an entry has no readable date-time
    bool unpaired = false;     // an unpaired last entry left out
};

// Counts a log without changing it: an open shift is closed in memory at `now`.
DbResult<LogCount> countLog(Database &db, const QString &table, const LocalDateTime &now);

// The two label texts of a count, and what went wrong on the way (reported under UPDATE).
struct TotalsText {
    QString hours;
    QString wage;
    DbError problem;
};
TotalsText totalsText(const LogCount &count, const QString &wageText, const QString &employee,
                      const QLocale &locale = QLocale());

// The totals of an employee's log as the labels show them: its count (never writing to the log)
// and the two texts with the wage per hour given as text.
struct Totals {
    LogCount count;
    TotalsText text;
};
DbResult<Totals> countTotals(Database &db, const QString &name, const QString &wageText, const LocalDateTime &now,
                             const QLocale &locale = QLocale());

} // namespace pw
