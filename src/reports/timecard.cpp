#include "reports/timecard.h"

#include "db/database.h"
#include "db/logtable.h"
#include "db/quoting.h"
#include "platform/formats.h"
#include "platform/lineprinter.h"
#include "reports/totals.h"

#include <sqlite3.h>

#include <utility>

namespace pw::timecard {

std::optional<LocalDateTime> Entry::when() const
{
    if (datetime.isNull())
        return std::nullopt;
    return LocalDateTime::fromStored(QStringView(datetime.toString()));
}

CardBuilder::CardBuilder(Heading heading, std::optional<LocalDateTime> ending, LocalDateTime now, Emit sink,
                         const QLocale &locale)
    : m_heading(std::move(heading)), m_ending(ending), m_now(now), m_sink(std::move(sink)), m_locale(locale)
{
    // A card prints two date-times a line: the format is worked out once, not for every one.
    m_timeFormat = formats::longTimeFormat(m_locale);
    const QString general = formats::generalDateFormat(m_locale);
    if (general.endsWith(QLatin1Char(' ') + m_timeFormat))
        m_dateFormat = general.chopped(m_timeFormat.size() + 1);
}

QString CardBuilder::general(const LocalDateTime &when) const
{
    if (m_dateFormat.isEmpty())
        return formats::generalDate(when, m_locale);
    return m_locale.toString(when.date(), m_dateFormat) + QLatin1Char(' ') + m_locale.toString(when.time(), m_timeFormat);
}

void CardBuilder::begin()
{
    m_sink({{0, m_heading.word}, {0, m_heading.company}});
    m_sink({});
    m_sink({});
    m_sink({{0, QStringLiteral("Employee Name:  ")}, {0, m_heading.employee}});
    m_sink({});
    m_sink({{kClockInColumn, QStringLiteral("Clock In"), true},
            {kClockOutColumn, QStringLiteral("Clock Out"), true},
            {kActivityColumn, QStringLiteral("Activity"), true},
            {kSubTotalColumn, QStringLiteral("Sub Total (Hours)"), true}});
}

QString CardBuilder::dateText(const Entry &e, const std::optional<LocalDateTime> &when) const
{
    // An entry whose date-time cannot be read shows what is stored.
    if (when)
        return general(*when);
    return e.datetime.isNull() ? QString() : e.datetime.toString();
}

void CardBuilder::add(const Entry &entry)
{
    const std::optional<LocalDateTime> when = entry.when();
    if (!m_pending) {
        // In the clock-in place an entry after the ending date-time is passed over.
        if (m_ending && when && *when > *m_ending)
            return;
        m_pending = entry;
        return;
    }
    const Entry in = *m_pending;
    m_pending.reset();
    // A clock-out after the ending date-time closes the shift now, not at the ending date-time.
    if (m_ending && when && *when > *m_ending)
        shift(in, m_now, general(m_now));
    else
        shift(in, when, dateText(entry, when));
}

void CardBuilder::shift(const Entry &in, const std::optional<LocalDateTime> &out, const QString &outText)
{
    const std::optional<LocalDateTime> start = in.when();
    QString subTotal;
    if (start && out) {
        const qint64 minutes = minutesBetween(*start, *out);
        subTotal = totals::cardHoursText(float(minutes) / 60.0f, m_locale);
        m_total = totals::addMinutes(m_total, minutes);
    } else {
        // A shift without a readable date-time has no hours to show and adds none.
        subTotal = totals::fourCharacters(QStringLiteral("?"));
    }
    ++m_shifts;
    m_sink({{kClockInColumn, dateText(in, start)},
            {kClockOutColumn, outText},
            {kActivityColumn, in.activity.isNull() ? QString() : in.activity.toString()},
            {kSubTotalColumn, subTotal}});
}

void CardBuilder::finish()
{
    if (m_pending) {
        const Entry in = *m_pending;
        m_pending.reset();
        shift(in, m_now, general(m_now));
    }
    m_sink({});
    m_sink({});
    m_sink({{0, m_heading.employee},
            {0, QStringLiteral(" has a total of ")},
            {0, totals::cardHoursText(totals::hoursOf(m_total), m_locale)},
            {0, QStringLiteral(" hours ")}});
}

QList<Line> cardLines(const QList<Entry> &entries, const Heading &heading, const std::optional<LocalDateTime> &ending,
                      const LocalDateTime &now, const QLocale &locale)
{
    QList<Line> lines;
    CardBuilder card(heading, ending, now, [&](const Line &l) { lines << l; }, locale);
    card.begin();
    for (const Entry &e : entries)
        card.add(e);
    card.finish();
    return lines;
}

void printLine(LinePrinter &printer, const Line &line)
{
    bool underline = false;
    for (const Item &item : line) {
        if (item.underlined != underline) {
            underline = item.underlined;
            printer.setUnderline(underline);
        }
        if (item.column > 0)
            printer.printAt(item.column, item.text);
        else
            printer.print(item.text);
    }
    if (underline)
        printer.setUnderline(false);
    printer.endLine();
}

DbError writeCard(Database &db, const CardRequest &request, LinePrinter &printer)
{
    // A card reads whole logs, so it reads through SQLite directly, like the count.
    sqlite3 *handle = db.handle();
    if (!handle)
        return DbError::make(ErrGeneral, QStringLiteral("the database is not open"));
    const QByteArray sql = QStringLiteral("SELECT datetime, activity FROM %1 ORDER BY rowid")
                               .arg(quoteIdentifier(request.table))
                               .toUtf8();
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &st, nullptr);
    if (rc != SQLITE_OK) {
        const DbError e = DbError::fromSqlite(rc, QString::fromUtf8(sqlite3_errmsg(handle)));
        sqlite3_finalize(st);
        return e;
    }
    auto text = [st](int column) -> QVariant {
        if (sqlite3_column_type(st, column) == SQLITE_NULL)
            return QVariant(QMetaType(QMetaType::QString));
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, column)),
                                 sqlite3_column_bytes(st, column));
    };

    CardBuilder card(request.heading, request.ending, request.now, [&](const Line &l) { printLine(printer, l); });
    card.begin();
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        card.add({text(0), text(1)});
    const DbError e = rc == SQLITE_DONE ? DbError{} : DbError::fromSqlite(rc, QString::fromUtf8(sqlite3_errmsg(handle)));
    sqlite3_finalize(st);
    if (e)
        return e;
    card.finish();
    printer.endPage();
    return {};
}

} // namespace pw::timecard
