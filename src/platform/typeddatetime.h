#pragma once

#include "platform/datetimecodec.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace pw::formats {

// A date-time typed by the user, as a person in the locale writes one:
// - a date of day, month and year in the order of the locale's short date ("12/7/26" and
//   "12/7/2026" in en_US, "7/12/26" in en_GB, "7.12.26" in de_DE), set apart by one and the same
//   mark ('/', '.', '-' or the short date's own) or by the short date's own marks and words; a
//   four-digit first number makes the order year-month-day ("2026/12/7");
// - or with the month as a name of the locale, long or short ("Dec 7, 2026", "7 December 2026",
//   "7. Dez. 2026"), where the day and the year follow the short date's order unless the year has
//   four digits; a weekday name may stand before or after the date and must be the date's;
// - a year of two digits is read in the window 1930-2029 ("7/4/76" is 1976, "1/1/29" is 2029);
// - then perhaps a time: hours and minutes, perhaps seconds, set apart by ':' or '.' with two
//   digits each (or by the time format's own words), in 24-hour form or 12-hour form with the
//   locale's AM/PM designators or "AM"/"PM" before or after it ("9 AM" may leave out the minutes);
// - or ISO 8601 ("2026-12-07", "2026-12-07 14:30", "2026-12-07T14:30:05").
// A date alone means the day's first instant. Blanks around the text are ignored, and the locale's
// own digits read as digits. Everything the display formats (platform/formats.h) show reads back as
// what they show. Nothing is guessed: a text that fits none of these, a date or time that does not
// exist, or anything after it is refused.
std::optional<LocalDateTime> parseTypedDateTime(const QString &text, const QLocale &locale = QLocale());

} // namespace pw::formats
