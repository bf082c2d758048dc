#include "domain/timecard.h"

#include "db/database.h"
#include "db/logtable.h"
#include "platform/formats.h"
#include "platform/lineprinter.h"
#include "domain/totals.h"

#include <QCoreApplication>

#include <utility>

namespace pw::timecard {


std::optional<LocalDateTime> Entry::when() const
{
    if (datetime.isNull())
        return std::nullopt;
    return LocalDateTime::fromStored(QStringView(datetime.toString()));
}

std::optional<qint64> Shift::minutes() const
{
    if (!start || !end)
        return std::nullopt;
    return minutesBetween(*start, *end);
}

ShiftRule::Step ShiftRule::next(const std::optional<LocalDateTime> &when)
{
    const bool afterEnding = m_ending && when && *when > *m_ending;
    if (!m_open) {
        // In the clock-in place an entry after the ending date-time is passed over.
        if (afterEnding)
            return Step::PassedOver;
        m_open = true;
        return Step::Opens;
    }
    m_open = false;
    // A clock-out after the ending date-time closes the shift now, not at the ending date-time.
    return afterEnding ? Step::ClosesNow : Step::Closes;
}

void ShiftPairing::add(const Entry &entry)
{
    const std::optional<LocalDateTime> when = entry.when();
    const ShiftRule::Step step = m_rule.next(when);
    if (step == ShiftRule::Step::PassedOver)
        return;
    if (step == ShiftRule::Step::Opens) {
        m_pending = entry;
        return;
    }
    Shift shift{*m_pending, m_pending->when(), when, entry.datetime, false};
    m_pending.reset();
    if (step == ShiftRule::Step::ClosesNow) {
        shift.end = m_now;
        shift.endStored = QVariant();
        shift.endsNow = true;
    }
    m_sink(shift);
}

void ShiftPairing::finish()
{
    if (!m_rule.finish())
        return;
    const Shift shift{*m_pending, m_pending->when(), m_now, QVariant(), true};
    m_pending.reset();
    m_sink(shift);
}

CardBuilder::CardBuilder(Heading heading, std::optional<LocalDateTime> ending, LocalDateTime now, Emit sink,
                         const QLocale &locale)
    : m_heading(std::move(heading)), m_now(now), m_sink(std::move(sink)), m_locale(locale),
      m_pairing(ending, now, [this](const Shift &s) { shift(s); })
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
    // The heading word is one of the English kDataFor, kLogForIn and kLogForOut.
    const QString word = QCoreApplication::translate("pw::timecard", m_heading.word.toUtf8().constData());
    m_sink({{0, word}, {0, m_heading.company}});
    m_sink({});
    m_sink({});
    m_sink({{0, QCoreApplication::translate("pw::timecard", "Employee Name:  ")}, {0, m_heading.employee}});
    m_sink({});
    m_sink({{kClockInColumn, QCoreApplication::translate("pw::timecard", "Clock In"), true},
            {kClockOutColumn, QCoreApplication::translate("pw::timecard", "Clock Out"), true},
            {kActivityColumn, QCoreApplication::translate("pw::timecard", "Activity"), true},
            {kSubTotalColumn, QCoreApplication::translate("pw::timecard", "Sub Total (Hours)"), true}});
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
    m_pairing.add(entry);
}

void CardBuilder::shift(const Shift &s)
{
    const std::optional<qint64> minutes = s.minutes();
    QString subTotal;
    if (minutes) {
        subTotal = totals::cardHoursText(float(*minutes) / 60.0f, m_locale);
        m_total = totals::addMinutes(m_total, *minutes);
    } else {
        // A shift without a readable date-time has no hours to show and adds none.
        subTotal = totals::fourCharacters(QStringLiteral("?"));
    }
    ++m_shifts;
    const QString outText = s.endsNow ? general(m_now) : dateText({s.endStored, {}}, s.end);
    m_sink({{kClockInColumn, dateText(s.in, s.start)},
            {kClockOutColumn, outText},
            {kActivityColumn, s.in.activity.isNull() ? QString() : s.in.activity.toString()},
            {kSubTotalColumn, subTotal}});
}

void CardBuilder::finish()
{
    m_pairing.finish();
    m_sink({});
    m_sink({});
    m_sink({{0, m_heading.employee},
            {0, QCoreApplication::translate("pw::timecard", " has a total of ")},
            {0, totals::cardHoursText(totals::hoursOf(m_total), m_locale)},
            {0, QCoreApplication::translate("pw::timecard", " hours ")}});
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
    // The log is read once, in stored order, and each line goes to the printer as it is made.
    CardBuilder card(request.heading, request.ending, request.now, [&](const Line &l) { printLine(printer, l); });
    card.begin();
    if (DbError e = LogTable(db, request.table).scanDatesAndTasks(
            [&](const QVariant &datetime, const QVariant &activity) { card.add({datetime, activity}); }))
        return e;
    card.finish();
    printer.endPage();
    return {};
}

DbResult<std::optional<CardRequest>> ownCard(Database &db, const QString &table, const QString &company,
                                             const QString &employee, const LocalDateTime &now)
{
    const auto last = LogTable(db, table).last();
    if (!last)
        return last.error();
    if (!last->has_value())
        return std::optional<CardRequest>();
    // An open shift is closed at this moment, for the card only: the log is not written.
    const bool clockedIn = !(*last)->inoutfx.isNull() && (*last)->status() == kClockedIn;
    CardRequest card;
    card.heading = {clockedIn ? kLogForIn : kLogForOut, company, employee};
    card.table = table;
    card.now = now;
    return std::optional<CardRequest>(card);
}

QString jobName(const QString &employee)
{
    return QCoreApplication::translate("pw::timecard", "Punchwell time card: %1").arg(employee);
}

namespace {

Sent send(Database &db, const CardRequest &request, LinePrinter &printer)
{
    if (DbError e = writeCard(db, request, printer)) {
        printer.abort();
        return {Sent::Unreadable, {}, e};
    }
    if (!printer.endDocument())
        return {Sent::NotPrinted, printer.errorString(), {}};
    return {Sent::Printed, {}, {}};
}

} // namespace

Sent printOnDefault(Database &db, PrinterFactory &printers, const CardRequest &request)
{
    QString why;
    std::unique_ptr<LinePrinter> printer = printers.defaultPrinter(jobName(request.heading.employee), &why);
    if (!printer)
        return {Sent::NotPrinted, why, {}};
    return send(db, request, *printer);
}

CardFile::CardFile(PrinterFactory &printers, const QString &path)
    : m_printer(printers.pdfFile(path, QCoreApplication::translate("pw::timecard", "Punchwell time cards")))
{
}

CardFile::~CardFile()
{
    if (!m_closed)
        m_printer->abort();
}

DbError CardFile::add(Database &db, const CardRequest &request)
{
    // A card that cannot be read whole leaves no part of itself in the file: its lines are kept
    // until the log has been read through.
    QList<Line> lines;
    CardBuilder card(request.heading, request.ending, request.now, [&](const Line &l) { lines << l; });
    card.begin();
    if (DbError e = LogTable(db, request.table).scanDatesAndTasks(
            [&](const QVariant &datetime, const QVariant &activity) { card.add({datetime, activity}); }))
        return e;
    card.finish();
    for (const Line &l : lines)
        printLine(*m_printer, l);
    m_printer->endPage();
    ++m_cards;
    return {};
}

Sent CardFile::close()
{
    m_closed = true;
    if (!m_printer->endDocument())
        return {Sent::NotPrinted, m_printer->errorString(), {}};
    return {Sent::Printed, {}, {}};
}

Sent saveAsPdf(Database &db, PrinterFactory &printers, const CardRequest &request, const QString &path)
{
    std::unique_ptr<LinePrinter> pdf = printers.pdfFile(path, jobName(request.heading.employee));
    return send(db, request, *pdf);
}

} // namespace pw::timecard
