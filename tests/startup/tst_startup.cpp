// Start-up: the company database checks, the splash, the first run and the normal start.
#include "clock/frmmain.h"
#include "startup/forms.h"
#include "startup/frmlogon.h"
#include "startup/frmsplash.h"
#include "startup/frmstartup.h"
#include "startup/module1.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <sqlite3.h>

using pw::Dialogs;
using pw::test::FakeDialogs;
using pw::test::TestApp;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

bool centred(QWidget *w)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return w->x() == (screen.width() - w->width()) / 2 && w->y() == (screen.height() - w->height()) / 2;
}

void start(TestApp &app)
{
    Module1::Main(app.forms());
    pw::test::settle();
}

} // namespace

class tst_startup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normalStart();
    void firstRun_data();
    void firstRun();
    void firstRunClosed();
    void missingFileCreated();
    void missingFileDeclined();
    void unusableFile_data();
    void unusableFile();
    void fileInUse();
    void splashPicture();
};

void tst_startup::normalStart()
{
    TestApp app;
    start(app);
    QVERIFY(!app.forms().hasSplash());
    QVERIFY(!app.forms().hasStartup());
    QVERIFY(app.logon()->isVisible());
    QVERIFY(centred(app.logon()));
    QCOMPARE(app.logon()->windowTitle(), QStringLiteral("Punchwell"));
    // The main window is loaded, hidden, with the company name on its "About" tab.
    QVERIFY(app.forms().hasMain());
    QVERIFY(!app.main()->isVisible());
    QCOMPARE(app.main()->company->text(), QStringLiteral("Acme Widgets"));
    QCOMPARE(app.dialogs.count(), 0);
    QVERIFY(!app.programEnd.ended());
}

void tst_startup::firstRun_data()
{
    QTest::addColumn<QString>("company");
    QTest::newRow("plain") << "Acme Widgets";
    QTest::newRow("blanks kept") << "  Acme Widgets  ";
    QTest::newRow("empty") << "";
    QTest::newRow("quotes and SQL") << "O'Neil \"Bob\"; DROP TABLE datalist";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Müller & Söhne");
}

void tst_startup::firstRun()
{
    QFETCH(QString, company);
    TestApp app{QString()};
    start(app);
    frmstartup *first = app.forms().startup();
    QVERIFY(first->isVisible());
    QVERIFY(centred(first));
    QVERIFY(!app.logon()->isVisible());
    QVERIFY(!app.forms().hasSplash());
    QCOMPARE(first->windowTitle(), QStringLiteral("Punchwell Startup Screen"));
    QCOMPARE(first->Frame1->title(), QStringLiteral("Company Name:"));
    QVERIFY(first->Label1->text().startsWith(QStringLiteral("     Welcome to Punchwell startup!  I'm glad")));
    QVERIFY(first->Label1->text().contains(QStringLiteral("as others have.\nIn order for Punchwell")));
    QVERIFY(first->Label1->text().endsWith(QStringLiteral("You will NOT be able to change this later.")));

    first->Companyname->setText(company);
    QTest::keyClick(first->Companyname, Qt::Key_Return); // Enter presses "OK"

    const auto rows = app.rows(QStringLiteral("SELECT company, subs, money, edits FROM \"Company Data\""));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toString(), company);
    QVERIFY(rows[0][1].isNull() && rows[0][2].isNull() && rows[0][3].isNull());
    QCOMPARE(app.dialogs.count(), 1);
    const FakeDialogs::Shown &box = app.dialogs.last();
    QCOMPARE(box.text, QStringLiteral("Thank You.  You must now Restart Punchwell."));
    QCOMPARE(box.title, QStringLiteral("Please Restart"));
    QCOMPARE(box.icon, Dialogs::Icon::Information);
    QCOMPARE(box.buttons, Dialogs::Buttons(Dialogs::Ok));
    QVERIFY(app.programEnd.ended());
    QVERIFY(!first->isVisible());

    // The next start goes to the logon window.
    app.restart();
    start(app);
    QVERIFY(!app.forms().hasStartup());
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(app.main()->company->text(), company);
}

void tst_startup::firstRunClosed()
{
    TestApp app{QString()};
    start(app);
    frmstartup *first = app.forms().startup();
    first->Companyname->setText(QStringLiteral("Never stored"));
    first->close();
    QVERIFY(app.programEnd.ended());
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM \"Company Data\"")).toInt(), 0);
    QCOMPARE(app.dialogs.count(), 0);

    app.restart();
    start(app);
    QVERIFY(app.forms().startup()->isVisible());
}

void tst_startup::missingFileCreated()
{
    TestApp app{QString()};
    app.db().close();
    QVERIFY(QFile::remove(app.path()));
    app.dialogs.answer(Dialogs::Yes);
    start(app);
    QCOMPARE(app.dialogs.count(), 1);
    const FakeDialogs::Shown &box = app.dialogs.last();
    QVERIFY2(box.text.contains(app.path()), qPrintable(box.text));
    QVERIFY(box.text.contains(QStringLiteral("create a new company database")));
    QCOMPARE(box.buttons, Dialogs::Yes | Dialogs::No);
    QVERIFY(QFile::exists(app.path()));
    QVERIFY(!app.programEnd.ended());
    // The first run follows on the new file.
    QVERIFY(app.forms().startup()->isVisible());
    QCOMPARE(app.value(QStringLiteral("SELECT Ename FROM datalist")).toString(), QStringLiteral("Manager"));
}

void tst_startup::missingFileDeclined()
{
    TestApp app;
    app.db().close();
    QVERIFY(QFile::remove(app.path()));
    app.dialogs.answer(Dialogs::No);
    start(app);
    QVERIFY(app.programEnd.ended());
    QVERIFY(!QFile::exists(app.path()));
    QVERIFY(!app.forms().hasSplash());
    QVERIFY(!app.forms().hasLogon());
}

void tst_startup::unusableFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("words");
    QByteArray jet(2048, '\0');
    jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
    QTest::newRow("Access file") << jet << "Microsoft Access";
    QTest::newRow("text") << QByteArray("hello\n") << "not a database";
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("cut short") << QByteArray("SQLite format 3\0abc", 19) << "damaged";
}

void tst_startup::unusableFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, words);
    TestApp app;
    app.db().close();
    {
        QFile f(app.path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    start(app);
    QCOMPARE(app.dialogs.count(), 1);
    const FakeDialogs::Shown &box = app.dialogs.last();
    QVERIFY2(box.text.contains(app.path()), qPrintable(box.text));
    QVERIFY2(box.text.contains(words), qPrintable(box.text));
    QCOMPARE(box.icon, Dialogs::Icon::Critical);
    QVERIFY(app.programEnd.ended());
    QVERIFY(!app.forms().hasLogon());
    QCOMPARE(fileBytes(app.path()), content);
}

void tst_startup::fileInUse()
{
    // Another program holds the file exclusively: start-up waits briefly, then says so.
    TestApp app;
    app.db().close();
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(app.path()).constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    start(app);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    QCOMPARE(app.dialogs.count(), 1);
    QVERIFY2(app.dialogs.last().text.contains(QStringLiteral("in use")), qPrintable(app.dialogs.last().text));
    QVERIFY(app.programEnd.ended());
}

void tst_startup::splashPicture()
{
    TestApp app;
    frmsplash *splash = app.forms().splash();
    QCOMPARE(splash->size(), QSize(340, 243));
    QCOMPARE(splash->windowTitle(), QStringLiteral("Punchwell"));
    const QImage picture = splash->grab().toImage();
    QCOMPARE(picture.size(), QSize(340, 243));
    QVERIFY(picture.pixelColor(5, 5) != picture.pixelColor(170, 200)); // a picture, not a blank
}

PW_TEST_MAIN(tst_startup)
#include "tst_startup.moc"
