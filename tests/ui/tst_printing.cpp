// Time cards through the real windows: the "Print Log" button for one employee or all, and the
// menu item "&Print Log", printed on the recording printer and read back line by line.
#include "domain/recordviews.h"
#include "platform/qt/qtdialogs.h"
#include "testlib/filestate.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <deque>
#include <functional>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::describe;
using pw::test::lastBoxIs;
using pw::test::textOf;
using pw::test::trigger;

namespace {

const QString ann = QStringLiteral("Ann");
const QString bob = QStringLiteral("Bob");
const QString kIn = QStringLiteral("Clocked In");
const QString kOut = QStringLiteral("Clocked Out");
const QString kHeadings = QStringLiteral("{5}_Clock In_{40}_Clock Out_{70}_Activity_{110}_Sub Total (Hours)_");

struct Stored {
    QString when, status;
    QVariant activity;
};
using Log = QList<Stored>;

QString shift(const QString &in, const QString &out, const QString &activity, const QString &subTotal)
{
    return QStringLiteral("{5}%1{40}%2{70}%3{110}%4").arg(in, out, activity, subTotal);
}

// A whole card as the recording printer describes it.
QStringList card(const QString &heading, const QString &name, const QStringList &shifts, const QString &total)
{
    QStringList lines{heading + QStringLiteral("Acme Widgets"), QString(), QString(),
                      QStringLiteral("Employee Name:  ") + name, QString(), kHeadings};
    lines << shifts << QString() << QString() << name + QStringLiteral(" has a total of ") + total + QStringLiteral(" hours ");
    return lines;
}

void fill(TestApp &app, const QString &name, const Log &log)
{
    for (const Stored &e : log)
        app.addEntry(name, e.when, e.status, e.activity);
}

pw::LogView *manuse(QWidget *main)
{
    return child<pw::LogView>(main, "manuse");
}

// Whether a run's progress window is shown: a window with a progress bar of its own.
bool progressShown()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->findChild<QProgressBar *>(QString(), Qt::FindDirectChildrenOnly))
            return true;
    return false;
}

// The recording printers, with a default printer that takes 300 ms a card and is gone after the
// first few.
struct SlowPrinters : pw::test::RecordingPrinterFactory {
    int printable = 0;
    std::unique_ptr<pw::LinePrinter> defaultPrinter(const QString &jobName, QString *whyNot) override
    {
        QThread::msleep(300);
        hasDefault = printable-- > 0;
        return RecordingPrinterFactory::defaultPrinter(jobName, whyNot);
    }
};

// A person at the screen with the real boxes: looks every 50 ms, and answers a box that has been
// open for 800 ms (time to read it) by the next step of the script. A box past the script, or one
// a step cannot answer, is noted and closed, so the test never hangs on a box.
class Person {
public:
    using Step = std::function<void(QWidget *box)>;
    explicit Person(std::deque<Step> script) : m_script(std::move(script))
    {
        QObject::connect(&m_eyes, &QTimer::timeout, [this] { look(); });
        m_eyes.start(50);
    }

    QStringList troubles;
    bool sawProgress = false; // a run's progress window, seen while no box was open

private:
    void look()
    {
        QWidget *box = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (qobject_cast<QMessageBox *>(w) || qobject_cast<QInputDialog *>(w)
                                   || qobject_cast<QFileDialog *>(w)))
                box = w;
        sawProgress = sawProgress || (!box && progressShown());
        if (box != m_box) {
            m_box = box;
            m_since.start();
        }
        if (!box || m_since.elapsed() < 800)
            return;
        m_since.start();
        if (m_script.empty()) {
            troubles << QStringLiteral("a box past the script: ") + box->windowTitle();
            static_cast<QDialog *>(box)->reject();
            return;
        }
        const Step step = std::move(m_script.front());
        m_script.pop_front();
        step(box);
    }

    QTimer m_eyes;
    QPointer<QWidget> m_box;
    QElapsedTimer m_since;
    std::deque<Step> m_script;
};

void pressYes(QWidget *box)
{
    if (auto *message = qobject_cast<QMessageBox *>(box); message && message->button(QMessageBox::Yes))
        QTest::mouseClick(message->button(QMessageBox::Yes), Qt::LeftButton);
    else
        static_cast<QDialog *>(box)->reject();
}

// Types into the box's line edit (of that objectName, or its only one) and presses Enter.
void typeAndEnter(QWidget *box, const char *editName, const QString &text)
{
    auto *edit = editName ? box->findChild<QLineEdit *>(QLatin1String(editName)) : box->findChild<QLineEdit *>();
    if (!edit) {
        static_cast<QDialog *>(box)->reject();
        return;
    }
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

Q_DECLARE_METATYPE(Stored)

class tst_printing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneEmployee_data();
    void oneEmployee();
    void boxes();
    void nothingPrinted_data();
    void nothingPrinted();
    void allEmployees();
    void missingLogInRun();
    void menuPrint_data();
    void menuPrint();
    void pages();
    void noPrinter_data();
    void noPrinter();
    void allToOnePdf_data();
    void allToOnePdf();
    void cancelledRun();
    void runAnsweredByAPerson_data();
    void runAnsweredByAPerson();
};

// The button for the employee shown, with the ending date typed (empty: the default text).
void tst_printing::oneEmployee_data()
{
    QTest::addColumn<Log>("log");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QStringList>("shifts");
    QTest::addColumn<QString>("total");

    const Log dayOne{{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}};
    QTest::newRow("an hour and a half")
        << dayOne << QString()
        << QStringList{shift("12/7/2026 9:00:00 AM", "12/7/2026 10:30:00 AM", "Filing", "1.5 ")} << "1.5 ";
    QTest::newRow("6 minutes")
        << Log{{"2026-12-07 09:00:00", kIn, " "}, {"2026-12-07 09:06:59", kOut, {}}} << QString()
        << QStringList{shift("12/7/2026 9:00:00 AM", "12/7/2026 9:06:59 AM", " ", "<.1 ")} << "<.1 ";
    QTest::newRow("7 minutes")
        << Log{{"2026-12-07 09:00:59", kIn, "Desk"}, {"2026-12-07 09:07:00", kOut, {}}} << QString()
        << QStringList{shift("12/7/2026 9:00:59 AM", "12/7/2026 9:07:00 AM", "Desk", "0.11")} << "0.11";
    QTest::newRow("61 minutes, cut")
        << Log{{"2026-12-07 09:00:00", kIn, "Desk"}, {"2026-12-07 10:01:00", kOut, {}}} << QString()
        << QStringList{shift("12/7/2026 9:00:00 AM", "12/7/2026 10:01:00 AM", "Desk", "1.01")} << "1.01";
    QTest::newRow("open shift up to now")
        << Log{{"2026-12-07 09:00:00", kIn, "Filing"}} << QString()
        << QStringList{shift("12/7/2026 9:00:00 AM", "12/7/2026 5:00:00 PM", "Filing", "8   ")} << "8   ";
    const Log twoDays{{"2026-12-06 09:00:00", kIn, "Monday"},
                      {"2026-12-06 17:00:00", kOut, {}},
                      {"2026-12-07 08:00:00", kIn, "Tuesday"},
                      {"2026-12-07 12:00:00", kOut, {}}};
    QTest::newRow("bare date of today")
        << twoDays << "12/7/2026"
        << QStringList{shift("12/6/2026 9:00:00 AM", "12/6/2026 5:00:00 PM", "Monday", "8   ")} << "8   ";
    QTest::newRow("default text: everything up to now")
        << twoDays << QString()
        << QStringList{shift("12/6/2026 9:00:00 AM", "12/6/2026 5:00:00 PM", "Monday", "8   "),
                       shift("12/7/2026 8:00:00 AM", "12/7/2026 12:00:00 PM", "Tuesday", "4   ")}
        << "12  ";
    QTest::newRow("ending between clock-in and clock-out: closed now")
        << twoDays << "12/7/2026 10:00:00 AM"
        << QStringList{shift("12/6/2026 9:00:00 AM", "12/6/2026 5:00:00 PM", "Monday", "8   "),
                       shift("12/7/2026 8:00:00 AM", "12/7/2026 5:00:00 PM", "Tuesday", "9   ")}
        << "17  ";
    QTest::newRow("ending at the clock-in itself") << twoDays << "2026-12-07 08:00"
        << QStringList{shift("12/6/2026 9:00:00 AM", "12/6/2026 5:00:00 PM", "Monday", "8   "),
                       shift("12/7/2026 8:00:00 AM", "12/7/2026 5:00:00 PM", "Tuesday", "9   ")}
        << "17  ";
    QTest::newRow("ending before every entry") << twoDays << "12/1/2026" << QStringList() << "<.1 ";
    QTest::newRow("log starting with a clock-out")
        << Log{{"2026-12-06 17:00:00", kOut, {}}, {"2026-12-07 08:00:00", kIn, "Filing"}, {"2026-12-07 12:00:00", kOut, {}}}
        << QString()
        << QStringList{shift("12/6/2026 5:00:00 PM", "12/7/2026 8:00:00 AM", "", "15  "),
                       shift("12/7/2026 12:00:00 PM", "12/7/2026 5:00:00 PM", "", "5   ")}
        << "20  ";
    QTest::newRow("reversed shift lowers the total")
        << Log{{"2026-12-07 10:00:00", kIn, "Back"},
               {"2026-12-07 09:00:00", kOut, {}},
               {"2026-12-07 11:00:00", kIn, "Forth"},
               {"2026-12-07 12:30:00", kOut, {}}}
        << QString()
        << QStringList{shift("12/7/2026 10:00:00 AM", "12/7/2026 9:00:00 AM", "Back", "<.1 "),
                       shift("12/7/2026 11:00:00 AM", "12/7/2026 12:30:00 PM", "Forth", "1.5 ")}
        << "0.5 ";
    QTest::newRow("sub-totals under 0.11 still count")
        << Log{{"2026-12-07 09:00:00", kIn, "a"}, {"2026-12-07 09:06:00", kOut, {}},
               {"2026-12-07 10:00:00", kIn, "b"}, {"2026-12-07 10:06:00", kOut, {}},
               {"2026-12-07 11:00:00", kIn, "c"}, {"2026-12-07 11:06:00", kOut, {}}}
        << QString()
        << QStringList{shift("12/7/2026 9:00:00 AM", "12/7/2026 9:06:00 AM", "a", "<.1 "),
                       shift("12/7/2026 10:00:00 AM", "12/7/2026 10:06:00 AM", "b", "<.1 "),
                       shift("12/7/2026 11:00:00 AM", "12/7/2026 11:06:00 AM", "c", "<.1 ")}
        << "0.3 ";
    QTest::newRow("over midnight, 123.5 hours")
        << Log{{"2026-12-01 20:00:00", kIn, "Watch"}, {"2026-12-06 23:30:00", kOut, {}}} << QString()
        << QStringList{shift("12/1/2026 8:00:00 PM", "12/6/2026 11:30:00 PM", "Watch", "123.")} << "123.";
    QTest::newRow("unreadable date-time: shown, not counted")
        << Log{{"2026-12-07 08:00:00", kIn, "Desk"}, {"soon", kOut, {}},
               {"2026-12-07 09:00:00", kIn, "Desk"}, {"2026-12-07 10:00:00", kOut, {}}}
        << QString()
        << QStringList{shift("12/7/2026 8:00:00 AM", "soon", "Desk", "?   "),
                       shift("12/7/2026 9:00:00 AM", "12/7/2026 10:00:00 AM", "Desk", "1   ")}
        << "1   ";
}

void tst_printing::oneEmployee()
{
    QFETCH(Log, log);
    QFETCH(QString, ending);
    QFETCH(QStringList, shifts);
    QFETCH(QString, total);
    if (QByteArray(QTest::currentDataTag()).contains("unreadable"))
        PW_FILE_ONLY("a server's date-time field holds nothing but date-times");

    TestApp app;
    app.addEmployee(ann);
    fill(app, ann, log);
    app.clock.set(2026, 12, 7, 17, 0, 0);
    QWidget *m = app.managerShowing(ann);
    const auto stored = app.log(ann);
    const qint64 before = pw::test::changeCount(app);

    app.dialogs.answer(Dialogs::No);
    if (!ending.isNull())
        app.dialogs.answerInput(ending);
    click(m, "Command3");

    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.printers.jobs.size(), 1);
    const pw::test::PrintJob job = app.printers.jobs.first();
    QVERIFY(job.sent);
    QCOMPARE(job.pages.size(), 1);
    QCOMPARE(job.lines(), card(QStringLiteral("Punchwell Data for:  "), ann, shifts, total));
    // The heading and total lines are made of items that follow one another.
    QCOMPARE(job.pages[0][0], (pw::test::PrintedLine{{0, "Punchwell Data for:  ", false}, {0, "Acme Widgets", false}}));
    QCOMPARE(job.pages[0].last().size(), 4);

    // Nothing stored changed; the grid's log is at its last entry; the browser on Ann's row.
    QCOMPARE(app.log(ann), stored);
    QCOMPARE(pw::test::changeCount(app), before);
    QCOMPARE(manuse(m)->recordSource(), ann);
    QVERIFY(manuse(m)->hasCurrent());
    QCOMPARE(manuse(m)->currentRowid(), app.value(QStringLiteral("SELECT max(%1) FROM \"Ann\"").arg(app.orderKey())).toLongLong());
    QCOMPARE(textOf(m, "manlist"), ann);
}

// The question and the ending-date box, exactly.
void tst_printing::boxes()
{
    TestApp app;
    app.addEmployee(ann);
    app.clock.set(2026, 12, 6, 9, 5, 0);
    QWidget *m = app.managerShowing(ann);
    app.dialogs.answer(Dialogs::No);
    click(m, "Command3");
    QCOMPARE(app.dialogs.count(), 2);
    const auto &q = app.dialogs.shown()[0];
    QCOMPARE(q.text, QStringLiteral("Would you like to print all employees? (default:  print current employee only)"));
    QCOMPARE(q.title, QStringLiteral("Print"));
    QCOMPARE(q.icon, Dialogs::Icon::None);
    QCOMPARE(q.buttons, Dialogs::Yes | Dialogs::No | Dialogs::Cancel);
    QCOMPARE(q.defaultButton, Dialogs::Yes);
    const auto &in = app.dialogs.shown()[1];
    QCOMPARE(in.kind, pw::test::FakeDialogs::Shown::Input);
    QCOMPARE(in.title, QStringLiteral("Print Punchwell through this ending date: "));
    QCOMPARE(in.text, QStringLiteral("Enter an ending date:"));
    QCOMPARE(in.defaultText, QStringLiteral("12/6/2026 9:05:00 AM"));
    QVERIFY(app.printers.jobs.isEmpty()); // Ann's log is empty: no card, no message
}

// Cancel, an emptied box, a text that is not a date, a name that is not listed: no card, and the
// refusals say why.
void tst_printing::nothingPrinted_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("title");

    QTest::newRow("cancel") << int(Dialogs::Cancel) << QString() << ann << QString() << QString();
    QTest::newRow("empty ending") << int(Dialogs::No) << "" << ann << QString() << QString();
    QTest::newRow("empty ending, all") << int(Dialogs::Yes) << "" << ann << QString() << QString();
    QTest::newRow("words") << int(Dialogs::No) << "next friday" << ann
                           << "\"next friday\" is not a date.  Please type the ending date as a date and time, such "
                              "as 12/7/2026 5:00:00 PM, or as a date alone.  Nothing was done."
                           << "Print";
    QTest::newRow("no such day, all") << int(Dialogs::Yes) << "2/30/2026" << ann
                                      << "\"2/30/2026\" is not a date.  Please type the ending date as a date and "
                                         "time, such as 12/7/2026 5:00:00 PM, or as a date alone.  Nothing was done."
                                      << "Print";
    QTest::newRow("empty name") << int(Dialogs::No) << QString() << ""
                                << "Please enter a valid Name or click on the Combo Box." << "Log In Error";
    QTest::newRow("name not listed") << int(Dialogs::No) << QString() << "Bob"
                                     << "Please enter a valid Name or click on the Combo Box." << "Log In Error";
}

void tst_printing::nothingPrinted()
{
    QFETCH(int, answer);
    QFETCH(QString, ending);
    QFETCH(QString, shownName);
    QFETCH(QString, refusal);
    QFETCH(QString, title);

    TestApp app;
    app.addEmployee(ann);
    fill(app, ann, {{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}});
    app.clock.set(2026, 12, 7, 17, 0, 0);
    QWidget *m = app.managerShowing(ann);
    // Bob's log exists but he is not listed: his log must not be printed under his name.
    app.createLog(bob);
    app.addEntry(bob, QStringLiteral("2026-12-07 09:00:00"), kIn, QStringLiteral("x"));
    if (shownName != ann)
        QVERIFY(pw::test::showUnlisted(app, shownName));

    app.dialogs.answer(Dialogs::Button(answer));
    if (!ending.isNull())
        app.dialogs.answerInput(ending);
    click(m, "Command3");

    QVERIFY(app.printers.jobs.isEmpty());
    if (refusal.isEmpty()) {
        QCOMPARE(app.dialogs.count(), answer == Dialogs::Cancel ? 1 : 2);
        return;
    }
    QCOMPARE(app.dialogs.count(), 3);
    QVERIFY(pw::test::lastBoxIs(app.dialogs, refusal, title));
}

// Every employee in the list's order: the Manager's empty log gives no card; the browser ends on
// the first row and the grid on the last card's log.
void tst_printing::allEmployees()
{
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, ann, {{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}});
    fill(app, bob, {{"2026-12-07 08:00:00", kIn, "Loading"}});
    app.clock.set(2026, 12, 7, 9, 0, 30);
    QWidget *m = app.managerShowing(bob);

    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerInput(QStringLiteral("12/7/2026 11:00:00 AM"));
    click(m, "Command3");

    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.printers.printed().size(), 2);
    QCOMPARE(app.printers.jobs.size(), 2);
    QCOMPARE(app.printers.jobs[0].lines(),
             card(QStringLiteral("Punchwell Data for:  "), ann,
                  {shift("12/7/2026 9:00:00 AM", "12/7/2026 10:30:00 AM", "Filing", "1.5 ")}, "1.5 "));
    QCOMPARE(app.printers.jobs[1].lines(),
             card(QStringLiteral("Punchwell Data for:  "), bob,
                  {shift("12/7/2026 8:00:00 AM", "12/7/2026 9:00:30 AM", "Loading", "1   ")}, "1   "));
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
    QCOMPARE(manuse(m)->recordSource(), bob);
    QVERIFY(manuse(m)->hasCurrent());
}

// A listed employee without a log: a box names him, and the others still print.
void tst_printing::missingLogInRun()
{
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, bob, {{"2026-12-07 08:00:00", kIn, "Loading"}, {"2026-12-07 09:00:00", kOut, {}}});
    app.exec(QStringLiteral("DROP TABLE \"Ann\""));
    QWidget *m = app.managerShowing(ann);
    app.dialogs.answer(Dialogs::Yes);
    click(m, "Command3");
    QCOMPARE(app.dialogs.count(), 3);
    QVERIFY(app.dialogs.last().text.startsWith(QStringLiteral("The time log of Ann cannot be used")));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Print"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(app.printers.printed().size(), 1);
    QCOMPARE(app.printers.jobs[0].name, QStringLiteral("Punchwell time card: Bob"));
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
}

// The menu item: the message first, the heading word by the state at the start, no date limit, and
// an open shift closed now without writing to the log.
void tst_printing::menuPrint_data()
{
    QTest::addColumn<Log>("log");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("shifts");
    QTest::addColumn<QString>("total");

    const Log closed{{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}};
    QTest::newRow("clocked out") << closed << "Punchwell Log for:  "
                                 << QStringList{shift("12/7/2026 9:00:00 AM", "12/7/2026 10:30:00 AM", "Filing", "1.5 ")}
                                 << "1.5 ";
    Log open = closed;
    open << Stored{"2026-12-07 16:00:00", kIn, " "};
    QTest::newRow("clocked in") << open << "Punchwell Log for  "
                                << QStringList{shift("12/7/2026 9:00:00 AM", "12/7/2026 10:30:00 AM", "Filing", "1.5 "),
                                               shift("12/7/2026 4:00:00 PM", "12/7/2026 5:00:00 PM", " ", "1   ")}
                                << "2.5 ";
    QTest::newRow("entries after today are printed too")
        << Log{{"2027-01-04 09:00:00", kIn, "Future"}, {"2027-01-04 09:30:00", kOut, {}}} << "Punchwell Log for:  "
        << QStringList{shift("1/4/2027 9:00:00 AM", "1/4/2027 9:30:00 AM", "Future", "0.5 ")} << "0.5 ";
    QTest::newRow("starting with a clock-out, clocked in")
        << Log{{"2026-12-06 17:00:00", kOut, {}}, {"2026-12-07 08:00:00", kIn, "Filing"}} << "Punchwell Log for  "
        << QStringList{shift("12/6/2026 5:00:00 PM", "12/7/2026 8:00:00 AM", "", "15  ")} << "15  ";
}

void tst_printing::menuPrint()
{
    QFETCH(Log, log);
    QFETCH(QString, heading);
    QFETCH(QStringList, shifts);
    QFETCH(QString, total);

    TestApp app;
    app.addEmployee(ann, QStringLiteral("10"));
    fill(app, ann, log);
    app.clock.set(2026, 12, 7, 17, 0, 0);
    QVERIFY(app.logOn(ann));
    QWidget *m = app.main();
    QVERIFY(child<QAction>(m, "prntdata")->isEnabled());
    const auto stored = app.log(ann);
    const qint64 before = pw::test::changeCount(app);

    // Ctrl+P on the active window.
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m, Qt::Key_P, Qt::ControlModifier);

    QCOMPARE(app.dialogs.count(), 1);
    QCOMPARE(app.dialogs.last().text, QStringLiteral("The data is being sent to the default printer"));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Punchwell"));
    QCOMPARE(app.dialogs.last().icon, Dialogs::Icon::None);
    QCOMPARE(app.dialogs.last().buttons, Dialogs::Buttons(Dialogs::Ok));
    QCOMPARE(app.printers.printed().size(), 1);
    QCOMPARE(app.printers.jobs[0].lines(), card(heading, ann, shifts, total));

    // The log is as it was, and was never written; the view is on its last entry.
    QCOMPARE(app.log(ann), stored);
    QCOMPARE(pw::test::changeCount(app), before);
    QCOMPARE(pw::test::records(m, "database").currentRowid(), app.value(QStringLiteral("SELECT max(%1) FROM \"Ann\"").arg(app.orderKey())).toLongLong());
    QCOMPARE(textOf(m, "Lastlogonvalue"), stored.last()[2].toString());
}

// A card longer than a page goes on over the next pages; the headings are not repeated.
void tst_printing::pages()
{
    TestApp app;
    app.addEmployee(ann);
    Log log;
    for (int day = 1; day <= 30; ++day) {
        const QString date = QStringLiteral("2026-11-%1").arg(day, 2, 10, QLatin1Char('0'));
        log << Stored{date + QStringLiteral(" 08:00:00"), kIn, "Shift"} << Stored{date + QStringLiteral(" 16:00:00"), kOut, {}};
    }
    fill(app, ann, log);
    app.printers.linesPerPage = 20;
    app.clock.set(2026, 12, 7, 17, 0, 0);
    QWidget *m = app.managerShowing(ann);
    app.dialogs.answer(Dialogs::No);
    click(m, "Command3");

    QCOMPARE(app.printers.printed().size(), 1);
    const pw::test::PrintJob job = app.printers.jobs[0];
    QCOMPARE(job.pages.size(), 2); // 6 heading lines, 30 shifts, 3 closing lines = 39
    QCOMPARE(job.pages[0].size(), 20);
    QCOMPARE(job.pages[1].size(), 19);
    QCOMPARE(pw::test::describe(job.pages[1][0]), shift("11/15/2026 8:00:00 AM", "11/15/2026 4:00:00 PM", "Shift", "8   "));
    QCOMPARE(job.lines().count(kHeadings), 1);
    QCOMPARE(job.lines().last(), QStringLiteral("Ann has a total of 240  hours "));
}

// No default printer, or one that fails: a box says so and offers a PDF file instead.
void tst_printing::noPrinter_data()
{
    QTest::addColumn<bool>("menu");
    QTest::addColumn<bool>("failing");
    QTest::addColumn<int>("offer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("why");

    const QString none = QStringLiteral("this computer has no default printer");
    const QString fails = QStringLiteral("the printer \"Recorder\" reported an error while the job was sent");
    QTest::newRow("none, saved") << false << false << int(Dialogs::Yes) << "/tmp/ann.pdf" << none;
    QTest::newRow("none, no suffix") << false << false << int(Dialogs::Yes) << "/tmp/ann" << none;
    QTest::newRow("none, declined") << false << false << int(Dialogs::No) << QString() << none;
    QTest::newRow("none, file dialog cancelled") << false << false << int(Dialogs::Yes) << "" << none;
    QTest::newRow("failing, saved") << false << true << int(Dialogs::Yes) << "/tmp/ann.pdf" << fails;
    QTest::newRow("menu, none, saved") << true << false << int(Dialogs::Yes) << "/tmp/ann.pdf" << none;
    QTest::newRow("menu, failing, declined") << true << true << int(Dialogs::No) << QString() << fails;
}

void tst_printing::noPrinter()
{
    QFETCH(bool, menu);
    QFETCH(bool, failing);
    QFETCH(int, offer);
    QFETCH(QString, file);
    QFETCH(QString, why);

    TestApp app;
    app.addEmployee(ann);
    fill(app, ann, {{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}});
    app.clock.set(2026, 12, 7, 17, 0, 0);
    app.printers.hasDefault = failing;
    app.printers.failing = failing;
    QWidget *m = nullptr;
    if (menu) {
        QVERIFY(app.logOn(ann));
        m = app.main();
        app.dialogs.answer(Dialogs::Ok);
    } else {
        m = app.managerShowing(ann);
        app.dialogs.answer(Dialogs::No);
    }
    app.dialogs.answer(Dialogs::Button(offer));
    if (!file.isNull())
        app.dialogs.answerFile(file);
    const auto stored = app.log(ann);
    const qint64 before = pw::test::changeCount(app);
    if (menu)
        trigger(m, "prntdata");
    else
        click(m, "Command3");

    const QString title = menu ? QStringLiteral("Punchwell") : QStringLiteral("Print");
    const int offerBox = menu ? 1 : 2;
    QCOMPARE(app.dialogs.count(), offerBox + 1 + (file.isNull() ? 0 : 1));
    const auto &box = app.dialogs.shown()[offerBox];
    QCOMPARE(box.text, QStringLiteral("The time card of Ann was not printed: %1.\n\nWould you like to save the time card "
                                      "as a PDF file instead?").arg(why));
    QCOMPARE(box.title, title);
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(box.buttons, Dialogs::Yes | Dialogs::No);
    QVERIFY(app.printers.printed().isEmpty());
    if (!file.isEmpty()) {
        const auto &dialog = app.dialogs.last();
        QCOMPARE(dialog.kind, pw::test::FakeDialogs::Shown::SaveFile);
        // Offered in the folder the program started in, as a run's file is.
        QCOMPARE(dialog.defaultText, QDir::current().filePath(QStringLiteral("Time card Ann.pdf")));
        QCOMPARE(app.printers.saved().size(), 1);
        QCOMPARE(app.printers.saved()[0].file, file.endsWith(QLatin1String(".pdf")) ? file : file + QStringLiteral(".pdf"));
        QCOMPARE(app.printers.saved()[0].lines(),
                 card(menu ? QStringLiteral("Punchwell Log for:  ") : QStringLiteral("Punchwell Data for:  "), ann,
                      {shift("12/7/2026 9:00:00 AM", "12/7/2026 10:30:00 AM", "Filing", "1.5 ")}, "1.5 "));
    } else {
        QVERIFY(app.printers.saved().isEmpty());
    }
    QCOMPARE(app.log(ann), stored);
    QCOMPARE(pw::test::changeCount(app), before);
}

// Every card of a run with no usable printer: asked once, and saved into one PDF file, a card a page.
void tst_printing::allToOnePdf_data()
{
    QTest::addColumn<bool>("failing"); // a printer that fails, else none at all
    QTest::addColumn<int>("offer");
    QTest::addColumn<QString>("file"); // null: the file dialog is not reached; empty: cancelled
    QTest::newRow("no printer, saved") << false << int(Dialogs::Yes) << "/tmp/cards.pdf";
    QTest::newRow("no printer, no suffix") << false << int(Dialogs::Yes) << "/tmp/cards";
    QTest::newRow("printer failing, saved") << true << int(Dialogs::Yes) << "/tmp/cards.pdf";
    QTest::newRow("declined") << false << int(Dialogs::No) << QString();
    QTest::newRow("file dialog cancelled") << false << int(Dialogs::Yes) << "";
}

void tst_printing::allToOnePdf()
{
    QFETCH(bool, failing);
    QFETCH(int, offer);
    QFETCH(QString, file);
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, ann, {{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}});
    fill(app, bob, {{"2026-12-07 08:00:00", kIn, "Loading"}, {"2026-12-07 09:00:00", kOut, {}}});
    app.clock.set(2026, 12, 7, 17, 0, 0);
    app.printers.hasDefault = failing;
    app.printers.failing = failing;
    QWidget *m = app.managerShowing(ann);
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerInput(QStringLiteral("12/8/2026"));
    app.dialogs.answer(Dialogs::Button(offer));
    if (!file.isNull())
        app.dialogs.answerFile(file);
    click(m, "Command3");

    // The question, the ending date, one offer for the whole run, and the file dialog if reached.
    QCOMPARE(app.dialogs.count(), 3 + (file.isNull() ? 0 : 1));
    const auto &box = app.dialogs.shown()[2];
    QVERIFY2(box.text.startsWith(QStringLiteral("The time card of Ann was not printed: ")), qPrintable(box.text));
    QVERIFY(box.text.endsWith(QStringLiteral("Would you like to save this time card and the rest of this run's as one "
                                             "PDF file instead?")));
    QCOMPARE(box.title, QStringLiteral("Print"));
    QVERIFY(app.printers.printed().isEmpty());
    if (file.isEmpty()) {
        QVERIFY(app.printers.saved().isEmpty());
        return;
    }
    const auto &dialog = app.dialogs.last();
    QCOMPARE(dialog.kind, pw::test::FakeDialogs::Shown::SaveFile);
    QCOMPARE(dialog.defaultText, QDir::current().filePath(QStringLiteral("Time cards up to 2026-12-08.pdf")));
    QCOMPARE(app.printers.saved().size(), 1);
    const pw::test::PrintJob pdf = app.printers.saved()[0];
    QCOMPARE(pdf.file, file.endsWith(QLatin1String(".pdf")) ? file : file + QStringLiteral(".pdf"));
    QVERIFY(pdf.sent);
    // Ann's card and Bob's, each from the top of a page of its own; the Manager's empty log gives none.
    QCOMPARE(pdf.pages.size(), 2);
    QCOMPARE(describe(pdf.pages[0][0]), QStringLiteral("Punchwell Data for:  Acme Widgets"));
    QCOMPARE(describe(pdf.pages[1][3]), QStringLiteral("Employee Name:  Bob"));
    QCOMPARE(pdf.lines(), card(QStringLiteral("Punchwell Data for:  "), ann,
                               {shift("12/7/2026 9:00:00 AM", "12/7/2026 10:30:00 AM", "Filing", "1.5 ")}, "1.5 ")
                              + card(QStringLiteral("Punchwell Data for:  "), bob,
                                     {shift("12/7/2026 8:00:00 AM", "12/7/2026 9:00:00 AM", "Loading", "1   ")}, "1   "));
}

// A run over every employee shows its progress; Cancel stops it after the employee under way, and
// a box says how many were done. A run not cancelled shows the boxes it always has.
void tst_printing::cancelledRun()
{
    TestApp app;
    app.addEmployee(ann);
    app.addEmployee(bob);
    fill(app, ann, {{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}});
    fill(app, bob, {{"2026-12-07 08:00:00", kIn, "Loading"}, {"2026-12-07 09:00:00", kOut, {}}});
    QWidget *m = app.managerShowing(ann);

    app.dialogs.answer(Dialogs::Yes);
    click(m, "Command3");
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.printers.printed().size(), 2);
    QCOMPARE(app.dialogs.progressShown().size(), 1);
    QCOMPARE(app.dialogs.progressShown()[0].title, QStringLiteral("Print"));
    QCOMPARE(app.dialogs.progressShown()[0].steps, 3);
    QCOMPARE(app.dialogs.progressShown()[0].names, (QStringList{QStringLiteral("Manager"), ann, bob}));
    QVERIFY(app.dialogs.progressShown()[0].finished);

    app.dialogs.clear();
    app.printers.clear();
    app.dialogs.cancelProgressAfter(2);
    app.dialogs.answer(Dialogs::Yes);
    click(m, "Command3");
    QCOMPARE(app.printers.printed().size(), 1); // the Manager's empty log, then Ann's card
    QCOMPARE(app.printers.printed()[0].name, QStringLiteral("Punchwell time card: Ann"));
    QCOMPARE(app.dialogs.count(), 3);
    QVERIFY(lastBoxIs(app.dialogs, QStringLiteral("Printing was stopped after 2 of 3 employees."), QStringLiteral("Print"),
                      Dialogs::Icon::Information));
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Manager"));
}

// The real boxes and the real progress window, answered as a person answers them, after reading
// each: the question that offers a PDF file in the middle of a run is the window on top and takes
// the click, no progress window is over it (whether the question comes before the window has
// shown, or while it shows), and the run waits for the answer; then the rest of the cards go into
// the one file and the run ends with every employee. The file's name is typed into the real file
// dialog.
void tst_printing::runAnsweredByAPerson_data()
{
    QTest::addColumn<int>("printable"); // cards the default printer takes before it is gone
    QTest::newRow("no printer: asked at once") << 0;
    QTest::newRow("printer gone after two cards: asked while the run shows") << 2;
}

void tst_printing::runAnsweredByAPerson()
{
    QFETCH(int, printable);
    pw::QtDialogs realBoxes;
    SlowPrinters printers;
    printers.printable = printable;
    TestApp app(QStringLiteral("Acme Widgets"), &printers, &realBoxes);
    const QStringList names{ann, bob, QStringLiteral("Cleo"), QStringLiteral("Dan")};
    for (const QString &name : names) {
        app.addEmployee(name);
        fill(app, name, {{"2026-12-07 09:00:00", kIn, "Filing"}, {"2026-12-07 10:30:00", kOut, {}}});
    }
    QWidget *m = app.managerShowing(ann);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("cards.pdf"));

    QString asked;
    bool onTop = false, usable = false, progressOver = true, waited = false;
    Person person({pressYes, // all employees
                   [](QWidget *box) { typeAndEnter(box, nullptr, QStringLiteral("12/8/2026")); },
                   [&](QWidget *box) {
                       if (const auto *question = qobject_cast<QMessageBox *>(box))
                           asked = question->text();
                       onTop = QApplication::activeModalWidget() == box;
                       usable = box->isVisible() && box->isEnabled();
                       progressOver = progressShown();
                       waited = printers.saved().isEmpty();
                       if (const QString pictures = qEnvironmentVariable("PUNCHWELL_SCREENSHOTS"); !pictures.isEmpty())
                           box->grab().save(QDir(pictures).filePath(QStringLiteral("print-run-question-%1.png").arg(printable)));
                       pressYes(box);
                   },
                   [&](QWidget *box) { typeAndEnter(box, "fileNameEdit", file); }});
    click(m, "Command3");

    QVERIFY2(person.troubles.isEmpty(), qPrintable(person.troubles.join(QLatin1Char('\n'))));
    QVERIFY2(asked.startsWith(QStringLiteral("The time card of %1 ").arg(names[printable]))
                 && asked.endsWith(QStringLiteral("as one PDF file instead?")),
             qPrintable(asked));
    QVERIFY(onTop);
    QVERIFY(usable);
    QVERIFY(!progressOver);
    QVERIFY(waited);
    // The window had come up before the question where the run was long enough; it is gone at the end.
    QCOMPARE(person.sawProgress, printable > 0);
    QVERIFY(!progressShown());
    // The cards the printer took, then the rest in the file, the Manager's empty log giving none.
    QCOMPARE(printers.printed().size(), printable);
    QCOMPARE(printers.saved().size(), 1);
    const pw::test::PrintJob pdf = printers.saved()[0];
    QCOMPARE(pdf.file, file);
    QVERIFY(pdf.sent);
    QCOMPARE(pdf.pages.size(), names.size() - printable);
    for (int i = printable; i < names.size(); ++i)
        QCOMPARE(describe(pdf.pages[i - printable][3]), QStringLiteral("Employee Name:  ") + names[i]);
}

PW_TEST_MAIN(tst_printing)

#include "tst_printing.moc"
