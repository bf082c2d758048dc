#include "platform/datetimecodec.h"

namespace pw {

namespace {

// Days since 0001-01-01 of a proleptic Gregorian date (valid, year >= 1).
constexpr qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = y / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 306; // 306: days from 0000-03-01 to 0001-01-01
}

struct Civil {
    int year, month, day;
};

// The proleptic Gregorian date of a day counted as daysFromCivil counts it (days >= 0).
constexpr Civil civilFromDays(qint64 days)
{
    const qint64 z = days + 306;
    const qint64 era = z / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yoe + era * 400) + (month <= 2), month, day};
}

constexpr bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

constexpr int daysInMonth(int y, int m)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Reads exactly n decimal digits at p; -1 when any is not a digit.
template <typename Ch>
int digits(const Ch *p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned>(p[i]);
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + int(c - '0');
    }
    return v;
}

// Seconds since 0001-01-01 00:00:00 of a reading; nothing for one that does not exist (years 1 to 9999).
// The readers of stored text call it directly, not through fromParts: whole logs are read so.
constexpr std::optional<qint64> secondsOf(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)
        || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

template <typename Ch>
std::optional<qint64> parseStored(const Ch *p, qsizetype n)
{
    // YYYY-MM-DD
    if (n < 10 || p[4] != '-' || p[7] != '-')
        return std::nullopt;
    const int y = digits(p, 4), mo = digits(p + 5, 2), d = digits(p + 8, 2);
    if (y < 0 || mo < 0 || d < 0)
        return std::nullopt;
    if (n == 10)
        return secondsOf(y, mo, d, 0, 0, 0);
    // [ T]HH:MM[:SS[.fff]]
    if (n < 16 || (p[10] != ' ' && p[10] != 'T') || p[13] != ':')
        return std::nullopt;
    const int h = digits(p + 11, 2), mi = digits(p + 14, 2);
    int s = 0;
    if (n > 16) {
        if (n < 19 || p[16] != ':')
            return std::nullopt;
        s = digits(p + 17, 2);
        if (n > 19) {
            if (p[19] != '.' || n == 20)
                return std::nullopt;
            for (qsizetype i = 20; i < n; ++i)
                if (static_cast<unsigned>(p[i]) < '0' || static_cast<unsigned>(p[i]) > '9')
                    return std::nullopt;
        }
    }
    if (h < 0 || mi < 0 || s < 0)
        return std::nullopt;
    return secondsOf(y, mo, d, h, mi, s);
}

} // namespace

std::optional<LocalDateTime> LocalDateTime::fromParts(int year, int month, int day, int hour,
                                                      int minute, int second)
{
    const auto seconds = secondsOf(year, month, day, hour, minute, second);
    return seconds ? std::optional<LocalDateTime>(LocalDateTime(*seconds)) : std::nullopt;
}

std::optional<LocalDateTime> LocalDateTime::fromQt(const QDate &date, const QTime &time)
{
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return fromParts(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

std::optional<LocalDateTime> LocalDateTime::fromStored(QStringView text)
{
    const auto seconds = parseStored(text.utf16(), text.size());
    return seconds ? std::optional<LocalDateTime>(LocalDateTime(*seconds)) : std::nullopt;
}

std::optional<LocalDateTime> LocalDateTime::fromStored(const char *text, qsizetype length)
{
    if (!text)
        return std::nullopt;
    const auto seconds = parseStored(reinterpret_cast<const unsigned char *>(text), length);
    return seconds ? std::optional<LocalDateTime>(LocalDateTime(*seconds)) : std::nullopt;
}

QDate LocalDateTime::date() const
{
    return QDate(1, 1, 1).addDays(m_secs / 86400);
}

QTime LocalDateTime::time() const
{
    const int s = int(m_secs % 86400);
    return QTime(s / 3600, s / 60 % 60, s % 60);
}

void LocalDateTime::writeStored(char *out) const
{
    const Civil d = civilFromDays(m_secs / 86400);
    const int s = int(m_secs % 86400);
    // Fixed layout: YYYY-MM-DD HH:MM:SS
    auto put = [out](int at, int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            out[at + i] = char('0' + value % 10);
    };
    put(0, d.year, 4);
    out[4] = '-';
    put(5, d.month, 2);
    out[7] = '-';
    put(8, d.day, 2);
    out[10] = ' ';
    put(11, s / 3600, 2);
    out[13] = ':';
    put(14, s / 60 % 60, 2);
    out[16] = ':';
    put(17, s % 60, 2);
}

QString LocalDateTime::toStored() const
{
    char text[kStoredLength];
    writeStored(text);
    return QString::fromLatin1(text, kStoredLength);
}

} // namespace pw
