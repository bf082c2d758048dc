#pragma once

#include "platform/clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace pw {

class Database;

// The company's time. On a file it is this computer's clock. On a server every workstation takes
// the server's clock instead, so a shift clocked in at the door and out in the office is as long as
// it was, whatever each computer's own clock says: the server's reading is written in this
// computer's local time, and kept between readings by a monotonic timer, which a change of this
// computer's clock does not move. The server is read again once a minute; when it cannot answer,
// the last reading goes on, and this computer's clock stands in until there is one.
class CompanyClock : public Clock {
public:
    CompanyClock(const Clock &workstation, Database &db);

    QDateTime now() const override;

    // Reads the server's clock now, whatever the age of the last reading.
    void synchronise() const;

private:
    static constexpr qint64 kReadAgainMs = 60 * 1000;

    const Clock &m_workstation;
    Database &m_db;
    mutable QDateTime m_reading;   // the server's time when last read; invalid before the first
    mutable QElapsedTimer m_since; // since that reading
    mutable QElapsedTimer m_tried; // since the last attempt, answered or not
};

} // namespace pw
