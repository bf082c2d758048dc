#include "ui/mainwindow.h"

#include "domain/openshift.h"
#include "domain/session.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "ui/abouttab.h"
#include "ui/addemployeedialog.h"
#include "ui/artwork.h"
#include "ui/clockdisplay.h"
#include "ui/historywindow.h"
#include "ui/idlewatch.h"
#include "ui/whosinwindow.h"
#include "ui/logonwindow.h"
#include "ui/managementtab.h"
#include "ui/passworddialog.h"
#include "ui/propertiesdialog.h"
#include "ui/timefunctionstab.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>

namespace pw {

namespace {

void showModeless(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

MainWindow::MainWindow(Database &db, const Seams &seams, Session &session, CompanySettings &settings)
    : QMainWindow(nullptr), m_db(db), m_seams(seams), m_session(session), m_settings(settings)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setWindowIcon(artwork::icon());

    auto *central = new QWidget(this);
    // Above the tabs, shown only after a logon that finds a shift left open since long ago.
    m_forgottenNotice = named(new QLabel(central), "forgottenclockout", tr("Forgotten clock-out"));
    m_forgottenNotice->setTextFormat(Qt::PlainText);
    m_forgottenNotice->setWordWrap(true);
    m_forgottenNotice->setFrameShape(QFrame::StyledPanel);
    m_forgottenNotice->setStyleSheet(QStringLiteral("QLabel { background: #fff4c2; color: black; padding: 6px; }"));
    m_forgottenNotice->hide();
    m_tabs = named(new QTabWidget(central), "SSTab1", tr("Punchwell functions"));
    m_timeTab = new TimeFunctionsTab(m_db, m_seams, m_session, m_settings);
    m_managementTab = new ManagementTab(m_db, m_seams, m_settings);
    m_aboutTab = new AboutTab(m_settings);
    m_tabs->addTab(m_timeTab, tr("Time Functions"));
    m_tabs->addTab(m_managementTab, tr("Management"));
    m_tabs->addTab(m_aboutTab, tr("About"));
    m_clockDisplay = new ClockDisplay(m_seams.clock, central);

    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_forgottenNotice);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_clockDisplay);
    setCentralWidget(central);
    buildMenu();

    connect(m_timeTab, &TimeFunctionsTab::entryShown, m_printLogAction, &QAction::setEnabled);
    connect(m_timeTab, &TimeFunctionsTab::entryShown, m_clearLogAction, &QAction::setEnabled);
    connect(m_managementTab, &ManagementTab::addRequested, this, &MainWindow::openAddDialog);
    connect(m_managementTab, &ManagementTab::passwordChangeRequested, this, [this] { openPasswordDialog(true); });
    connect(m_managementTab, &ManagementTab::propertiesRequested, this, &MainWindow::openPropertiesDialog);
    connect(m_managementTab, &ManagementTab::historyRequested, this, &MainWindow::openHistoryWindow);
    connect(m_managementTab, &ManagementTab::whosInRequested, this, &MainWindow::openWhosInWindow);
    connect(m_managementTab, &ManagementTab::employeeDeleted, this, &MainWindow::employeeDeleted);
    connect(m_managementTab, &ManagementTab::cardPrinted, m_timeTab, &TimeFunctionsTab::updateTotals);
    connect(m_managementTab, &ManagementTab::logCleared, m_timeTab, &TimeFunctionsTab::refreshLog);
    connect(m_timeTab, &TimeFunctionsTab::clockedOut, m_forgottenNotice, &QWidget::hide);

    m_idleWatch = new IdleWatch(this);
    connect(m_idleWatch, &IdleWatch::idle, this, &MainWindow::onIdle);
}

MainWindow::~MainWindow()
{
    delete m_addDialog;
    delete m_passwordDialog;
    delete m_propertiesDialog;
    delete m_historyWindow;
    delete m_whosInWindow;
}

void MainWindow::buildMenu()
{
    QMenu *menu = named(menuBar()->addMenu(tr("&Tools")), "usermenu");
    auto item = [this, menu](const char *name, const QString &caption, const QKeySequence &key) {
        QAction *a = named(menu->addAction(caption), name);
        if (!key.isEmpty())
            a->setShortcut(key);
        return a;
    };
    m_clockInAction = item("Clkin", tr("Clock &In"), QKeySequence(Qt::Key_F1));
    m_clockOutAction = item("clkout", tr("Clock &Out"), QKeySequence(Qt::Key_F2));
    m_printLogAction = item("prntdata", tr("&Print Log"), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_clearLogAction = item("dltdata", tr("&Clear Log"), QKeySequence(Qt::CTRL | Qt::Key_D));
    m_deleteLastAction = item("dltlast", tr("&Delete Last"), QKeySequence());
    m_changePasswordAction = item("chpass", tr("Change My Pass&word"), QKeySequence());
    m_exitAction = item("exitmain", tr("E&xit"), QKeySequence());
    // Usable once the log view shows an entry.
    m_printLogAction->setEnabled(false);
    m_clearLogAction->setEnabled(false);

    connect(m_clockInAction, &QAction::triggered, m_timeTab, &TimeFunctionsTab::requestClockIn);
    connect(m_clockOutAction, &QAction::triggered, m_timeTab, &TimeFunctionsTab::clockOut);
    connect(m_printLogAction, &QAction::triggered, m_timeTab, &TimeFunctionsTab::printOwnLog);
    connect(m_clearLogAction, &QAction::triggered, m_timeTab, &TimeFunctionsTab::clearOwnLog);
    connect(m_deleteLastAction, &QAction::triggered, m_timeTab, &TimeFunctionsTab::deleteLastEntry);
    connect(m_changePasswordAction, &QAction::triggered, this, [this] { openPasswordDialog(false); });
    connect(m_exitAction, &QAction::triggered, this,
            [this] { leave(LogonWindow::namePrompt()); });
}

void MainWindow::load()
{
    resize(sizeHint().expandedTo(QSize(640, 460)));
    centreOnScreen(this);
    m_managementTab->load();
    m_clockDisplay->start();
}

void MainWindow::enter()
{
    // Every logon starts on "Time Functions", whatever tab the last user left.
    m_tabs->setCurrentIndex(0);
    showModeless(this);
    m_timeTab->enter();
    m_managementTab->setPanelVisible(m_session.managementOpen());
    showForgottenClockOut();
    // A long name needs a wider window, centred again rather than hanging off to the right.
    fitToContents(this);
    m_enteredAtLoopLevel = QThread::currentThread()->loopLevel();
    m_idleWatch->start();
}

void MainWindow::setIdleLogoff(std::chrono::milliseconds after)
{
    m_idleWatch->setInterval(after);
    if (isVisible())
        m_idleWatch->start();
}

void MainWindow::onIdle()
{
    if (!isVisible())
        return;
    QWidget *modal = QApplication::activeModalWidget();
    // A run under way (printing or clearing every log) shows its progress: that is work going on.
    if (qobject_cast<QProgressDialog *>(modal)) {
        m_idleWatch->start();
        return;
    }
    // Nobody is there to answer a box left open: it is closed as its close box closes it, with its
    // most cautious answer, and the window is left once whatever asked has finished.
    if (modal || QThread::currentThread()->loopLevel() > m_enteredAtLoopLevel) {
        if (modal)
            modal->close();
        m_idleWatch->retrySoon();
        return;
    }
    for (int open = 0; open < 8 && QApplication::activePopupWidget(); ++open)
        QApplication::activePopupWidget()->close();
    m_timeTab->dropUnreadableCorrection();
    // A box that leaving shows (a correction that cannot be stored) is closed the same way.
    m_idleWatch->retrySoon();
    leave(LogonWindow::namePrompt());
}

void MainWindow::showForgottenClockOut()
{
    // A log that cannot be read is told by the "Time Functions" tab; here it only means no notice.
    const auto since = openshift::forgottenSince(m_db, m_session.name(), m_seams.clock.localNow());
    if (!since || !*since) {
        m_forgottenNotice->hide();
        return;
    }
    m_forgottenNotice->setText(tr("You have been clocked in since %1, more than %2 hours ago. Did you "
                                  "forget to clock out?")
                                   .arg(formats::generalDate(**since))
                                   .arg(openshift::kForgottenAfterSeconds / 3600));
    m_forgottenNotice->show();
}

void MainWindow::countTotals(const QString &name, const QString &wage)
{
    m_timeTab->countTotals(name, wage);
}

void MainWindow::updateTotals()
{
    m_timeTab->updateTotals();
}

void MainWindow::leave(const QString &namePrompt)
{
    // A correction typed into the log view is stored, as moving to another entry stores it; text
    // that is not a date and time keeps the employee here to correct it.
    if (!m_timeTab->storeCorrection())
        return;
    // Nothing the session opened outlives it: whoever comes to the logon window next must not find
    // a task prompt or a Manager's dialog still open.
    m_timeTab->closeTaskPrompt();
    closeDialogs();
    hide();
    m_idleWatch->stop();
    m_forgottenNotice->hide();
    m_session.logOff();
    Q_EMIT left(namePrompt);
    m_managementTab->setPanelVisible(false);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (isVisible())
        leave(LogonWindow::choicePrompt());
}

void MainWindow::closeDialogs()
{
    for (ModelessDialog *d :
         std::initializer_list<ModelessDialog *>{m_addDialog, m_passwordDialog, m_propertiesDialog, m_historyWindow,
                                                m_whosInWindow})
        if (d)
            d->cancel();
}

void MainWindow::hideAll()
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_addDialog, m_passwordDialog, m_propertiesDialog, m_historyWindow, m_whosInWindow})
        if (w)
            w->hide();
    m_timeTab->hideTaskPrompt();
    hide();
    m_idleWatch->stop();
}

void MainWindow::openAddDialog()
{
    if (!m_addDialog) {
        m_addDialog = new AddEmployeeDialog(m_db, m_seams.dialogs);
        connect(m_addDialog, &AddEmployeeDialog::employeeAdded, this, &MainWindow::employeeAdded);
        connect(m_addDialog, &AddEmployeeDialog::activated, this, &MainWindow::addDialogActivated);
        // A closed dialog is gone: the next opening makes a new one.
        connect(m_addDialog, &AddEmployeeDialog::closed, this, [this] {
            const bool added = m_addDialog->added();
            m_addDialog = nullptr;
            m_managementTab->addDialogClosed(added);
            Q_EMIT addDialogClosed();
        });
    }
    showModeless(m_addDialog);
}

void MainWindow::openPasswordDialog(bool employeeMode)
{
    // A dialog that is open keeps its mode when the menu opens it again; "Chg Pass" always switches
    // it to the employee's password.
    if (!m_passwordDialog) {
        m_passwordDialog = new PasswordDialog(
            m_db, m_seams.dialogs, [this] { return m_session.name(); },
            [this] { return m_managementTab->shownEmployee(); });
        connect(m_passwordDialog, &PasswordDialog::closed, this, [this] { m_passwordDialog = nullptr; });
    }
    if (employeeMode)
        m_passwordDialog->showEmployeePanel();
    showModeless(m_passwordDialog);
}

void MainWindow::openPropertiesDialog()
{
    if (!m_propertiesDialog) {
        m_propertiesDialog = new PropertiesDialog(m_settings, m_seams.dialogs);
        connect(m_propertiesDialog, &PropertiesDialog::closed, this, [this] { m_propertiesDialog = nullptr; });
    }
    showModeless(m_propertiesDialog);
}

void MainWindow::openHistoryWindow(const QString &name)
{
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(m_db, m_seams.dialogs);
        connect(m_historyWindow, &HistoryWindow::closed, this, [this] { m_historyWindow = nullptr; });
    }
    // Read again at every opening: the rows stored since, or another employee's. Shown first, so a
    // box that says the rows cannot be read stands over it.
    showModeless(m_historyWindow);
    m_historyWindow->showEmployee(name);
}

void MainWindow::openWhosInWindow()
{
    if (!m_whosInWindow) {
        m_whosInWindow = new WhosInWindow(m_db, m_seams.dialogs);
        connect(m_whosInWindow, &WhosInWindow::closed, this, [this] { m_whosInWindow = nullptr; });
    }
    // Read again at every opening, as a roll call is.
    showModeless(m_whosInWindow);
    m_whosInWindow->refresh();
}

} // namespace pw
