#include "ui/windowing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pw {

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->ensurePolished();
    QSize size = window->size();
    if (!window->testAttribute(Qt::WA_Resized))
        size = window->sizeHint().expandedTo(window->minimumSize());
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

} // namespace pw
