#pragma once

#include <QString>

namespace pw {

// A log entry's status word as the windows show it. "Clocked In" and "Clocked Out" stay stored in
// English whatever the language, since the program compares them; the windows show them in the
// user's language. Any other stored text is shown as it is.
QString shownStatus(const QString &stored);

} // namespace pw
