// The stored date-time codec and minute arithmetic. The system's formats are in tst_formats.
#include "platform/datetimecodec.h"
#include "testlib/coremain.h"

#include <QTest>

using pw::LocalDateTime;

class tst_datetime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedText_data();
    void storedText();
    void storedRoundTrip();
    void storedFormEveryDay();
    void minutes_data();
    void minutes();
};

void tst_datetime::storedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty: refused

    QTest::newRow("stored form") << "2026-12-07 09:05:00" << "2026-12-07 09:05:00";
    QTest::newRow("bare date") << "2026-12-07" << "2026-12-07 00:00:00";
    QTest::newRow("T and no seconds") << "2026-12-07T09:05" << "2026-12-07 09:05:00";
    QTest::newRow("fraction") << "2026-12-07 09:05:07.250" << "2026-12-07 09:05:07";
    QTest::newRow("leap day") << "2024-02-29 23:59:59" << "2024-02-29 23:59:59";
    QTest::newRow("first year") << "0001-01-01 00:00:00" << "0001-01-01 00:00:00";
    QTest::newRow("last year") << "9999-12-31 23:59:59" << "9999-12-31 23:59:59";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("no leap day") << "2026-02-29 00:00:00" << "";
    QTest::newRow("month 13") << "2026-13-01 00:00:00" << "";
    QTest::newRow("day 0") << "2026-12-00 00:00:00" << "";
    QTest::newRow("hour 24") << "2026-12-07 24:00:00" << "";
    QTest::newRow("minute 60") << "2026-12-07 09:60:00" << "";
    QTest::newRow("year 0") << "0000-12-07 09:00:00" << "";
    QTest::newRow("short month") << "2026-1-07 09:00:00" << "";
    QTest::newRow("trailing text") << "2026-12-07 09:05:00x" << "";
    QTest::newRow("local format") << "12/7/2026 9:05:00 AM" << "";
    QTest::newRow("signs") << "+026-12-07 09:05:00" << "";
    QTest::newRow("empty fraction") << "2026-12-07 09:05:00." << "";
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("２０２６-12-07") << "";
}

void tst_datetime::storedText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const auto fromQString = LocalDateTime::fromStored(QStringView(text));
    const QByteArray utf8 = text.toUtf8();
    const auto fromBytes = LocalDateTime::fromStored(utf8.constData(), utf8.size());
    if (expected.isEmpty()) {
        QVERIFY(!fromQString);
        QVERIFY(!fromBytes);
    } else {
        QVERIFY(fromQString);
        QCOMPARE(fromQString->toStored(), expected);
        QVERIFY(fromBytes);
        QCOMPARE(fromBytes->toStored(), expected);
    }
}

void tst_datetime::storedRoundTrip()
{
    // Every day of a leap year and a few far years survive the trip through the stored text.
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        const auto dt = LocalDateTime::fromQt(d, QTime(23, 59, 58));
        QVERIFY(dt);
        QCOMPARE(dt->date(), d);
        QCOMPARE(dt->time(), QTime(23, 59, 58));
        QCOMPARE(LocalDateTime::fromStored(QStringView(dt->toStored()))->seconds(), dt->seconds());
    }
    for (int year : {1, 1600, 1900, 2000, 2100, 9999}) {
        const auto dt = LocalDateTime::fromParts(year, 3, 1, 1, 2, 3);
        QCOMPARE(dt->date(), QDate(year, 3, 1));
        QCOMPARE(LocalDateTime::fromStored(QStringView(dt->toStored()))->seconds(), dt->seconds());
    }
}

void tst_datetime::storedFormEveryDay()
{
    // The stored form, worked out without QDate, names the same day as QDate for every day of years
    // 1 to 9999, at the day's first and last second.
    const QDate first(1, 1, 1);
    for (QDate d = first; d.year() <= 9999; d = d.addDays(1)) {
        const qint64 day = first.daysTo(d);
        char text[LocalDateTime::kStoredLength + 1] = {};
        const auto start = LocalDateTime::fromParts(d.year(), d.month(), d.day());
        QVERIFY(start);
        QCOMPARE(start->seconds(), day * 86400);
        start->writeStored(text);
        if (QDate::fromString(QLatin1String(text, 10), Qt::ISODate) != d || qstrcmp(text + 10, " 00:00:00") != 0)
            QFAIL(qPrintable(QStringLiteral("%1 written as %2").arg(d.toString(Qt::ISODate), QLatin1String(text))));
        if (d.month() == 12 && d.day() == 31) {
            LocalDateTime::fromParts(d.year(), 12, 31, 23, 59, 59)->writeStored(text);
            QCOMPARE(QByteArray(text), QByteArray::number(d.year()).rightJustified(4, '0') + "-12-31 23:59:59");
        }
    }
}

void tst_datetime::minutes_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<qint64>("minutes");

    QTest::newRow("a second across a minute mark") << "2026-12-07 09:00:59" << "2026-12-07 09:01:00" << qint64(1);
    QTest::newRow("59 seconds inside a minute") << "2026-12-07 09:00:00" << "2026-12-07 09:00:59" << qint64(0);
    QTest::newRow("an hour and a half") << "2026-12-07 09:00:00" << "2026-12-07 10:30:00" << qint64(90);
    QTest::newRow("out of order") << "2026-12-07 10:30:00" << "2026-12-07 09:00:00" << qint64(-90);
    QTest::newRow("over midnight") << "2026-12-07 23:50:30" << "2026-12-08 00:10:10" << qint64(20);
    QTest::newRow("over a year's end") << "2026-12-31 22:00:00" << "2027-01-01 06:00:00" << qint64(480);
    QTest::newRow("over a leap day") << "2024-02-28 12:00:00" << "2024-03-01 12:00:00" << qint64(2880);
    // Clock readings, not elapsed time: a night shift across the spring change counts 8 hours.
    QTest::newRow("clock readings across a time change") << "2026-03-28 22:00:00" << "2026-03-29 06:00:00" << qint64(480);
}

void tst_datetime::minutes()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(qint64, minutes);
    const auto a = LocalDateTime::fromStored(QStringView(from));
    const auto b = LocalDateTime::fromStored(QStringView(to));
    QVERIFY(a && b);
    QCOMPARE(pw::minutesBetween(*a, *b), minutes);
}

PW_CORE_TEST_MAIN(tst_datetime)
#include "tst_datetime.moc"
