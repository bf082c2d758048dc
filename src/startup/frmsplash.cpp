#include "startup/frmsplash.h"

#include "startup/artwork.h"
#include "startup/forms.h"
#include "startup/frmlogon.h"
#include "startup/frmstartup.h"
#include "platform/windowing.h"

#include <QPainter>
#include <QTimer>

frmsplash::frmsplash(pw::Forms &forms) : QWidget(nullptr, Qt::SplashScreen), m_forms(forms)
{
    setObjectName(QStringLiteral("frmsplash"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setAccessibleName(QStringLiteral("Punchwell is starting"));
    m_picture = pw::artwork::splash();
    setFixedSize(m_picture.size());
}

void frmsplash::Form_Load()
{
    pw::centreOnScreen(this);
}

void frmsplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window system may never make a splash the active window, so the first showing counts as
    // its activation, run once the picture has had its chance to be drawn.
    if (!m_activated)
        QTimer::singleShot(0, this, &frmsplash::Form_Activate);
}

void frmsplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void frmsplash::Form_Activate()
{
    if (m_activated || m_forms.ended())
        return;
    m_activated = true;
    repaint();
    frmlogon *logon = m_forms.logon();
    if (m_forms.ended())
        return;
    if (!logon->isFirstRun())
        logon->show();
    logon->Form_Activate();
}
