#pragma once

#include "db/datetimecodec.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace pw {

// The system's formats. Everything takes the locale explicitly and defaults to QLocale(), which is
// the system's locale unless a test pinned another one.
namespace formats {

// The locale's long time format without its time zone and what only sets the zone apart
// (en_US: "h:mm:ss AP"; es_ES "H:mm:ss (t)" becomes "H:mm:ss").
QString longTimeFormat(const QLocale &locale = QLocale());
// The locale's short date format (en_US: "M/d/yy").
QString shortDateFormat(const QLocale &locale = QLocale());
// The short date with a four-digit year, a blank, and the long time (en_US: "M/d/yyyy h:mm:ss AP").
QString generalDateFormat(const QLocale &locale = QLocale());

QString longTime(const QTime &time, const QLocale &locale = QLocale());
QString shortDate(const QDate &date, const QLocale &locale = QLocale());
QString generalDate(const LocalDateTime &dt, const QLocale &locale = QLocale());
QString generalDate(const QDateTime &dt, const QLocale &locale = QLocale());

// A date-time typed by the user: the general date format (seconds may be left out), the short
// date alone with a four-digit year (the day's first instant), or ISO 8601 ("2026-12-07",
// "2026-12-07 14:30", "2026-12-07T14:30:05"). Surrounding blanks are ignored; anything else is
// refused.
std::optional<LocalDateTime> parseTypedDateTime(const QString &text, const QLocale &locale = QLocale());

} // namespace formats
} // namespace pw
