#include "messages/errortext.h"

#include "platform/formats.h"

#include <QDir>
#include <QFileInfo>

namespace pw {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

QString ErrorText::location(const Location &where)
{
    if (!where.server)
        return where.file;
    QString server;
    if (where.host.isEmpty())
        server = where.service.isEmpty() ? tr("the PostgreSQL server of this computer")
                                         : tr("the server of the service \"%1\"").arg(where.service);
    else if (where.host.startsWith(QLatin1Char('/')) || where.port.isEmpty())
        server = tr("the server at %1").arg(where.host);
    else if (where.host.contains(QLatin1Char(':')))
        server = tr("the server at [%1]:%2").arg(where.host, where.port); // an IPv6 address
    else
        server = tr("the server at %1:%2").arg(where.host, where.port);
    if (where.database.isEmpty())
        return tr("the default database on %1").arg(server);
    return tr("the database \"%1\" on %2").arg(where.database, server);
}

QString ErrorText::shownLocation(const Location &where)
{
    return where.server ? location(where) : native(where.file);
}

QString ErrorText::quotedName(const QString &name)
{
    return tr("\u201c%1\u201d").arg(name);
}

// Why a copy was refused, without "the company was not copied".
QString ErrorText::refusalOf(const DbError &e)
{
    const auto *why = std::get_if<CopyRefusal>(&e.detail);
    if (!why)
        return {};
    switch (*why) {
    case CopyRefusal::SameSourceAndTarget:
        return tr("the source and the target are the same");
    case CopyRefusal::CompanyThere:
        return tr("%1 holds a company already (the table \"%2\")").arg(location(e.location), e.table);
    case CopyRefusal::NoFields:
        return tr("the table \"%1\" has no fields").arg(e.table);
    case CopyRefusal::NameNotHeld:
        return tr("the target cannot hold a table named \"%1\"").arg(e.table);
    case CopyRefusal::SecondName:
        return tr("a second table is named \"%1\" there (capital and small letters count as the same)").arg(e.table);
    case CopyRefusal::ReservedField:
        return tr("the table \"%1\" has a field \"%2\", a name the target keeps for itself").arg(e.table, e.field);
    case CopyRefusal::TablesDiffer:
        return tr("the target's tables differ from the source's after the copy");
    case CopyRefusal::FieldsDiffer:
        return tr("the fields of the table \"%1\" differ after the copy").arg(e.table);
    case CopyRefusal::RowCountDiffers:
        return tr("the table \"%1\" has %2 rows in the source and %3 in the target after the copy")
            .arg(e.table, QString::number(e.amount), QString::number(e.otherAmount));
    case CopyRefusal::RowDiffers:
        return tr("row %1 of the table \"%2\" differs between the source and the target after the copy")
            .arg(QString::number(e.row), e.table);
    case CopyRefusal::TargetMadeMeanwhile:
        return tr("another program made the file %1 while the copy was being written; that file was left as it is")
            .arg(native(e.location.file));
    case CopyRefusal::TextNotUtf8:
        return tr("row %1 of the table \"%2\" holds in the field \"%3\" bytes that are not UTF-8 text, which cannot be "
                  "copied exactly")
            .arg(QString::number(e.row), e.table, e.field);
    case CopyRefusal::TextHoldsNul:
        return tr("row %1 of the table \"%2\" holds in the field \"%3\" a text with a NUL character, which a database "
                  "server cannot keep")
            .arg(QString::number(e.row), e.table, e.field);
    case CopyRefusal::NameNotMovable:
        return tr("the table \"%1\" has a name that not every kind of company database can hold (a file keeps names "
                  "beginning with \"sqlite_\" for itself, a server holds at most 63 bytes of a name), so the company "
                  "could never move to the other kind")
            .arg(e.table);
    }
    return {};
}

// Why a server's address cannot be used.
QString ErrorText::addressFaultOf(const DbError &e)
{
    const auto *why = std::get_if<AddressFault>(&e.detail);
    if (!why)
        return {};
    switch (*why) {
    case AddressFault::NotPostgres:
        return tr("it is not a postgresql:// address (%1)").arg(e.engineText);
    case AddressFault::HoldsPassword:
        return tr("it holds a password. Put the password in the file .pgpass (or a service file) instead, where only "
                  "you can read it");
    case AddressFault::UnknownParameter:
        return tr("\"%1\" is not a connection parameter").arg(e.field);
    case AddressFault::Semicolon:
        return tr("the value of %1 holds a ';'").arg(e.field);
    case AddressFault::Malformed:
        return tr("it is not a well-formed server address. It reads postgresql://USER@HOST:PORT/DATABASE, and "
                  "parameters may follow after '?'");
    case AddressFault::HoldsSecret:
        return tr("it holds the secret parameter %1. Put it in a service file (pg_service.conf) instead, where only "
                  "you can read it, and name the service with service=")
            .arg(e.field);
    }
    return {};
}

// What is damaged in an Access-format file.
QString ErrorText::damageOf(const DbError &e)
{
    const QString table = quotedName(e.table);
    const QString row = QString::number(e.row);
    const auto *what = std::get_if<JetDamage>(&e.detail);
    if (!what)
        return {};
    switch (*what) {
    case JetDamage::NotWholePages:
        return tr("it is cut short (%1 bytes, not a whole number of %2-byte pages)")
            .arg(QString::number(e.amount), QString::number(e.otherAmount));
    case JetDamage::TooShortForCatalog:
        return tr("it is cut short (%1 bytes, too short to hold its list of tables)").arg(e.amount);
    case JetDamage::CatalogUnreadable:
        return tr("its list of tables cannot be read");
    case JetDamage::DefinitionUnreadable:
        return tr("the definition of the table %1 cannot be read").arg(table);
    case JetDamage::RowNotFound:
        return tr("row %1 of the table %2 cannot be found").arg(row, table);
    case JetDamage::RowNotTakenApart:
        return tr("row %1 of the table %2 cannot be taken apart").arg(row, table);
    case JetDamage::ValueDamaged:
        return tr("row %1 of the table %2 has a damaged value in the column %3")
            .arg(row, table, quotedName(e.field));
    case JetDamage::LongValueDamaged:
        return tr("row %1 of the table %2 has a damaged long value in the column %3")
            .arg(row, table, quotedName(e.field));
    case JetDamage::RowsLost:
        return tr("the table %1 holds %2 rows, but only %3 can be read")
            .arg(table, QString::number(e.amount), QString::number(e.otherAmount));
    }
    return {};
}

// The reason alone with the number: a refused copy without "the company was not copied".
QString ErrorText::reasonNumbered(const DbError &e)
{
    return e.reason == DbReason::CopyRefused
        ? tr("%1 (error %2)").arg(refusalOf(e), QString::number(e.number))
        : numbered(e);
}

// Why an Access-format file was not brought over, as a sentence or as the rest of a line; nothing
// for a reason that is not about it.
QString ErrorText::accessWords(const DbError &e, Start start)
{
    // Each in two spellings: a sentence of its own, and the rest of a line that began before it.
    const auto spelt = [start](const QString &sentence, const QString &inLine) {
        return start == Start::Sentence ? sentence : inLine;
    };
    const QString file = quotedName(fileNameOf(e.file));
    const QString table = quotedName(e.table);
    const QString field = quotedName(e.field);
    const QString row = QString::number(e.row);
    const QString company = quotedName(native(e.location.file));
    switch (e.reason) {
    case DbReason::AccessCannotOpen:
        if (e.engineText.isEmpty())
            return spelt(tr("The file %1 cannot be opened."), tr("the file %1 cannot be opened.")).arg(file);
        return spelt(tr("The file %1 cannot be opened: %2."), tr("the file %1 cannot be opened: %2."))
            .arg(file, e.engineText);
    case DbReason::AccessNotAccess:
        return spelt(tr("The file %1 is not a Microsoft Access database."),
                     tr("the file %1 is not a Microsoft Access database."))
            .arg(file);
    case DbReason::AccessUnknownVersion:
        return spelt(tr("The file %1 is a Microsoft Access database of a version this program does not know (version "
                        "number %2)."),
                     tr("the file %1 is a Microsoft Access database of a version this program does not know (version "
                        "number %2)."))
            .arg(file, QString::number(e.amount));
    case DbReason::AccessPassword:
        return spelt(tr("The file %1 is protected by a database password. Remove the password in Microsoft Access, then "
                        "bring the file over again."),
                     tr("the file %1 is protected by a database password. Remove the password in Microsoft Access, then "
                        "bring the file over again."))
            .arg(file);
    case DbReason::AccessDamaged:
        return spelt(tr("The file %1 is damaged: %2."), tr("the file %1 is damaged: %2.")).arg(file, damageOf(e));
    case DbReason::AccessNoSuchTable:
        return spelt(tr("The file %1 has no table %2."), tr("the file %1 has no table %2.")).arg(file, table);
    case DbReason::AccessDateOutOfRange:
        return spelt(tr("Row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4)."),
                     tr("row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4)."))
            .arg(row, table, field, e.engineText);
    case DbReason::AccessUnreadableType:
        return spelt(tr("The column %1 of the table %2 has a type (%3) this program cannot read."),
                     tr("the column %1 of the table %2 has a type (%3) this program cannot read."))
            .arg(field, table, QString::number(e.amount));
    case DbReason::AccessNoEmployeeList:
        return spelt(tr("The file %1 is an Access database, but not a company file: it has no table “datalist”, "
                        "the list of employees."),
                     tr("the file %1 is an Access database, but not a company file: it has no table “datalist”, "
                        "the list of employees."))
            .arg(file);
    case DbReason::AccessNoNameField:
        return spelt(tr("The file %1 is an Access database, but not a company file: its list of employees \u201c%2\u201d "
                        "has no field “Ename”."),
                     tr("the file %1 is an Access database, but not a company file: its list of employees \u201c%2\u201d "
                        "has no field “Ename”."))
            .arg(file, e.table);
    case DbReason::AccessBinaryValue:
        return spelt(tr("Row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data)."),
                     tr("row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data)."))
            .arg(row, table, field);
    case DbReason::AccessCancelled:
        return spelt(tr("It was cancelled."), tr("it was cancelled."));
    case DbReason::AccessBusy:
        return spelt(tr("Another program is making a new company file %1 right now (it holds the lock file %2); try "
                        "again when it is done."),
                     tr("another program is making a new company file %1 right now (it holds the lock file %2); try "
                        "again when it is done."))
            .arg(company, quotedName(native(e.file)));
    case DbReason::AccessFolderNotWritable:
        if (e.engineText.isEmpty())
            return spelt(tr("Nothing can be written in the folder %1."), tr("nothing can be written in the folder %1."))
                .arg(quotedName(native(e.file)));
        return spelt(tr("Nothing can be written in the folder %1 (%2)."), tr("nothing can be written in the folder %1 (%2)."))
            .arg(quotedName(native(e.file)), e.engineText);
    case DbReason::AccessTargetExists:
        return tr("%1 exists already.").arg(company);
    case DbReason::AccessNotNamed:
        return spelt(tr("The new file could not be named %1: %2."), tr("the new file could not be named %1: %2."))
            .arg(company, e.engineText);
    case DbReason::AccessNotKept:
        return spelt(tr("The old file could not be kept as %1: %2."), tr("the old file could not be kept as %1: %2."))
            .arg(quotedName(fileNameOf(e.file)), e.engineText);
    case DbReason::AccessNotMade:
        return spelt(tr("The new company could not be made in %1: %2."),
                     tr("the new company could not be made in %1: %2."))
            .arg(shownLocation(e.location), e.cause ? reasonNumbered(*e.cause) : QString());
    default:
        return {};
    }
}

// The server went away before the action's commit (or before it began), so the server dropped
// whatever of it had been sent.
bool ErrorText::serverLostBeforeCommit(const DbError &e)
{
    return e.reason != DbReason::CommitUncertain && (e.number == ErrConnectionLost || e.number == ErrServerUnreachable);
}

QString ErrorText::describe(const DbError &e)
{
    const QString where = location(e.location);
    const QString said = e.engineText;
    switch (e.reason) {
    case DbReason::None:
        return {};

    case DbReason::FileMissing:
        return tr("the file does not exist");
    case DbReason::FileIsFolder:
        return tr("it is a folder, not a database file");
    case DbReason::FileUnreadable:
        return tr("the file cannot be read (%1)").arg(said);
    case DbReason::FileEmpty:
        return tr("the file is empty");
    case DbReason::FileIsAccess:
        return tr("it is a Microsoft Access (Jet) database. Punchwell keeps its data in an SQLite database and opens "
                  "an Access file only to bring the company over (at the start in its folder, or with --copy-company)");
    case DbReason::NotADatabase:
        return tr("the file is not a database that Punchwell can read");
    case DbReason::FileCutShort:
        return tr("the file is damaged (it is cut short)");
    case DbReason::FileExists:
        return tr("a file of that name exists already");
    case DbReason::FileNotPutInPlace:
        return tr("the new file could not be put in place");
    case DbReason::FileMoved:
        return tr("the database file %1 was moved, renamed or deleted while Punchwell was running, so nothing can be "
                  "stored in it. Put the file back, or start Punchwell again")
            .arg(native(e.location.file));
    case DbReason::FolderNotWritable:
        return tr("nothing can be written in the folder %1 (%2)").arg(quotedName(native(e.file)), said);
    case DbReason::DamageFound:
        return tr("the database file is damaged (%1)").arg(said);

    case DbReason::FileInUse:
        return tr("the database is in use by another program or another copy of Punchwell. Please wait a moment and "
                  "try again");
    case DbReason::FileReadOnly:
        return tr("the database file is read-only, so nothing can be stored in it");
    case DbReason::FileFull:
        return tr("there is no room left to store the change (the disk or the database file is full)");
    case DbReason::FileDamaged:
        return tr("the database file is damaged");
    case DbReason::FileCannotOpen:
        return tr("the database file cannot be opened");
    case DbReason::DiskIo:
        return tr("the disk could not be read or written");
    case DbReason::TableMissing:
        return tr("a table cannot be found (%1)").arg(said);
    case DbReason::EngineError:
        return said.isEmpty() ? tr("the database reported an error") : said;

    case DbReason::NotOpen:
        return tr("the database is not open");
    case DbReason::DriverMissing:
        return tr("the %1 database driver of Qt is not installed").arg(e.value);
    case DbReason::CannotOpen:
        return tr("the database cannot be opened");
    case DbReason::NotACompany:
        return tr("it is not a Punchwell company database (the table \"%1\" is missing)").arg(e.table);
    case DbReason::WriteNotBegun:
        return tr("the change was not begun");
    case DbReason::CommitUncertain:
        return tr("%1. The change was being stored when the connection ended: it may or may not have been stored. "
                  "Look at the data again before you repeat it")
            .arg(e.cause ? describe(*e.cause) : QString());

    case DbReason::AddressUnusable:
        return tr("the server's address cannot be used: %1").arg(addressFaultOf(e));
    case DbReason::AddressRefused:
        return tr("the server's address cannot be used (%1)").arg(said);
    case DbReason::ServerCannotOpen:
        return tr("%1 cannot be opened").arg(where);
    case DbReason::NoCompanyThere:
        return tr("%1 holds no Punchwell company").arg(where);
    case DbReason::CompanyThere:
        return tr("%1 holds a company already").arg(where);
    case DbReason::ServerTooOld:
        return tr("%1 runs PostgreSQL %2, and Punchwell needs version 10 or later")
            .arg(where, QString::number(e.amount));
    case DbReason::ConnectionNotOpen:
        return tr("the connection to %1 is not open").arg(where);
    case DbReason::NoSuchDatabase:
        return tr("there is no such database: %1 does not exist").arg(where);
    case DbReason::LoginRefused:
        return tr("the server refused the user name or the password for %1 (%2)").arg(where, said);
    case DbReason::ConnectTimeout:
        return tr("%1 did not answer within %2 seconds").arg(where, QString::number(e.seconds));
    case DbReason::ServerUnreachable:
        return tr("%1 cannot be reached: the server is not running, or the address is wrong, or the network is down "
                  "(%2)")
            .arg(where, said);
    case DbReason::ConnectionLost:
        return tr("the connection to %1 was lost in the middle of the action").arg(where);
    case DbReason::ConnectionEnded:
        return tr("the connection to %1 was lost: the server stopped or ended it (%2)").arg(where, said);
    case DbReason::LockTimeout:
        return tr("the database is in use: another workstation is changing the same data on %1 and did not finish "
                  "within %2 seconds. Nothing was stored. Please wait a moment and try again")
            .arg(where, QString::number(e.seconds));
    case DbReason::NoAnswer:
        return tr("%1 did not answer within %2 seconds, so the program stopped waiting and gave the connection up")
            .arg(where, QString::number(e.seconds));
    case DbReason::StatementTimeout:
        return tr("%1 did not finish the action within %2 seconds, so it was stopped")
            .arg(where, QString::number(e.seconds));
    case DbReason::TableNotOnServer:
        return tr("a table cannot be found (there is no table \"%1\" in %2)").arg(e.table, where);
    case DbReason::NotPermitted:
        return tr("the server does not let this user change the company's data in %1 (%2)").arg(where, said);
    case DbReason::ServerReadOnly:
        return tr("%1 can only be read at present (%2)").arg(where, said);
    case DbReason::ServerFull:
        return tr("the server has no room left to store the change (%1)").arg(said);
    case DbReason::ValueRefused:
        return tr("the server refused a value (%1)").arg(said);
    case DbReason::ServerDamaged:
        return tr("the server found the data of %1 damaged (%2)").arg(where, said);
    case DbReason::ServerIo:
        return tr("the server could not read or write its disk (%1)").arg(said);
    case DbReason::EarlierStepFailed:
        return tr("an earlier step of this action failed, so the server refused the rest");
    case DbReason::ServerError:
        return said.isEmpty() ? tr("the database server reported an error") : said;

    case DbReason::CopyRefused:
        return notCopied(refusalOf(e));
    case DbReason::CopyTableFailed:
        return tr("the table \"%1\" could not be copied: %2").arg(e.table, e.cause ? describe(*e.cause) : QString());
    case DbReason::CopySourceNotOpen:
        return tr("the company to copy is not open");

    case DbReason::ViewNotOpen:
        return tr("the view is not open");
    case DbReason::NoCurrentRecord:
        return tr("there is no current record");
    case DbReason::NoSuchField:
        return tr("the table has no field \"%1\"").arg(e.field);

    case DbReason::UnreadableDateTime:
        return e.amount == 1 ? tr("the time log of %1 holds an entry without a readable date and time, so one shift "
                                  "was left out of the total")
                                   .arg(e.table)
                             : tr("the time log of %1 holds an entry without a readable date and time, so %2 shifts "
                                  "were left out of the total")
                                   .arg(e.table, QString::number(e.amount));
    case DbReason::WageNotANumber:
        return tr("the wage per hour of %1 (\"%2\") is not a number, so the wages show 0").arg(e.table, e.value);
    case DbReason::WageTooLarge:
        return tr("the wage per hour of %1 (\"%2\") is too large to count with, so the wages show 0").arg(e.table, e.value);
    case DbReason::NotADateTime:
        return tr("\"%1\" is not a date and time").arg(e.value);
    case DbReason::EntryOutOfOrder:
        return e.amount < 0 ? tr("%1 would come before %2, the date and time of the entry before it, and the entries of "
                                 "a log must stay in order")
                                  .arg(formats::generalDateOfStored(e.value), formats::generalDateOfStored(e.otherValue))
                            : tr("%1 would come after %2, the date and time of the entry after it, and the entries of "
                                 "a log must stay in order")
                                  .arg(formats::generalDateOfStored(e.value), formats::generalDateOfStored(e.otherValue));

    case DbReason::AccessCannotOpen:
    case DbReason::AccessNotAccess:
    case DbReason::AccessUnknownVersion:
    case DbReason::AccessPassword:
    case DbReason::AccessDamaged:
    case DbReason::AccessNoSuchTable:
    case DbReason::AccessDateOutOfRange:
    case DbReason::AccessUnreadableType:
    case DbReason::AccessNoEmployeeList:
    case DbReason::AccessNoNameField:
    case DbReason::AccessBinaryValue:
    case DbReason::AccessCancelled:
    case DbReason::AccessBusy:
    case DbReason::AccessFolderNotWritable:
    case DbReason::AccessTargetExists:
    case DbReason::AccessNotNamed:
    case DbReason::AccessNotKept:
    case DbReason::AccessNotMade:
        return accessWords(e, Start::InLine);
    }
    return {};
}

QString ErrorText::numbered(const DbError &e)
{
    return tr("%1 (error %2)").arg(describe(e), QString::number(e.number));
}

QString ErrorText::accessFailure(const DbError &e, Start start)
{
    const QString words = accessWords(e, start);
    // Not a failure of the old file itself, nor of bringing it over: the new company's storage.
    return words.isEmpty() ? describe(e) : words;
}

QString ErrorText::failure(const QString &what, const DbError &e, const QString &after)
{
    // A commit cut off may have been stored, as the error's own words say: whatever the caller says
    // of what was left would not hold.
    if (e.reason == DbReason::CommitUncertain)
        return tr("%1: %2.").arg(what, numbered(e));
    // What the user wants to know first of a lost server, unless the caller says what was left in
    // words of its own.
    if (after.isEmpty() && serverLostBeforeCommit(e))
        return tr("%1: %2.  Nothing was stored.").arg(what, numbered(e));
    return tr("%1: %2.%3").arg(what, numbered(e), after);
}

QString ErrorText::updateFailure(const DbError &e)
{
    if (e.reason == DbReason::EntryOutOfOrder)
        return tr("Invalid Date / Time.  %1. Please correct the entry and try again").arg(describe(e));
    if (e.number == ErrRefusedValue)
        return tr("Invalid Date / Time.  Please correct the entry and try again");
    if (e.reason == DbReason::CommitUncertain)
        return tr("Error number: %1  has occured:  %2.").arg(QString::number(e.number), describe(e));
    if (serverLostBeforeCommit(e))
        return tr("Error number: %1  has occured:  %2. Nothing was stored. Please try again.")
            .arg(QString::number(e.number), describe(e));
    return tr("Error number: %1  has occured:  %2. Please try again.").arg(QString::number(e.number), describe(e));
}

QString ErrorText::companyUnusable(const QString &what, const Location &where, const DbError &e)
{
    return tr("Punchwell cannot %1 in the company database\n%2\nbecause %3. Punchwell will now close.")
        .arg(what, location(where), numbered(e));
}

QString ErrorText::startRefused(const Location &where, const DbError &e)
{
    return (where.server ? tr("Punchwell cannot use its company database\n\n%1\n\nbecause %2.\n\nNothing in the "
                              "database has been changed. Punchwell will now close.")
                         : tr("Punchwell cannot use its company database\n\n%1\n\nbecause %2.\n\nNothing in the file "
                              "has been changed. Punchwell will now close."))
        .arg(shownLocation(where), numbered(e));
}

QString ErrorText::companyNotCreated(const Location &where, const DbError &e)
{
    return (where.server ? tr("A new company database could not be created in\n\n%1\n\nbecause %2. Punchwell will now "
                              "close.")
                         : tr("A new company database could not be created at\n\n%1\n\nbecause %2. Punchwell will now "
                              "close."))
        .arg(shownLocation(where), numbered(e));
}

QString ErrorText::locationUnknown(const QString &why)
{
    return tr("Punchwell cannot tell where its company database is, because %1.\n\nPunchwell will now close.").arg(why);
}

QString ErrorText::accessUnreadable(const QString &shown, const DbError &e)
{
    return tr("The company file\n\n%1\n\nis an Access-format database that Punchwell cannot bring over:\n\n%2\n\n"
              "Nothing has been changed. Punchwell will now close.")
        .arg(shown, accessFailure(e));
}

QString ErrorText::accessNotConverted(const QString &shown, const QString &fileName, const DbError &e)
{
    return tr("Punchwell could not bring the company over from\n\n%1\n\n%2\n\nNothing has been changed: \u201c%3\u201d "
              "is still the Access-format file, and no new file was left behind. Punchwell will now close.")
        .arg(shown, accessFailure(e), fileName);
}

QString ErrorText::accessCancelled(const QString &fileName)
{
    return tr("The company was not brought over: it was cancelled. \u201c%1\u201d is still the Access-format file, "
              "unchanged. Punchwell will now close.")
        .arg(fileName);
}

QString ErrorText::notCopied(const QString &why)
{
    return tr("the company was not copied: %1").arg(why);
}

QString ErrorText::copyFailure(const DbError &e)
{
    return notCopied(reasonNumbered(e));
}

} // namespace pw
