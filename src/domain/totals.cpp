#include "domain/totals.h"

#include <cmath>

namespace pw {

namespace totals {

namespace {

QString withSeparator(QString text, const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

QString hoursDigits(float hours, const QLocale &locale)
{
    // 7 significant digits of the single-precision value, trailing zeros dropped.
    return withSeparator(QString::number(double(hours), 'g', 7), locale);
}

} // namespace

QString fourCharacters(const QString &text)
{
    return text.size() >= 4 ? text.left(4) : text.leftJustified(4, QLatin1Char(' '));
}

QString hoursText(float hours, const QLocale &locale)
{
    if (hours < 0.11f)
        return fourCharacters(QStringLiteral("0"));
    return fourCharacters(hoursDigits(hours, locale));
}

QString cardHoursText(float hours, const QLocale &locale)
{
    if (hours < 0.11f)
        return QStringLiteral("<.1 ");
    return fourCharacters(hoursDigits(hours, locale));
}

int hundredthsOf(const QString &hoursText, const QLocale &locale)
{
    bool ok = false;
    const double hours = locale.toDouble(hoursText.trimmed(), &ok);
    if (!ok) {
        // "123." is a number with nothing after its separator.
        QString t = hoursText.trimmed();
        if (t.endsWith(locale.decimalPoint()))
            t.chop(locale.decimalPoint().size());
        const double whole = locale.toDouble(t, &ok);
        return ok ? int(std::llround(whole * 100.0)) : 0;
    }
    return int(std::llround(hours * 100.0));
}

std::optional<double> readWage(const QString &wageText, const QLocale &locale)
{
    bool ok = false;
    const double wage = locale.toDouble(wageText.trimmed(), &ok);
    if (!ok || !std::isfinite(wage))
        return std::nullopt;
    return wage;
}

double wageEstimate(double wage, int hundredths)
{
    const double product = wage * 100.0 * double(hundredths);
    return product / 10000.0;
}

QString wageText(double estimate, const QLocale &locale)
{
    if (estimate == 0.0)
        return QStringLiteral("0");
    return withSeparator(QString::number(estimate, 'g', 15), locale);
}

} // namespace totals

TotalsText totalsText(const LogCount &count, const QString &wageText, const QString &employee, const QLocale &locale)
{
    TotalsText out;
    if (count.entries == 0) {
        out.hours = QStringLiteral("0");
        out.wage = QStringLiteral("0");
        return out;
    }
    const float hours = totals::hoursOf(count.totalMinutes);
    out.hours = totals::hoursText(hours, locale);
    const int hundredths = totals::hundredthsOf(out.hours, locale);
    const auto wage = totals::readWage(wageText, locale);
    const double estimate = wage ? totals::wageEstimate(*wage, hundredths) : 0.0;
    // A wage so large that the estimate overflows is no more a number to count with than text is.
    const bool counted = wage && std::isfinite(estimate);
    out.wage = totals::wageText(counted ? estimate : 0.0, locale);
    if (count.unreadablePairs > 0)
        out.problem = DbError::of(DbReason::UnreadableDateTime).inTable(employee).withAmounts(count.unreadablePairs);
    else if (!counted)
        out.problem = DbError::of(wage ? DbReason::WageTooLarge : DbReason::WageNotANumber).inTable(employee).withValue(wageText);
    return out;
}

} // namespace pw
