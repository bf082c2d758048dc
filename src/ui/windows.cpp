#include "ui/windows.h"

#include "domain/companysettings.h"
#include "domain/employees.h"
#include "domain/journaling.h"
#include "domain/session.h"
#include "platform/dialogs.h"
#include "platform/programend.h"
#include "ui/firstrunwindow.h"
#include "ui/logonwindow.h"
#include "ui/mainwindow.h"
#include "ui/splashwindow.h"

#include <QSysInfo>

namespace pw {

Windows::Windows(Database &db, const Seams &seams)
    : m_db(db), m_seams(seams), m_session(new Session(this)), m_settings(new CompanySettings(db, this))
{
    // The journal's rows name this workstation, the employee logged on (nobody before a logon) and
    // the company's time.
    journaling::setWorkstation(m_db, QSysInfo::machineHostName(), m_seams.clock);
    journaling::setWho(m_db, QString());
    connect(m_session, &Session::loggedOn, this, [this] { journaling::setWho(m_db, m_session->name()); });
    connect(m_session, &Session::loggedOff, this, [this] { journaling::setWho(m_db, QString()); });
}

Windows::~Windows()
{
    delete m_firstRunWindow;
    delete m_splash;
    delete m_logon;
    delete m_main;
}

SplashWindow *Windows::splash()
{
    if (!m_splash) {
        m_splash = new SplashWindow;
        connect(m_splash, &SplashWindow::activated, this, &Windows::onSplashActivated);
    }
    return m_splash;
}

LogonWindow *Windows::logon()
{
    if (m_logon)
        return m_logon;
    // The slot is filled before the load runs, so whatever the load reaches finds this window.
    m_logon = new LogonWindow(m_db, m_seams.dialogs, *m_settings);
    connect(m_logon, &LogonWindow::activated, this, &Windows::onLogonActivated);
    connect(m_logon, &LogonWindow::exitRequested, this, [this] { endProgram(); });
    connect(m_logon, &LogonWindow::passwordAsked, this,
            [this](const QString &name, const QString &wage) { main()->countTotals(name, wage); });
    connect(m_logon, &LogonWindow::loggedOn, this, &Windows::onLoggedOn);
    switch (m_logon->load()) {
    case LogonWindow::Loaded::Ready:
        main();
        break;
    case LogonWindow::Loaded::FirstRun:
        startFirstRun();
        break;
    case LogonWindow::Loaded::Failed:
        endProgram(1);
        break;
    }
    return m_logon;
}

MainWindow *Windows::main()
{
    if (!m_main) {
        m_main = new MainWindow(m_db, m_seams, *m_session, *m_settings);
        connect(m_main, &MainWindow::left, this, [this](const QString &prompt) {
            if (!m_ended)
                logon()->comeBack(prompt);
        });
        connect(m_main, &MainWindow::employeeAdded, this, [this](const QString &name) {
            if (m_logon)
                m_logon->addName(name);
        });
        connect(m_main, &MainWindow::employeeDeleted, this, [this](const QString &name) {
            if (m_logon)
                m_logon->removeName(name);
        });
        connect(m_main, &MainWindow::addDialogActivated, this, [this] {
            if (m_logon)
                m_logon->hide();
        });
        // The add dialog hid the logon window when it became active; if nobody is logged on any
        // more, the logon window comes back, or no window would be left to use.
        connect(m_main, &MainWindow::addDialogClosed, this, [this] {
            if (m_main && !m_main->isVisible() && m_logon && !m_ended)
                m_logon->show();
        });
        m_main->load();
        m_main->setIdleLogoff(m_idleLogoff);
    }
    return m_main;
}

void Windows::setIdleLogoff(std::chrono::milliseconds after)
{
    m_idleLogoff = after;
    if (m_main)
        m_main->setIdleLogoff(after);
}

void Windows::startFirstRun()
{
    // The first-run window takes over; the user sees only it.
    m_firstRun = true;
    m_firstRunWindow = new FirstRunWindow(*m_settings, m_seams.dialogs);
    connect(m_firstRunWindow, &FirstRunWindow::companyStored, this, [this] { endProgram(); });
    connect(m_firstRunWindow, &FirstRunWindow::cancelled, this, [this] { endProgram(); });
    connect(m_firstRunWindow, &FirstRunWindow::activated, this, [this] {
        if (m_logon)
            m_logon->hide();
    });
    m_firstRunWindow->open();
    m_logon->hide();
}

void Windows::onSplashActivated()
{
    if (m_ended)
        return;
    LogonWindow *window = logon();
    if (m_ended)
        return;
    if (!m_firstRun)
        window->show();
    onLogonActivated();
}

void Windows::onLogonActivated()
{
    // The first activation closes the splash and makes the main window, hidden.
    if (m_logonActivated || m_ended)
        return;
    m_logonActivated = true;
    if (SplashWindow *splash = m_splash) {
        m_splash = nullptr;
        splash->hide();
        splash->deleteLater();
    }
    main();
    if (m_firstRun && m_firstRunWindow) {
        m_firstRunWindow->raise();
        m_firstRunWindow->activateWindow();
    }
}

void Windows::onLoggedOn(const QString &name, const QString &wage, bool passwordGiven)
{
    m_session->logOn(name, wage, passwordGiven);
    MainWindow *window = main();
    window->enter();
    if (passwordGiven)
        return; // the totals were counted when the password was asked for
    if (isManager(name))
        m_seams.dialogs.inform(window,
                               tr("You will be unable to use Management functions until you change your "
                                  "password."),
                               tr("Information"), Dialogs::Icon::Exclamation);
    window->updateTotals();
}

void Windows::endProgram(int exitCode)
{
    if (m_ended)
        return;
    m_ended = true;
    // Hidden, not closed: closing would run the windows' own close handling.
    if (m_main)
        m_main->hideAll();
    for (QWidget *w : std::initializer_list<QWidget *>{m_firstRunWindow, m_splash, m_logon})
        if (w)
            w->hide();
    m_seams.programEnd.end(exitCode);
}

} // namespace pw
