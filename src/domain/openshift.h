#pragma once

#include "db/dberror.h"
#include "platform/datetimecodec.h"

#include <QString>

#include <optional>

namespace pw {

class Database;

// A shift left open: an employee who logs on still clocked in from long ago has most likely
// forgotten to clock out.
namespace openshift {

// How long a shift may stay open before a logon points it out.
inline constexpr qint64 kForgottenAfterSeconds = 16 * 60 * 60;

// When the employee's open shift began, if that is more than kForgottenAfterSeconds before now:
// the last entry reads "Clocked In" and its date-time is that old. Nothing for any other log, nor
// for a last entry whose date-time does not read as one. Reads only.
DbResult<std::optional<LocalDateTime>> forgottenSince(Database &db, const QString &name, const LocalDateTime &now);

} // namespace openshift
} // namespace pw
