#pragma once

#include "db/dberror.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace pw {

struct AccessReport;
struct CopyReport;
struct OptionsFault;
struct RecordCheck;
namespace history {
struct Seal;
}

// The program's lines on a terminal, composed in this one place, and the report of an Access-format
// company brought over, which the start-up's box shows too; where a line says what a box says, it
// takes ErrorText's words. Each sentence is marked for translation in the context "pw::CommandText".
class CommandText {
    Q_DECLARE_TR_FUNCTIONS(pw::CommandText)

public:
    // What `punchwell --help` prints.
    static QString help();
    // What is wrong with the command line or Punchwell.conf: "unknown option --colour".
    static QString optionsFault(const OptionsFault &fault);
    // The lines that refuse a command line: what is wrong, and where to look.
    static QString usageError(const OptionsFault &fault);
    // A failure as the program's line on the standard error: "punchwell: …".
    static QString failureLine(const QString &why);

    // --copy-company: what was done.
    static QString copied(const Location &from, const Location &to, const CopyReport &report);
    // And whether the records copied verify: a sentence to follow it.
    static QString copiedRecords(const DbResult<RecordCheck> &check);
    static QString broughtOver(const QString &accessFile, const Location &to);
    // --copy-company: why nothing was, in one line. A failure of the copy itself, or the source's
    // failure to open, or an Access-format file that was not brought over.
    static QString copyFailed(const DbError &e);
    static QString sourceUnreadable(const Location &from, const DbError &e);
    static QString accessNotCopied(const DbError &e);

    // What an export writes.
    enum class Export { Hours, History };
    // --export-hours and --export-history: what was written, with what the journal says of the
    // records (their seal, or why there is none), and why nothing was: the company could not be
    // opened or read, the file could not be written (why: the system's words), or the records have
    // no seal for the journal to end at.
    static QString hoursExported(const QString &file, int employees, qint64 shifts, const history::Seal &seal);
    static QString historyExported(const QString &file, const history::Seal &seal);
    static QString exportUnreadable(Export what, const Location &from, const DbError &e);
    static QString exportNotSaved(Export what, const QString &file, const QString &why);
    static QString historyNotSealed(const history::Seal &seal);
    // "seal 0123456789abcdef", or why the records have none.
    static QString sealNote(const history::Seal &seal);

    // --verify-records: the line of records that verify (with the seal), the line of records that
    // do not (what differs first), and why the company could not be read.
    static QString recordsVerified(const RecordCheck &check);
    static QString recordsNotVerified(const RecordCheck &check);
    static QString verifyUnreadable(const Location &from, const DbError &e);

    // What was brought over from an Access-format file: a few lines.
    static QString accessReport(const AccessReport &report);
    // Its names the add dialog would not accept, each with why: "“Kim” (listed 2 times)".
    static QStringList unusualNames(const AccessReport &report);
    // Its fields left out: "“datalist”.“Photo”".
    static QStringList leftOutFields(const AccessReport &report);

private:
    // Why a company could not be opened or read: the place and the failure, or the refused
    // address's fault alone.
    static QString whyUnreadable(const Location &from, const DbError &e);
    // What differs first, or what breaks the journal, in a few words.
    static QString whyNotVerified(const RecordCheck &check);
};

} // namespace pw
