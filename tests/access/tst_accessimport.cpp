// Bringing an Access-format company over: files the test writer makes, converted into new
// Punchwell files and read back value by value; the switches; a comparison that finds a difference.
#include "access/accessconversion.h"
#include "db/companydata.h"
#include "db/database.h"
#include "db/employeelist.h"
#include "db/journal.h"
#include "db/quoting.h"
#include "testlib/accessfixture.h"
#include "messages/errortext.h"
#include "testlib/coremain.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using pw::JetType;
using pw::test::JetWriter;

namespace {

using Rows = QList<QVariantList>;
using Column = JetWriter::Column;
using Type = JetWriter::Type;

// Every row of a table of an SQLite file, in stored order, these fields.
Rows dump(const QString &path, const QString &table, const QStringList &fields)
{
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dump"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QStringList quoted;
        for (const QString &f : fields)
            quoted << pw::quoteIdentifier(f);
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(quoted.join(QStringLiteral(", ")), pw::quoteIdentifier(table))))
            qFatal("%s", qPrintable(q.lastError().text()));
        while (q.next()) {
            QVariantList row;
            for (qsizetype i = 0; i < fields.size(); ++i)
                row << q.value(int(i));
            rows << row;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dump"));
    return rows;
}

QStringList tablesOf(const QString &path)
{
    QStringList names;
    for (const QVariantList &row : dump(path, QStringLiteral("sqlite_master"), {QStringLiteral("name")}))
        names << row[0].toString();
    return names;
}

// Null and text kept apart: a Null is "<null>", anything else its text.
QStringList shown(const QVariantList &row)
{
    QStringList out;
    for (const QVariant &v : row)
        out << (v.isNull() ? QStringLiteral("<null>") : QStringLiteral("'%1'").arg(v.toString()));
    return out;
}

// Compares two tables value by value and says where they first differ.
bool sameRows(const Rows &actual, const Rows &expected, const QString &table)
{
    if (actual.size() != expected.size()) {
        qWarning("%s: %lld rows, expected %lld", qPrintable(table), qint64(actual.size()), qint64(expected.size()));
        return false;
    }
    for (qsizetype r = 0; r < actual.size(); ++r)
        if (shown(actual[r]) != shown(expected[r])) {
            qWarning("%s row %lld: %s, expected %s", qPrintable(table), qint64(r + 1),
                     qPrintable(shown(actual[r]).join(QLatin1Char(','))), qPrintable(shown(expected[r]).join(QLatin1Char(','))));
            return false;
        }
    return true;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QStringList kLogFields{QStringLiteral("Ename"), QStringLiteral("datetime"), QStringLiteral("inoutfx"), QStringLiteral("activity")};
const QStringList kListFields{QStringLiteral("Ename"), QStringLiteral("Ewage"), QStringLiteral("Ecomment"), QStringLiteral("epass")};

// A log entry as written (day count) and as Punchwell stores it.
QVariantList stored(const QVariantList &written)
{
    return {written[0], *pw::jetDateTimeToStored(written[1].toDouble()), written[2], written[3]};
}

// A source that gives one table differently the second time it is read, as if the old file had
// changed between the copy and the comparison.
class ChangedOnSecondReading : public pw::CompanySource {
public:
    ChangedOnSecondReading(pw::CompanySource &inner, QString table, qint64 row) : m_inner(inner), m_table(std::move(table)), m_row(row) {}
    pw::DbResult<QStringList> tables() override { return m_inner.tables(); }
    pw::DbResult<QList<pw::FieldInfo>> fields(const QString &table) override { return m_inner.fields(table); }
    bool readsOnAnyThread() const override { return m_inner.readsOnAnyThread(); }
    pw::DbError rows(const QString &table, const RowVisitor &visit) override
    {
        if (table != m_table)
            return m_inner.rows(table, visit);
        const bool second = ++m_readings == 2;
        qint64 n = 0;
        return m_inner.rows(table, [&](const QVariantList &row) {
            if (!second || ++n != m_row)
                return visit(row);
            QVariantList changed = row;
            changed[3] = QStringLiteral("changed");
            return visit(changed);
        });
    }

private:
    pw::CompanySource &m_inner;
    QString m_table;
    qint64 m_row;
    int m_readings = 0;
};

} // namespace

class tst_accessimport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void roundTrip();
    void switches_data();
    void switches();
    void textValues_data();
    void textValues();
    void differenceNamesTableAndRow();
    void keptName();
    void namesEveryEngineHolds_data();
    void namesEveryEngineHolds();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_accessimport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Everything of a company, written by the test writer, converted, and read back: hostile names,
// Null against blank tasks, the switches stored as 1 and as -1, a log of 100 000 entries, a log
// whose fields are in another order with one more, a deleted employee's log, and a table that is
// none of the company's.
void tst_accessimport::roundTrip()
{
    const QString bob = QStringLiteral("O'Neil \"Bob\"");
    const QString longName = QStringLiteral("Bartholomew Fitzgerald-Smythe"); // too long for the add dialog
    const QString greek = QStringLiteral("Zoë Σοφία");
    const QString smile = QStringLiteral("😀 Smile [x]");
    const QString blanks = QStringLiteral(" J.S; DROP TABLE x ");
    const QString kim = QStringLiteral("Kim");
    const QString oldJoe = QStringLiteral("Old Joe");

    JetWriter writer;
    const int company = writer.addTable(QStringLiteral("Company Data"), JetWriter::companyDataColumns());
    const QVariantList settings{QStringLiteral("Acme \"Widgets\" & Söhne"), 1, -1, QVariant()};
    writer.addRow(company, settings);

    QList<Column> listColumns = JetWriter::datalistColumns();
    listColumns[0].size = 64;
    listColumns << Column{QStringLiteral("Photo"), Type::Ole, 0};
    const int list = writer.addTable(QStringLiteral("datalist"), listColumns);
    const Rows listRows{
        {QStringLiteral("Manager"), QStringLiteral("0"), QVariant(), QStringLiteral("")},
        {bob, QStringLiteral("12.50"), QString(17000, QLatin1Char('c')), QStringLiteral("pw")},
        {longName, QVariant(), QStringLiteral("Line one\r\nLine two"), QVariant()},
        {greek, QStringLiteral("10,5"), QStringLiteral(""), QStringLiteral("Ω")},
        {smile, QStringLiteral("9"), QVariant(), QVariant()},
        {blanks, QStringLiteral(" 7 "), QVariant(), QVariant()},
        {QStringLiteral("manager"), QStringLiteral("1"), QVariant(), QVariant()},
        {kim, QStringLiteral("8"), QVariant(), QVariant()},
        {kim, QStringLiteral("8"), QVariant(), QVariant()},
        {QStringLiteral(""), QVariant(), QVariant(), QVariant()},
    };
    for (const QVariantList &row : listRows)
        writer.addRow(list, row + QVariantList{QVariant()});

    QList<Column> logColumns = JetWriter::logColumns();
    logColumns[0].size = 64;
    QMap<QString, Rows> logs;
    const auto entries = [](const QString &name, int count) {
        Rows rows;
        for (int i = 0; i < count; ++i)
            rows << pw::test::fixtureEntry(name, i);
        return rows;
    };
    const auto addLog = [&](const QString &name, const Rows &rows) {
        const int t = writer.addTable(name, logColumns);
        for (const QVariantList &row : rows)
            writer.addRow(t, row);
        logs[name] = rows;
    };
    addLog(QStringLiteral("Manager"), {});
    addLog(bob, entries(bob, 100000));
    addLog(longName, entries(longName, 3));
    Rows greekRows = entries(greek, 5);
    greekRows[0][3] = QStringLiteral(" "); // a single blank, a Null and an empty text: three things
    greekRows[2][3] = QStringLiteral("");
    greekRows[4][3] = QVariant();
    addLog(greek, greekRows);
    addLog(smile, entries(smile, 2));
    addLog(blanks, entries(blanks, 1));
    addLog(oldJoe, entries(oldJoe, 4));

    // Kim's log: the four fields in another order, and a note the program never had.
    const int kimLog = writer.addTable(kim, {{QStringLiteral("datetime"), Type::DateTime, 0},
                                             {QStringLiteral("Note"), Type::Text, 50},
                                             {QStringLiteral("ACTIVITY"), Type::Text, 30},
                                             {QStringLiteral("ename"), Type::Text, 20},
                                             {QStringLiteral("InOutFx"), Type::Text, 11}});
    for (int i = 0; i < 6; ++i) {
        const QVariantList e = pw::test::fixtureEntry(kim, i);
        writer.addRow(kimLog, {e[1], QStringLiteral("note %1").arg(i), e[3], e[0], e[2]});
        logs[kim] << e;
    }
    const int other = writer.addTable(QStringLiteral("Switchboard Items"),
                                      {{QStringLiteral("ItemNumber"), Type::Integer, 0}, {QStringLiteral("ItemText"), Type::Text, 50}});
    writer.addRow(other, {1, QStringLiteral("Main menu")});

    const QString old = path(QStringLiteral("Employee.mdb"));
    QString error;
    QVERIFY2(writer.save(old, &error), qPrintable(error));
    const QByteArray before = fileBytes(old);

    const QString made = path(QStringLiteral("new.mdb"));
    const pw::AccessOutcome done = pw::convertAccessCompanyToFile(old, made);
    QVERIFY2(done, qPrintable(done ? QString() : pw::ErrorText::accessFailure(done.error())));
    QCOMPARE(fileBytes(old), before);

    // The tables: the company's, every log under its own name, and the journal, whose one row
    // says where the company came from.
    QStringList expectedTables{QStringLiteral("Company Data"), QStringLiteral("datalist")};
    for (const QString &name : {QStringLiteral("Manager"), bob, longName, greek, smile, blanks, oldJoe, kim})
        expectedTables << name;
    expectedTables << pw::kJournalTable;
    QCOMPARE(tablesOf(made), expectedTables);
    const Rows journal = dump(made, pw::kJournalTable, {QStringLiteral("sequence"), QStringLiteral("what"),
                                                        QStringLiteral("employee"), QStringLiteral("after")});
    QCOMPARE(shown(journal.first()), QStringList({"'1'", "'import'", "<null>", "'Employee.mdb'"}));

    QVERIFY(sameRows(dump(made, QStringLiteral("Company Data"), {QStringLiteral("company"), QStringLiteral("subs"),
                                                                  QStringLiteral("money"), QStringLiteral("edits")}),
                     {{settings[0], 1, 1, QVariant()}}, QStringLiteral("Company Data")));
    QVERIFY(sameRows(dump(made, QStringLiteral("datalist"), kListFields), listRows, QStringLiteral("datalist")));
    for (auto it = logs.cbegin(); it != logs.cend(); ++it) {
        Rows expected;
        for (const QVariantList &e : it.value())
            expected << stored(e);
        QVERIFY(sameRows(dump(made, it.key(), kLogFields), expected, it.key()));
    }

    // Punchwell opens it as its own company, and sees every log as a time log.
    pw::Database db(made);
    QVERIFY(!db.open());
    QVERIFY(!db.verify());
    pw::EmployeeList employees(db);
    for (const QString &name : logs.keys()) {
        const auto isLog = employees.isLogTable(name);
        QVERIFY2(isLog && *isLog, qPrintable(name));
    }
    db.close();

    // The report.
    const pw::AccessReport &r = *done;
    QCOMPARE(r.employees.size(), listRows.size());
    QCOMPARE(r.employees[1].name, bob);
    QCOMPARE(r.employees[1].entries, 100000);
    QCOMPARE(r.employees[0].entries, 0);
    QCOMPARE(r.employees[6].entries, 0);  // "manager" opens the Manager's log
    QCOMPARE(r.employees[7].entries, 6);  // Kim
    QCOMPARE(r.employees[9].entries, -1); // no name, no log
    QCOMPARE(r.otherLogs.size(), 1);
    QCOMPARE(r.otherLogs[0].name, oldJoe);
    QCOMPARE(r.otherLogs[0].entries, 4);
    QCOMPARE(r.leftOutTables, QStringList{QStringLiteral("Switchboard Items")});
    // What is left out and what is unusual, as data; the words of the report are the messages test's.
    QStringList fields;
    for (const pw::AccessReport::Field &f : r.leftOutFields)
        fields << f.table + QLatin1Char('.') + f.name;
    QCOMPARE(fields, (QStringList{QStringLiteral("datalist.Photo"), QStringLiteral("Kim.Note")}));
    QCOMPARE(r.unusualNames.size(), 4);
    QCOMPARE(r.unusualNames[0].name, QStringLiteral("Bartholomew Fitzgerald-Smythe"));
    QVERIFY(r.unusualNames[0].faults.tooLong);
    QCOMPARE(r.unusualNames[1].sameAs, QStringLiteral("Manager"));
    QCOMPARE(r.unusualNames[2].times, 2);
    QVERIFY(r.unusualNames[3].faults.empty);
    QVERIFY(r.hasSettings);
    QCOMPARE(r.entries, 100021);
}

void tst_accessimport::switches_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << int(Type::Integer) << QVariant(1) << QVariant(1) << true;
    QTest::newRow("-1, Access's True") << int(Type::Integer) << QVariant(-1) << QVariant(1) << true;
    QTest::newRow("0") << int(Type::Integer) << QVariant(0) << QVariant(0) << false;
    QTest::newRow("2 reads as off") << int(Type::Integer) << QVariant(2) << QVariant(0) << false;
    QTest::newRow("Null") << int(Type::Integer) << QVariant() << QVariant() << false;
    QTest::newRow("Yes/No, yes") << int(Type::Boolean) << QVariant(true) << QVariant(1) << true;
    QTest::newRow("Yes/No, no") << int(Type::Boolean) << QVariant(false) << QVariant(0) << false;
    QTest::newRow("long -1") << int(Type::LongInteger) << QVariant(-1) << QVariant(1) << true;
    QTest::newRow("byte 1") << int(Type::Byte) << QVariant(1) << QVariant(1) << true;
}

// Each switch as the old file may hold it, and what Punchwell reads after the conversion.
void tst_accessimport::switches()
{
    QFETCH(int, type);
    QFETCH(QVariant, written);
    QFETCH(QVariant, stored);
    QFETCH(bool, on);
    auto fixture = pw::test::AccessCompanyFixture::make(1, 2);
    JetWriter writer;
    const int company = writer.addTable(QStringLiteral("Company Data"),
                                        {{QStringLiteral("company"), Type::Text, 50},
                                         {QStringLiteral("subs"), Type(type), 0},
                                         {QStringLiteral("money"), Type::Integer, 0},
                                         {QStringLiteral("edits"), Type(type), 0}});
    writer.addRow(company, {QStringLiteral("Acme"), written, 0, written});
    writer.addRow(writer.addTable(QStringLiteral("datalist"), JetWriter::datalistColumns()), fixture.employees[0]);
    const QString old = path(QStringLiteral("Employee.mdb"));
    QVERIFY(writer.save(old));
    const QString made = path(QStringLiteral("new.mdb"));
    const pw::AccessOutcome done = pw::convertAccessCompanyToFile(old, made);
    QVERIFY2(done, qPrintable(done ? QString() : pw::ErrorText::accessFailure(done.error())));

    pw::Database db(made);
    QVERIFY(!db.open());
    const auto read = pw::CompanyData(db).read();
    QVERIFY(read && read->has_value());
    const pw::Settings &s = **read;
    QCOMPARE(s.company, QStringLiteral("Acme"));
    QCOMPARE(s.subs.isNull(), stored.isNull());
    QCOMPARE(s.subs.toInt(), stored.toInt());
    QCOMPARE(pw::switchIsOn(s.subs), on);
    QCOMPARE(pw::switchIsOn(s.edits), on);
    QCOMPARE(s.money.toInt(), 0);
}

void tst_accessimport::textValues_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QVariant>("text"); // invalid: cannot be kept as text

    QTest::newRow("text as it is") << int(JetType::Text) << QVariant(QStringLiteral(" 12.50 ")) << "en_US" << QVariant(QStringLiteral(" 12.50 "));
    QTest::newRow("currency") << int(JetType::Currency) << QVariant(QStringLiteral("12.5000")) << "en_US" << QVariant(QStringLiteral("12.5"));
    QTest::newRow("currency, whole") << int(JetType::Currency) << QVariant(QStringLiteral("-3.0000")) << "en_US" << QVariant(QStringLiteral("-3"));
    QTest::newRow("currency, German") << int(JetType::Currency) << QVariant(QStringLiteral("1234.0100")) << "de_DE" << QVariant(QStringLiteral("1234,01"));
    QTest::newRow("double") << int(JetType::Double) << QVariant(12.25) << "en_US" << QVariant(QStringLiteral("12.25"));
    QTest::newRow("double, German, no groups") << int(JetType::Double) << QVariant(1234.5) << "de_DE" << QVariant(QStringLiteral("1234,5"));
    QTest::newRow("double, large") << int(JetType::Double) << QVariant(1e7) << "en_US" << QVariant(QStringLiteral("10000000"));
    QTest::newRow("integer") << int(JetType::Integer) << QVariant(-7) << "en_US" << QVariant(QStringLiteral("-7"));
    QTest::newRow("Yes/No") << int(JetType::Boolean) << QVariant(true) << "en_US" << QVariant(QStringLiteral("True"));
    QTest::newRow("Null") << int(JetType::Currency) << QVariant() << "en_US" << QVariant(QMetaType::fromType<QString>());
    QTest::newRow("binary") << int(JetType::Binary) << QVariant(QByteArray("\x01\x02", 2)) << "en_US" << QVariant();
}

// Text fields (a wage above all) from the other types Access offers: the text reads back as the
// same number in the system's locale.
void tst_accessimport::textValues()
{
    QFETCH(int, type);
    QFETCH(QVariant, value);
    QFETCH(QString, locale);
    QFETCH(QVariant, text);
    const std::optional<QVariant> kept = pw::accessValue(value, JetType(type), pw::FieldKind::Text, QLocale(locale));
    QCOMPARE(kept.has_value(), text.isValid());
    if (!kept)
        return;
    QCOMPARE(kept->isValid(), !text.isNull());
    QCOMPARE(kept->toString(), text.toString());
}

// The comparison after the copy reads the old file again: a row that reads differently is found,
// named, and nothing is left of the new file.
void tst_accessimport::differenceNamesTableAndRow()
{
    const auto fixture = pw::test::AccessCompanyFixture::make(3, 50);
    const QString old = path(QStringLiteral("Employee.mdb"));
    QVERIFY(fixture.save(old));
    pw::AccessCompany company(old);
    QVERIFY(!company.open());
    ChangedOnSecondReading source(company, QStringLiteral("Employee 002"), 37);
    const QString made = path(QStringLiteral("new.mdb"));
    pw::Database target(made);
    const auto copied = pw::copyCompany(source, target);
    QVERIFY(!copied);
    QVERIFY2(pw::ErrorText::describe(copied.error()).contains(QStringLiteral("row 37 of the table \"Employee 002\" differs")),
             qPrintable(pw::ErrorText::describe(copied.error())));
    QVERIFY(!QFile::exists(made));
    QVERIFY(!QFile::exists(made + QStringLiteral("-journal")));
}

// The old file's second name: free, taken by another file, or this file kept by a conversion that
// did not finish.
void tst_accessimport::keptName()
{
    const QString old = path(QStringLiteral("Employee.mdb"));
    QVERIFY(pw::test::AccessCompanyFixture::make(1, 1).save(old));
    QCOMPARE(pw::accessKeptPath(old), path(QStringLiteral("Employee (Access).mdb")));
    QVERIFY(QFile::copy(old, path(QStringLiteral("Employee (Access).mdb"))));
    QCOMPARE(pw::accessKeptPath(old), path(QStringLiteral("Employee (Access).mdb")));
    QFile other(path(QStringLiteral("Employee (Access).mdb")));
    QVERIFY(other.open(QIODevice::Append));
    other.write("x");
    other.close();
    QCOMPARE(pw::accessKeptPath(old), path(QStringLiteral("Employee (Access 2).mdb")));

    // A name with what looks like a place for a number keeps it as it is.
    const QString marked = path(QStringLiteral("Acme %1 %2.mdb"));
    QVERIFY(QFile::copy(old, marked));
    QVERIFY(QFile::copy(path(QStringLiteral("Employee (Access).mdb")), path(QStringLiteral("Acme %1 %2 (Access).mdb"))));
    QCOMPARE(pw::accessKeptPath(marked), path(QStringLiteral("Acme %1 %2 (Access 2).mdb")));
}

void tst_accessimport::namesEveryEngineHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("brought");
    QTest::newRow("SQLite's own name") << "sqlite_bob" << false;
    QTest::newRow("64 bytes") << QStringLiteral("\U0001F600").repeated(16) << false;
    QTest::newRow("63 bytes") << QStringLiteral("\U0001F600").repeated(15) + QStringLiteral("abc") << true;
}

// A time log whose name one engine cannot hold would make a company that can never move to it:
// refused, naming the table, and no file is made.
void tst_accessimport::namesEveryEngineHolds()
{
    QFETCH(QString, name);
    QFETCH(bool, brought);
    auto fixture = pw::test::AccessCompanyFixture::make(1, 1);
    fixture.addLog(name, {pw::test::fixtureEntry(name, 0)});
    const QString old = path(QStringLiteral("Employee.mdb"));
    QVERIFY(fixture.save(old));
    const QString made = path(QStringLiteral("new.mdb"));
    const pw::AccessOutcome done = pw::convertAccessCompanyToFile(old, made);
    QCOMPARE(bool(done), brought);
    QCOMPARE(QFile::exists(made), brought);
    if (!brought)
        QVERIFY2(pw::ErrorText::accessFailure(done.error()).contains(QStringLiteral("the table \"%1\" has a name that not every kind").arg(name)),
                 qPrintable(pw::ErrorText::accessFailure(done.error())));
}

PW_CORE_TEST_MAIN(tst_accessimport)
#include "tst_accessimport.moc"
