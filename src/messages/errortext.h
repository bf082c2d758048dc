#pragma once

#include "db/dberror.h"

#include <QCoreApplication>
#include <QString>

namespace pw {

// The words for every failure the program reports, composed in this one place from the error's
// reason and context: the windows' boxes use them, and the command line where it says the same.
// Each sentence is marked for translation in the context "pw::ErrorText".
class ErrorText {
    Q_DECLARE_TR_FUNCTIONS(pw::ErrorText)

public:
    // How an Access-format file's failure begins: as a sentence of its own in a box, or continuing a
    // line ("the company was not copied: the file …").
    enum class Start { Sentence, InLine };

    // What went wrong, as words that continue a sentence: "the database file is damaged".
    static QString describe(const DbError &e);
    // The same with the number, as every box that reports a failure shows it:
    // "the database file is damaged (error 3049)".
    static QString numbered(const DbError &e);

    // Where a company is: a file's full path, or "the database "acme" on the server at db:5432".
    static QString location(const Location &where);
    // The same with a file's path in the system's spelling, as the start-up boxes show it.
    static QString shownLocation(const Location &where);
    // A file, table or field name inside a message, set apart in curly quotes: “Employee.mdb”.
    static QString quotedName(const QString &name);

    // What could not be done, then why, with the number: "The clock-in could not be stored, so
    // nothing was written: the database file is read-only, so nothing can be stored in it (error
    // 3027)." followed by `after` (with its leading blanks), which says what was left. A lost server
    // with no `after` adds "  Nothing was stored."; a commit cut off takes no `after`, its own words
    // saying that it may have been stored.
    static QString failure(const QString &what, const DbError &e, const QString &after = {});
    // The plain box of the UPDATE action: "Invalid Date / Time.  Please correct the entry and try
    // again" for a typed date-time that is not one, else "Error number: N  has occured:  ....
    // Please try again." (with "Nothing was stored." before the last sentence for a lost server,
    // and without it for a commit cut off).
    static QString updateFailure(const DbError &e);
    // The logon window's box when the company cannot be read at all; what: "read the company settings".
    static QString companyUnusable(const QString &what, const Location &where, const DbError &e);

    // The start-up's boxes: the company cannot be used, or could not be made where there was none.
    static QString startRefused(const Location &where, const DbError &e);
    static QString companyNotCreated(const Location &where, const DbError &e);
    // The start-up's box when the configuration does not say where the company is; why: what is
    // wrong with it.
    static QString locationUnknown(const QString &why);

    // Why an Access-format company file was not brought over.
    static QString accessFailure(const DbError &e, Start start = Start::Sentence);
    // The start-up's boxes when an Access-format company file is not brought over: it cannot be
    // read, its conversion failed, or the user cancelled it. shown: the file's path as shown.
    static QString accessUnreadable(const QString &shown, const DbError &e);
    static QString accessNotConverted(const QString &shown, const QString &fileName, const DbError &e);
    static QString accessCancelled(const QString &fileName);

    // The line of a copy that failed: "the company was not copied: " and why.
    static QString notCopied(const QString &why);
    // A failed copy of a company in one line, with the number: "the company was not copied: the
    // database file is damaged (error 3049)".
    static QString copyFailure(const DbError &e);

private:
    static bool serverLostBeforeCommit(const DbError &e);
    static QString refusalOf(const DbError &e);
    static QString addressFaultOf(const DbError &e);
    static QString damageOf(const DbError &e);
    static QString reasonNumbered(const DbError &e);
    static QString accessWords(const DbError &e, Start start);
};

} // namespace pw
