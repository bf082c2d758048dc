#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace pw {

// A local date and time to the second, without a time zone: the clock reading as the employee saw
// it. Differences are differences of clock readings, so a shift across a daylight-saving change
// counts what the two readings say.
class LocalDateTime {
public:
    constexpr LocalDateTime() = default;

    // Years 1 to 9999; returns nothing for a date or time that does not exist.
    static std::optional<LocalDateTime> fromParts(int year, int month, int day, int hour = 0,
                                                  int minute = 0, int second = 0);
    static std::optional<LocalDateTime> fromQt(const QDate &date, const QTime &time);
    static std::optional<LocalDateTime> fromQt(const QDateTime &dt) { return fromQt(dt.date(), dt.time()); }

    // The stored form, "YYYY-MM-DD HH:MM:SS". The reader also takes a 'T' between date and time,
    // a time without seconds, a bare date (its first instant) and trailing fractions of a second,
    // so that rows written by other tools still read; it refuses everything else.
    static std::optional<LocalDateTime> fromStored(QStringView text);
    static std::optional<LocalDateTime> fromStored(const char *text, qsizetype length);
    QString toStored() const;
    // The stored form's 19 characters written at out, for whole logs written as bytes.
    static constexpr int kStoredLength = 19;
    void writeStored(char *out) const;

    QDate date() const;
    QTime time() const;
    QDateTime toQDateTime() const { return QDateTime(date(), time()); }

    // Seconds since 0001-01-01 00:00:00 of the proleptic Gregorian calendar.
    constexpr qint64 seconds() const { return m_secs; }
    // The whole minute the reading falls in (its seconds dropped).
    constexpr qint64 minuteMark() const { return m_secs / 60; }

    friend constexpr bool operator==(LocalDateTime a, LocalDateTime b) { return a.m_secs == b.m_secs; }
    friend constexpr auto operator<=>(LocalDateTime a, LocalDateTime b) { return a.m_secs <=> b.m_secs; }

private:
    explicit constexpr LocalDateTime(qint64 secs) : m_secs(secs) {}
    qint64 m_secs = 0;
};

// Minutes between two readings, counted between their minute marks: 09:00:59 to 09:01:00 is one
// minute, 09:00:00 to 09:00:59 none. Negative when the second reading is the earlier one.
constexpr qint64 minutesBetween(LocalDateTime first, LocalDateTime second)
{
    return second.minuteMark() - first.minuteMark();
}

} // namespace pw
