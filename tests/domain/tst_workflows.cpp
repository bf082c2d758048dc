// The work the windows start, without any window: the print and clear runs over every employee,
// the logon choice, the clock-in request, and the corrections typed into a shown row.
#include "domain/clearing.h"
#include "domain/clocking.h"
#include "domain/employees.h"
#include "domain/logon.h"
#include "domain/printing.h"
#include "domain/recordviews.h"
#include "domain/session.h"
#include "testlib/testcompany.h"
#include "testlib/coremain.h"

#include <QTest>

using pw::LocalDateTime;
using pw::StepProblem;
using pw::test::TestCompany;
namespace clocking = pw::clocking;
namespace logon = pw::logon;
namespace printing = pw::printing;

namespace {

const QString ann = QStringLiteral("Ann");
const QString bob = QStringLiteral("Bob");
const QString kIn = QStringLiteral("Clocked In");
const QString kOut = QStringLiteral("Clocked Out");

LocalDateTime at(const char *text)
{
    return *LocalDateTime::fromStored(QStringView(QString::fromLatin1(text)));
}

// Whoever started the work, as a script: every event written down as a word, each answer given.
class Observer : public printing::PrintObserver {
public:
    QStringList events;
    QString pdf;         // the answer to a question for a PDF file
    int stopAfter = -1;  // steps done when the user presses Cancel

    bool step(int done, const QString &employee) override
    {
        if (done == stopAfter)
            return false;
        events << QStringLiteral("step %1").arg(employee);
        return true;
    }
    void problem(const StepProblem &p) override
    {
        static const char *kinds[] = {"list", "not listed", "log", "not cleared", "unreadable", "not saved", "run not saved"};
        events << QStringLiteral("%1 %2").arg(QLatin1String(kinds[p.kind]), p.employee);
    }
    void stepDone(const QString &employee) override { events << QStringLiteral("done %1").arg(employee); }
    QString pdfForCard(const QString &employee, const QString &) override
    {
        events << QStringLiteral("pdf? %1").arg(employee);
        return pdf;
    }
    QString pdfForRun(const QString &employee, const QString &, const QDate &) override
    {
        events << QStringLiteral("pdf for the run? %1").arg(employee);
        return pdf;
    }
};

// Ann with one shift, Bob with an open one; the Manager's log is empty.
void company(TestCompany &app)
{
    for (const QString &name : {ann, bob})
        app.addEmployee(name);
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), kIn, QStringLiteral("Desk"));
    app.addEntry(ann, QStringLiteral("2026-12-07 09:00:00"), kOut);
    app.addEntry(bob, QStringLiteral("2026-12-07 10:00:00"), kIn, QStringLiteral("Yard"));
    app.clock.set(2026, 12, 7, 12, 0, 0);
}

} // namespace

class tst_workflows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printRun_data();
    void printRun();
    void clearRun();
    void logonChoice_data();
    void logonChoice();
    void clockInRequest_data();
    void clockInRequest();
    void corrections_data();
    void corrections();
    void detailsAndDeletion();
};

void tst_workflows::printRun_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("jobs"); // name, then where it went

    QTest::newRow("every card printed")
        << "" << "" << -1 << QStringList{"step Manager", "step Ann", "done Ann", "step Bob", "done Bob"}
        << QStringList{"Ann printed", "Bob printed"};
    // Asked once: Ann's card and Bob's go into the one file.
    QTest::newRow("printer fails, one PDF file")
        << "failing" << "cards" << -1
        << QStringList{"step Manager", "step Ann", "pdf for the run? Ann", "done Ann", "step Bob", "done Bob"}
        << QStringList{"Ann dropped", "cards.pdf 2 pages"};
    QTest::newRow("printer fails, declined")
        << "failing" << "" << -1 << QStringList{"step Manager", "step Ann", "pdf for the run? Ann"}
        << QStringList{"Ann dropped"};
    QTest::newRow("a missing log is skipped")
        << "no log" << "" << -1 << QStringList{"step Manager", "step Ann", "log Ann", "step Bob", "done Bob"}
        << QStringList{"Bob printed"};
    QTest::newRow("cancelled") << "" << "" << 2 << QStringList{"step Manager", "step Ann", "done Ann"}
                               << QStringList{"Ann printed"};
}

void tst_workflows::printRun()
{
    QFETCH(QString, fault);
    QFETCH(QString, pdf);
    QFETCH(int, stopAfter);
    QFETCH(QStringList, events);
    QFETCH(QStringList, jobs);
    TestCompany app;
    company(app);
    app.printers.failing = fault == QLatin1String("failing");
    if (fault == QLatin1String("no log"))
        app.exec(QStringLiteral("DROP TABLE \"Ann\""));
    const auto stored = app.log(bob);
    Observer observer;
    observer.pdf = pdf;
    observer.stopAfter = stopAfter;

    const pw::RunOutcome run = printing::printAll(app.db(), app.printers, app.clock, QStringLiteral("Acme"),
                                                  at("2026-12-31 00:00:00"), observer);

    QCOMPARE(observer.events, events);
    QStringList went;
    for (const pw::test::PrintJob &job : app.printers.jobs)
        went << (job.file.isEmpty() ? job.name.section(QLatin1String(": "), 1) + (job.sent ? " printed" : " dropped")
                                    : QStringLiteral("%1 %2 pages").arg(job.file).arg(job.pages.size()));
    QCOMPARE(went, jobs);
    QCOMPARE(run.total, 3);
    QCOMPARE(run.cancelled, stopAfter >= 0);
    QCOMPARE(run.failed, fault == QLatin1String("failing") && pdf.isEmpty());
    QCOMPARE(app.log(bob), stored); // a card closes an open shift on paper only
}

void tst_workflows::clearRun()
{
    // Each log is cleared on its own: Bob's refusal keeps his log whole and stops the run after
    // Ann's was cleared; a name nobody holds is refused before any log is touched.
    TestCompany app;
    company(app);
    app.keepRowsOnDelete(bob);
    Observer observer;
    const pw::RunOutcome run = pw::clearing::clearEveryone(app.db(), at("2026-12-08 00:00:00"), observer);
    QCOMPARE(observer.events, (QStringList{"step Manager", "done Manager", "step Ann", "done Ann", "step Bob", "not cleared Bob"}));
    QVERIFY(run.failed);
    QVERIFY(app.log(ann).isEmpty());
    QCOMPARE(app.log(bob).size(), 1);

    observer.events.clear();
    QCOMPARE(pw::clearing::clearEmployee(app.db(), QStringLiteral("ann"), at("2026-12-08 00:00:00"), observer),
             pw::StepResult::Skipped);
    QCOMPARE(observer.events, QStringList{"not listed ann"});
}

void tst_workflows::logonChoice_data()
{
    QTest::addColumn<QVariant>("password"); // as stored
    QTest::addColumn<bool>("hasLog");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("outcome");

    QTest::newRow("no password") << QVariant(QString()) << true << ann << int(logon::Choice::LoggedOn);
    QTest::newRow("a Null password is none") << QVariant(QMetaType(QMetaType::QString)) << true << ann
                                             << int(logon::Choice::LoggedOn);
    QTest::newRow("a password") << QVariant(QStringLiteral("Se cret")) << true << ann << int(logon::Choice::PasswordAsked);
    QTest::newRow("log gone") << QVariant(QStringLiteral("Se cret")) << false << ann << int(logon::Choice::LogMissing);
    QTest::newRow("names are exact") << QVariant(QString()) << true << "ann" << int(logon::Choice::NotListed);
    QTest::newRow("no trimming") << QVariant(QString()) << true << "Ann " << int(logon::Choice::NotListed);
}

void tst_workflows::logonChoice()
{
    QFETCH(QVariant, password);
    QFETCH(bool, hasLog);
    QFETCH(QString, chosen);
    QFETCH(int, outcome);
    TestCompany app;
    app.addEmployee(ann, QStringLiteral("12.5"), password);
    if (!hasLog)
        app.exec(QStringLiteral("DROP TABLE \"Ann\""));

    const logon::Choice choice = logon::choose(app.db(), chosen);
    QCOMPARE(int(choice.outcome), outcome);
    QVERIFY(!choice.error);
    if (choice.accepted())
        QCOMPARE(choice.wage, QStringLiteral("12.5"));
    // Only the stored password, exactly, opens a logon that asked for one.
    const QString stored = password.toString();
    QCOMPARE(logon::passwordAccepted(choice, stored), outcome == logon::Choice::PasswordAsked);
    QVERIFY(!logon::passwordAccepted(choice, stored.toLower()));
    QVERIFY(!logon::passwordAccepted(choice, stored + QLatin1Char(' ')));

    // The management functions open to the Manager only, and only after a password.
    pw::Session session;
    session.logOn(chosen, choice.wage, true);
    QVERIFY(!session.managementOpen());
    session.logOn(pw::kManager, QString(), false);
    QVERIFY(!session.managementOpen());
}

void tst_workflows::clockInRequest_data()
{
    QTest::addColumn<QVariant>("last"); // the last entry's status; invalid: an empty log
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("stored");

    const int allowed = int(clocking::Outcome::Stored), refused = int(clocking::Outcome::NotClockedOut);
    QTest::newRow("empty log") << QVariant() << allowed << allowed;
    QTest::newRow("clocked out") << QVariant(kOut) << allowed << allowed;
    QTest::newRow("clocked in") << QVariant(kIn) << refused << refused;
    // Another word passes the request and is refused when the clock-in is stored.
    QTest::newRow("another word") << QVariant(QStringLiteral("clocked in")) << allowed << refused;
    QTest::newRow("Null") << QVariant(QMetaType(QMetaType::QString)) << allowed << refused;
}

void tst_workflows::clockInRequest()
{
    QFETCH(QVariant, last);
    QFETCH(int, request);
    QFETCH(int, stored);
    TestCompany app;
    app.addEmployee(ann);
    if (last.isValid())
        app.exec(QStringLiteral("INSERT INTO \"Ann\" (Ename, datetime, inoutfx) VALUES ('Ann', '2026-12-07 08:00:00', ?)"),
                 {last});
    // Through the window's view, which is left on the entry it read.
    pw::LogView view(app.db());
    view.setRecordSource(ann);
    QCOMPARE(int(clocking::requestClockIn(view).outcome), request);
    QCOMPARE(view.hasCurrent(), last.isValid());
    // No task at all is stored as one blank.
    QCOMPARE(int(clocking::clockIn(app.db(), ann, ann, at("2026-12-07 09:00:00"), QString()).outcome), stored);
    if (stored == int(clocking::Outcome::Stored))
        QCOMPARE(app.log(ann).last()[3].toString(), QStringLiteral(" "));
}

void tst_workflows::corrections_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused, nothing stored

    QTest::newRow("general date") << "12/7/2026 5:30:00 PM" << "2026-12-07 17:30:00";
    QTest::newRow("a date alone") << "12/8/2026" << "2026-12-08 00:00:00";
    QTest::newRow("ISO") << "2026-12-07T08:05" << "2026-12-07 08:05:00";
    // Before the clock-in it follows: the log would be out of order.
    QTest::newRow("before the entry it follows") << "12/6/2026 5:30:00 PM" << "";
    QTest::newRow("no such day") << "2/30/2026" << "";
    QTest::newRow("words") << "yesterday" << "";
}

void tst_workflows::corrections()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    TestCompany app;
    company(app);
    pw::LogView view(app.db());
    view.setRecordSource(ann);
    QVERIFY(!view.refresh());
    QVERIFY(!view.moveLast());

    const pw::DbError e = view.store({{QStringLiteral("datetime"), typed}});
    QCOMPARE(e.number, stored.isEmpty() ? int(pw::ErrRefusedValue) : int(pw::ErrNone));
    const QString expected = stored.isEmpty() ? QStringLiteral("2026-12-07 09:00:00") : stored;
    QCOMPARE(app.log(ann).last()[1].toString(), expected);
    QCOMPARE(view.field(QStringLiteral("datetime")).toString(), expected);
    QCOMPARE(app.log(ann).first()[1].toString(), QStringLiteral("2026-12-07 08:00:00"));
    // A shown log is no place for anything but a date and time.
    QCOMPARE(view.store({{QStringLiteral("inoutfx"), kIn}}).number, int(pw::ErrGeneral));
}

void tst_workflows::detailsAndDeletion()
{
    TestCompany app;
    company(app);
    pw::EmployeeView list(app.db());
    list.setRecordSource(QStringLiteral("datalist"));
    QVERIFY(!list.refresh());
    QVERIFY(!list.moveLast());
    QCOMPARE(list.field(QStringLiteral("Ename")).toString(), bob);

    // Typed exactly as they are: a wage need not be a number, and notes keep their lines.
    QVERIFY(!list.store({{QStringLiteral("Ewage"), QStringLiteral(" 9,50 ")}, {QStringLiteral("Ecomment"), "a\nb"}}));
    QCOMPARE(app.rows(QStringLiteral("SELECT Ewage, Ecomment FROM datalist WHERE Ename = 'Bob'")),
             (QList<QVariantList>{{" 9,50 ", "a\nb"}}));
    QCOMPARE(app.value(QStringLiteral("SELECT Ewage FROM datalist WHERE Ename = 'Ann'")).toString(), QStringLiteral("10"));
    QCOMPARE(list.store({{QStringLiteral("Ename"), ann}}).number, int(pw::ErrGeneral)); // a name stays
    QCOMPARE(list.field(QStringLiteral("Ename")).toString(), bob);

    QCOMPARE(pw::checkDeletion(app.db(), pw::kManager).refusal, pw::DeleteRefusal::Manager);
    QCOMPARE(pw::checkDeletion(app.db(), QStringLiteral("bob")).refusal, pw::DeleteRefusal::NotListed);
    QCOMPARE(pw::checkDeletion(app.db(), bob).refusal, pw::DeleteRefusal::None);
}

PW_CORE_TEST_MAIN(tst_workflows)
#include "tst_workflows.moc"
