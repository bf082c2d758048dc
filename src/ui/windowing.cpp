#include "ui/windowing.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace pw {

namespace {

void centre(QWidget *window, const QSize &size)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void forget(QLayoutItem *item)
{
    item->invalidate();
    if (QLayout *layout = item->layout())
        for (int i = 0; i < layout->count(); ++i)
            forget(layout->itemAt(i));
}

// The size a window takes once its layouts have caught up with what it shows. Each widget's layout
// learns of a change (a longer name in a label or a list) only when the event loop gets round to
// it, one level at a time; every size the layouts keep is forgotten here, so it is known at once.
QSize comingSize(QWidget *window)
{
    window->ensurePolished();
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        w->updateGeometry(); // what its parent's layout keeps of it
        if (QLayout *layout = w->layout())
            forget(layout); // what its own layouts keep
    }
    const QLayout *layout = window->layout();
    if (layout && layout->sizeConstraint() == QLayout::SetFixedSize)
        return window->sizeHint();
    const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    return size.expandedTo(window->minimumSizeHint()).expandedTo(window->minimumSize()).boundedTo(window->maximumSize());
}

} // namespace

void centreOnScreen(QWidget *window)
{
    centre(window, comingSize(window));
}

void fitToContents(QWidget *window)
{
    // A shown window takes a new size only when the window system says so: the size it needs is
    // worked out, not read back.
    const QSize needed = comingSize(window);
    if (needed == window->size())
        return;
    window->resize(needed);
    centre(window, needed);
}

} // namespace pw
