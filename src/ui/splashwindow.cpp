#include "ui/splashwindow.h"

#include "ui/artwork.h"
#include "ui/windowing.h"

#include <QPainter>
#include <QTimer>

namespace pw {

SplashWindow::SplashWindow(QWidget *parent) : QWidget(parent, Qt::SplashScreen)
{
    setObjectName(QStringLiteral("frmsplash"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setAccessibleName(tr("Punchwell is starting"));
    m_picture = artwork::splash();
    setFixedSize(m_picture.size());
    centreOnScreen(this);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window system may never make a splash the active window, so the first showing counts as
    // its activation, run once the picture has had its chance to be drawn.
    if (!m_activated)
        QTimer::singleShot(0, this, &SplashWindow::onFirstActivation);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void SplashWindow::onFirstActivation()
{
    if (m_activated)
        return;
    m_activated = true;
    repaint();
    Q_EMIT activated();
}

} // namespace pw
