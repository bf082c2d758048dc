#pragma once

#include "db/dberror.h"
#include "domain/history.h"

#include <QString>

namespace pw {

class Database;

// The whole journal of changes as a CSV file for an inspector: one row per journal row, with the
// seal that the file's last row carries.
namespace historyexport {

// The header row's fields, in their order.
inline const QString kHeader = QStringLiteral("sequence,stored_at,workstation,by,action,employee,before,after,hash");

// What an export came to.
struct Outcome {
    enum Status {
        Saved,      // the file is there, whole, and ends at the sealed row
        NotSealed,  // the company has no journal, or its chain is broken (seal says which); no file was made
        Unreadable, // the company could not be read (error); no file was made
        NotSaved,   // the file could not be written (why, in the system's words); no file was made
    } status = Saved;
    history::Seal seal;
    DbError error;
    QString why;
};

// Checks the journal's chain, then writes every row up to the one the check ended on, in sequence
// order, to the file at path, replacing a file of that name: UTF-8, comma-separated, CRLF line
// ends, headed by kHeader. by is the row's who, action its what; an absent value is an empty
// field; stored_at is ISO 8601 in the company's local time. Rows stored after the check are left
// to the next export. The file appears whole or not at all. The company is only read.
Outcome exportHistory(Database &db, const QString &path);

} // namespace historyexport
} // namespace pw
