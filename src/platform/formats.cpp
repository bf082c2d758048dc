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

QString generalDate(const QDateTime &dt, const QLocale &locale)
{
    return locale.toString(dt.date(), withFourDigitYear(shortDateFormat(locale))) + QLatin1Char(' ')
        + longTime(dt.time(), locale);
}

std::optional<LocalDateTime> parseTypedDateTime(const QString &input, const QLocale &locale)
{
    const QString text = input.trimmed();
    if (text.isEmpty() || text.size() > 64)
        return std::nullopt;

    // ISO 8601 first: it cannot be mistaken for a local format.
    if (auto iso = LocalDateTime::fromStored(QStringView(text)))
        return iso;

    const QString dateFormat = withFourDigitYear(shortDateFormat(locale));
    auto readDate = [&](const QString &s) {
        const QDate d = locale.toDate(s, dateFormat);
        // Qt reads "yyyy" leniently ("26" as the year 26); the year must be written in full.
        if (d.isValid() && !s.contains(QString::number(d.year()).rightJustified(4, QLatin1Char('0'))))
            return QDate();
        return d;
    };

    if (QDate d = readDate(text); d.isValid())
        return LocalDateTime::fromQt(d, QTime(0, 0));

    // The general date format: the date and the time are split at a blank. Dates of some locales
    // hold blanks themselves, so every blank is tried.
    const QString timeFormats[] = {longTimeFormat(locale), locale.timeFormat(QLocale::ShortFormat)};
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const QDate d = readDate(text.left(i).trimmed());
        if (!d.isValid())
            continue;
        const QString rest = text.mid(i + 1).trimmed();
        for (const QString &tf : timeFormats) {
            const QTime t = locale.toTime(rest, withoutZone(tf));
            if (t.isValid())
                return LocalDateTime::fromQt(d, t);
        }
    }
    return std::nullopt;
}

} // namespace pw::formats
