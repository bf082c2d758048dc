#include "ui/idlewatch.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

namespace pw {

namespace {

// How soon retrySoon() asks again.
constexpr std::chrono::milliseconds kRetry{100};

} // namespace

IdleWatch::IdleWatch(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &IdleWatch::idle);
}

IdleWatch::~IdleWatch()
{
    watchInput(false);
}

void IdleWatch::setInterval(std::chrono::milliseconds interval)
{
    m_interval = std::max(interval, std::chrono::milliseconds(0));
    if (!isEnabled())
        stop();
}

void IdleWatch::start()
{
    if (!isEnabled())
        return;
    watchInput(true);
    m_timer.start(m_interval);
}

void IdleWatch::stop()
{
    watchInput(false);
    m_timer.stop();
}

void IdleWatch::retrySoon()
{
    if (isEnabled())
        m_timer.start(std::min(kRetry, m_interval));
}

void IdleWatch::watchInput(bool on)
{
    if (on == m_watching)
        return;
    m_watching = on;
    if (on)
        QCoreApplication::instance()->installEventFilter(this);
    else if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool IdleWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: // a key that is a shortcut (F1) reaches no widget as a key press
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        m_timer.start(m_interval);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pw
