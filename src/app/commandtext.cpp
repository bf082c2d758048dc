#include "app/commandtext.h"

#include "access/accessconversion.h"
#include "app/options.h"
#include "db/companycopy.h"
#include "domain/employeename.h"
#include "domain/recordcheck.h"
#include "domain/history.h"
#include "messages/errortext.h"

#include <QDir>
#include <QLocale>

namespace pw {

namespace {

// A failure's words as one line of the terminal: line breaks and runs of blanks each one blank,
// and any other control character (a NUL in a database's name) shown as its picture, "␀", so
// nothing cuts the line short or moves the terminal's cursor.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text = text.simplified();
    for (QChar &c : text)
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f)
            c = QChar(0x2421);
    return text;
}

// The start of a line that says an export wrote nothing, and why.
QString notExported(CommandText::Export what, const QString &why)
{
    return what == CommandText::Export::Hours ? CommandText::tr("the hours were not exported: %1").arg(why)
                                              : CommandText::tr("the journal was not exported: %1").arg(why);
}

} // namespace

QString CommandText::help()
{
    return tr("Usage: punchwell [--database LOCATION]\n"
              "       punchwell --copy-company FROM TO\n"
              "       punchwell [--database LOCATION] --export-hours FILE [--through DATETIME]\n"
              "       punchwell [--database LOCATION] --verify-records [--seal HEX]\n"
              "       punchwell [--database LOCATION] --export-history FILE\n"
              "       punchwell --help\n"
              "\n"
              "Punchwell, the time clock of a small company.\n"
              "\n"
              "  --database LOCATION      use the company at LOCATION: a database on a PostgreSQL\n"
              "                           server, postgresql://USER@HOST:PORT/DBNAME?sslmode=require,\n"
              "                           or the path of an SQLite file\n"
              "  --copy-company FROM TO   copy every table and row of the company at FROM into TO\n"
              "                           (each a postgresql:// address or a file's path), check the\n"
              "                           copy and end, without windows; TO must hold no company yet\n"
              "  --export-hours FILE      save every employee's shifts through the ending date as a\n"
              "                           CSV file for payroll and end, without windows; the company\n"
              "                           is only read\n"
              "  --through DATETIME       the ending date of --export-hours (default: now), as ISO\n"
              "                           8601 (2026-12-07T17:00) or as you would type it here\n"
              "  --verify-records         check that the company's records are exactly what its\n"
              "                           journal of changes says, print the seal and end; the\n"
              "                           company is only read\n"
              "  --seal HEX               with --verify-records: check too that a seal noted\n"
              "                           earlier (16 hex digits) is one of the journal's own\n"
              "  --export-history FILE    save the journal of every change to the company's records\n"
              "                           as a CSV file, print the records' seal and end, without\n"
              "                           windows; the company is only read\n"
              "  -h, --help               show this text and end\n"
              "\n"
              "Without --database, the company is the one named by url in the group [database] of\n"
              "the file Punchwell.conf in the folder Punchwell starts in:\n"
              "\n"
              "  [database]\n"
              "  url = postgresql://clock@office-pc/acme\n"
              "\n"
              "and without that file, Employee.mdb in that folder. A password never goes on the\n"
              "command line or into Punchwell.conf: PostgreSQL's own places hold it (~/.pgpass,\n"
              "PGPASSFILE, PGPASSWORD or a service file).\n");
}

QString CommandText::optionsFault(const OptionsFault &fault)
{
    const QString file = QDir::toNativeSeparators(fault.file);
    switch (fault.kind) {
    case OptionsFault::None:
        return {};
    case OptionsFault::DatabaseTwice:
        return tr("--database is given twice");
    case OptionsFault::DatabaseWithoutLocation:
        return tr("--database needs a location: a postgresql:// address or a file's path");
    case OptionsFault::CopyTwice:
        return tr("--copy-company is given twice");
    case OptionsFault::CopyWithoutLocations:
        return tr("--copy-company needs two locations: FROM and TO");
    case OptionsFault::CopyWithDatabase:
        return tr("--copy-company names both companies itself; leave out --database");
    case OptionsFault::ExportTwice:
        return tr("--export-hours is given twice");
    case OptionsFault::ExportWithoutFile:
        return tr("--export-hours needs the path of the file to write");
    case OptionsFault::ExportWithCopy:
        return tr("--export-hours and --copy-company cannot be given together");
    case OptionsFault::ThroughTwice:
        return tr("--through is given twice");
    case OptionsFault::ThroughWithoutDate:
        return tr("--through needs an ending date");
    case OptionsFault::ThroughWithoutExport:
        return tr("--through is the ending date of --export-hours, which is not given");
    case OptionsFault::ThroughNotADateTime:
        return tr("--through: \"%1\" is not a date and time").arg(fault.argument);
    case OptionsFault::VerifyWithOther:
        return tr("--verify-records is given alone, without --copy-company, --export-hours or --export-history");
    case OptionsFault::SealWithoutVerify:
        return tr("--seal is a seal for --verify-records to look for, which is not given");
    case OptionsFault::SealNotHex:
        return tr("--seal needs the 16 hex digits of a seal noted earlier, not \"%1\"").arg(fault.argument);
    case OptionsFault::HistoryTwice:
        return tr("--export-history is given twice");
    case OptionsFault::HistoryWithoutFile:
        return tr("--export-history needs the path of the file to write");
    case OptionsFault::HistoryWithOther:
        return tr("--export-history and %1 cannot be given together").arg(fault.argument);
    case OptionsFault::UnknownOption:
        return tr("unknown option %1").arg(fault.argument);
    case OptionsFault::UnexpectedArgument:
        return tr("unexpected argument \"%1\"").arg(fault.argument);
    case OptionsFault::ConfigUnreadable:
        return tr("the file %1 cannot be read: %2").arg(file, fault.text);
    case OptionsFault::ConfigNotUtf8:
        return tr("the file %1 is not UTF-8 text").arg(file);
    case OptionsFault::ConfigNotAGroup:
        return tr("line %1 of %2 is not a group: %3").arg(QString::number(fault.line), file, fault.text);
    case OptionsFault::ConfigNotKeyValue:
        return tr("line %1 of %2 is not \"key = value\": %3").arg(QString::number(fault.line), file, fault.text);
    case OptionsFault::ConfigUrlTwice:
        return tr("%1 gives url in [database] more than once").arg(file);
    case OptionsFault::ConfigUrlEmpty:
        return tr("%1 gives an empty url in [database]").arg(file);
    case OptionsFault::ConfigHoldsSecret:
        return tr("line %1 of %2 holds the secret %3. Put a password in the file .pgpass, and other secrets in a "
                  "service file (pg_service.conf), where only you can read them")
            .arg(QString::number(fault.line), file, fault.text);
    case OptionsFault::ConfigIdleLogoffNotSeconds:
        return tr("line %1 of %2: idle_logoff must be a whole number of seconds from 1 to %3, not \"%4\"")
            .arg(QString::number(fault.line), file, QString::number(kMaxIdleLogoff), fault.text);
    case OptionsFault::ConfigIdleLogoffTwice:
        return tr("%1 gives idle_logoff in [workstation] more than once").arg(file);
    }
    return {};
}

QString CommandText::usageError(const OptionsFault &fault)
{
    return tr("punchwell: %1\nTry 'punchwell --help'.\n").arg(optionsFault(fault));
}

QString CommandText::failureLine(const QString &why)
{
    return tr("punchwell: %1").arg(why);
}

QString CommandText::copied(const Location &from, const Location &to, const CopyReport &report)
{
    // The delivered company holds one row: "1 rows" would read as a slip.
    const QString fromText = ErrorText::location(from), toText = ErrorText::location(to), count = QString::number(report.tables);
    const QString line = report.rows == 1
        ? tr("Copied the company from %1 to %2: %3 tables, 1 row, read back and found equal.").arg(fromText, toText, count)
        : tr("Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.")
              .arg(fromText, toText, count, QString::number(report.rows));
    if (report.inEngineOrder.isEmpty())
        return line;
    QStringList tables;
    for (const QString &t : report.inEngineOrder)
        tables << ErrorText::quotedName(t);
    return tr("%1 Tables made by hand without a stored order were copied in the order the source's database gave "
              "their rows: %2.")
        .arg(line, tables.join(tr(", ")));
}

QString CommandText::copiedRecords(const DbResult<RecordCheck> &check)
{
    if (!check)
        return oneLine(tr("Its records could not be verified: %1.").arg(ErrorText::numbered(check.error())));
    if (check->verified())
        return tr("Its records verify, seal %1.").arg(check->seal);
    if (check->outcome == RecordCheck::Outcome::NoJournal)
        return tr("It has no journal of changes yet.");
    return tr("Its records do not verify: %1.").arg(whyNotVerified(*check));
}

QString CommandText::broughtOver(const QString &accessFile, const Location &to)
{
    return tr("Brought the company over from %1 to %2, read both back and found them equal.")
        .arg(accessFile, ErrorText::location(to));
}

QString CommandText::copyFailed(const DbError &e)
{
    return oneLine(ErrorText::copyFailure(e));
}

QString CommandText::whyUnreadable(const Location &from, const DbError &e)
{
    // An address refused before any connection names no place: what it would name is unknown.
    const bool addressRefused = e.reason == DbReason::AddressUnusable || e.reason == DbReason::AddressRefused;
    return addressRefused ? ErrorText::numbered(e)
                          : tr("%1 cannot be read: %2").arg(ErrorText::location(from), ErrorText::numbered(e));
}

QString CommandText::sourceUnreadable(const Location &from, const DbError &e)
{
    const QString why = whyUnreadable(from, e);
    return oneLine(ErrorText::notCopied(why));
}

QString CommandText::sealNote(const history::Seal &seal)
{
    switch (seal.status) {
    case history::Seal::Sealed:
        return tr("seal %1").arg(seal.digits);
    case history::Seal::NoJournal:
        return tr("the records have no journal yet");
    case history::Seal::Broken:
        break;
    }
    if (seal.brokenAt > 0)
        return tr("the records' journal is broken: they do not verify from row %1 on").arg(seal.brokenAt);
    return tr("the records' journal is broken: they do not verify");
}

QString CommandText::hoursExported(const QString &file, int employees, qint64 shifts, const history::Seal &seal)
{
    const QString shiftCount = shifts == 1 ? tr("1 shift") : tr("%1 shifts").arg(shifts);
    const QString employeeCount = employees == 1 ? tr("1 employee") : tr("%1 employees").arg(employees);
    return tr("Exported %1 of %2 to %3 (%4).")
        .arg(shiftCount, employeeCount, QDir::toNativeSeparators(file), sealNote(seal));
}

QString CommandText::historyExported(const QString &file, const history::Seal &seal)
{
    const QString rows = seal.rows == 1 ? tr("1 row") : tr("%1 rows").arg(seal.rows);
    return tr("Exported the journal's %1 to %2 (%3).").arg(rows, QDir::toNativeSeparators(file), sealNote(seal));
}

QString CommandText::exportUnreadable(Export what, const Location &from, const DbError &e)
{
    const QString why = whyUnreadable(from, e);
    return oneLine(notExported(what, why));
}

QString CommandText::exportNotSaved(Export what, const QString &file, const QString &why)
{
    return oneLine(notExported(what, tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(file), why)));
}

QString CommandText::historyNotSealed(const history::Seal &seal)
{
    return notExported(Export::History, sealNote(seal));
}

QString CommandText::recordsVerified(const RecordCheck &check)
{
    const QString rows = check.rows == 1 ? tr("1 row") : tr("%1 rows").arg(check.rows);
    return tr("The records verify: %1 in the journal, seal %2").arg(rows, check.seal);
}

QString CommandText::whyNotVerified(const RecordCheck &check)
{
    const RecordDifference &d = check.difference;
    const auto shown = [](const std::optional<QString> &text) { return text ? *text : tr("nothing"); };
    QString why;
    switch (check.outcome) {
    case RecordCheck::Outcome::Verified:
    case RecordCheck::Outcome::NoJournal:
        return {};
    case RecordCheck::Outcome::ChainBroken:
        why = tr("row %1 of the journal breaks its chain: it was changed, removed or put in").arg(check.row);
        break;
    case RecordCheck::Outcome::Contradicted:
        why = tr("row %1 of the journal does not fit the records the rows before it made").arg(check.row);
        break;
    case RecordCheck::Outcome::SealNotFound:
        why = tr("the seal noted is not one of this journal's own: the records were rewritten since it was noted");
        break;
    case RecordCheck::Outcome::Differs:
        switch (d.where) {
        case RecordDifference::Where::Settings:
            why = tr("\"Company Data\", row %1: stored %2, the journal says %3").arg(QString::number(d.item), shown(d.stored), shown(d.journal));
            break;
        case RecordDifference::Where::EmployeeList:
            why = tr("the employee list, row %1: stored %2, the journal says %3").arg(QString::number(d.item), shown(d.stored), shown(d.journal));
            break;
        case RecordDifference::Where::Log:
            if (d.item > 0)
                why = tr("the log of %1, entry %2: stored %3, the journal says %4")
                          .arg(ErrorText::quotedName(d.log), QString::number(d.item), shown(d.stored), shown(d.journal));
            else if (d.stored)
                why = tr("the table %1 is a log the journal never made").arg(ErrorText::quotedName(d.log));
            else
                why = tr("the log of %1 is missing").arg(ErrorText::quotedName(d.log));
            break;
        }
        break;
    }
    return oneLine(why);
}

QString CommandText::recordsNotVerified(const RecordCheck &check)
{
    if (check.outcome == RecordCheck::Outcome::NoJournal)
        return tr("the records cannot be verified: the company has no journal of changes yet (it gets one when "
                  "Punchwell first opens it to work)");
    return tr("the records do not verify: %1").arg(whyNotVerified(check));
}

QString CommandText::verifyUnreadable(const Location &from, const DbError &e)
{
    const QString why = whyUnreadable(from, e);
    return oneLine(tr("the records were not verified: %1").arg(why));
}

QString CommandText::accessNotCopied(const DbError &e)
{
    return oneLine(ErrorText::notCopied(ErrorText::accessFailure(e, ErrorText::Start::InLine)));
}

QStringList CommandText::unusualNames(const AccessReport &report)
{
    QStringList names;
    for (const UnusualName &u : report.unusualNames) {
        QStringList why;
        if (u.faults.empty)
            why << tr("an empty name");
        if (u.faults.tooLong)
            why << tr("longer than %1 characters").arg(kMaxEmployeeName);
        if (u.faults.badCharacter)
            why << tr("a character a table name cannot hold");
        if (u.times > 1)
            why << tr("listed %1 times").arg(u.times);
        if (u.companyTable)
            why << tr("the name of one of the company's own tables");
        if (!u.sameAs.isEmpty())
            why << tr("the same as %1 but for capital and small letters, so the two share one time log")
                       .arg(ErrorText::quotedName(u.sameAs));
        names << tr("%1 (%2)").arg(ErrorText::quotedName(u.name), why.join(tr("; ")));
    }
    return names;
}

QStringList CommandText::leftOutFields(const AccessReport &report)
{
    QStringList fields;
    for (const AccessReport::Field &f : report.leftOutFields)
        fields << tr("%1.%2").arg(ErrorText::quotedName(f.table), ErrorText::quotedName(f.name));
    return fields;
}

QString CommandText::accessReport(const AccessReport &report)
{
    QStringList lines;
    lines << tr("%1 employees and %2 time log entries were brought over in %3 seconds.")
                 .arg(QString::number(report.employees.size()), QString::number(report.entries),
                      QLocale().toString(double(report.milliseconds) / 1000.0, 'f', 1));
    QStringList employees;
    for (const AccessReport::Log &e : report.employees)
        employees << (e.entries < 0 ? tr("%1: no time log").arg(e.name)
                                    : tr("%1: %2").arg(e.name, QString::number(e.entries)));
    // A short list one to a line; a long one as a paragraph, so the box still fits the screen.
    constexpr int kOneToALine = 15;
    if (!employees.isEmpty())
        lines << tr("Entries per employee:")
                     + (employees.size() <= kOneToALine ? QStringLiteral("\n    ") + employees.join(QStringLiteral("\n    "))
                                                        : QLatin1Char(' ') + employees.join(tr(", ")));
    if (!report.otherLogs.isEmpty()) {
        QStringList logs;
        for (const AccessReport::Log &e : report.otherLogs)
            logs << tr("%1 (%2 entries)").arg(ErrorText::quotedName(e.name), QString::number(e.entries));
        lines << tr("Time logs of no listed employee, kept under their own names: %1.").arg(logs.join(tr(", ")));
    }
    if (!report.unusualNames.isEmpty())
        lines << tr("Names the add dialog would not accept, brought over as they are so these employees can still log "
                    "on: %1.")
                     .arg(unusualNames(report).join(tr(", ")));
    if (!report.leftOutTables.isEmpty()) {
        QStringList tables;
        for (const QString &t : report.leftOutTables)
            tables << ErrorText::quotedName(t);
        lines << tr("Left out, as they are neither the company's tables nor time logs: %1.").arg(tables.join(tr(", ")));
    }
    if (!report.leftOutFields.isEmpty())
        lines << tr("Fields left out: %1.").arg(leftOutFields(report).join(tr(", ")));
    if (!report.hasSettings)
        lines << tr("The old file held no company settings: Punchwell will ask for the company name.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace pw
