#include "platform/formats.h"

#include <QRegularExpression>

namespace pw::formats {

namespace {

// Removes the time zone item ("t", "tt", "ttt", "tttt") from a Qt format, with the blanks next to
// it and the brackets or comma that only set it apart ("H:mm:ss (t)", "h:mm:ss AP, t",
// "APh:mm:ss [t]").
QString withoutZone(QString format)
{
    static const QRegularExpression zone(
        QStringLiteral("\\s*,?\\s*[(\\[]?\\s*(?<![A-Za-z'])t+(?![A-Za-z'])\\s*[)\\]]?\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

QString withFourDigitYear(QString format)
{
    if (format.contains(QLatin1String("yyyy")))
        return format;
    static const QRegularExpression yy(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(yy, QStringLiteral("yyyy"));
    return format;
}

} // namespace

QString longTimeFormat(const QLocale &locale)
{
    return withoutZone(locale.timeFormat(QLocale::LongFormat));
}

QString shortTimeFormat(const QLocale &locale)
{
    return withoutZone(locale.timeFormat(QLocale::ShortFormat));
}

QString shortDateFormat(const QLocale &locale)
{
    return locale.dateFormat(QLocale::ShortFormat);
}

QString generalDateFormat(const QLocale &locale)
{
    return withFourDigitYear(shortDateFormat(locale)) + QLatin1Char(' ') + longTimeFormat(locale);
}

QString longTime(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, longTimeFormat(locale));
}

QString shortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, shortDateFormat(locale));
}

QString generalDate(const LocalDateTime &dt, const QLocale &locale)
{
    return locale.toString(dt.date(), withFourDigitYear(shortDateFormat(locale))) + QLatin1Char(' ')
        + longTime(dt.time(), locale);
}

QString generalDateOfStored(const QString &stored, const QLocale &locale)
{
    const auto dt = LocalDateTime::fromStored(QStringView(stored));
    return dt ? generalDate(*dt, locale) : stored;
}

QString generalDate(const QDateTime &dt, const QLocale &locale)
{
    return locale.toString(dt.date(), withFourDigitYear(shortDateFormat(locale))) + QLatin1Char(' ')
        + longTime(dt.time(), locale);
}

} // namespace pw::formats
