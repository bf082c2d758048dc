#pragma once

#include "db/dberror.h"
#include "platform/datetimecodec.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace pw {

class Database;

// A roll call: who is clocked in now.
namespace whosin {

struct ClockedIn {
    QString name;
    QVariant since; // the clock-in's datetime as stored
    QVariant task;  // its activity as stored
};

// Every listed employee whose last entry is "Clocked In", in the list's order, each once. A listed
// name without a log of its own is nobody in. Reads only.
DbResult<QList<ClockedIn>> clockedIn(Database &db);

} // namespace whosin
} // namespace pw
