// Reading Access (Jet) company files: files the test writer makes, read by the reader and by
// mdbtools' own programs; a file made by Access itself; and the files the reader must refuse.
#include "access/jetreader.h"
#include "testlib/jetwriter.h"
#include "messages/errortext.h"
#include "testlib/coremain.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

using pw::DbError;
using pw::DbReason;
using pw::JetReader;
using pw::JetType;
using pw::test::JetWriter;

namespace {

using Rows = QList<QVariantList>;

// mdb-export output split with separators no test value holds.
constexpr char FieldSeparator = '\x1f';
constexpr char RowSeparator = '\x1e';

// What libmdb (or anything else in the process) writes to stderr while a call runs.
class StderrCapture {
public:
    StderrCapture()
    {
        fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        m_file = fopen(m_path.toLocal8Bit().constData(), "w+");
        if (m_file)
            dup2(fileno(m_file), STDERR_FILENO);
    }
    ~StderrCapture() { finish(); }
    QString finish()
    {
        if (m_saved < 0)
            return m_text;
        fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
        if (m_file) {
            fclose(m_file);
            QFile f(m_path);
            if (f.open(QIODevice::ReadOnly))
                m_text = QString::fromLocal8Bit(f.readAll());
            f.remove();
        }
        return m_text;
    }

private:
    QString m_path = QDir::tempPath() + QStringLiteral("/tst_jetreader-stderr-%1.txt").arg(getpid());
    int m_saved = -1;
    FILE *m_file = nullptr;
    QString m_text;
};

Rows readAll(JetReader &reader, const QString &table, DbError *error = nullptr)
{
    Rows rows;
    const DbError e = reader.readRows(table, [&](qint64 row, const QVariantList &values) {
        if (row != rows.size() + 1)
            return false;
        rows.append(values);
        return true;
    });
    if (error)
        *error = e;
    else if (e)
        qWarning().noquote() << pw::ErrorText::accessFailure(e);
    return rows;
}

// Runs one of mdbtools' programs under a UTF-8 locale (they refuse non-ASCII table names under
// LC_ALL=C); returns its output, or a null array when it failed.
QByteArray runTool(const QString &program, const QStringList &arguments, bool failureExpected = false)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("MDBICONV"));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        if (!failureExpected)
            qWarning().noquote() << program << arguments << "failed:" << process.errorString()
                             << process.readAllStandardError();
        return {};
    }
    QByteArray out = process.readAllStandardOutput();
    if (out.isNull())
        out = QByteArray("");
    return out;
}

// mdb-export's rows, each a list of texts (Null and empty text both export as "").
QList<QStringList> exported(const QString &path, const QString &table)
{
    const QByteArray out = runTool(QStringLiteral("mdb-export"),
                                   {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-d"),
                                    QString(QChar(FieldSeparator)), QStringLiteral("-R"),
                                    QString(QChar(RowSeparator)), QStringLiteral("-T"),
                                    QStringLiteral("%Y-%m-%d %H:%M:%S"), path, table});
    QList<QStringList> rows;
    for (const QByteArray &line : out.split(RowSeparator)) {
        if (line.isEmpty())
            continue;
        QStringList fields;
        for (const QByteArray &field : line.split(FieldSeparator))
            fields.append(QString::fromUtf8(field));
        rows.append(fields);
    }
    return rows;
}

QString fixturePath(const QString &name)
{
    return QStringLiteral(JET_FIXTURES_DIR "/") + name;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Day numbers of the dates the log tests use.
constexpr double Jan1st2024 = 45292.0;

} // namespace

class tst_jetreader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void values_data();
    void values();
    void companyFile();
    void anyLocale();
    void longLog();
    void dateTimes_data();
    void dateTimes();
    void dateOutOfRangeNamesTableAndRow();
    void accessFile();
    void versions_data();
    void versions();
    void faults_data();
    void faults();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_jetreader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// One value of each kind through the writer, the reader and mdb-export. "Other" is a second
// column with a fixed text, so a value spilling into its neighbour shows.
void tst_jetreader::values_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("read");       // by the reader
    QTest::addColumn<QString>("exportedText"); // by mdb-export; a null string: not compared

    const auto type = [](JetWriter::Type t) { return int(t); };
    const QString longLatin = QString(20000, QLatin1Char('x')) + QStringLiteral(" end");
    const QString longGreek = QString(9000, QChar(0x03A3)) + QStringLiteral(" τέλος");
    const QString onePage = QString(1500, QLatin1Char('y'));

    QTest::newRow("text") << type(JetWriter::Type::Text) << QVariant(QStringLiteral("Hello")) << QVariant(QStringLiteral("Hello")) << "Hello";
    QTest::newRow("empty text") << type(JetWriter::Type::Text) << QVariant(QString("")) << QVariant(QString("")) << "";
    QTest::newRow("null text") << type(JetWriter::Type::Text) << QVariant() << QVariant() << "";
    QTest::newRow("text, not Latin-1") << type(JetWriter::Type::Text) << QVariant(QStringLiteral("Σοφία")) << QVariant(QStringLiteral("Σοφία")) << "Σοφία";
    QTest::newRow("text, mixed compression") << type(JetWriter::Type::Text) << QVariant(QStringLiteral("Zoë and Ωmega too")) << QVariant(QStringLiteral("Zoë and Ωmega too")) << "Zoë and Ωmega too";
    QTest::newRow("text, a 00 low byte") << type(JetWriter::Type::Text) << QVariant(QStringLiteral("Āna")) << QVariant(QStringLiteral("Āna")) << "Āna";
    QTest::newRow("text, line break") << type(JetWriter::Type::Text) << QVariant(QStringLiteral("a\r\nb")) << QVariant(QStringLiteral("a\r\nb")) << "a\r\nb";
    QTest::newRow("memo inline") << type(JetWriter::Type::Memo) << QVariant(QStringLiteral("note")) << QVariant(QStringLiteral("note")) << "note";
    QTest::newRow("empty memo") << type(JetWriter::Type::Memo) << QVariant(QString("")) << QVariant(QString("")) << "";
    QTest::newRow("null memo") << type(JetWriter::Type::Memo) << QVariant() << QVariant() << "";
    QTest::newRow("memo on one page") << type(JetWriter::Type::Memo) << QVariant(onePage) << QVariant(onePage) << onePage;
    QTest::newRow("memo over 16 KiB") << type(JetWriter::Type::Memo) << QVariant(longLatin) << QVariant(longLatin) << QString();
    QTest::newRow("memo over 16 KiB, UCS-2") << type(JetWriter::Type::Memo) << QVariant(longGreek) << QVariant(longGreek) << QString();
    QTest::newRow("integer -1") << type(JetWriter::Type::Integer) << QVariant(-1) << QVariant(-1) << "-1";
    QTest::newRow("integer 1") << type(JetWriter::Type::Integer) << QVariant(1) << QVariant(1) << "1";
    QTest::newRow("integer min") << type(JetWriter::Type::Integer) << QVariant(-32768) << QVariant(-32768) << "-32768";
    QTest::newRow("integer max") << type(JetWriter::Type::Integer) << QVariant(32767) << QVariant(32767) << "32767";
    QTest::newRow("null integer") << type(JetWriter::Type::Integer) << QVariant() << QVariant() << "";
    QTest::newRow("long -1") << type(JetWriter::Type::LongInteger) << QVariant(-1) << QVariant(-1) << "-1";
    QTest::newRow("long min") << type(JetWriter::Type::LongInteger) << QVariant(std::numeric_limits<qint32>::min()) << QVariant(std::numeric_limits<qint32>::min()) << "-2147483648";
    QTest::newRow("long max") << type(JetWriter::Type::LongInteger) << QVariant(std::numeric_limits<qint32>::max()) << QVariant(std::numeric_limits<qint32>::max()) << "2147483647";
    QTest::newRow("byte") << type(JetWriter::Type::Byte) << QVariant(255) << QVariant(255) << "255";
    QTest::newRow("boolean true") << type(JetWriter::Type::Boolean) << QVariant(true) << QVariant(true) << "1";
    QTest::newRow("boolean false") << type(JetWriter::Type::Boolean) << QVariant(false) << QVariant(false) << "0";
    QTest::newRow("double") << type(JetWriter::Type::Double) << QVariant(3.141592653589793) << QVariant(3.141592653589793) << "3.141592653589793";
    QTest::newRow("double tiny") << type(JetWriter::Type::Double) << QVariant(-1.5e-300) << QVariant(-1.5e-300) << "-1.5e-300";
    QTest::newRow("single") << type(JetWriter::Type::Single) << QVariant(0.25) << QVariant(0.25) << "0.25";
    QTest::newRow("currency") << type(JetWriter::Type::Currency) << QVariant(qint64(123456789)) << QVariant(QStringLiteral("12345.6789")) << "12345.6789";
    QTest::newRow("currency, a cent") << type(JetWriter::Type::Currency) << QVariant(qint64(-100)) << QVariant(QStringLiteral("-0.0100")) << QString();
    QTest::newRow("currency, largest") << type(JetWriter::Type::Currency) << QVariant(std::numeric_limits<qint64>::max()) << QVariant(QStringLiteral("922337203685477.5807")) << QString();
    QTest::newRow("currency, smallest") << type(JetWriter::Type::Currency) << QVariant(std::numeric_limits<qint64>::min()) << QVariant(QStringLiteral("-922337203685477.5808")) << QString();
    QTest::newRow("date-time") << type(JetWriter::Type::DateTime) << QVariant(45000.25) << QVariant(QStringLiteral("2023-03-15 06:00:00")) << "2023-03-15 06:00:00";
    QTest::newRow("null date-time") << type(JetWriter::Type::DateTime) << QVariant() << QVariant() << "";
}

void tst_jetreader::values()
{
    QFETCH(int, type);
    QFETCH(QVariant, written);
    QFETCH(QVariant, read);
    QFETCH(QString, exportedText);

    JetWriter writer;
    const int table = writer.addTable(QStringLiteral("Values"),
                                      {{QStringLiteral("value"), JetWriter::Type(type), 255},
                                       {QStringLiteral("other"), JetWriter::Type::Text, 10}});
    writer.addRow(table, {written, QStringLiteral("neighbour")});
    const QString file = path(QStringLiteral("values.mdb"));
    QString error;
    QVERIFY2(writer.save(file, &error), qPrintable(error));

    JetReader reader;
    const DbError opened = reader.open(file);
    QVERIFY2(!opened, qPrintable(pw::ErrorText::accessFailure(opened)));
    const Rows rows = readAll(reader, QStringLiteral("Values"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].size(), 2);
    const QVariant &value = rows[0][0];
    QCOMPARE(value.isValid(), read.isValid()); // Null stays apart from empty text
    if (read.isValid()) {
        QCOMPARE(value.typeId(), read.typeId());
        QCOMPARE(value, read);
    }
    QCOMPARE(rows[0][1], QVariant(QStringLiteral("neighbour")));

    const QList<QStringList> csv = exported(file, QStringLiteral("Values"));
    QCOMPARE(csv.size(), 1);
    QCOMPARE(csv[0].size(), 2);
    if (!exportedText.isNull())
        QCOMPARE(csv[0][0], exportedText);
    else if (read.typeId() == QMetaType::QString && JetWriter::Type(type) == JetWriter::Type::Memo)
        QCOMPARE(csv[0][0].size(), read.toString().size()); // whole, not cut at 16 KiB
    QCOMPARE(csv[0][1], QStringLiteral("neighbour"));
}

// The old company file: "Company Data", "datalist" and one log per employee, named by the employee.
void tst_jetreader::companyFile()
{
    const QStringList employees = {QStringLiteral("O'Neil \"Bob\""), QStringLiteral("Zoë"),
                                   QStringLiteral("José Müller"), QStringLiteral("J.S; DROP TABLE x"),
                                   QStringLiteral("Σοφία")};
    JetWriter writer;
    const int company = writer.addTable(QStringLiteral("Company Data"), JetWriter::companyDataColumns());
    writer.addRow(company, {QStringLiteral("Acme Widgets"), -1, 0, 1});
    const int datalist = writer.addTable(QStringLiteral("datalist"), JetWriter::datalistColumns());
    const QString longComment = QString(17000, QLatin1Char('c'));
    const Rows datalistRows = {
        {employees[0], QStringLiteral("12.50"), longComment, QStringLiteral("")},
        {employees[1], QStringLiteral(""), QVariant(), QVariant()},
        {employees[2], QVariant(), QStringLiteral("Line one\r\nLine two"), QStringLiteral("secret")},
        {employees[3], QStringLiteral("9"), QStringLiteral(""), QStringLiteral("x")},
        {employees[4], QStringLiteral("10,5"), QStringLiteral("Καλημέρα"), QStringLiteral("Ω")},
    };
    for (const QVariantList &row : datalistRows)
        writer.addRow(datalist, row);
    QHash<QString, Rows> logs;
    for (qsizetype e = 0; e < employees.size(); ++e) {
        const int log = writer.addTable(employees[e], JetWriter::logColumns());
        Rows written;
        for (int i = 0; i < 3 + e; ++i) {
            const QVariantList row = {employees[e], Jan1st2024 + e + i / 24.0,
                                      i % 2 ? QStringLiteral("out") : QStringLiteral("in"),
                                      i == 1 ? QVariant() : i == 2 ? QVariant(QString("")) : QVariant(QStringLiteral("Filing"))};
            writer.addRow(log, row);
            written.append(row);
        }
        logs.insert(employees[e], written);
    }
    const QString file = path(QStringLiteral("Employee.mdb"));
    QString error;
    QVERIFY2(writer.save(file, &error), qPrintable(error));
    const QByteArray before = fileBytes(file);

    JetReader reader;
    StderrCapture quiet;
    const DbError opened = reader.open(file);
    QVERIFY2(!opened, qPrintable(pw::ErrorText::accessFailure(opened)));
    QCOMPARE(reader.format(), pw::JetFormat::Jet4);

    QStringList names;
    for (const pw::JetTable &t : reader.tables())
        names.append(t.name);
    QCOMPARE(names, QStringList({QStringLiteral("Company Data"), QStringLiteral("datalist")}) + employees);
    const auto columns = [&](const QString &table) {
        QStringList described;
        const std::optional<pw::JetTable> found = reader.table(table);
        for (const pw::JetColumn &c : found->columns)
            described.append(QStringLiteral("%1 %2 %3").arg(c.name).arg(int(c.type)).arg(c.size));
        return described;
    };
    QCOMPARE(columns(QStringLiteral("Company Data")),
             QStringList({QStringLiteral("company %1 255").arg(int(JetType::Text)), QStringLiteral("subs %1 2").arg(int(JetType::Integer)),
                          QStringLiteral("money %1 2").arg(int(JetType::Integer)), QStringLiteral("edits %1 2").arg(int(JetType::Integer))}));
    QCOMPARE(columns(QStringLiteral("datalist")),
             QStringList({QStringLiteral("Ename %1 20").arg(int(JetType::Text)), QStringLiteral("Ewage %1 255").arg(int(JetType::Text)),
                          QStringLiteral("Ecomment %1 0").arg(int(JetType::Memo)), QStringLiteral("epass %1 255").arg(int(JetType::Text))}));
    QCOMPARE(columns(employees[0]),
             QStringList({QStringLiteral("Ename %1 20").arg(int(JetType::Text)), QStringLiteral("datetime %1 8").arg(int(JetType::DateTime)),
                          QStringLiteral("inoutfx %1 11").arg(int(JetType::Text)), QStringLiteral("activity %1 30").arg(int(JetType::Text))}));

    QCOMPARE(readAll(reader, QStringLiteral("Company Data")), Rows({{QStringLiteral("Acme Widgets"), -1, 0, 1}}));
    const Rows readDatalist = readAll(reader, QStringLiteral("datalist"));
    QCOMPARE(readDatalist.size(), datalistRows.size());
    for (qsizetype r = 0; r < datalistRows.size(); ++r)
        for (qsizetype c = 0; c < 4; ++c) {
            QCOMPARE(readDatalist[r][c].isValid(), datalistRows[r][c].isValid());
            QCOMPARE(readDatalist[r][c], datalistRows[r][c]);
        }
    for (const QString &employee : employees) {
        const Rows read = readAll(reader, employee);
        const Rows &written = logs[employee];
        QCOMPARE(read.size(), written.size());
        for (qsizetype r = 0; r < written.size(); ++r) {
            QCOMPARE(read[r][0], written[r][0]);
            QCOMPARE(read[r][1], QVariant(*pw::jetDateTimeToStored(written[r][1].toDouble())));
            QCOMPARE(read[r][2], written[r][2]);
            QCOMPARE(read[r][3].isValid(), written[r][3].isValid());
            QCOMPARE(read[r][3], written[r][3]);
        }
    }
    QCOMPARE(quiet.finish(), QString());
    reader.close();
    QVERIFY(fileBytes(file) == before); // read-only

    // mdbtools' own programs read the same file.
    const QByteArray tables = runTool(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file});
    QCOMPARE(QString::fromUtf8(tables).split(QLatin1Char('\n'), Qt::SkipEmptyParts), names);
    const QString schema = QString::fromUtf8(runTool(QStringLiteral("mdb-schema"), {file, QStringLiteral("access")}));
    QVERIFY2(schema.contains(QStringLiteral("CREATE TABLE [José Müller]")), qPrintable(schema));
    QVERIFY2(schema.contains(QStringLiteral("[Ename]\t\t\tText (20)")), qPrintable(schema));
    QVERIFY2(schema.contains(QStringLiteral("[Ecomment]\t\t\tMemo/Hyperlink")), qPrintable(schema));
    QVERIFY2(schema.contains(QStringLiteral("[datetime]\t\t\tDateTime")), qPrintable(schema));
    QVERIFY2(schema.contains(QStringLiteral("[subs]\t\t\tInteger")), qPrintable(schema));
    QCOMPARE(exported(file, QStringLiteral("Company Data")),
             QList<QStringList>({{QStringLiteral("Acme Widgets"), QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("1")}}));
    const QList<QStringList> csv = exported(file, QStringLiteral("datalist"));
    QCOMPARE(csv.size(), datalistRows.size());
    for (qsizetype r = 0; r < datalistRows.size(); ++r)
        for (qsizetype c = 0; c < 4; ++c)
            QCOMPARE(csv[r][c], datalistRows[r][c].toString());
    for (const QString &employee : employees) {
        const QList<QStringList> log = exported(file, employee);
        const Rows &written = logs[employee];
        QCOMPARE(log.size(), written.size());
        for (qsizetype r = 0; r < written.size(); ++r)
            QCOMPARE(log[r], QStringList({written[r][0].toString(), *pw::jetDateTimeToStored(written[r][1].toDouble()),
                                         written[r][2].toString(), written[r][3].toString()}));
    }
}

// The reader converts text itself: the C locale and a different MDBICONV read the same names.
void tst_jetreader::anyLocale()
{
    JetWriter writer;
    const QString name = QStringLiteral("José Müller Σοφία");
    const int log = writer.addTable(name, JetWriter::logColumns());
    writer.addRow(log, {name, 45000.0, QStringLiteral("in"), QStringLiteral("Café")});
    const QString file = path(QStringLiteral("locale.mdb"));
    QVERIFY(writer.save(file));

    const QByteArray savedLocale = setlocale(LC_ALL, nullptr);
    const QByteArray savedIconv = qgetenv("MDBICONV");
    setlocale(LC_ALL, "C");
    qputenv("MDBICONV", "ISO-8859-1");
    JetReader reader;
    const DbError opened = reader.open(file);
    Rows rows;
    if (!opened)
        rows = readAll(reader, name);
    setlocale(LC_ALL, savedLocale.constData());
    if (savedIconv.isNull())
        qunsetenv("MDBICONV");
    else
        qputenv("MDBICONV", savedIconv);

    QVERIFY2(!opened, qPrintable(pw::ErrorText::accessFailure(opened)));
    QCOMPARE(reader.tables().size(), 1);
    QCOMPARE(reader.tables()[0].name, name);
    QCOMPARE(rows, Rows({{name, QStringLiteral("2023-03-15 00:00:00"), QStringLiteral("in"), QStringLiteral("Café")}}));
}

// A log of 100 000 entries spans many data pages; every entry comes back in stored order.
void tst_jetreader::longLog()
{
    constexpr int Entries = 100000;
    const auto entry = [](int i) {
        return QVariantList{QStringLiteral("Kim"), Jan1st2024 + i / 1440.0, i % 2 ? QStringLiteral("out") : QStringLiteral("in"),
                            i % 7 == 0 ? QVariant() : QVariant(QStringLiteral("Task %1").arg(i))};
    };
    QElapsedTimer timer;
    timer.start();
    JetWriter writer;
    const int log = writer.addTable(QStringLiteral("Kim"), JetWriter::logColumns());
    for (int i = 0; i < Entries; ++i)
        writer.addRow(log, entry(i));
    const QString file = path(QStringLiteral("long.mdb"));
    QVERIFY(writer.save(file));
    const qint64 writeMs = timer.restart();

    JetReader reader;
    QVERIFY(!reader.open(file));
    DbError error;
    const Rows rows = readAll(reader, QStringLiteral("Kim"), &error);
    const qint64 readMs = timer.restart();
    QVERIFY2(!error, qPrintable(pw::ErrorText::accessFailure(error)));
    QCOMPARE(rows.size(), Entries);
    for (int i = 0; i < Entries; ++i) {
        const QVariantList e = entry(i);
        const QVariantList expected = {e[0], *pw::jetDateTimeToStored(e[1].toDouble()), e[2], e[3]};
        if (rows[i] != expected || rows[i][3].isValid() != expected[3].isValid())
            QFAIL(qPrintable(QStringLiteral("entry %1 differs").arg(i + 1)));
    }
    timer.restart();

    const QList<QStringList> csv = exported(file, QStringLiteral("Kim"));
    const qint64 exportMs = timer.restart();
    QCOMPARE(csv.size(), Entries);
    for (int i : {0, 1, 7, 59999, Entries - 1}) {
        const QVariantList e = entry(i);
        QCOMPARE(csv[i], QStringList({e[0].toString(), *pw::jetDateTimeToStored(e[1].toDouble()), e[2].toString(), e[3].toString()}));
    }
    qInfo("100 000 entries: written in %lld ms (%lld bytes), read in %lld ms, mdb-export in %lld ms", writeMs,
          QFileInfo(file).size(), readMs, exportMs);
}

// Date-times from the stored day count, straight through the reader.
void tst_jetreader::dateTimes_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("stored"); // empty: outside Access's range

    QTest::newRow("day 0") << 0.0 << "1899-12-30 00:00:00";
    QTest::newRow("-1.25 counts the fraction forward") << -1.25 << "1899-12-29 06:00:00";
    QTest::newRow("-0.5 is day 0") << -0.5 << "1899-12-30 12:00:00";
    QTest::newRow("1900-02-28") << 60.0 << "1900-02-28 00:00:00";
    QTest::newRow("1900 has no 29 February") << 61.0 << "1900-03-01 00:00:00";
    QTest::newRow("2024-02-29") << 45351.75 << "2024-02-29 18:00:00";
    QTest::newRow("rounds down below half a second") << 1.4 / 86400 << "1899-12-30 00:00:01";
    QTest::newRow("rounds up from half a second") << 1.6 / 86400 << "1899-12-30 00:00:02";
    QTest::newRow("rounds up to midnight") << 1.0 - 0.4 / 86400 << "1899-12-31 00:00:00";
    QTest::newRow("rounds up to midnight, before day 0") << -2.0 + 0.4 / 86400 << "1899-12-30 00:00:00";
    QTest::newRow("year 100") << -657434.0 << "0100-01-01 00:00:00";
    QTest::newRow("year 100, noon") << -657434.5 << "0100-01-01 12:00:00";
    QTest::newRow("year 9999, last second") << 2958465.0 + 86399.0 / 86400 << "9999-12-31 23:59:59";
    QTest::newRow("year 99") << -657435.0 << "";
    QTest::newRow("year 10000") << 2958466.0 << "";
    QTest::newRow("rounds into year 10000") << 2958465.0 + 86399.6 / 86400 << "";
    QTest::newRow("not a number") << std::nan("") << "";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("huge") << 1e300 << "";
}

void tst_jetreader::dateTimes()
{
    QFETCH(double, days);
    QFETCH(QString, stored);

    JetWriter writer;
    const int log = writer.addTable(QStringLiteral("Kim"), JetWriter::logColumns());
    writer.addRow(log, {QStringLiteral("Kim"), days, QStringLiteral("in"), QVariant()});
    const QString file = path(QStringLiteral("dates.mdb"));
    QVERIFY(writer.save(file));
    JetReader reader;
    QVERIFY(!reader.open(file));
    DbError error;
    const Rows rows = readAll(reader, QStringLiteral("Kim"), &error);
    if (stored.isEmpty()) {
        QCOMPARE(error.reason, DbReason::AccessDateOutOfRange);
        QVERIFY(rows.isEmpty());
    } else {
        QVERIFY2(!error, qPrintable(pw::ErrorText::accessFailure(error)));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][1], QVariant(stored));
    }
}

void tst_jetreader::dateOutOfRangeNamesTableAndRow()
{
    JetWriter writer;
    const int log = writer.addTable(QStringLiteral("O'Neil \"Bob\""), JetWriter::logColumns());
    writer.addRow(log, {QStringLiteral("Bob"), 45000.0, QStringLiteral("in"), QVariant()});
    writer.addRow(log, {QStringLiteral("Bob"), 45000.5, QStringLiteral("out"), QVariant()});
    writer.addRow(log, {QStringLiteral("Bob"), -700000.0, QStringLiteral("in"), QVariant()});
    const QString file = path(QStringLiteral("bad date.mdb"));
    QVERIFY(writer.save(file));
    JetReader reader;
    QVERIFY(!reader.open(file));
    DbError error;
    const Rows rows = readAll(reader, QStringLiteral("O'Neil \"Bob\""), &error);
    QCOMPARE(rows.size(), 2); // the rows before it were handed over
    QCOMPARE(error.reason, DbReason::AccessDateOutOfRange);
    QCOMPARE(pw::ErrorText::accessFailure(error), QStringLiteral("Row 3 of the table \u201cO'Neil \"Bob\"\u201d has a date in the column "
                                           "\u201cdatetime\u201d outside the years 100 to 9999 (stored as -700000)."));
}

// DateTest.mdb was made by Access: dates in year 9999, before 1900 and before 1000, and texts with
// line breaks.
void tst_jetreader::accessFile()
{
    const QString file = fixturePath(QStringLiteral("DateTest.mdb"));
    if (!QFileInfo::exists(file))
        QSKIP(qPrintable(QStringLiteral("%1 is missing; the Access-made file is kept in shared/fixtures/jet").arg(file)));
    JetReader reader;
    StderrCapture quiet;
    const DbError opened = reader.open(file);
    QVERIFY2(!opened, qPrintable(pw::ErrorText::accessFailure(opened)));
    QCOMPARE(reader.format(), pw::JetFormat::Jet4);
    QCOMPARE(reader.tables().size(), 1);
    const pw::JetTable table = reader.tables()[0];
    QCOMPARE(table.name, QStringLiteral("DateTest"));
    QStringList columns;
    for (const pw::JetColumn &c : table.columns)
        columns.append(QStringLiteral("%1 %2 %3").arg(c.name).arg(int(c.type)).arg(c.size));
    QCOMPARE(columns, QStringList({QStringLiteral("IDCol %1 4").arg(int(JetType::LongInteger)),
                                   QStringLiteral("DateTimeCol %1 8").arg(int(JetType::DateTime)),
                                   QStringLiteral("DateCol %1 8").arg(int(JetType::DateTime)),
                                   QStringLiteral("TimeCol %1 8").arg(int(JetType::DateTime)),
                                   QStringLiteral("LongTextCol %1 0").arg(int(JetType::Memo)),
                                   QStringLiteral("ShortTextCol %1 255").arg(int(JetType::Text))}));
    const Rows rows = readAll(reader, QStringLiteral("DateTest"));
    QCOMPARE(quiet.finish(), QString());
    QCOMPARE(rows.size(), 6);
    // The day numbers behind these were checked against the bytes of the file.
    const QString recent = QStringLiteral("2021-12-02 00:00:00");
    const Rows expected = {
        {1, recent, recent, recent, QStringLiteral("Hello"), QStringLiteral("Hello")},
        {2, QStringLiteral("9999-01-01 00:00:00"), QStringLiteral("9999-01-01 00:00:00"), QStringLiteral("9999-01-01 00:00:00"),
         QStringLiteral("Year 9999"), QStringLiteral("Year 1999")},
        {3, QStringLiteral("1898-01-01 00:00:00"), QStringLiteral("1899-01-01 00:00:00"), QStringLiteral("1900-01-01 00:00:00"),
         QStringLiteral("Pre-1900 years"), QStringLiteral("Pre-1900 years")},
        {4, QStringLiteral("0632-01-01 00:00:00"), QStringLiteral("0633-01-01 00:00:00"), QStringLiteral("0634-01-01 00:00:00"),
         QStringLiteral("Pre-1000 years"), QStringLiteral("Pre-1000 years")},
        {5, recent, recent, recent, QStringLiteral("Escaped new line \\r\\n in field"), QStringLiteral("Escaped new line \\r\\n in field")},
        {6, recent, recent, recent, QStringLiteral("New line\r\nin field"), QStringLiteral("No new line")},
    };
    QCOMPARE(rows, expected);
}

void tst_jetreader::versions_data()
{
    QTest::addColumn<int>("versionByte");
    QTest::addColumn<int>("format");
    QTest::newRow("Jet 4") << 1 << int(pw::JetFormat::Jet4);
    QTest::newRow("ACE 12") << 2 << int(pw::JetFormat::Ace12);
    QTest::newRow("ACE 16") << 5 << int(pw::JetFormat::Ace16);
    QTest::newRow("ACE 17") << 6 << int(pw::JetFormat::Ace17);
}

void tst_jetreader::versions()
{
    QFETCH(int, versionByte);
    QFETCH(int, format);
    JetWriter writer;
    writer.setVersionByte(versionByte);
    const int t = writer.addTable(QStringLiteral("Zoë"), JetWriter::logColumns());
    writer.addRow(t, {QStringLiteral("Zoë"), 45000.0, QStringLiteral("in"), QStringLiteral("x")});
    const QString file = path(QStringLiteral("version.accdb"));
    QVERIFY(writer.save(file));
    JetReader reader;
    const DbError opened = reader.open(file);
    QVERIFY2(!opened, qPrintable(pw::ErrorText::accessFailure(opened)));
    QCOMPARE(int(reader.format()), format);
    QCOMPARE(readAll(reader, QStringLiteral("Zoë")).size(), 1);
    QCOMPARE(exported(file, QStringLiteral("Zoë")).size(), 1);
}

void tst_jetreader::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("mdbToolsRead"); // whether mdb-tables still lists the tables
    QTest::addColumn<bool>("quiet");        // whether libmdb keeps stderr quiet

    QTest::newRow("missing file") << "missing" << int(DbReason::AccessCannotOpen) << false << true;
    QTest::newRow("text file") << "text" << int(DbReason::AccessNotAccess) << false << true;
    QTest::newRow("empty file") << "empty" << int(DbReason::AccessNotAccess) << false << true;
    QTest::newRow("cut inside a page") << "cut inside a page" << int(DbReason::AccessDamaged) << true << true;
    QTest::newRow("cut at a page, catalog left") << "cut after the catalog" << int(DbReason::AccessDamaged) << false << true;
    QTest::newRow("cut at a page, data lost") << "cut at a page" << int(DbReason::AccessDamaged) << true << true;
    QTest::newRow("catalog page overwritten") << "catalog overwritten" << int(DbReason::AccessDamaged) << false << true;
    QTest::newRow("row damaged") << "row damaged" << int(DbReason::AccessDamaged) << true << false;
    QTest::newRow("password") << "password" << int(DbReason::AccessPassword) << true << true;
    QTest::newRow("unknown version") << "unknown version" << int(DbReason::AccessUnknownVersion) << false << true;
}

// Every fault is a value with plain words, and libmdb prints nothing meanwhile.
void tst_jetreader::faults()
{
    QFETCH(QString, fault);
    QFETCH(int, kind);
    QFETCH(bool, mdbToolsRead);
    QFETCH(bool, quiet);

    const QString file = path(QStringLiteral("Employee.mdb"));
    JetWriter writer;
    const int log = writer.addTable(QStringLiteral("Zoë"), JetWriter::logColumns());
    for (int i = 0; i < 2000; ++i)
        writer.addRow(log, {QStringLiteral("Zoë"), Jan1st2024 + i, QStringLiteral("in"), QStringLiteral("Work")});
    if (fault == QLatin1String("password"))
        writer.setPassword(QStringLiteral("secret"));
    if (fault == QLatin1String("unknown version"))
        writer.setVersionByte(0x42);
    QVERIFY(writer.save(file));
    const qint64 size = QFileInfo(file).size();
    if (fault == QLatin1String("missing"))
        QVERIFY(QFile::remove(file));
    if (fault == QLatin1String("text") || fault == QLatin1String("empty")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (fault == QLatin1String("text"))
            f.write("Company,Acme\nKim,in\n");
    }
    if (fault == QLatin1String("cut inside a page"))
        QVERIFY(pw::test::truncateFile(file, size / 2 + 100));
    if (fault == QLatin1String("cut after the catalog"))
        QVERIFY(pw::test::truncateFile(file, 3 * 4096));
    if (fault == QLatin1String("cut at a page"))
        QVERIFY(pw::test::truncateFile(file, (size / 4096 / 2) * 4096));
    if (fault == QLatin1String("catalog overwritten")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(2 * 4096);
        f.write(QByteArray(64, '\x55'));
    }
    if (fault == QLatin1String("row damaged")) {
        // The first log page follows the header, the usage maps, the two definitions and the
        // catalog's rows; its first row claims more columns than the page holds.
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 page = 5 * 4096;
        f.seek(page + 14);
        const QByteArray offset = f.read(2);
        f.seek(page + (uchar(offset[0]) | uchar(offset[1]) << 8));
        f.write("\xff\x7f");
    }

    JetReader reader;
    StderrCapture stderrText;
    DbError error = reader.open(file);
    if (!error)
        readAll(reader, QStringLiteral("Zoë"), &error);
    const QString printed = stderrText.finish();
    if (quiet)
        QCOMPARE(printed, QString());
    QCOMPARE(int(error.reason), kind);
    QVERIFY(!pw::ErrorText::accessFailure(error).isEmpty());
    QVERIFY2(pw::ErrorText::accessFailure(error).contains(QStringLiteral("Employee.mdb")), qPrintable(pw::ErrorText::accessFailure(error)));
    if (fault == QLatin1String("row damaged"))
        QVERIFY2(pw::ErrorText::accessFailure(error).contains(QStringLiteral("holds 2000 rows, but only 1999 can be read")), qPrintable(pw::ErrorText::accessFailure(error)));
    if (fault != QLatin1String("missing"))
        QCOMPARE(runTool(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file}, !mdbToolsRead).trimmed() == "Zoë",
                 mdbToolsRead);
}

PW_CORE_TEST_MAIN(tst_jetreader)

#include "tst_jetreader.moc"
