#pragma once

#include "platform/datetimecodec.h"

#include <QDateTime>

namespace pw {

// The current local date and time. Windows never read the system clock themselves.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    // The same reading to the second, as entries store it.
    LocalDateTime localNow() const { return LocalDateTime::fromQt(now()).value_or(LocalDateTime()); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace pw
