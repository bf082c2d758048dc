// The hours file byte for byte, on a file and on a server: the forms a stored date-time may take,
// texts that are not plain UTF-8, quoting, and hours and money rounded as QString rounds them.
#include "db/quoting.h"
#include "domain/hoursexport.h"
#include "testlib/coremain.h"
#include "testlib/testcompany.h"

#include <QDir>
#include <QFile>
#include <QTest>

using pw::LocalDateTime;
using pw::test::TestCompany;

namespace {

const QString kKim = QStringLiteral("Kim");

} // namespace

class tst_hoursfile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bytes_data();
    void bytes();
};

void tst_hoursfile::bytes_data()
{
    QTest::addColumn<QString>("wage");
    QTest::addColumn<QList<QByteArray>>("log"); // date-time, task, date-time, task, ...; a null one is a Null
    QTest::addColumn<bool>("fileOnly");         // texts a server's timestamp or text does not hold
    QTest::addColumn<QByteArray>("rows");       // Kim's rows, after the header
    QTest::newRow("stored forms")
        << "7.5" << QList<QByteArray>{"2026-12-01 09:00", "a,b", "2026-12-01T09:01:00", {}, "2026-12-02", "say \"hi\"",
                                      "2026-12-02 08:00:00.250", ""}
        << false
        // 7.5 for one minute is 0.125, halfway: away from zero.
        << QByteArray("Kim,2026-12-01T09:00:00,2026-12-01T09:01:00,1,0.02,\"a,b\",7.5,0.13\r\n"
                      "Kim,2026-12-02T00:00:00,2026-12-02T08:00:00,480,8.00,\"say \"\"hi\"\"\",7.5,60.00\r\n");
    QTest::newRow("not plain text")
        << "7.5"
        << QList<QByteArray>{"\xEF\xBB\xBF" "2026-12-03 09:00:00", "\xEF\xBB\xBF" "A", "soon", "\xFF", {}, "line\nbreak",
                             "fr\xC3\xBCh", "x", "2026-12-04 10:00:00", "A\xFF,", "2026-12-04 09:59:00", ""}
        << true
        // A byte order mark is dropped, what is not UTF-8 mended, what is no date-time shown as it is.
        << QByteArray("Kim,2026-12-03T09:00:00,soon,,,A,7.5,\r\n"
                      "Kim,,fr\xC3\xBCh,,,\"line\nbreak\",7.5,\r\n"
                      "Kim,2026-12-04T10:00:00,2026-12-04T09:59:00,-1,-0.02,\"A\xEF\xBF\xBD,\",7.5,-0.13\r\n");
    QTest::newRow("halfway money")
        << "12.5" << QList<QByteArray>{"2026-12-01 09:00:00", "t", "2026-12-01 09:03:00", "", "2026-12-01 10:00:00", "t",
                                       "2026-12-01 10:01:59", "", "2026-12-01 11:00:00", "t", "2026-12-01 10:59:00", ""}
        << false
        << QByteArray("Kim,2026-12-01T09:00:00,2026-12-01T09:03:00,3,0.05,t,12.5,0.63\r\n"
                      "Kim,2026-12-01T10:00:00,2026-12-01T10:01:59,1,0.02,t,12.5,0.21\r\n"
                      "Kim,2026-12-01T11:00:00,2026-12-01T10:59:00,-1,-0.02,t,12.5,-0.21\r\n");
    QTest::newRow("negative wage")
        << "-3" << QList<QByteArray>{"2026-12-01 09:00:00", "t", "2026-12-01 09:00:30", "", "2026-12-01 10:00:00", "t",
                                     "2026-12-01 09:59:00", ""}
        << false
        // Nothing times a negative wage is 0.00, unsigned.
        << QByteArray("Kim,2026-12-01T09:00:00,2026-12-01T09:00:30,0,0.00,t,-3,0.00\r\n"
                      "Kim,2026-12-01T10:00:00,2026-12-01T09:59:00,-1,-0.02,t,-3,0.05\r\n");
    QTest::newRow("long shift, no wage")
        << "a lot" << QList<QByteArray>{"0001-01-01 00:00:00", "t", "9999-12-31 23:59:59", ""} << false
        << QByteArray("Kim,0001-01-01T00:00:00,9999-12-31T23:59:59,5258964959,87649415.98,t,,\r\n");
}

void tst_hoursfile::bytes()
{
    QFETCH(QString, wage);
    QFETCH(QList<QByteArray>, log);
    QFETCH(bool, fileOnly);
    QFETCH(QByteArray, rows);
    if (fileOnly)
        PW_FILE_ONLY("a server keeps only date-times and UTF-8");
    TestCompany app;
    app.addEmployee(kKim, wage);
    // On a file each text is stored as its very bytes.
    const QString value = fileOnly ? QStringLiteral("CAST(? AS TEXT)") : QStringLiteral("?");
    for (qsizetype i = 0; i + 1 < log.size(); i += 2) {
        QVariantList values{kKim, QVariant(), i % 4 ? QStringLiteral("Clocked Out") : QStringLiteral("Clocked In"), QVariant()};
        for (const auto &[at, bytes] : {std::pair{1, log[i]}, std::pair{3, log[i + 1]}})
            if (!bytes.isNull())
                values[at] = fileOnly ? QVariant(bytes) : QVariant(QString::fromUtf8(bytes));
        app.exec(QStringLiteral("INSERT INTO %1 (Ename, datetime, inoutfx, activity) VALUES (?, %2, ?, %2)")
                     .arg(pw::quoteIdentifier(kKim), value),
                 values);
    }
    const LocalDateTime end = *LocalDateTime::fromParts(9999, 12, 31, 23, 59, 59);
    const QString path = QDir(app.dir()).filePath(QStringLiteral("hours.csv"));

    const auto done = pw::hoursexport::exportHours(app.db(), path, end, end);
    QCOMPARE(done.status, pw::hoursexport::Outcome::Saved);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), pw::hoursexport::kHeader.toUtf8() + "\r\n" + rows);
}

PW_CORE_TEST_MAIN(tst_hoursfile)
#include "tst_hoursfile.moc"
