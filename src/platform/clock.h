#pragma once

#include <QDateTime>

namespace pw {

// The current local date and time. Windows never read the system clock themselves.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace pw
