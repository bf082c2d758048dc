#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include "clock/frmmain.h"
#include "db/quoting.h"
#include "startup/frmlogon.h"
#include "db/recordset.h"
#include "db/recordbrowser.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

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

TestApp::TestApp(const QString &company, PrinterFactory *printerFactory)
{
    quietOffscreenWarnings();
    if (!m_dir.isValid())
        qFatal("no temporary folder");
    m_path = m_dir.filePath(QStringLiteral("Employee.mdb"));
    if (DbError e = Database::createDelivered(m_path))
        qFatal("cannot make the delivered database: %s", qPrintable(e.description));
    m_ctx.dialogs = &dialogs;
    m_ctx.clock = &clock;
    m_ctx.programEnd = &programEnd;
    m_ctx.printers = printerFactory ? printerFactory : &printers;
    openRun();
    if (!company.isNull())
        exec(QStringLiteral("INSERT INTO \"Company Data\" (company) VALUES (?)"), {company});
}

TestApp::~TestApp()
{
    m_forms.reset();
    settle(1);
    m_db.reset();
}

void TestApp::openRun()
{
    m_db = std::make_unique<Database>(m_path);
    if (DbError e = m_db->open())
        qFatal("cannot open the test database: %s", qPrintable(e.description));
    m_forms = std::make_unique<Forms>(m_ctx, *m_db);
}

void TestApp::restart()
{
    m_forms.reset();
    settle(1);
    m_db.reset();
    dialogs.clear();
    programEnd = FakeProgramEnd();
    openRun();
}

frmlogon *TestApp::logon() { return m_forms->logon(); }
frmmain *TestApp::main() { return m_forms->main(); }

void TestApp::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = m_db->query();
    if (!q.prepare(sql))
        qFatal("prepare failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

QList<QVariantList> TestApp::rows(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = m_db->query();
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        qFatal("prepare failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("exec failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    QList<QVariantList> out;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        out << row;
    }
    return out;
}

QVariant TestApp::value(const QString &sql, const QVariantList &values)
{
    const auto r = rows(sql, values);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

void TestApp::createLog(const QString &table)
{
    exec(QStringLiteral("CREATE TABLE %1 (Ename VARCHAR(20), datetime DATETIME, inoutfx VARCHAR(11), activity VARCHAR(30))")
             .arg(quoteIdentifier(table)));
}

void TestApp::addEmployee(const QString &name, const QVariant &wage, const QVariant &password, const QVariant &comment)
{
    exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, Ecomment, epass) VALUES (?, ?, ?, ?)"),
         {name, wage, comment, password});
    createLog(name);
}

void TestApp::addEntry(const QString &table, const QString &when, const QString &inoutfx, const QVariant &activity,
                       const QString &ename)
{
    exec(QStringLiteral("INSERT INTO %1 (Ename, datetime, inoutfx, activity) VALUES (?, ?, ?, ?)").arg(quoteIdentifier(table)),
         {ename.isNull() ? table : ename, when, inoutfx, activity});
}

QList<QVariantList> TestApp::log(const QString &table)
{
    return rows(QStringLiteral("SELECT Ename, datetime, inoutfx, activity FROM %1 ORDER BY rowid").arg(quoteIdentifier(table)));
}

frmmain *TestApp::managerLogOn()
{
    exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));
    if (main()->isVisible())
        main()->exitmain->trigger();
    if (!logOn(QStringLiteral("Manager"), QStringLiteral("boss")))
        qFatal("the Manager cannot log on");
    return main();
}

frmmain *TestApp::managerShowing(const QString &name)
{
    managerLogOn();
    if (!showEmployee(main(), name))
        qFatal("%s is not listed", qPrintable(name));
    return main();
}

bool showEmployee(frmmain *main, const QString &name)
{
    main->mandata->firstButton()->click();
    for (int guard = 0; main->manlist->text() != name && guard < 1000; ++guard) {
        const qint64 row = main->mandata->records().currentRowid();
        main->mandata->nextButton()->click();
        if (main->mandata->records().currentRowid() == row)
            break; // the last row
    }
    return main->manlist->text() == name;
}

QStringList listedNames(frmlogon *logon)
{
    QStringList out;
    for (int i = 0; i < logon->namechoice->count(); ++i)
        out << logon->namechoice->itemText(i);
    return out;
}

void expectBox(const FakeDialogs &dialogs, const QString &text, const QString &title, Dialogs::Icon icon)
{
    QVERIFY(dialogs.count() > 0);
    QCOMPARE(dialogs.last().text, text);
    QCOMPARE(dialogs.last().title, title);
    QCOMPARE(dialogs.last().icon, icon);
    QCOMPARE(dialogs.last().buttons, Dialogs::Buttons(Dialogs::Ok));
}

bool TestApp::logOn(const QString &name, const QString &password)
{
    frmlogon *l = logon();
    if (!l->isVisible())
        l->show();
    l->namechoice->setEditText(name);
    l->Command1->click();
    if (l->passwordbx->isVisible()) {
        l->txtpass->setText(password);
        l->Command3->click();
    }
    return main()->isVisible();
}

} // namespace pw::test
