#pragma once

#include "db/dberror.h"
#include "domain/history.h"
#include "platform/datetimecodec.h"

#include <QLocale>
#include <QString>

namespace pw {

class Database;

// Every employee's hours as a CSV file for payroll software: one row per shift, the shifts chosen
// and closed exactly as the time cards choose and close them through an ending date-time.
namespace hoursexport {

// The header row's fields, in their order.
inline const QString kHeader = QStringLiteral("employee,clock_in,clock_out,minutes,hours,task,wage_per_hour,wage");

// What an export came to.
struct Outcome {
    enum Status {
        Saved,      // the file is there, whole
        Unreadable, // the company could not be read (error); no file was made
        NotSaved,   // the file could not be written (why, in the system's words); no file was made
    } status = Saved;
    int employees = 0;
    qint64 shifts = 0;
    history::Seal seal; // of the records the file was made from
    DbError error;
    QString why;
};

// Writes the hours of every listed employee (in list order, a name listed twice once) to the file
// at path, replacing a file of that name: UTF-8, comma-separated, CRLF line ends, headed by kHeader.
// Date-times are ISO 8601 in local time (an entry that cannot be read as one shows what is stored,
// and its shift has no minutes); numbers have a '.' decimal point; hours and wage come from the
// shift's minutes, the wage per hour is the stored wage read as the windows read it (locale). The
// file is written under a temporary name beside it and renamed when whole, so it appears whole or
// not at all. The records' seal is read once every shift is in the file, so it covers them all.
// The company is only read.
Outcome exportHours(Database &db, const QString &path, const LocalDateTime &ending, const LocalDateTime &now,
                    const QLocale &locale = QLocale());

} // namespace hoursexport
} // namespace pw
