#pragma once

#include "db/dberror.h"
#include "platform/dialogs.h"

#include <QString>

class QWidget;

namespace pw {

// The one way a storage failure reaches the user: a box with the exclamation icon and an OK button
// that says what could not be done, then why, with the error's number so it can be quoted on the
// phone, then what follows from it (after, with its leading blanks), in ErrorText::failure's words.
void reportFailure(Dialogs &dialogs, QWidget *parent, const QString &title, const QString &what, const DbError &error,
                   const QString &after = {});

// A time log that cannot be used: "The time log of Ann cannot be used: ... (error 3078)."
void reportLogFailure(Dialogs &dialogs, QWidget *parent, const QString &name, const DbError &error,
                      const QString &title);

// The plain box (no icon, titled "Punchwell") of the UPDATE action, also shown when a browse button
// cannot store an edit, in ErrorText::updateFailure's words.
void reportUpdateFailure(Dialogs &dialogs, QWidget *parent, const DbError &error);

// The tool-tip of a wages display: its own, and after it why it shows 0 when the stored wage per
// hour is no number to count with.
QString wagesToolTip(const QString &tip, const DbError &problem);

} // namespace pw
