// What the program does, without any window: clocking, clearing, the card builder, printing a card,
// adding and deleting employees, passwords and the company settings, on a company database of the
// test's own. It runs on a file and on a server.
#include "messages/errortext.h"
#include "db/companydata.h"
#include "domain/clearing.h"
#include "domain/clocking.h"
#include "domain/companyclock.h"
#include "domain/companysettings.h"
#include "domain/employees.h"
#include "domain/logon.h"
#include "domain/session.h"
#include "domain/timecard.h"
#include "testlib/coremain.h"
#include "testlib/filestate.h"
#include "testlib/testcompany.h"

#include <QSignalSpy>
#include <QTest>

using pw::LocalDateTime;
using pw::AddRefusal;
using pw::test::TestCompany;
namespace clocking = pw::clocking;
namespace clearing = pw::clearing;
namespace timecard = pw::timecard;

namespace {

const QString ann = QStringLiteral("Ann");
const QString kIn = QStringLiteral("Clocked In");
const QString kOut = QStringLiteral("Clocked Out");

LocalDateTime at(const QString &text)
{
    return *LocalDateTime::fromStored(QStringView(text));
}

// A log written as "status@YYYY-MM-DD HH:MM:SS" items; "-" stands for an empty log.
void fill(TestCompany &app, const QStringList &entries)
{
    for (const QString &e : entries) {
        if (e == QLatin1String("-"))
            continue;
        const QStringList parts = e.split(QLatin1Char('@'));
        const QString status = parts[0] == QLatin1String("in") ? kIn : parts[0] == QLatin1String("out") ? kOut : parts[0];
        app.addEntry(ann, parts[1], status, status == kIn ? QVariant(QStringLiteral("Desk")) : QVariant());
    }
}

QStringList statuses(TestCompany &app)
{
    QStringList out;
    for (const QVariantList &row : app.log(ann))
        out << row[2].toString();
    return out;
}

QStringList times(TestCompany &app)
{
    QStringList out;
    for (const QVariantList &row : app.log(ann))
        out << row[1].toString();
    return out;
}

} // namespace

class tst_domain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clockEvents_data();
    void clockEvents();
    void clockFailureWritesNothing();
    void deleteLast();
    void companyClock();
    void clearBefore_data();
    void clearBefore();
    void clearAll();
    void cardBuilder_data();
    void cardBuilder();
    void settings_data();
    void settings();
    void settingsNotStored();
    void session();
    void addEmployee_data();
    void addEmployee();
    void addRefused_data();
    void addRefused();
    void deleteEmployee_data();
    void deleteEmployee();
    void failuresChangeNothing_data();
    void failuresChangeNothing();
    void changePassword();
    void printedCard();
};

void tst_domain::clockEvents_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<bool>("in"); // clock in, else clock out
    QTest::addColumn<int>("outcome");

    const QString a = QStringLiteral("in@2026-12-07 08:00:00"), b = QStringLiteral("out@2026-12-07 12:00:00");
    QTest::newRow("in, empty log") << QStringList{"-"} << true << int(clocking::Outcome::Stored);
    QTest::newRow("in, after out") << QStringList{a, b} << true << int(clocking::Outcome::Stored);
    QTest::newRow("in, after in") << QStringList{a} << true << int(clocking::Outcome::NotClockedOut);
    QTest::newRow("in, after an odd status") << QStringList{"Lunch@2026-12-07 08:00:00"} << true
                                             << int(clocking::Outcome::NotClockedOut);
    QTest::newRow("out, empty log") << QStringList{"-"} << false << int(clocking::Outcome::EmptyLog);
    QTest::newRow("out, after in") << QStringList{a} << false << int(clocking::Outcome::Stored);
    QTest::newRow("out, after out") << QStringList{a, b} << false << int(clocking::Outcome::NotClockedIn);
    QTest::newRow("out, status in other case") << QStringList{"clocked in@2026-12-07 08:00:00"} << false
                                               << int(clocking::Outcome::NotClockedIn);
}

void tst_domain::clockEvents()
{
    QFETCH(QStringList, log);
    QFETCH(bool, in);
    QFETCH(int, outcome);
    TestCompany app;
    app.addEmployee(ann);
    fill(app, log);
    const int before = int(app.log(ann).size());
    const LocalDateTime now = at(QStringLiteral("2026-12-07 17:00:00"));

    const clocking::Result r = in ? clocking::clockIn(app.db(), ann, ann, now, QStringLiteral("Filing"))
                                  : clocking::clockOut(app.db(), ann, ann, now);
    QCOMPARE(int(r.outcome), outcome);
    QVERIFY(!r.error);
    const auto rows = app.log(ann);
    if (r.stored()) {
        QCOMPARE(rows.size(), before + 1);
        QCOMPARE(rows.last()[0].toString(), ann);
        QCOMPARE(rows.last()[1].toString(), QStringLiteral("2026-12-07 17:00:00"));
        QCOMPARE(rows.last()[2].toString(), in ? kIn : kOut);
        // A clock-out carries no task at all, not an empty one.
        QCOMPARE(rows.last()[3].isNull(), !in);
        QCOMPARE(*clocking::isClockedIn(app.db(), ann), in);
    } else {
        QCOMPARE(rows.size(), before);
    }
}

void tst_domain::clockFailureWritesNothing()
{
    // A log that cannot be opened is a failure, never "stored".
    TestCompany app;
    const LocalDateTime now = at(QStringLiteral("2026-12-07 17:00:00"));
    const clocking::Result in = clocking::clockIn(app.db(), ann, ann, now, QStringLiteral(" "));
    QCOMPARE(int(in.outcome), int(clocking::Outcome::Failed));
    QCOMPARE(in.error.number, int(pw::ErrTableMissing));
    QVERIFY(!in.stored());
    const clocking::Result out = clocking::clockOut(app.db(), ann, ann, now);
    QCOMPARE(int(out.outcome), int(clocking::Outcome::Failed));
    QVERIFY(!clocking::isClockedIn(app.db(), ann));
}

void tst_domain::deleteLast()
{
    TestCompany app;
    app.addEmployee(ann);
    QCOMPARE(*clocking::deleteLast(app.db(), ann), false); // an empty log is left alone
    fill(app, {QStringLiteral("in@2026-12-07 08:00:00"), QStringLiteral("out@2026-12-07 12:00:00")});
    QCOMPARE(*clocking::deleteLast(app.db(), ann), true);
    QCOMPARE(statuses(app), QStringList{kIn});
    QCOMPARE(*clocking::isClockedIn(app.db(), ann), true); // the shift is open again
    QCOMPARE(*clocking::deleteLast(app.db(), ann), true);
    QVERIFY(app.log(ann).isEmpty());
}

// A workstation whose clock is hours off still keeps the company's time: on a server that is the
// server's clock (here the same computer's), on a file this computer's own.
void tst_domain::companyClock()
{
    TestCompany app;
    pw::test::FakeClock workstation(QDateTime(QDate(1999, 1, 1), QTime(3, 0)));
    const pw::CompanyClock clock(workstation, app.db());
    if (!app.db().isServer()) {
        QCOMPARE(clock.now(), workstation.now());
        return;
    }
    const QDateTime first = clock.now();
    QVERIFY2(qAbs(first.msecsTo(QDateTime::currentDateTime())) < 2000, qPrintable(first.toString(Qt::ISODate)));
    workstation.advance(-3600); // the workstation's clock is put back: the company's goes on
    QTest::qWait(20);
    const QDateTime later = clock.now();
    QVERIFY(later > first);
    QVERIFY(qAbs(later.msecsTo(QDateTime::currentDateTime())) < 2000);
}

void tst_domain::clearBefore_data()
{
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("leadingClockOut");

    const QStringList week{"in@2026-12-01 08:00:00", "out@2026-12-01 16:00:00", "in@2026-12-02 08:00:00",
                           "out@2026-12-02 16:00:00", "in@2026-12-03 08:00:00"};
    QTest::newRow("whole shifts") << week << "2026-12-02 00:00:00"
                                  << QStringList{"2026-12-02 08:00:00", "2026-12-02 16:00:00", "2026-12-03 08:00:00"} << false;
    QTest::newRow("between in and out: the out goes too") << week << "2026-12-02 12:00:00"
                                                          << QStringList{"2026-12-03 08:00:00"} << true;
    QTest::newRow("exactly at an entry: it stays") << week << "2026-12-03 08:00:00" << QStringList{"2026-12-03 08:00:00"}
                                                   << false;
    QTest::newRow("before every entry") << week << "2026-11-01 00:00:00"
                                        << QStringList{"2026-12-01 08:00:00", "2026-12-01 16:00:00", "2026-12-02 08:00:00",
                                                       "2026-12-02 16:00:00", "2026-12-03 08:00:00"}
                                        << false;
    QTest::newRow("after every entry") << week << "2027-01-01 00:00:00" << QStringList{} << false;
    // Entries are compared as date-times wherever they stand, not only from the head.
    QTest::newRow("out of order") << QStringList{"in@2026-12-05 08:00:00", "out@2026-12-01 16:00:00", "in@2026-12-06 08:00:00"}
                                  << "2026-12-04 00:00:00" << QStringList{"2026-12-05 08:00:00", "2026-12-06 08:00:00"}
                                  << false;
}

void tst_domain::clearBefore()
{
    QFETCH(QStringList, log);
    QFETCH(QString, ending);
    QFETCH(QStringList, left);
    QFETCH(bool, leadingClockOut);
    TestCompany app;
    app.addEmployee(ann);
    fill(app, log);
    const auto cleared = clearing::clearBefore(app.db(), ann, at(ending));
    QVERIFY(cleared);
    QCOMPARE(cleared->leadingClockOut, leadingClockOut);
    QCOMPARE(cleared->dated + (leadingClockOut ? 1 : 0), qint64(log.size() - left.size()));
    QCOMPARE(times(app), left);
}

void tst_domain::clearAll()
{
    TestCompany app;
    app.addEmployee(ann);
    fill(app, {QStringLiteral("in@2026-12-01 08:00:00"), QStringLiteral("out@2026-12-01 16:00:00")});
    QCOMPARE(*clearing::clearAll(app.db(), ann), qint64(2));
    QVERIFY(app.log(ann).isEmpty());
    QCOMPARE(*clearing::clearAll(app.db(), ann), qint64(0));
    QVERIFY(!clearing::clearAll(app.db(), QStringLiteral("Nobody")));
}

void tst_domain::cardBuilder_data()
{
    QTest::addColumn<QStringList>("stored"); // datetime@activity, "~" for a Null activity
    QTest::addColumn<QString>("ending");     // empty: no ending date
    QTest::addColumn<QStringList>("shifts"); // in|out|activity|sub-total
    QTest::addColumn<QString>("total");

    QTest::newRow("one shift") << QStringList{"2026-12-07 09:00:00@Filing", "2026-12-07 10:30:00@~"} << ""
                               << QStringList{"12/7/2026 9:00:00 AM|12/7/2026 10:30:00 AM|Filing|1.5 "} << "1.5 ";
    QTest::newRow("open shift closed now") << QStringList{"2026-12-07 16:00:00@Desk"} << ""
                                           << QStringList{"12/7/2026 4:00:00 PM|12/7/2026 5:00:00 PM|Desk|1   "} << "1   ";
    QTest::newRow("61 minutes cut, not rounded") << QStringList{"2026-12-07 09:00:00@a", "2026-12-07 10:01:00@~"} << ""
                                                 << QStringList{"12/7/2026 9:00:00 AM|12/7/2026 10:01:00 AM|a|1.01"} << "1.01";
    QTest::newRow("clock-in after the ending date passed over")
        << QStringList{"2026-12-06 09:00:00@Mon", "2026-12-06 17:00:00@~", "2026-12-07 09:00:00@Tue", "2026-12-07 11:00:00@~"}
        << "2026-12-07 00:00:00" << QStringList{"12/6/2026 9:00:00 AM|12/6/2026 5:00:00 PM|Mon|8   "} << "8   ";
    QTest::newRow("clock-out after the ending date closed now")
        << QStringList{"2026-12-07 09:00:00@Tue", "2026-12-07 11:00:00@~"} << "2026-12-07 10:00:00"
        << QStringList{"12/7/2026 9:00:00 AM|12/7/2026 5:00:00 PM|Tue|8   "} << "8   ";
    QTest::newRow("paired by position, status words aside")
        << QStringList{"2026-12-07 08:00:00@~", "2026-12-07 09:00:00@x", "2026-12-07 10:00:00@~"} << ""
        << QStringList{"12/7/2026 8:00:00 AM|12/7/2026 9:00:00 AM||1   ", "12/7/2026 10:00:00 AM|12/7/2026 5:00:00 PM||7   "}
        << "8   ";
    QTest::newRow("small shifts still count in the total")
        << QStringList{"2026-12-07 09:00:00@a", "2026-12-07 09:06:00@~", "2026-12-07 10:00:00@b", "2026-12-07 10:06:00@~"} << ""
        << QStringList{"12/7/2026 9:00:00 AM|12/7/2026 9:06:00 AM|a|<.1 ", "12/7/2026 10:00:00 AM|12/7/2026 10:06:00 AM|b|<.1 "}
        << "0.2 ";
    QTest::newRow("no shift") << QStringList{} << "" << QStringList{} << "<.1 ";
}

void tst_domain::cardBuilder()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, ending);
    QFETCH(QStringList, shifts);
    QFETCH(QString, total);

    QList<timecard::Entry> entries;
    for (const QString &s : stored) {
        const QStringList parts = s.split(QLatin1Char('@'));
        entries.append({parts[0], parts[1] == QLatin1String("~") ? QVariant(QMetaType(QMetaType::QString)) : QVariant(parts[1])});
    }
    const std::optional<LocalDateTime> end = ending.isEmpty() ? std::nullopt : std::optional(at(ending));
    const QList<timecard::Line> lines = timecard::cardLines(entries, {timecard::kDataFor, QStringLiteral("Acme"), ann}, end,
                                                            at(QStringLiteral("2026-12-07 17:00:00")));

    // Lines 1 to 6, the shifts, two empty lines and the total line.
    QCOMPARE(lines.size(), 6 + shifts.size() + 3);
    QCOMPARE(lines[0], (timecard::Line{{0, timecard::kDataFor}, {0, QStringLiteral("Acme")}}));
    QCOMPARE(lines[3], (timecard::Line{{0, QStringLiteral("Employee Name:  ")}, {0, ann}}));
    for (const timecard::Item &heading : lines[5])
        QVERIFY(heading.underlined);
    for (int i = 0; i < shifts.size(); ++i) {
        const QStringList want = shifts[i].split(QLatin1Char('|'));
        const timecard::Line want_line{{timecard::kClockInColumn, want[0]}, {timecard::kClockOutColumn, want[1]},
                                       {timecard::kActivityColumn, want[2]}, {timecard::kSubTotalColumn, want[3]}};
        QCOMPARE(lines[6 + i], want_line);
    }
    QVERIFY(lines[6 + shifts.size()].isEmpty() && lines[7 + shifts.size()].isEmpty());
    QCOMPARE(lines.last(), (timecard::Line{{0, ann}, {0, QStringLiteral(" has a total of ")}, {0, total},
                                           {0, QStringLiteral(" hours ")}}));
}

void tst_domain::settings_data()
{
    QTest::addColumn<QVariant>("edits");
    QTest::addColumn<QVariant>("money");
    QTest::addColumn<QVariant>("subs");
    QTest::addColumn<QString>("on"); // edits, money, subs as 1/0

    const QVariant null(QMetaType(QMetaType::Int));
    QTest::newRow("all 1") << QVariant(1) << QVariant(1) << QVariant(1) << "111";
    QTest::newRow("0, 2 and Null read as off") << QVariant(0) << QVariant(2) << null << "000";
    QTest::newRow("only money") << null << QVariant(1) << QVariant(0) << "010";
    QTest::newRow("Access's True is not 1") << QVariant(-1) << QVariant(1) << QVariant(-1) << "010";
}

void tst_domain::settings()
{
    QFETCH(QVariant, edits);
    QFETCH(QVariant, money);
    QFETCH(QVariant, subs);
    QFETCH(QString, on);
    TestCompany app(QString{});
    pw::CompanySettings settings(app.db());
    QCOMPARE(*settings.load(), false); // a first run: no settings row yet
    QVERIFY(!settings.storeCompany(QStringLiteral(" Acme  ")));
    app.exec(QStringLiteral("UPDATE \"Company Data\" SET edits = ?, money = ?, subs = ?"), {edits, money, subs});

    QSignalSpy changed(&settings, &pw::CompanySettings::switchChanged);
    QCOMPARE(*settings.load(), true);
    QCOMPARE(settings.company(), QStringLiteral(" Acme  "));
    const QString read = QString::number(settings.isOn(pw::Switch::Edits)) + QString::number(settings.isOn(pw::Switch::Money))
        + QString::number(settings.isOn(pw::Switch::Subs));
    QCOMPARE(read, on);
    QCOMPARE(changed.size(), int(on.count(QLatin1Char('1')))); // only what differs from "all off" is announced

    // A change is stored as 1 or 0 first, then announced; the same state again announces nothing.
    changed.clear();
    QVERIFY(!settings.setSwitch(pw::Switch::Subs, true));
    QCOMPARE(app.value(QStringLiteral("SELECT subs FROM \"Company Data\"")).toInt(), 1);
    QCOMPARE(changed.size(), on[2] == QLatin1Char('1') ? 0 : 1);
    QVERIFY(!settings.setSwitch(pw::Switch::Subs, false));
    QCOMPARE(app.value(QStringLiteral("SELECT subs FROM \"Company Data\"")).toInt(), 0);
    QVERIFY(!settings.isOn(pw::Switch::Subs));
}

void tst_domain::settingsNotStored()
{
    // A switch that cannot be stored keeps its state, and nothing is announced.
    TestCompany app;
    pw::CompanySettings settings(app.db());
    QVERIFY(*settings.load());
    app.exec(QStringLiteral("DROP TABLE \"Company Data\""));
    QSignalSpy changed(&settings, &pw::CompanySettings::switchChanged);
    QVERIFY(settings.setSwitch(pw::Switch::Money, true));
    QVERIFY(!settings.isOn(pw::Switch::Money));
    QCOMPARE(changed.size(), 0);
}

void tst_domain::session()
{
    // The management functions are open only while the session that opened them lasts.
    pw::Session s;
    QVERIFY(!s.isLoggedOn() && !s.managementOpen());
    s.logOn(QStringLiteral("Manager"), QStringLiteral("20"), true);
    QVERIFY(s.isLoggedOn() && s.managementOpen());
    QCOMPARE(s.name(), QStringLiteral("Manager"));
    s.logOff();
    QVERIFY(!s.managementOpen());
    s.logOn(ann, QStringLiteral("9"), false);
    QVERIFY(!s.managementOpen());
    QCOMPARE(s.wage(), QStringLiteral("9"));
}

void tst_domain::addEmployee_data()
{
    QTest::addColumn<QString>("name");
    pw::test::newEmployeeNameRows();
}

void tst_domain::addEmployee()
{
    QFETCH(QString, name);
    TestCompany app;
    app.createLog(QStringLiteral("Dana")); // the kept, emptied log of a deleted "Dana"
    const qsizetype tables = app.db().tableNames()->size() + (name == QLatin1String("DANA") ? 0 : 1);
    const pw::AddResult added = pw::addEmployee(app.db(), {name, QStringLiteral(" "), QString(), QStringLiteral("  \n")});
    QVERIFY2(added.added(), qPrintable(pw::ErrorText::numbered(added.error)));
    QCOMPARE(added.reusedLog, name == QLatin1String("DANA"));
    QCOMPARE(app.rows(QStringLiteral("SELECT Ename, Ewage, epass, Ecomment FROM datalist WHERE %1 > 1").arg(app.orderKey())),
             (QList<QVariantList>{{name, QStringLiteral(" "), QString(), QStringLiteral("  \n")}}));
    QCOMPARE(app.db().tableNames()->size(), tables);
    // The file declares the fields' widths; the server keeps no width of its own (the program keeps
    // the lengths, counted as a person counts characters).
    QCOMPARE(pw::test::fieldShapes(app, name), pw::test::onServer()
                                                   ? (QStringList{"ename 0 0", "datetime 4 0", "inoutfx 0 0", "activity 0 0"})
                                                   : (QStringList{"ename 0 20", "datetime 4 0", "inoutfx 0 11", "activity 0 30"}));
    QVERIFY(app.log(name).isEmpty());

    // The new employee logs on and clocks at once; deleted, the log is emptied but kept.
    QCOMPARE(pw::logon::choose(app.db(), name).outcome, pw::logon::Choice::LoggedOn);
    QVERIFY(clocking::clockIn(app.db(), name, name, at(QStringLiteral("2026-12-07 08:00:00")), QStringLiteral("Stock")).stored());
    QVERIFY(clocking::clockOut(app.db(), name, name, at(QStringLiteral("2026-12-07 09:30:00"))).stored());
    QCOMPARE(app.log(name), (QList<QVariantList>{{name, QStringLiteral("2026-12-07 08:00:00"), kIn, QStringLiteral("Stock")},
                                                 {name, QStringLiteral("2026-12-07 09:30:00"), kOut, QVariant(QMetaType(QMetaType::QString))}}));
    QVERIFY(!pw::deleteEmployee(app.db(), name));
    QVERIFY(app.log(name).isEmpty());
    QCOMPARE(*app.db().tableExists(name), true);
    QCOMPARE(pw::logon::choose(app.db(), name).outcome, pw::logon::Choice::NotListed);
}

void tst_domain::addRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<AddRefusal>("onFile");
    QTest::addColumn<AddRefusal>("onServer");
    const QString emoji = QStringLiteral("\U0001F600");
    QTest::newRow("21 characters") << "ABCDEFGHIJKLMNOPQRSTU" << AddRefusal::TooLong << AddRefusal::TooLong;
    QTest::newRow("21 emoji") << emoji.repeated(21) << AddRefusal::TooLong << AddRefusal::TooLong;
    // 80 bytes of UTF-8: a server would cut the table's name short, so a file does not take it either.
    QTest::newRow("20 emoji") << emoji.repeated(20) << AddRefusal::TooLongToStore << AddRefusal::TooLongToStore;
    QTest::newRow("64 bytes") << emoji.repeated(16) << AddRefusal::TooLongToStore << AddRefusal::TooLongToStore;
    QTest::newRow("63 bytes") << emoji.repeated(15) + QStringLiteral("abc") << AddRefusal::None << AddRefusal::None;
    QTest::newRow("Manager") << "Manager" << AddRefusal::Exists << AddRefusal::Exists;
    QTest::newRow("listed employee") << "Bob" << AddRefusal::Exists << AddRefusal::Exists;
    QTest::newRow("manager") << "manager" << AddRefusal::TableTaken << AddRefusal::TableTaken;
    QTest::newRow("employee in other case") << "BOB" << AddRefusal::TableTaken << AddRefusal::TableTaken;
    QTest::newRow("list table") << "DataList" << AddRefusal::TableTaken << AddRefusal::TableTaken;
    QTest::newRow("settings table") << "company data" << AddRefusal::TableTaken << AddRefusal::TableTaken;
    QTest::newRow("unlisted log with entries") << "kept" << AddRefusal::TableTaken << AddRefusal::TableTaken;
    QTest::newRow("table of other fields") << "OTHER" << AddRefusal::TableTaken << AddRefusal::TableTaken;
    QTest::newRow("index") << "ByName" << AddRefusal::TableTaken << AddRefusal::TableTaken;
    QTest::newRow("empty") << "" << AddRefusal::Empty << AddRefusal::Empty;
    QTest::newRow("blanks") << "   " << AddRefusal::Blank << AddRefusal::Blank;
    // A file keeps these for itself, so a server does not take them either.
    QTest::newRow("SQLite's own names") << "SQLite_Joe" << AddRefusal::Reserved << AddRefusal::Reserved;
    QTest::newRow("NUL") << QString::fromUtf16(u"Al\0Bo", 5) << AddRefusal::BadCharacter << AddRefusal::BadCharacter;
    QTest::newRow("lone surrogate") << (QStringLiteral("Al") + QChar(0xD800)) << AddRefusal::BadCharacter
                                    << AddRefusal::BadCharacter;
}

void tst_domain::addRefused()
{
    QFETCH(QString, name);
    QFETCH(AddRefusal, onFile);
    QFETCH(AddRefusal, onServer);
    const AddRefusal refusal = pw::test::onServer() ? onServer : onFile;
    TestCompany app;
    app.addEmployee(QStringLiteral("Bob"));
    app.createLog(QStringLiteral("Kept"));
    app.addEntry(QStringLiteral("Kept"), QStringLiteral("2026-12-07 08:00:00"), kIn);
    app.exec(QStringLiteral("CREATE TABLE \"Other\" (Ename text, datetime text, inoutfx text)"));
    app.exec(QStringLiteral("CREATE INDEX ByName ON datalist (Ename)"));
    // Everything an add could change: the list, and the tables, indexes and other objects.
    const auto snapshot = [&app] {
        return app.rows(QStringLiteral("SELECT Ename, Ewage, epass, Ecomment FROM datalist ORDER BY %1").arg(app.orderKey()))
               << QVariantList{pw::test::storedObjects(app)};
    };
    const auto before = snapshot();

    const pw::AddResult result = pw::addEmployee(app.db(), {name, QStringLiteral("10"), QStringLiteral("pw"), QString()});
    QVERIFY2(!result.error, qPrintable(pw::ErrorText::numbered(result.error)));
    QCOMPARE(result.refusal, refusal);
    if (refusal == AddRefusal::None)
        return; // this engine takes the name
    QCOMPARE(snapshot(), before);
}

void tst_domain::deleteEmployee_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dupEntries"); // left in Dup's log
    QTest::newRow("two equal rows") << "Dup" << 0;
    QTest::newRow("other case of a listed log") << "bob" << 1;
    QTest::newRow("missing log") << "Gone" << 1;
    QTest::newRow("settings table's name") << "company DATA" << 1;
}

void tst_domain::deleteEmployee()
{
    QFETCH(QString, name);
    QFETCH(int, dupEntries);
    TestCompany app;
    for (const QString &listed : {QStringLiteral("Bob"), QStringLiteral("Dup")}) {
        app.addEmployee(listed);
        app.addEntry(listed, QStringLiteral("2026-12-07 08:00:00"), kIn);
    }
    // Rows that earlier versions could leave: a second equal row, and names without a log of their own.
    for (const char *extra : {"Dup", "bob", "Gone", "company DATA"})
        app.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage) VALUES (?, '1')"), {QString::fromLatin1(extra)});
    const int listed = app.value(QStringLiteral("SELECT count(*) FROM datalist")).toInt();
    const int rowsOfName = app.value(QStringLiteral("SELECT count(*) FROM datalist WHERE Ename = ?"), {name}).toInt();

    QVERIFY(!pw::deleteEmployee(app.db(), name));
    QCOMPARE(app.value(QStringLiteral("SELECT count(*) FROM datalist")).toInt(), listed - rowsOfName);
    QCOMPARE(app.log(QStringLiteral("Dup")).size(), dupEntries);
    // Another employee's log, and the settings, are never emptied by a name in other case.
    QCOMPARE(app.log(QStringLiteral("Bob")).size(), 1);
    QCOMPARE(app.value(QStringLiteral("SELECT company FROM \"Company Data\"")).toString(), QStringLiteral("Acme Widgets"));
}

void tst_domain::failuresChangeNothing_data()
{
    // A step that fails half way, refused by a trigger: what went before it is undone.
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("keptTable");
    QTest::addColumn<QString>("condition"); // on the row to be deleted (old), empty for every row
    QTest::newRow("delete: the list keeps its row once the log is emptied") << "delete" << "datalist" << "";
    QTest::newRow("clear up to a date: the leading clock-out stays") << "clear" << "Ann"
                                                                     << "old.datetime = '2026-12-02 16:00:00'";
    QTest::newRow("clear all: the last entry stays") << "clear all" << "Ann" << "old.datetime = '2026-12-03 08:00:00'";
}

void tst_domain::failuresChangeNothing()
{
    QFETCH(QString, operation);
    QFETCH(QString, keptTable);
    QFETCH(QString, condition);
    TestCompany app;
    app.addEmployee(ann);
    fill(app, {"in@2026-12-01 08:00:00", "out@2026-12-01 16:00:00", "in@2026-12-02 08:00:00", "out@2026-12-02 16:00:00",
               "in@2026-12-03 08:00:00"});
    app.keepRowsOnDelete(keptTable, condition);
    const pw::test::TableDump before = pw::test::dumpTables(app);

    pw::DbError e;
    if (operation == QLatin1String("delete"))
        e = pw::deleteEmployee(app.db(), ann);
    else if (operation == QLatin1String("clear"))
        e = clearing::clearBefore(app.db(), ann, at(QStringLiteral("2026-12-02 12:00:00"))).error();
    else
        e = clearing::clearAll(app.db(), ann).error();
    QCOMPARE(pw::ErrorText::numbered(e), QStringLiteral("kept (error 3000)"));
    QCOMPARE(pw::test::changedTables(before, pw::test::dumpTables(app)), QStringList());
}

void tst_domain::changePassword()
{
    TestCompany app;
    app.addEmployee(ann, QStringLiteral("10"), QStringLiteral("old"));
    app.exec(QStringLiteral("INSERT INTO datalist (Ename, Ewage, epass) VALUES ('Ann', '1', 'second')"));
    QCOMPARE(*pw::changePassword(app.db(), ann, QStringLiteral("new")), true);
    QCOMPARE(*pw::changePassword(app.db(), QStringLiteral("Manager"), QStringLiteral("Zoë's")), true);
    QCOMPARE(*pw::changePassword(app.db(), QStringLiteral("ann"), QStringLiteral("x")), false); // names match exactly
    // Only the first row of the name takes it.
    QCOMPARE(app.rows(QStringLiteral("SELECT Ename, epass FROM datalist ORDER BY %1").arg(app.orderKey())),
             (QList<QVariantList>{{QStringLiteral("Manager"), QStringLiteral("Zoë's")}, {ann, QStringLiteral("new")},
                                  {ann, QStringLiteral("second")}}));
    QVERIFY(pw::logon::passwordAccepted(pw::logon::choose(app.db(), ann), QStringLiteral("new")));
    QCOMPARE(*pw::changePassword(app.db(), ann, QString()), true);
    QCOMPARE(pw::logon::choose(app.db(), ann).outcome, pw::logon::Choice::LoggedOn);
}

void tst_domain::printedCard()
{
    // A card read from the stored log, the open shift closed at "now"; printing stores nothing.
    TestCompany app;
    app.addEmployee(ann);
    fill(app, {"in@2026-12-07 08:00:00", "out@2026-12-07 12:00:00", "in@2026-12-07 13:00:00"});
    const qint64 before = pw::test::changeCount(app);
    const timecard::CardRequest request{{timecard::kDataFor, QStringLiteral("Acme Widgets"), ann}, ann, std::nullopt,
                                        at(QStringLiteral("2026-12-07 17:00:00"))};
    const timecard::Sent sent = timecard::printOnDefault(app.db(), app.printers, request);
    QCOMPARE(int(sent.status), int(timecard::Sent::Printed));
    QCOMPARE(app.printers.printed().size(), 1);
    QCOMPARE(app.printers.printed().first().lines(),
             (QStringList{"Punchwell Data for:  Acme Widgets", "", "", "Employee Name:  Ann", "",
                          "{5}_Clock In_{40}_Clock Out_{70}_Activity_{110}_Sub Total (Hours)_",
                          "{5}12/7/2026 8:00:00 AM{40}12/7/2026 12:00:00 PM{70}Desk{110}4   ",
                          "{5}12/7/2026 1:00:00 PM{40}12/7/2026 5:00:00 PM{70}Desk{110}4   ", "", "",
                          "Ann has a total of 8    hours "}));
    QCOMPARE(pw::test::changeCount(app), before);
}

PW_CORE_TEST_MAIN(tst_domain)
#include "tst_domain.moc"
