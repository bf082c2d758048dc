#pragma once

#include "platform/datetimecodec.h"

#include <QLocale>
#include <QString>

namespace pw {

// The system's formats. Everything takes the locale explicitly and defaults to QLocale(), which is
// the system's locale unless a test pinned another one.
namespace formats {

// The locale's long time format without its time zone and what only sets the zone apart
// (en_US: "h:mm:ss AP"; es_ES "H:mm:ss (t)" becomes "H:mm:ss").
QString longTimeFormat(const QLocale &locale = QLocale());
// The locale's short time format without its time zone (en_US: "h:mm AP").
QString shortTimeFormat(const QLocale &locale = QLocale());
// The locale's short date format (en_US: "M/d/yy").
QString shortDateFormat(const QLocale &locale = QLocale());
// The short date with a four-digit year, a blank, and the long time (en_US: "M/d/yyyy h:mm:ss AP").
QString generalDateFormat(const QLocale &locale = QLocale());

QString longTime(const QTime &time, const QLocale &locale = QLocale());
QString shortDate(const QDate &date, const QLocale &locale = QLocale());
QString generalDate(const LocalDateTime &dt, const QLocale &locale = QLocale());
QString generalDate(const QDateTime &dt, const QLocale &locale = QLocale());
// A stored date-time ("YYYY-MM-DD HH:MM:SS") as the general date; any other text as it is.
QString generalDateOfStored(const QString &stored, const QLocale &locale = QLocale());

} // namespace formats
} // namespace pw
