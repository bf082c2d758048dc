#include "ui/clockdisplay.h"

#include "platform/clock.h"
#include "platform/formats.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace pw {

ClockDisplay::ClockDisplay(const Clock &clock, QWidget *parent)
    : QGroupBox(tr("Time and Date:"), parent), m_clock(clock)
{
    setObjectName(QStringLiteral("Frame1"));
    m_dateLabel = named(new QLabel(tr("Date"), this), "lbldate", tr("Current Date"));
    m_dateLabel->setToolTip(tr("Current Date"));
    m_timeLabel = named(new QLabel(tr("Time"), this), "lbltime", tr("Current Time"));
    m_timeLabel->setToolTip(tr("Current Time"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_dateLabel);
    layout->addStretch();
    layout->addWidget(m_timeLabel);

    m_timer = named(new QTimer(this), "Timer1");
    m_timer->setInterval(250);
    connect(m_timer, &QTimer::timeout, this, &ClockDisplay::tick);
}

void ClockDisplay::start()
{
    tick();
    m_timer->start();
}

void ClockDisplay::tick()
{
    const QDateTime now = m_clock.now();
    const QString time = formats::longTime(now.time());
    if (m_timeLabel->text() != time)
        m_timeLabel->setText(time);
    const QString date = formats::shortDate(now.date());
    if (m_dateLabel->text() != date)
        m_dateLabel->setText(date);
}

} // namespace pw
