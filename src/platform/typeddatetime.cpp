// Typed date-times
//
// The text is first cut into tokens: numbers, the locale's words (month and weekday names, the
// AM/PM designators, the words its formats hold, such as Spanish "de" or the Japanese 年), blanks
// and marks. The tokens are then read as a date of three fields, perhaps a weekday, and perhaps a
// time. A number's place in the date follows the locale's short date format; a four-digit number
// in front makes the order year-month-day; a month written as a word is the month wherever it
// stands. Nothing is guessed beyond that: "13/6/2026" in a month-first locale is refused, not read
// the other way round.
#include "platform/typeddatetime.h"

#include "platform/formats.h"

#include <QList>

#include <algorithm>
#include <deque>
#include <string_view>

namespace pw::formats {

namespace {

enum class Kind { Number, Month, Weekday, Am, Pm, Word, Blank, Mark };

struct Token {
    Kind kind;
    int value = 0;  // a number's value, a month (1-12) or a weekday (1 = Monday)
    int digits = 0; // how many digits a number has
    QChar mark;
};

struct Word {
    QString text;
    Kind kind;
    int value = 0;
};

// What the reader needs of a locale, worked out once for each of the last few locales asked about.
struct LocaleWords {
    QLocale locale;
    QList<Word> words;    // longest first, so that "March" wins over "Mar"
    QString order;        // 'd', 'M' and 'y' in the short date's order
    QString dateMarks;    // the marks allowed between the three numbers of a date
    QString orderMarks[2]; // the short date's own marks between its fields
    char32_t zero = U'0'; // the locale's zero digit
};

// Blanks of every kind become one ' '; marks that only steer the direction of writing (and other
// invisible format characters) go; the locale's own digits become ASCII digits. Tabs and line
// breaks stay, and so are refused.
QString normalized(const QString &text, char32_t zero)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (zero != U'0' && c >= zero && c <= zero + 9)
            out += QLatin1Char(char('0' + (c - zero)));
        else if (QChar::category(c) == QChar::Separator_Space)
            out += QLatin1Char(' ');
        else if (QChar::category(c) != QChar::Other_Format)
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

// The literal texts of a Qt date or time format: quoted text and whatever is not a field letter.
QStringList literalsOf(const QString &format)
{
    static const QString fields = QStringLiteral("dMyhHmszaApPt");
    QStringList out;
    QString run;
    auto flush = [&] {
        if (!run.isEmpty())
            out << run;
        run.clear();
    };
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            if (i + 1 < format.size() && format[i + 1] == QLatin1Char('\'')) {
                run += c;
                ++i;
                continue;
            }
            for (++i; i < format.size() && format[i] != QLatin1Char('\''); ++i)
                run += format[i];
        } else if (fields.contains(c)) {
            flush();
        } else {
            run += c;
        }
    }
    flush();
    return out;
}

// The order of day, month and year in a date format ("Mdy" for "M/d/yy"), and the marks of the
// literal texts between them ("/", "/").
void dateLayout(const QString &format, QString &order, QString (&marks)[2])
{
    order.clear();
    marks[0].clear();
    marks[1].clear();
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        qsizetype run = 1;
        while (!quoted && i + run < format.size() && format[i + run] == c)
            ++run;
        const bool field = !quoted
            && (c == QLatin1Char('M') || c == QLatin1Char('y') || (c == QLatin1Char('d') && run <= 2));
        if (field && !order.contains(c))
            order += c;
        else if (!field && (order.size() == 1 || order.size() == 2) && (c.isPunct() || c.isSymbol()))
            marks[order.size() - 1] += c;
        i += run - 1;
    }
    if (order.size() != 3)
        order = QStringLiteral("yMd");
}

const LocaleWords &wordsOf(const QLocale &locale)
{
    thread_local std::deque<LocaleWords> cache;
    for (const LocaleWords &known : cache) {
        if (known.locale == locale)
            return known;
    }

    LocaleWords w;
    w.locale = locale;
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    w.zero = zero.size() == 1 ? char32_t(zero.first()) : U'0';
    auto add = [&](const QString &text, Kind kind, int value) {
        const QString t = normalized(text, w.zero).trimmed();
        const QList<uint> points = t.toUcs4();
        if (std::none_of(points.begin(), points.end(), [](uint c) { return QChar::isLetter(char32_t(c)); }))
            return;
        w.words.append({t, kind, value});
        // "Dez." is also typed "Dez"; "ч." also "ч".
        if (t.size() > 1 && t.endsWith(QLatin1Char('.')))
            w.words.append({t.chopped(1), kind, value});
    };
    for (int m = 1; m <= 12; ++m) {
        for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            add(locale.monthName(m, type), Kind::Month, m);
            add(locale.standaloneMonthName(m, type), Kind::Month, m);
        }
    }
    for (int d = 1; d <= 7; ++d) {
        for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            add(locale.dayName(d, type), Kind::Weekday, d);
            add(locale.standaloneDayName(d, type), Kind::Weekday, d);
        }
    }
    // The formats show AM/PM as written ("ap") or in capitals ("AP"); the comparison ignores case,
    // but not for every script, so both are listed.
    for (const QString &am : {locale.amText(), locale.amText().toUpper()})
        add(am, Kind::Am, 0);
    for (const QString &pm : {locale.pmText(), locale.pmText().toUpper()})
        add(pm, Kind::Pm, 0);
    add(QStringLiteral("AM"), Kind::Am, 0);
    add(QStringLiteral("PM"), Kind::Pm, 0);
    add(QStringLiteral("a.m."), Kind::Am, 0);
    add(QStringLiteral("p.m."), Kind::Pm, 0);
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    for (const QString &format : {shortDate, locale.dateFormat(QLocale::LongFormat), longTimeFormat(locale),
                                  shortTimeFormat(locale)}) {
        for (const QString &literal : literalsOf(format)) {
            for (const QString &part : normalized(literal, w.zero).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                add(part, Kind::Word, 0);
        }
    }
    std::stable_sort(w.words.begin(), w.words.end(),
                     [](const Word &a, const Word &b) { return a.text.size() > b.text.size(); });

    dateLayout(shortDate, w.order, w.orderMarks);
    w.dateMarks = QStringLiteral("/.-");
    for (const QString &literal : literalsOf(shortDate)) {
        for (const QChar c : literal) {
            if ((c.isPunct() || c.isSymbol()) && c != QLatin1Char(',') && c != QLatin1Char(':') && !w.dateMarks.contains(c))
                w.dateMarks += c;
        }
    }
    if (cache.size() == 4)
        cache.pop_back();
    cache.push_front(std::move(w));
    return cache.front();
}

// Cuts the text into tokens; false when something in it is not part of a date-time.
bool tokenize(const QString &text, const LocaleWords &w, QList<Token> &tokens)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (c == QLatin1Char(' ')) {
            if (tokens.isEmpty() || tokens.last().kind != Kind::Blank)
                tokens.append({Kind::Blank, 0, 0, QChar()});
            ++i;
            continue;
        }
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            int value = 0, digits = 0;
            for (; i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i, ++digits) {
                if (digits == 4)
                    return false; // no field of a date-time has more than four digits
                value = value * 10 + (text[i].unicode() - u'0');
            }
            tokens.append({Kind::Number, value, digits, QChar()});
            continue;
        }
        const QStringView rest = QStringView(text).mid(i);
        const auto word = std::find_if(w.words.begin(), w.words.end(), [&](const Word &candidate) {
            return rest.startsWith(candidate.text, Qt::CaseInsensitive);
        });
        if (word != w.words.end()) {
            tokens.append({word->kind, word->value, 0, QChar()});
            i += word->text.size();
            continue;
        }
        if (c.isPunct() || c.isSymbol()) {
            tokens.append({Kind::Mark, 0, 0, c});
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

// The tokens between two fields: blanks, marks and the formats' own words.
struct Gap {
    QString marks;
    int words = 0;
    bool blank = false;
    bool empty() const { return marks.isEmpty() && words == 0 && !blank; }
};

class TypedReader {
public:
    TypedReader(const QList<Token> &tokens, const LocaleWords &w) : m_t(tokens), m_w(w) {}

    std::optional<LocalDateTime> read()
    {
        int weekday = 0;
        if (peek(Kind::Weekday)) {
            weekday = m_t[m_i++].value;
            const Gap after = gap();
            if (after.empty() || !onlyMarks(after, u",."))
                return std::nullopt;
        }
        int year = 0, month = 0, day = 0;
        if (!readDate(year, month, day))
            return std::nullopt;

        Gap tail = gap();
        if (!onlyMarks(tail, u".,"))
            return std::nullopt;
        if (!weekday && peek(Kind::Weekday)) {
            if (tail.empty())
                return std::nullopt;
            weekday = m_t[m_i++].value;
            tail = gap();
            if (!onlyMarks(tail, u".,"))
                return std::nullopt;
        }
        int hour = 0, minute = 0, second = 0;
        if (!atEnd()) {
            if (tail.empty() || !readTime(hour, minute, second))
                return std::nullopt;
        }
        const auto result = LocalDateTime::fromParts(year, month, day, hour, minute, second);
        if (result && weekday && result->date().dayOfWeek() != weekday)
            return std::nullopt;
        return result;
    }

private:
    bool atEnd() const { return m_i >= m_t.size(); }
    bool peek(Kind kind) const { return !atEnd() && m_t[m_i].kind == kind; }

    Gap gap()
    {
        Gap g;
        for (; !atEnd(); ++m_i) {
            const Token &t = m_t[m_i];
            if (t.kind == Kind::Blank)
                g.blank = true;
            else if (t.kind == Kind::Mark)
                g.marks += t.mark;
            else if (t.kind == Kind::Word)
                ++g.words;
            else
                break;
        }
        return g;
    }

    static bool onlyMarks(const Gap &g, std::u16string_view allowed)
    {
        return std::all_of(g.marks.begin(), g.marks.end(),
                           [&](QChar c) { return allowed.find(c.unicode()) != std::u16string_view::npos; });
    }

    // A two-digit year is read in the window 1930-2029; a year needs two or four digits.
    static int fullYear(const Token &t)
    {
        if (t.digits == 4)
            return t.value;
        if (t.digits == 2)
            return t.value < 30 ? 2000 + t.value : 1900 + t.value;
        return -1;
    }

    bool readDate(int &year, int &month, int &day)
    {
        const Token *fields[3];
        Gap gaps[2];
        for (int f = 0; f < 3; ++f) {
            if (!peek(Kind::Number) && !peek(Kind::Month))
                return false;
            fields[f] = &m_t[m_i++];
            if (f < 2) {
                gaps[f] = gap();
                if (gaps[f].empty())
                    return false;
            }
        }
        const int months = int(std::count_if(std::begin(fields), std::end(fields),
                                             [](const Token *t) { return t->kind == Kind::Month; }));
        if (months > 1)
            return false;

        if (months == 0) {
            // Numbers alone: the same mark between them, one of the date's marks; the formats' own
            // words (2026年12月7日); or the marks of the short date, whatever they are.
            const bool marked = gaps[0].marks.size() == 1 && gaps[0].words == 0 && gaps[0].marks == gaps[1].marks
                && gaps[1].words == 0 && m_w.dateMarks.contains(gaps[0].marks[0]);
            const bool worded = gaps[0].marks.isEmpty() && gaps[1].marks.isEmpty() && gaps[0].words > 0
                && gaps[1].words > 0;
            const bool asShown = gaps[0].marks == m_w.orderMarks[0] && gaps[1].marks == m_w.orderMarks[1];
            if (!marked && !worded && !asShown)
                return false;
            const QString order = fields[0]->digits > 2 ? QStringLiteral("yMd") : m_w.order;
            for (int f = 0; f < 3; ++f) {
                const Token &t = *fields[f];
                if (order[f] == QLatin1Char('y'))
                    year = fullYear(t);
                else if (t.digits > 2)
                    return false;
                else if (order[f] == QLatin1Char('M'))
                    month = t.value;
                else
                    day = t.value;
            }
            return year > 0;
        }

        // A month name: the two numbers are the day and the year. A four-digit number is the year;
        // otherwise they stand in the order of the short date.
        for (const Gap &g : gaps) {
            if (g.marks.size() > 2 || !onlyMarks(g, u",.-/\u060C"))
                return false;
        }
        const Token *numbers[2];
        int count = 0;
        for (const Token *t : fields) {
            if (t->kind == Kind::Month)
                month = t->value;
            else
                numbers[count++] = t;
        }
        bool yearFirst;
        if (numbers[0]->digits > 2 || numbers[1]->digits > 2)
            yearFirst = numbers[0]->digits > 2;
        else
            yearFirst = m_w.order.indexOf(QLatin1Char('y')) < m_w.order.indexOf(QLatin1Char('d'));
        const Token &y = *numbers[yearFirst ? 0 : 1];
        const Token &d = *numbers[yearFirst ? 1 : 0];
        if (d.digits > 2)
            return false;
        year = fullYear(y);
        day = d.value;
        return year > 0;
    }

    // A time: the hour, then the minutes and the seconds, each set apart by ':' or '.' (with two
    // digits after it) or by the formats' words (時, 분); AM or PM before or after it. An hour
    // alone needs AM or PM.
    bool readTime(int &hour, int &minute, int &second)
    {
        Kind half = Kind::Blank; // Blank: no AM/PM
        if (peek(Kind::Am) || peek(Kind::Pm)) {
            half = m_t[m_i++].kind;
            if (!gap().marks.isEmpty())
                return false;
        }
        if (!peek(Kind::Number) || m_t[m_i].digits > 2)
            return false;
        hour = m_t[m_i++].value;
        int parts = 1;
        Gap after = gap();
        while (parts < 3 && peek(Kind::Number)) {
            const bool marked = after.marks.size() == 1 && after.words == 0 && !after.blank
                && (after.marks[0] == QLatin1Char(':') || after.marks[0] == QLatin1Char('.'));
            const bool worded = after.marks.isEmpty() && after.words > 0;
            const Token &t = m_t[m_i];
            if ((!marked && !worded) || t.digits > 2 || (marked && t.digits != 2))
                return false;
            (parts == 1 ? minute : second) = t.value;
            ++parts;
            ++m_i;
            after = gap();
        }
        if (!after.marks.isEmpty())
            return false;
        if (half == Kind::Blank && (peek(Kind::Am) || peek(Kind::Pm))) {
            half = m_t[m_i++].kind;
            after = gap();
            if (!after.marks.isEmpty() && after.marks != QLatin1String("."))
                return false;
        }
        if (!atEnd())
            return false;
        if (half == Kind::Blank)
            return parts > 1;
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (half == Kind::Pm ? 12 : 0);
        return true;
    }

    const QList<Token> &m_t;
    const LocaleWords &m_w;
    qsizetype m_i = 0;
};

} // namespace

std::optional<LocalDateTime> parseTypedDateTime(const QString &input, const QLocale &locale)
{
    const QString text = input.trimmed();
    if (text.isEmpty() || text.size() > 80)
        return std::nullopt;

    // ISO 8601 first: it cannot be mistaken for a local format.
    if (auto iso = LocalDateTime::fromStored(QStringView(text)))
        return iso;

    const LocaleWords &words = wordsOf(locale);
    QList<Token> tokens;
    if (!tokenize(normalized(text, words.zero), words, tokens))
        return std::nullopt;
    if (!tokens.isEmpty() && tokens.last().kind == Kind::Blank)
        tokens.removeLast();
    return TypedReader(tokens, words).read();
}

} // namespace pw::formats
