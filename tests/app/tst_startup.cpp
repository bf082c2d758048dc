// Start-up: the company database checks, the splash, the first run and the normal start.
#include "testlib/pgserver.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"
#include "messages/errortext.h"
#include "app/copycommand.h"
#include "db/journal.h"
#include "db/quoting.h"
#include "domain/journalchain.h"
#include "domain/recordcheck.h"

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
using pw::test::child;
using pw::test::textOf;

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

// Looks at a window of that objectName each time it is shown.
class WhenShown : public QObject {
public:
    explicit WhenShown(const char *objectName) : m_name(QString::fromLatin1(objectName)) { qApp->installEventFilter(this); }
    ~WhenShown() override { qApp->removeEventFilter(this); }

    int times = 0;
    QSize size;
    QString title;
    QImage picture;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && watched->objectName() == m_name) {
            auto *w = static_cast<QWidget *>(watched);
            if (w->isWindow()) {
                ++times;
                size = w->size();
                title = w->windowTitle();
                picture = w->grab().toImage();
            }
        }
        return false;
    }

private:
    QString m_name;
};

void start(TestApp &app)
{
    app.startProgram();
    pw::test::settle();
}

} // namespace

class tst_startup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normalStart();
    void firstRun_data();
    void firstRun();
    void firstRunNeedsAName();
    void firstRunClosed();
    void missingFileCreated();
    void missingFileDeclined();
    void unusableFile_data();
    void unusableFile();
    void fileInUse();
    void serverRefuses_data();
    void serverRefuses();
    void splashPicture();
    void journalStartedOnFirstWork();
};

void tst_startup::normalStart()
{
    TestApp app;
    start(app);
    QVERIFY(!app.window("frmsplash"));
    QVERIFY(!app.window("frmstartup"));
    QVERIFY(app.logon()->isVisible());
    QVERIFY(centred(app.logon()));
    QCOMPARE(app.logon()->windowTitle(), QStringLiteral("Punchwell"));
    // The main window is loaded, hidden, with the company name on its "About" tab.
    QVERIFY(app.window("frmmain"));
    QVERIFY(!app.main()->isVisible());
    QCOMPARE(textOf(app.main(), "company"), QStringLiteral("Acme Widgets"));
    QCOMPARE(app.dialogs.count(), 0);
    QVERIFY(!app.programEnd.ended());
}

void tst_startup::firstRun_data()
{
    QTest::addColumn<QString>("company");
    QTest::newRow("plain") << "Acme Widgets";
    QTest::newRow("blanks kept") << "  Acme Widgets  ";
    QTest::newRow("quotes and SQL") << "O'Neil \"Bob\"; DROP TABLE datalist";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Müller & Söhne");
}

void tst_startup::firstRun()
{
    QFETCH(QString, company);
    TestApp app{QString()};
    start(app);
    QWidget *first = app.window("frmstartup");
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(centred(first));
    QVERIFY(!app.logon()->isVisible());
    QVERIFY(!app.window("frmsplash"));
    QCOMPARE(first->windowTitle(), QStringLiteral("Punchwell Startup Screen"));
    QCOMPARE(textOf(first, "Frame1"), QStringLiteral("Company Name:"));
    const QString welcome = textOf(first, "Label1");
    QVERIFY(welcome.startsWith(QStringLiteral("     Welcome to Punchwell startup!  I'm glad")));
    QVERIFY(welcome.contains(QStringLiteral("as others have.\nIn order for Punchwell")));
    QVERIFY(welcome.endsWith(QStringLiteral("You will NOT be able to change this later.")));

    pw::test::typeInto(first, "Companyname", company);
    QTest::keyClick(child<QLineEdit>(first, "Companyname"), Qt::Key_Return); // Enter presses "OK"

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
    QVERIFY(!app.window("frmstartup"));
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(textOf(app.main(), "company"), company);
}

// The name can never be changed afterwards: "OK" waits for one that is not blank.
void tst_startup::firstRunNeedsAName()
{
    TestApp app{QString()};
    start(app);
    QWidget *first = app.window("frmstartup");
    QVERIFY(first);
    for (const QString &blank : {QString(), QStringLiteral("  "), QStringLiteral("\t\u00a0")}) {
        pw::test::typeInto(first, "Companyname", blank);
        QVERIFY(!child<QPushButton>(first, "Command1")->isEnabled());
        QTest::keyClick(child<QLineEdit>(first, "Companyname"), Qt::Key_Return);
    }
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM \"Company Data\"")).toInt(), 0);
    QVERIFY(!app.programEnd.ended());
    pw::test::typeInto(first, "Companyname", QStringLiteral(" A"));
    QVERIFY(child<QPushButton>(first, "Command1")->isEnabled());
}

void tst_startup::firstRunClosed()
{
    TestApp app{QString()};
    start(app);
    QWidget *first = app.window("frmstartup");
    QVERIFY(first);
    pw::test::typeInto(first, "Companyname", QStringLiteral("Never stored"));
    first->close();
    QVERIFY(app.programEnd.ended());
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM \"Company Data\"")).toInt(), 0);
    QCOMPARE(app.dialogs.count(), 0);

    app.restart();
    start(app);
    QVERIFY(app.window("frmstartup"));
    QVERIFY(app.window("frmstartup")->isVisible());
}

// No company where the program looks: the file is gone, or the server's database is empty.
void removeCompany(TestApp &app)
{
    if (pw::test::onServer()) {
        app.exec(QStringLiteral("DROP TABLE \"Company Data\", datalist, \"Manager\""));
        app.db().close();
        QCOMPARE(app.db().check().number, int(pw::ErrFileNotFound));
    } else {
        app.db().close();
        QVERIFY(QFile::remove(app.path()));
    }
}

void tst_startup::missingFileCreated()
{
    TestApp app{QString()};
    removeCompany(app);
    app.dialogs.answer(Dialogs::Yes);
    start(app);
    QCOMPARE(app.dialogs.count(), 1);
    const FakeDialogs::Shown &box = app.dialogs.last();
    const QString question = pw::test::onServer()
        ? QStringLiteral("Punchwell cannot find its company database in\n\n%1\n\nwhich holds no Punchwell company yet. "
                         "Do you want to create a new company database there? Punchwell will then ask for your "
                         "company name.")
        : QStringLiteral("Punchwell cannot find its company database\n\n%1\n\nDo you want to create a new "
                         "company database there? Punchwell will then ask for your company name.");
    QCOMPARE(box.text, question.arg(pw::ErrorText::location(app.db().location())));
    QCOMPARE(box.icon, Dialogs::Icon::Question);
    QCOMPARE(box.buttons, Dialogs::Yes | Dialogs::No);
    QVERIFY(!app.db().check());
    QVERIFY(!app.programEnd.ended());
    // The first run follows on the new file.
    QVERIFY(app.window("frmstartup"));
    QVERIFY(app.window("frmstartup")->isVisible());
    QCOMPARE(app.value(QStringLiteral("SELECT Ename FROM datalist")).toString(), QStringLiteral("Manager"));
}

void tst_startup::missingFileDeclined()
{
    TestApp app;
    removeCompany(app);
    app.dialogs.answer(Dialogs::No);
    start(app);
    QVERIFY(app.programEnd.ended());
    QCOMPARE(app.db().check().number, int(pw::ErrFileNotFound)); // nothing was made
    if (!pw::test::onServer())
        QVERIFY(!QFile::exists(app.path()));
    QVERIFY(!app.window("frmsplash"));
    QVERIFY(!app.window("frmlogon"));
}

void tst_startup::unusableFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("words");
    QByteArray jet(2048, '\0');
    jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
    QTest::newRow("Access file cut short") << jet << "Access-format";
    QTest::newRow("text") << QByteArray("hello\n") << "not a database";
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("cut short") << QByteArray("SQLite format 3\0abc", 19) << "damaged";
}

void tst_startup::unusableFile()
{
    PW_FILE_ONLY("what is in the file");
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
    QVERIFY(!app.window("frmlogon"));
    QCOMPARE(fileBytes(app.path()), content);
}

void tst_startup::fileInUse()
{
    // Another program holds the file exclusively: start-up waits briefly, then says so.
    PW_FILE_ONLY("a lock on the file");
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

void tst_startup::serverRefuses_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("because");
    if (!pw::test::onServer())
        return;
    const QString server = QStringLiteral("the server at ") + pw::test::testServer().socketDir();
    QTest::newRow("server down") << "down"
                                 << "%1 cannot be reached: the server is not running, or the address is wrong, or the "
                                    "network is down";
    QTest::newRow("no such database") << "nowhere" << "there is no such database: %1 does not exist";
    QTest::newRow("unknown user") << "nobody" << "the server refused the user name or the password for %1";
    QTest::newRow("password in the address") << "password" << "the server's address cannot be used: it holds a password";
}

void tst_startup::serverRefuses()
{
    // Each fault at start names the server and says what happened, then the program ends in order.
    PW_SERVER_ONLY("a server that cannot be used");
    QFETCH(QString, fault);
    QFETCH(QString, because);
    pw::test::PgServer &server = pw::test::testServer();
    TestApp app;
    if (fault == QLatin1String("down")) {
        app.restartAt(app.path());
        QVERIFY(server.stop(true));
    } else if (fault == QLatin1String("nowhere")) {
        app.restartAt(server.url(QStringLiteral("nowhere")));
    } else if (fault == QLatin1String("nobody")) {
        app.restartAt(QString(server.url(QStringLiteral("punchwell_tests"))).replace(QStringLiteral("postgres@"),
                                                                                     QStringLiteral("nobody@")));
    } else {
        app.restartAt(QString(server.url(QStringLiteral("punchwell_tests"))).replace(QStringLiteral("postgres@"),
                                                                                     QStringLiteral("postgres:secret@")));
    }
    start(app);
    QVERIFY(server.isRunning() || server.start());
    QCOMPARE(app.dialogs.count(), 1);
    const FakeDialogs::Shown &box = app.dialogs.last();
    const QString where = pw::ErrorText::location(app.db().location());
    QVERIFY2(box.text.startsWith(QStringLiteral("Punchwell cannot use its company database\n\n%1\n\nbecause %2")
                                     .arg(where, because.contains(QLatin1String("%1")) ? because.arg(where) : because)),
             qPrintable(box.text));
    QVERIFY2(box.text.endsWith(QStringLiteral(").\n\nNothing in the database has been changed. Punchwell will now close.")),
             qPrintable(box.text));
    QVERIFY(!box.text.contains(QStringLiteral("secret")));
    QCOMPARE(box.icon, Dialogs::Icon::Critical);
    QVERIFY(app.programEnd.ended());
    QCOMPARE(app.programEnd.exitCode(), 1);
    QVERIFY(!app.window("frmsplash"));
    QVERIFY(!app.window("frmlogon"));
}

void tst_startup::splashPicture()
{
    // The splash as the start-up shows it: it gives way to the logon window at once, so its
    // picture is taken the moment it is shown.
    TestApp app;
    WhenShown splash("frmsplash");
    start(app);
    QCOMPARE(splash.times, 1);
    QCOMPARE(splash.size, QSize(340, 243));
    QCOMPARE(splash.title, QStringLiteral("Punchwell"));
    QCOMPARE(splash.picture.size(), QSize(340, 243));
    QVERIFY(splash.picture.pixelColor(5, 5) != splash.picture.pixelColor(170, 200)); // a picture, not a blank
    QVERIFY(!app.window("frmsplash"));
    QVERIFY(app.logon()->isVisible());
}


// A company without a journal gets one the first time it is opened to work, sealing what it held;
// read as a copy's source, it gets none.
void tst_startup::journalStartedOnFirstWork()
{
    TestApp app;
    app.addEmployee(QStringLiteral("Ann"), QStringLiteral("12.5"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("In"), QStringLiteral("Desk"));
    QVERIFY(!*pw::Journal(app.db()).exists());
    QTemporaryDir copies;
    const QString copy = copies.filePath(QStringLiteral("copy.mdb"));
    const pw::CopyCommandResult copied = pw::copyCompanyCommand(app.path(), copy, copies.path());
    QVERIFY2(copied.exitCode == 0, qPrintable(copied.line));
    QVERIFY(!*pw::Journal(app.db()).exists());
    const auto copyDb = pw::Database::fromLocation(copy);
    QVERIFY(!copyDb->open());
    QVERIFY(!*pw::Journal(*copyDb).exists());
    const auto digest = pw::companyDigest(app.db());
    QVERIFY(digest);
    const QByteArray found = *digest;

    start(app);
    QVERIFY(app.logon()->isVisible());
    QCOMPARE(app.dialogs.count(), 0);
    QList<pw::JournalRow> rows;
    QVERIFY(!pw::Journal(app.db()).walk([&](const pw::JournalRow &row) { rows << row; return pw::DbError(); }));
    // The seal, then what the company held, row by row: enough to replay it.
    QCOMPARE(rows[0].entry.what, QStringLiteral("seal"));
    QCOMPARE(rows[0].entry.who, QStringLiteral("Punchwell"));
    QStringList whats;
    for (const pw::JournalRow &row : std::as_const(rows))
        whats << row.entry.what;
    QCOMPARE(whats.mid(1, 3), QStringList({"foundsettings", "foundemployee", "foundemployee"}));
    QVERIFY(pw::verifyRecords(app.db())->verified());
    QVERIFY(!rows[0].entry.employee && !rows[0].entry.before);
    QCOMPARE(rows[0].entry.after, std::optional<QString>(QString::fromLatin1(found)));
    QCOMPARE(*pw::companyDigest(app.db()), found); // the journal is no part of it
    const auto chain = pw::verifyChain(app.db());
    QVERIFY(chain->whole());
    QCOMPARE(chain->rows, rows.size());

    // A later start adds nothing; a changed row changes the digest.
    app.restart();
    start(app);
    qsizetype later = 0;
    QVERIFY(!pw::Journal(app.db()).walk([&](const pw::JournalRow &) { ++later; return pw::DbError(); }));
    QCOMPARE(later, rows.size());
    app.exec(QStringLiteral("UPDATE %1 SET activity = ?").arg(pw::quoteIdentifier(QStringLiteral("Ann"))), {QStringLiteral("Dock")});
    QVERIFY(*pw::companyDigest(app.db()) != found);
}

PW_TEST_MAIN(tst_startup)
#include "tst_startup.moc"
