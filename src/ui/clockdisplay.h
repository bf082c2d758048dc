#pragma once

#include <QGroupBox>

class QLabel;
class QTimer;

namespace pw {

class Clock;

// The frame "Time and Date:" (objectName "Frame1") below the tabs: the date and the time of day in
// the system's short date and long time formats, kept current by a 250 ms timer. A label is only
// written when its text changes.
class ClockDisplay : public QGroupBox {
    Q_OBJECT

public:
    explicit ClockDisplay(const Clock &clock, QWidget *parent = nullptr);

    void start();
    void tick();

private:
    const Clock &m_clock;
    QLabel *m_dateLabel;
    QLabel *m_timeLabel;
    QTimer *m_timer;
};

} // namespace pw
