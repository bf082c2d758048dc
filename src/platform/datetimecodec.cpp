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

template <typename Ch>
std::optional<LocalDateTime> parseStored(const Ch *p, qsizetype n)
{
    // YYYY-MM-DD
    if (n < 10 || p[4] != '-' || p[7] != '-')
        return std::nullopt;
    const int y = digits(p, 4), mo = digits(p + 5, 2), d = digits(p + 8, 2);
    if (y < 0 || mo < 0 || d < 0)
        return std::nullopt;
    if (n == 10)
        return LocalDateTime::fromParts(y, mo, d);
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
    return LocalDateTime::fromParts(y, mo, d, h, mi, s);
}

} // namespace

std::optional<LocalDateTime> LocalDateTime::fromParts(int year, int month, int day, int hour,
                                                      int minute, int second)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)
        || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return LocalDateTime(daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second);
}

std::optional<LocalDateTime> LocalDateTime::fromQt(const QDate &date, const QTime &time)
{
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return fromParts(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

std::optional<LocalDateTime> LocalDateTime::fromStored(QStringView text)
{
    return parseStored(text.utf16(), text.size());
}

std::optional<LocalDateTime> LocalDateTime::fromStored(const char *text, qsizetype length)
{
    if (!text)
        return std::nullopt;
    return parseStored(reinterpret_cast<const unsigned char *>(text), length);
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

QString LocalDateTime::toStored() const
{
    const QDate d = date();
    const int s = int(m_secs % 86400);
    char buf[20];
    const int parts[] = {d.year(), d.month(), d.day(), s / 3600, s / 60 % 60, s % 60};
    // Fixed layout: YYYY-MM-DD HH:MM:SS
    auto put = [&buf](int at, int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            buf[at + i] = char('0' + value % 10);
    };
    put(0, parts[0], 4);
    buf[4] = '-';
    put(5, parts[1], 2);
    buf[7] = '-';
    put(8, parts[2], 2);
    buf[10] = ' ';
    put(11, parts[3], 2);
    buf[13] = ':';
    put(14, parts[4], 2);
    buf[16] = ':';
    put(17, parts[5], 2);
    return QString::fromLatin1(buf, 19);
}

} // namespace pw
