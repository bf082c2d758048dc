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

namespace {

// Digits with perhaps a group separator every three: "1,234,567" (sep ',').
bool groupedDigits(QStringView text, QChar separator)
{
    const auto parts = text.split(separator);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringView part = parts[i];
        if (part.isEmpty() || (i == 0 ? part.size() > 3 && parts.size() > 1 : part.size() != 3))
            return false;
        for (QChar c : part)
            if (!c.isDigit() || c.unicode() > '9')
                return false;
    }
    return true;
}

// A wage that only one reading fits, whatever the language: "22,50" and "22.50" are both twenty-two
// and a half (a group separator is always followed by three digits), "1,234.50" and "1.234,50" both
// one thousand two hundred and thirty-four and a half. Nothing for a text that two readings fit
// ("1,500"), or that is no plain number.
std::optional<double> onlyReading(const QString &text)
{
    QStringView digits(text);
    QString sign;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        sign = digits.first(1).toString();
        digits = digits.sliced(1);
    }
    const qsizetype comma = digits.lastIndexOf(u','), point = digits.lastIndexOf(u'.');
    if (comma < 0 && point < 0)
        return std::nullopt;
    // The separator that comes last is the decimal one when both are there, or when it appears
    // once and is not followed by exactly three digits.
    const qsizetype last = std::max(comma, point);
    const QChar decimal = digits[last];
    const QChar group = decimal == u',' ? u'.' : u',';
    const QStringView whole = digits.first(last), fraction = digits.sliced(last + 1);
    const bool both = comma >= 0 && point >= 0;
    const bool once = whole.indexOf(decimal) < 0;
    QString plain;
    if (both || (once && fraction.size() != 3)) {
        if (!once || fraction.isEmpty() || !groupedDigits(fraction, u'\0') || !groupedDigits(whole, group))
            return std::nullopt;
        plain = sign + whole.toString().remove(group) + u'.' + fraction.toString();
    } else if (!once) {
        if (!groupedDigits(digits, decimal))
            return std::nullopt;
        plain = sign + digits.toString().remove(decimal);
    } else {
        return std::nullopt;
    }
    bool ok = false;
    const double wage = plain.toDouble(&ok);
    return ok ? std::optional<double>(wage) : std::nullopt;
}

} // namespace

std::optional<double> readWage(const QString &wageText, const QLocale &locale)
{
    const QString text = wageText.trimmed();
    if (const auto wage = onlyReading(text); wage && std::isfinite(*wage))
        return wage;
    bool ok = false;
    const double wage = locale.toDouble(text, &ok);
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
