#include "ui/statustext.h"

#include "db/logtable.h"

#include <QCoreApplication>

namespace pw {

QString shownStatus(const QString &stored)
{
    if (stored == kClockedIn)
        return QCoreApplication::translate("pw::StatusText", "Clocked In");
    if (stored == kClockedOut)
        return QCoreApplication::translate("pw::StatusText", "Clocked Out");
    return stored;
}

} // namespace pw
