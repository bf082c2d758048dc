#include "testlib/testapp.h"
#include "testlib/testmain.h"

// The one place in the tests that knows the window classes: the program's registry of windows
// makes and finds them; everything else reaches them as widgets, by objectName.
#include "app/startup.h"
#include "ui/logonwindow.h"
#include "ui/mainwindow.h"
#include "ui/splashwindow.h"
#include "ui/windows.h"

#include "domain/recordviews.h"
#include "messages/errortext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>

namespace pw::test {

namespace {

QtMessageHandler qtTestHandler = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (qtTestHandler)
        qtTestHandler(type, context, message);
}

} // namespace

void quietOffscreenWarnings()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        qtTestHandler = qInstallMessageHandler(quietMessages);
    }
}

void settle(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

TestApp::TestApp(const QString &company, PrinterFactory *printerFactory, Dialogs *dialogsSeam) : TestCompany(company)
{
    quietOffscreenWarnings();
    m_printers = printerFactory ? printerFactory : &printers;
    m_dialogs = dialogsSeam ? dialogsSeam : &dialogs;
    makeWindows();
}

TestApp::~TestApp()
{
    closeWindows();
}

void TestApp::closeWindows()
{
    m_windows.reset();
    settle(1);
}

void TestApp::makeWindows()
{
    m_windows = std::make_unique<Windows>(db(), Seams{*m_dialogs, clock, programEnd, *m_printers});
}

void TestApp::restart()
{
    closeWindows();
    TestCompany::restart();
    programEnd = FakeProgramEnd();
    makeWindows();
}

void TestApp::restartAt(const QString &location)
{
    closeWindows();
    TestCompany::restartAt(location);
    programEnd = FakeProgramEnd();
    makeWindows();
}

void TestApp::setIdleLogoff(std::chrono::milliseconds after)
{
    m_windows->setIdleLogoff(after);
}

QWidget *TestApp::logon() { return m_windows->logon(); }
QWidget *TestApp::main() { return m_windows->main(); }

QWidget *TestApp::window(const char *objectName)
{
    const QByteArray name(objectName);
    if (name == "frmsplash")
        return m_windows->hasSplash() ? m_windows->splash() : nullptr;
    if (name == "frmlogon")
        return m_windows->hasLogon() ? m_windows->logon() : nullptr;
    if (name == "frmmain")
        return m_windows->hasMain() ? m_windows->main() : nullptr;
    // A dialog that was closed is on its way out: let it go before looking.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return topLevel(objectName);
}

void TestApp::startProgram()
{
    startUp(*m_windows);
}

QWidget *TestApp::managerLogOn()
{
    exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    if (!logOn(QStringLiteral("Manager"), QStringLiteral("boss")))
        qFatal("the Manager cannot log on");
    return main();
}

QWidget *TestApp::managerShowing(const QString &name)
{
    managerLogOn();
    if (!showEmployee(main(), name))
        qFatal("%s is not listed", qPrintable(name));
    return main();
}

bool TestApp::logOn(const QString &name, const QString &password)
{
    if (QWidget *m = window("frmmain"); m && m->isVisible())
        trigger(m, "exitmain");
    QWidget *l = logon();
    if (!l->isVisible())
        l->show();
    typeInto(l, "namechoice", name);
    click(l, "Command1");
    if (child<QWidget>(l, "passwordbx")->isVisible()) {
        typeInto(l, "txtpass", password);
        click(l, "Command3");
    }
    return main()->isVisible();
}

void leave(QWidget *main, bool closeBox)
{
    if (closeBox)
        main->close();
    else
        trigger(main, "exitmain");
}

bool showEmployee(QWidget *main, const QString &name)
{
    browse(main, "mandata", "first");
    for (int guard = 0; textOf(main, "manlist") != name && guard < 1000; ++guard) {
        const qint64 row = records(main, "mandata").currentRowid();
        browse(main, "mandata", "next");
        if (records(main, "mandata").currentRowid() == row)
            break; // the last row
    }
    return textOf(main, "manlist") == name;
}

bool showUnlisted(TestApp &app, const QString &name)
{
    const QString listed = QStringLiteral("SELECT %1 FROM datalist WHERE Ename = ?").arg(app.orderKey());
    if (!app.rows(listed, {name}).isEmpty()) {
        qWarning("\"%s\" is listed already", qPrintable(name));
        return false;
    }
    app.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage) VALUES (?, '1')"), {name});
    const QVariant rowid = app.value(listed, {name});
    const bool shown = showEmployee(app.main(), name);
    app.exec(QStringLiteral("DELETE FROM datalist WHERE %1 = ?").arg(app.orderKey()), {rowid});
    if (!shown)
        qWarning("the Management tab could not be moved onto \"%s\"", qPrintable(name));
    return shown;
}

QStringList listedNames(QWidget *logon)
{
    auto *names = child<QComboBox>(logon, "namechoice");
    QStringList out;
    for (int i = 0; i < names->count(); ++i)
        out << names->itemText(i);
    return out;
}

bool lastBoxIs(const FakeDialogs &dialogs, const QString &text, const QString &title, Dialogs::Icon icon)
{
    if (dialogs.count() == 0) {
        qWarning("no box was shown; expected \"%s\"", qPrintable(text));
        return false;
    }
    const FakeDialogs::Shown &box = dialogs.last();
    bool same = true;
    if (box.text != text) {
        qWarning("the last box says  \"%s\"\n            expected \"%s\"", qPrintable(box.text), qPrintable(text));
        same = false;
    }
    if (box.title != title) {
        qWarning("the last box is titled \"%s\", expected \"%s\"", qPrintable(box.title), qPrintable(title));
        same = false;
    }
    if (box.icon != icon) {
        qWarning("the last box has icon %d, expected %d", int(box.icon), int(icon));
        same = false;
    }
    if (box.buttons != Dialogs::Buttons(Dialogs::Ok)) {
        qWarning("the last box has buttons 0x%x, expected only OK", unsigned(box.buttons.toInt()));
        same = false;
    }
    return same;
}

} // namespace pw::test
