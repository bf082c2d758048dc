// A time card on a real printer: the program's own print path (QPrinter on the default printer)
// sends the card to a CUPS scheduler that this test starts for itself, with its configuration,
// socket and spool in a temporary folder. Its default printer is a raw queue that throws the paper
// away but keeps each job's document, the PDF that Qt sent, which is read back with pdftotext.
// The machine's own CUPS and printers are never touched.
#include "db/recordset.h"
#include "platform/qt/qtprinter.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <grp.h>
#include <unistd.h>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::click;
using pw::test::textOf;
using pw::test::trigger;

namespace {

const QString kQueue = QStringLiteral("PunchwellCards");
const QString kPackages = QStringLiteral("cups cups-client cups-bsd poppler-utils");

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                                 QStringLiteral("/sbin"), QStringLiteral("/bin")});
}

// Runs a tool to its end; its output, or nothing when it failed.
std::optional<QString> run(const QString &program, const QStringList &args, QString *errors = nullptr)
{
    QProcess p;
    p.start(tool(program), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (errors)
            *errors = QString::fromLocal8Bit(p.readAllStandardError()) + p.errorString();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The lines of a PDF's text, each with its runs of blanks made one.
QStringList pdfLines(const QString &file)
{
    QString errors;
    const auto text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}, &errors);
    if (!text) {
        qWarning("pdftotext failed on %s: %s", qPrintable(file), qPrintable(errors));
        return {};
    }
    QStringList lines;
    for (const QString &line : text->split(QLatin1Char('\n')))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

void annWithOneShift(TestApp &app)
{
    app.addEmployee(QStringLiteral("Ann"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked In"),
                 QStringLiteral("Filing"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-07 10:30:00"), QStringLiteral("Clocked Out"));
    app.clock.set(2026, 12, 7, 17, 0, 0);
}

} // namespace

class tst_cupsprint : public QObject {
    Q_OBJECT

public:
    explicit tst_cupsprint(const QString &dir) : m_dir(dir) {}

private Q_SLOTS:
    void initTestCase();
    void cardOnDefaultPrinter();
    void stoppedPrinterOffersPdf();
    void noDefaultPrinter();
    void longCardSavedAsPdf();
    void cleanupTestCase();

private:
    QString path(const QString &name) const { return m_dir + QLatin1Char('/') + name; }
    QString socket() const { return path(QStringLiteral("cups.sock")); }
    bool schedulerRunning();
    QStringList jobFiles() const;

    QString m_dir;
    QProcess m_cupsd;
    pw::QtPrinterFactory m_printers;
};

void tst_cupsprint::initTestCase()
{
    for (const char *name : {"cupsd", "lpadmin", "lpstat", "cupsdisable", "pdftotext", "pdfinfo"})
        if (tool(QLatin1String(name)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is missing; the Debian packages %2 provide what this test needs")
                                 .arg(QLatin1String(name), kPackages)));

    for (const char *sub : {"spool", "cache", "state", "log", "home"})
        QVERIFY(QDir().mkpath(path(QLatin1String(sub))));
    QFile conf(path(QStringLiteral("cupsd.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral("Listen %1\n"
                              "Browsing No\n"
                              "WebInterface No\n"
                              "LogLevel warn\n"
                              "PreserveJobFiles Yes\n"
                              "PreserveJobHistory Yes\n"
                              "DefaultAuthType None\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n"
                              "</Policy>\n")
                   .arg(socket())
                   .toLocal8Bit());
    conf.close();
    QString files = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool\nCacheDir %1/cache\n"
                                   "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                   "PageLog %1/log/page_log\nFileDevice Yes\nSystemGroup root\n")
                        .arg(m_dir);
    // As root, cupsd runs its helpers as an unprivileged user and refuses root for that.
    if (geteuid() == 0)
        files += QStringLiteral("User nobody\nGroup %1\n").arg(getgrnam("nogroup") ? QStringLiteral("nogroup") : QStringLiteral("nobody"));
    QFile filesConf(path(QStringLiteral("cups-files.conf")));
    QVERIFY(filesConf.open(QIODevice::WriteOnly));
    filesConf.write(files.toLocal8Bit());
    filesConf.close();

    m_cupsd.setProcessChannelMode(QProcess::ForwardedChannels);
    m_cupsd.start(tool(QStringLiteral("cupsd")), {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                                                 QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    QVERIFY2(m_cupsd.waitForStarted(10000), qPrintable(m_cupsd.errorString()));
    QElapsedTimer waited;
    waited.start();
    while (!schedulerRunning()) {
        if (m_cupsd.state() != QProcess::Running || waited.elapsed() > 20000) {
            QFile log(path(QStringLiteral("log/error_log")));
            log.open(QIODevice::ReadOnly);
            QFAIL(qPrintable(QStringLiteral("the private CUPS scheduler did not start: %1")
                                 .arg(QString::fromLocal8Bit(log.readAll()))));
        }
        QTest::qWait(100);
    }

    QString errors;
    QVERIFY2(run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), socket(), QStringLiteral("-p"), kQueue, QStringLiteral("-E"),
                                            QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-m"),
                                            QStringLiteral("raw")},
                 &errors),
             qPrintable(errors));
    QVERIFY2(run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), socket(), QStringLiteral("-d"), kQueue}, &errors),
             qPrintable(errors));
    const auto status = run(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-d")});
    QVERIFY(status && status->contains(kQueue));
}

bool tst_cupsprint::schedulerRunning()
{
    if (!QFile::exists(socket()))
        return false;
    const auto out = run(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-r")});
    return out && out->contains(QLatin1String("scheduler is running"));
}

QStringList tst_cupsprint::jobFiles() const
{
    const QStringList names = QDir(path(QStringLiteral("spool"))).entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name);
    QStringList out;
    for (const QString &n : names)
        out << path(QStringLiteral("spool/") + n);
    return out;
}

// The "Print Log" button for one employee, through QPrinter and CUPS.
void tst_cupsprint::cardOnDefaultPrinter()
{
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    annWithOneShift(app);
    QWidget *m = app.managerShowing(QStringLiteral("Ann"));
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Ann"));
    app.dialogs.answer(Dialogs::No);
    click(m, "Command3");
    QCOMPARE(app.dialogs.count(), 2); // the question and the ending date; nothing went wrong

    // The job is in the scheduler's hands once QPrinter is done; wait for it to be printed.
    QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-W"),
                                                            QStringLiteral("completed"), QStringLiteral("-o"), kQueue})
                                 .value_or(QString())
                                 .contains(kQueue + QStringLiteral("-1")),
                             20000);
    const QStringList jobs = jobFiles();
    QCOMPARE(jobs.size(), 1);
    QFile document(jobs.first());
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.read(5) == "%PDF-");
    document.close();

    const QStringList lines = pdfLines(jobs.first());
    QVERIFY2(lines.contains(QStringLiteral("Punchwell Data for: Acme Widgets")), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Employee Name: Ann")), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Clock In Clock Out Activity Sub Total (Hours)")), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("12/7/2026 9:00:00 AM 12/7/2026 10:30:00 AM Filing 1.5")),
             qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Ann has a total of 1.5 hours")), qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.size(), 5);
}

// A stopped default printer: the box offers a PDF file, which the real PDF printer writes.
void tst_cupsprint::stoppedPrinterOffersPdf()
{
    QString errors;
    QVERIFY2(run(QStringLiteral("cupsdisable"), {QStringLiteral("-h"), socket(), kQueue}, &errors), qPrintable(errors));
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    annWithOneShift(app);
    QWidget *m = app.managerShowing(QStringLiteral("Ann"));
    const QString pdf = path(QStringLiteral("home/Ann's card.pdf"));
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(QStringLiteral("12/7/2026 9:30:00 AM"));
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerFile(pdf);
    const int jobsBefore = int(jobFiles().size());
    click(m, "Command3");
    run(QStringLiteral("cupsenable"), {QStringLiteral("-h"), socket(), kQueue});

    QCOMPARE(app.dialogs.count(), 4);
    QCOMPARE(app.dialogs.shown()[2].text,
             QStringLiteral("The time card of Ann was not printed: the printer \"%1\" is stopped or out of order.\n\nWould "
                            "you like to save the time card as a PDF file instead?")
                 .arg(kQueue));
    QCOMPARE(jobFiles().size(), jobsBefore);
    const QStringList lines = pdfLines(pdf);
    QVERIFY2(lines.contains(QStringLiteral("12/7/2026 9:00:00 AM 12/7/2026 5:00:00 PM Filing 8")),
             qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Ann has a total of 8 hours")), qPrintable(lines.join(QLatin1Char('\n'))));
}

// With the queue gone there is no default printer: the box says so, and No prints nothing.
void tst_cupsprint::noDefaultPrinter()
{
    QString errors;
    QVERIFY2(run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), socket(), QStringLiteral("-x"), kQueue}, &errors),
             qPrintable(errors));
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    annWithOneShift(app);
    QVERIFY(app.logOn(QStringLiteral("Ann")));
    app.dialogs.answer(Dialogs::Ok);
    app.dialogs.answer(Dialogs::No);
    trigger(app.main(), "prntdata");
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.dialogs.last().text,
             QStringLiteral("The time card of Ann was not printed: this computer has no default printer.\n\nWould you "
                            "like to save the time card as a PDF file instead?"));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Punchwell"));
}

// A card longer than a page, saved by the real PDF printer: it goes on over further pages, the
// headings once at the top and the total at the end. (The queue is gone since the test above.)
void tst_cupsprint::longCardSavedAsPdf()
{
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    app.addEmployee(QStringLiteral("Ann"));
    app.exec(QStringLiteral("BEGIN"));
    for (int day = 0; day < 150; ++day) {
        const QString date = QDate(2026, 1, 1).addDays(day).toString(Qt::ISODate);
        app.addEntry(QStringLiteral("Ann"), date + QStringLiteral(" 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Day %1").arg(day));
        app.addEntry(QStringLiteral("Ann"), date + QStringLiteral(" 16:00:00"), QStringLiteral("Clocked Out"));
    }
    app.exec(QStringLiteral("COMMIT"));
    QVERIFY(app.logOn(QStringLiteral("Ann")));
    const QString pdf = path(QStringLiteral("home/long.pdf"));
    app.dialogs.answer(Dialogs::Ok);
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerFile(pdf);
    trigger(app.main(), "prntdata");
    QCOMPARE(app.dialogs.count(), 3);

    const auto info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info);
    const int pages = info->section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    QVERIFY2(pages >= 2, qPrintable(*info));
    const QStringList lines = pdfLines(pdf);
    QCOMPARE(lines.size(), 4 + 150);
    QCOMPARE(lines.first(), QStringLiteral("Punchwell Log for: Acme Widgets"));
    QCOMPARE(lines.count(QStringLiteral("Clock In Clock Out Activity Sub Total (Hours)")), 1);
    QCOMPARE(lines[3], QStringLiteral("1/1/2026 8:00:00 AM 1/1/2026 4:00:00 PM Day 0 8"));
    QCOMPARE(lines[152], QStringLiteral("5/30/2026 8:00:00 AM 5/30/2026 4:00:00 PM Day 149 8"));
    QCOMPARE(lines.last(), QStringLiteral("Ann has a total of 1200 hours"));
}

void tst_cupsprint::cleanupTestCase()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

int main(int argc, char *argv[])
{
    pw::test::prepareEnvironment();
    // The scheduler's folder, and so its socket, is settled before anything in the program can ask
    // libcups for a printer: CUPS_SERVER must name it from the start. A socket path must be short.
    QString base = QDir::tempPath();
    if (base.size() > 60)
        base = QStringLiteral("/tmp");
    QTemporaryDir dir(base + QStringLiteral("/pwcups-XXXXXX"));
    if (!dir.isValid())
        qFatal("no temporary folder");
    qputenv("CUPS_SERVER", QFile::encodeName(dir.filePath(QStringLiteral("cups.sock"))));
    // The user's own printer choices (PRINTER, LPDEST, ~/.cups/lpoptions) stay out of it.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QDir().mkpath(dir.filePath(QStringLiteral("home")));
    qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));

    QApplication app(argc, argv);
    pw::test::prepareApplication();
    tst_cupsprint tc(dir.path());
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_cupsprint.moc"
