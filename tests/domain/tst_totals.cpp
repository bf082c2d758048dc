// The hours and wage arithmetic, and the count of stored logs.
#include "db/logtable.h"
#include "domain/totals.h"
#include "testlib/coremain.h"
#include "testlib/testcompany.h"

#include <QTest>

using pw::LocalDateTime;
using pw::test::TestCompany;
namespace t = pw::totals;

namespace {

LocalDateTime at(const char *text)
{
    return *LocalDateTime::fromStored(QStringView(QString::fromLatin1(text)));
}

} // namespace

class tst_totals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void arithmetic_data();
    void arithmetic();
    void cardTexts_data();
    void cardTexts();
    void decimalSeparator();
    void wageReadAlike_data();
    void wageReadAlike();
    void singlePrecisionTotal();
    void pairing_data();
    void pairing();
    void storedLogCount();
};

// Minutes of a total, the wage text, and the two labels.
void tst_totals::arithmetic_data()
{
    QTest::addColumn<double>("minutes");
    QTest::addColumn<QString>("wage");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("money");

    QTest::newRow("7 min") << 7.0 << "10" << "0.11" << "1.1";
    QTest::newRow("65 min") << 65.0 << "10" << "1.08" << "10.8";
    QTest::newRow("90 min") << 90.0 << "10" << "1.5 " << "15";
    QTest::newRow("600 min") << 600.0 << "10" << "10  " << "100";
    QTest::newRow("123.75 h") << 7425.0 << "10" << "123." << "1230";
    QTest::newRow("wage 7.25, 90 min") << 90.0 << "7.25" << "1.5 " << "10.875";
    QTest::newRow("6 min") << 6.0 << "10" << "0   " << "0";
    QTest::newRow("0 min") << 0.0 << "10" << "0   " << "0";
    QTest::newRow("negative") << -90.0 << "10" << "0   " << "0";
    QTest::newRow("1000 h") << 60000.0 << "12.5" << "1000" << "12500";
    QTest::newRow("1234.5 h, cut") << 74070.0 << "1" << "1234" << "1234";
    QTest::newRow("wage with blanks") << 90.0 << "  8 " << "1.5 " << "12";
    QTest::newRow("wage zero") << 90.0 << "0" << "1.5 " << "0";
    QTest::newRow("wage not a number") << 90.0 << "ten" << "1.5 " << "0";
    QTest::newRow("wage empty") << 90.0 << "" << "1.5 " << "0";
    QTest::newRow("wage 0.1, 7 min") << 7.0 << "0.1" << "0.11" << "0.011";
    QTest::newRow("wage 19.99, 61 min") << 61.0 << "19.99" << "1.01" << "20.1899";
}

void tst_totals::arithmetic()
{
    QFETCH(double, minutes);
    QFETCH(QString, wage);
    QFETCH(QString, hours);
    QFETCH(QString, money);
    pw::LogCount count;
    count.entries = 2;
    count.totalMinutes = float(minutes);
    const pw::TotalsText text = pw::totalsText(count, wage, QStringLiteral("Ann"));
    QCOMPARE(text.hours, hours);
    QCOMPARE(text.wage, money);
    QCOMPARE(text.problem.isError(), !t::readWage(wage).has_value());
}

void tst_totals::cardTexts_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("6 min") << 6 << "<.1 ";
    QTest::newRow("7 min") << 7 << "0.11";
    QTest::newRow("61 min, cut not rounded") << 61 << "1.01";
    QTest::newRow("90 min") << 90 << "1.5 ";
    QTest::newRow("600 min") << 600 << "10  ";
    QTest::newRow("7410 min") << 7410 << "123.";
    QTest::newRow("zero") << 0 << "<.1 ";
    QTest::newRow("negative") << -30 << "<.1 ";
}

void tst_totals::cardTexts()
{
    QFETCH(int, minutes);
    QFETCH(QString, text);
    QCOMPARE(t::cardHoursText(t::hoursOf(float(minutes))), text);
}

void tst_totals::decimalSeparator()
{
    const QLocale de(QLocale::German, QLocale::Germany);
    QCOMPARE(t::hoursText(1.5f, de), QStringLiteral("1,5 "));
    QCOMPARE(t::hundredthsOf(QStringLiteral("1,5 "), de), 150);
    QCOMPARE(t::hundredthsOf(QStringLiteral("123,"), de), 12300);
    QCOMPARE(*t::readWage(QStringLiteral("7,25"), de), 7.25);
    QCOMPARE(t::wageText(10.875, de), QStringLiteral("10,875"));
    QCOMPARE(t::hundredthsOf(QStringLiteral("123.")), 12300);
    QCOMPARE(t::hundredthsOf(QStringLiteral("0   ")), 0);
}

void tst_totals::wageReadAlike_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("english"); // NaN: not a number
    QTest::addColumn<double>("german");
    const double none = std::nan("");
    QTest::newRow("decimal comma") << "22,50" << 22.5 << 22.5;
    QTest::newRow("decimal point") << "24.50" << 24.5 << 24.5;
    QTest::newRow("one decimal") << "7,5" << 7.5 << 7.5;
    QTest::newRow("both, point last") << "1,234.50" << 1234.5 << 1234.5;
    QTest::newRow("both, comma last") << "1.234,50" << 1234.5 << 1234.5;
    QTest::newRow("groups only") << "1,000,000" << 1e6 << 1e6;
    QTest::newRow("negative") << "-2,5" << -2.5 << -2.5;
    QTest::newRow("whole") << " 10 " << 10.0 << 10.0;
    // Two readings fit: each workstation keeps its own language's.
    QTest::newRow("three after a comma") << "1,500" << 1500.0 << 1.5;
    QTest::newRow("three after a point") << "1.500" << 1.5 << 1500.0;
    QTest::newRow("badly grouped") << "12.5.3" << none << none;
    QTest::newRow("words") << "ten" << none << none;
}

// A wage that only one reading fits reads the same on every workstation.
void tst_totals::wageReadAlike()
{
    QFETCH(QString, typed);
    QFETCH(double, english);
    QFETCH(double, german);
    const QLocale en(QLocale::English, QLocale::UnitedStates), de(QLocale::German, QLocale::Germany);
    for (const auto &[locale, expected] : {std::pair{en, english}, std::pair{de, german}}) {
        const auto wage = t::readWage(typed, locale);
        QCOMPARE(wage.has_value(), !std::isnan(expected));
        if (wage)
            QCOMPARE(*wage, expected);
    }
}

void tst_totals::singlePrecisionTotal()
{
    // The running total is single precision: past 2^24 minutes a single minute no longer counts.
    float total = 16777216.0f;
    total = t::addMinutes(total, 1);
    QCOMPARE(total, 16777216.0f);
    // 100 000 one-minute shifts add up exactly.
    t::Pairing pairing;
    for (int i = 0; i < 100000; ++i) {
        pairing.add(at("2026-12-07 09:00:00"));
        pairing.add(at("2026-12-07 09:01:00"));
    }
    QCOMPARE(pairing.totalMinutes(), 100000.0f);
}

void tst_totals::pairing_data()
{
    QTest::addColumn<QStringList>("readings"); // "-" is an entry without a readable date-time
    QTest::addColumn<float>("minutes");
    QTest::addColumn<int>("unreadable");
    QTest::addColumn<bool>("unpaired");

    QTest::newRow("two shifts") << QStringList{"2026-12-07 08:00:00", "2026-12-07 12:00:00", "2026-12-07 13:00:00",
                                               "2026-12-07 17:30:00"}
                                << 510.0f << 0 << false;
    QTest::newRow("odd count") << QStringList{"2026-12-07 08:00:00", "2026-12-07 09:00:00", "2026-12-07 10:00:00"}
                               << 60.0f << 0 << true;
    QTest::newRow("out of order") << QStringList{"2026-12-07 10:30:00", "2026-12-07 09:00:00"} << -90.0f << 0 << false;
    QTest::newRow("over midnight") << QStringList{"2026-12-07 22:00:00", "2026-12-08 06:15:00"} << 495.0f << 0 << false;
    QTest::newRow("seconds dropped") << QStringList{"2026-12-07 09:00:59", "2026-12-07 09:07:00"} << 7.0f << 0 << false;
    QTest::newRow("unreadable entry") << QStringList{"2026-12-07 08:00:00", "-", "2026-12-07 13:00:00", "2026-12-07 14:00:00"}
                                      << 60.0f << 1 << false;
    QTest::newRow("empty") << QStringList{} << 0.0f << 0 << false;
}

void tst_totals::pairing()
{
    QFETCH(QStringList, readings);
    QFETCH(float, minutes);
    QFETCH(int, unreadable);
    QFETCH(bool, unpaired);
    t::Pairing p;
    for (const QString &r : readings)
        p.add(r == QLatin1String("-") ? std::nullopt : LocalDateTime::fromStored(QStringView(r)));
    QCOMPARE(p.totalMinutes(), minutes);
    QCOMPARE(p.unreadablePairs(), unreadable);
    QCOMPARE(p.unpaired(), unpaired);
}

void tst_totals::storedLogCount()
{
    TestCompany app;
    const QString ann = QStringLiteral("Ann");
    app.addEmployee(ann);
    const LocalDateTime now = at("2026-12-07 17:00:00");

    auto count = pw::countLog(app.db(), ann, now);
    QVERIFY(count);
    QCOMPARE(count->entries, 0);
    QCOMPARE(pw::totalsText(*count, QStringLiteral("10"), ann).hours, QStringLiteral("0"));

    // A log that starts with a clock-out is paired by position all the same.
    app.addEntry(ann, QStringLiteral("2026-12-06 17:00:00"), QStringLiteral("Clocked Out"));
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    count = pw::countLog(app.db(), ann, now);
    QCOMPARE(count->totalMinutes, 900.0f);
    QVERIFY(count->openShift);
    QVERIFY(count->unpaired); // the open shift's "now" has no partner

    // An open shift counts up to now, and the stored log is left exactly as it was.
    app.exec(QStringLiteral("DELETE FROM \"Ann\""));
    app.addEntry(ann, QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral(" "));
    count = pw::countLog(app.db(), ann, now);
    QCOMPARE(count->totalMinutes, 540.0f);
    QCOMPARE(count->entries, 1);
    QCOMPARE(app.log(ann).size(), 1);

    // A status that only looks like "Clocked In" does not open a shift.
    app.exec(QStringLiteral("UPDATE \"Ann\" SET inoutfx = 'clocked in'"));
    count = pw::countLog(app.db(), ann, now);
    QVERIFY(!count->openShift);
    QCOMPARE(count->totalMinutes, 0.0f);

    // A missing log is an error, not a zero.
    auto missing = pw::countLog(app.db(), QStringLiteral("Nobody"), now);
    QVERIFY(!missing);
    QCOMPARE(missing.error().number, int(pw::ErrTableMissing));
}

PW_CORE_TEST_MAIN(tst_totals)
#include "tst_totals.moc"
