// The system's date and time formats, and date-times as people type them, in fixed locales:
// what the program shows, and what it reads back.
#include "platform/datetimecodec.h"
#include "platform/formats.h"
#include "platform/typeddatetime.h"
#include "testlib/coremain.h"

#include <QTest>

using pw::LocalDateTime;
namespace f = pw::formats;

namespace {

LocalDateTime at(const QString &stored)
{
    const auto dt = LocalDateTime::fromStored(QStringView(stored));
    if (!dt)
        qFatal("not a stored date-time: %s", qPrintable(stored));
    return *dt;
}

// A typed text as it is read: the stored form, or "refused".
QString read(const QString &text, const QLocale &locale)
{
    const auto dt = f::parseTypedDateTime(text, locale);
    return dt ? dt->toStored() : QStringLiteral("refused");
}

} // namespace

class tst_formats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shownTexts_data();
    void shownTexts();
    void typed_data();
    void typed();
    void shownTextsReadBack_data();
    void shownTextsReadBack();
    void everyLocaleReadsItsOwnTexts();
};

// What the program shows: the long time, the short date of the date label, and the general date of
// the input box and the log view.
void tst_formats::shownTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("longTimeFormat");
    QTest::addColumn<QString>("generalDateFormat");
    QTest::addColumn<QString>("longTime");
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("generalDate");

    QTest::newRow("en_US morning") << "en_US" << "1998-12-06 09:05:00" << "h:mm:ss AP" << "M/d/yyyy h:mm:ss AP"
                                   << "9:05:00 AM" << "12/6/98" << "12/6/1998 9:05:00 AM";
    QTest::newRow("en_US evening") << "en_US" << "2026-12-07 21:05:07" << "h:mm:ss AP" << "M/d/yyyy h:mm:ss AP"
                                   << "9:05:07 PM" << "12/7/26" << "12/7/2026 9:05:07 PM";
    QTest::newRow("en_US midnight") << "en_US" << "2026-01-05 00:00:00" << "h:mm:ss AP" << "M/d/yyyy h:mm:ss AP"
                                    << "12:00:00 AM" << "1/5/26" << "1/5/2026 12:00:00 AM";
    QTest::newRow("en_GB") << "en_GB" << "2026-12-07 21:05:07" << "HH:mm:ss" << "dd/MM/yyyy HH:mm:ss"
                           << "21:05:07" << "07/12/2026" << "07/12/2026 21:05:07";
    QTest::newRow("de_DE") << "de_DE" << "1998-12-06 09:05:00" << "HH:mm:ss" << "dd.MM.yyyy HH:mm:ss"
                           << "09:05:00" << "06.12.98" << "06.12.1998 09:05:00";
    // The zone goes with the brackets or the comma that set it apart.
    QTest::newRow("es_ES, zone in brackets") << "es_ES" << "2026-12-07 21:05:07" << "H:mm:ss" << "d/M/yyyy H:mm:ss"
                                             << "21:05:07" << "7/12/26" << "7/12/2026 21:05:07";
    QTest::newRow("zh_CN, zone in front") << "zh_CN" << "2026-12-07 21:05:07" << "HH:mm:ss" << "yyyy/M/d HH:mm:ss"
                                          << "21:05:07" << "2026/12/7" << "2026/12/7 21:05:07";
    QTest::newRow("sq_AL, zone after a comma") << "sq_AL" << "2026-12-07 21:05:07" << "h:mm:ss AP" << "d.M.yyyy h:mm:ss AP"
                                               << "9:05:07 E PASDITES" << "7.12.26" << "7.12.2026 9:05:07 E PASDITES";
    QTest::newRow("zh_HK, zone in square brackets")
        << "zh_HK" << "2026-12-07 21:05:07" << "APh:mm:ss" << "d/M/yyyy APh:mm:ss" << QString::fromUtf8("下午9:05:07")
        << "7/12/2026" << QString::fromUtf8("7/12/2026 下午9:05:07");
}

void tst_formats::shownTexts()
{
    QFETCH(QString, locale);
    QFETCH(QString, when);
    const QLocale l(locale);
    const LocalDateTime dt = at(when);
    QTEST(f::longTimeFormat(l), "longTimeFormat");
    QTEST(f::generalDateFormat(l), "generalDateFormat");
    QTEST(f::longTime(dt.time(), l), "longTime");
    QTEST(f::shortDate(dt.date(), l), "shortDate");
    QTEST(f::generalDate(dt, l), "generalDate");
    QTEST(f::generalDate(dt.toQDateTime(), l), "generalDate");
}

void tst_formats::typed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // stored form; empty: refused

    // Short dates, as the date label shows them and as typed: the day's first instant.
    QTest::newRow("en_US date label") << "en_US" << "12/7/26" << "2026-12-07 00:00:00";
    QTest::newRow("en_US four-digit year") << "en_US" << "12/7/2026" << "2026-12-07 00:00:00";
    QTest::newRow("en_US with zeros") << "en_US" << "01/06/2026" << "2026-01-06 00:00:00";
    QTest::newRow("en_US blanks around") << "en_US" << "  1/6/2026  " << "2026-01-06 00:00:00";
    QTest::newRow("en_US month first") << "en_US" << "1/2/26" << "2026-01-02 00:00:00";
    QTest::newRow("en_GB day first") << "en_GB" << "1/2/26" << "2026-02-01 00:00:00";
    QTest::newRow("de_DE day first") << "de_DE" << "1.2.26" << "2026-02-01 00:00:00";
    QTest::newRow("en_GB slashes of en_US order") << "en_GB" << "12/7/2026" << "2026-07-12 00:00:00";
    QTest::newRow("de_DE with slashes") << "de_DE" << "7/12/2026" << "2026-12-07 00:00:00";
    QTest::newRow("en_US dashes") << "en_US" << "12-7-2026" << "2026-12-07 00:00:00";
    QTest::newRow("year first") << "en_GB" << "2026/12/07" << "2026-12-07 00:00:00";

    // The two-digit year window, 1930 to 2029, and dates across 2000.
    QTest::newRow("window's first year") << "en_US" << "1/1/30" << "1930-01-01 00:00:00";
    QTest::newRow("window's last year") << "en_US" << "12/31/29" << "2029-12-31 00:00:00";
    QTest::newRow("1976") << "en_US" << "7/4/76" << "1976-07-04 00:00:00";
    QTest::newRow("last day of 1999") << "en_US" << "12/31/99 11:59:59 PM" << "1999-12-31 23:59:59";
    QTest::newRow("first day of 2000") << "de_DE" << "01.01.00" << "2000-01-01 00:00:00";
    QTest::newRow("leap day of 2000") << "en_GB" << "29/02/00" << "2000-02-29 00:00:00";
    QTest::newRow("no leap day in 2100") << "en_US" << "2/29/2100" << "";

    // Times: 12-hour with AM/PM, 24-hour, with or without seconds.
    QTest::newRow("general date") << "en_US" << "12/6/1998 9:05:00 AM" << "1998-12-06 09:05:00";
    QTest::newRow("24-hour") << "en_US" << "12/7/2026 14:30" << "2026-12-07 14:30:00";
    QTest::newRow("no seconds, no AM/PM") << "en_US" << "12/7/2026 9:05" << "2026-12-07 09:05:00";
    QTest::newRow("PM without seconds") << "en_US" << "12/7/2026 9:05 PM" << "2026-12-07 21:05:00";
    QTest::newRow("pm, no blank") << "en_US" << "12/7/2026 9:05:07pm" << "2026-12-07 21:05:07";
    QTest::newRow("hour and AM only") << "en_US" << "12/7/26 9 AM" << "2026-12-07 09:00:00";
    QTest::newRow("midnight") << "en_US" << "1/6/2026 12:00:00 AM" << "2026-01-06 00:00:00";
    QTest::newRow("half past midnight") << "en_US" << "1/6/2026 12:30 AM" << "2026-01-06 00:30:00";
    QTest::newRow("noon") << "en_US" << "1/6/2026 12:00:00 PM" << "2026-01-06 12:00:00";
    QTest::newRow("24-hour midnight") << "en_GB" << "06/01/2026 00:00:00" << "2026-01-06 00:00:00";
    QTest::newRow("en_GB general date") << "en_GB" << "07/12/2026 21:05:07" << "2026-12-07 21:05:07";
    QTest::newRow("en_GB pm") << "en_GB" << "7/12/2026 9:05 pm" << "2026-12-07 21:05:00";
    QTest::newRow("de_DE general date") << "de_DE" << "06.12.1998 09:05:00" << "1998-12-06 09:05:00";
    QTest::newRow("de_DE minutes") << "de_DE" << "7.12.26 14:30" << "2026-12-07 14:30:00";
    QTest::newRow("comma before the time") << "en_US" << "12/7/2026, 9:05 AM" << "2026-12-07 09:05:00";

    // Month names, long and short, and weekdays that agree with the date.
    QTest::newRow("en_US short month") << "en_US" << "Dec 7, 2026" << "2026-12-07 00:00:00";
    QTest::newRow("en_US long month, time") << "en_US" << "December 7, 2026 2:30 PM" << "2026-12-07 14:30:00";
    QTest::newRow("en_US month in capitals") << "en_US" << "DEC 7 2026" << "2026-12-07 00:00:00";
    QTest::newRow("en_US day before month") << "en_US" << "7 December 2026" << "2026-12-07 00:00:00";
    QTest::newRow("en_US month, two-digit year") << "en_US" << "Jan 5, 26" << "2026-01-05 00:00:00";
    QTest::newRow("en_US weekday") << "en_US" << "Monday, December 7, 2026" << "2026-12-07 00:00:00";
    QTest::newRow("en_US wrong weekday") << "en_US" << "Tuesday, December 7, 2026" << "";
    QTest::newRow("en_GB long month") << "en_GB" << "7 December 2026 14:30" << "2026-12-07 14:30:00";
    QTest::newRow("en_GB month, dashes") << "en_GB" << "7-Dec-2026" << "2026-12-07 00:00:00";
    QTest::newRow("de_DE long month") << "de_DE" << "7. Dezember 2026" << "2026-12-07 00:00:00";
    QTest::newRow("de_DE short month") << "de_DE" << "7. Dez. 2026 14:30" << "2026-12-07 14:30:00";
    QTest::newRow("de_DE umlaut") << "de_DE" << "3. März 2026" << "2026-03-03 00:00:00";
    QTest::newRow("de_DE weekday") << "de_DE" << "Montag, 7. Dezember 2026" << "2026-12-07 00:00:00";
    QTest::newRow("de_DE English month") << "de_DE" << "7. December 2026" << "";

    // ISO 8601, in every locale.
    QTest::newRow("ISO date") << "en_US" << "2026-12-07" << "2026-12-07 00:00:00";
    QTest::newRow("ISO minutes") << "en_GB" << "2026-12-07 14:30" << "2026-12-07 14:30:00";
    QTest::newRow("ISO with T") << "de_DE" << "2026-12-07T14:30:05" << "2026-12-07 14:30:05";
    QTest::newRow("ISO date, 12-hour time") << "en_US" << "2026-12-07 2:30 PM" << "2026-12-07 14:30:00";

    // Not dates.
    QTest::newRow("empty") << "en_US" << "" << "";
    QTest::newRow("only blanks") << "en_US" << "   " << "";
    QTest::newRow("words") << "en_US" << "tomorrow" << "";
    QTest::newRow("no such month and day") << "en_US" << "13/45/2026" << "";
    QTest::newRow("day and month swapped") << "en_US" << "13/6/2026" << "";
    QTest::newRow("no 30 February") << "en_US" << "2/30/2026" << "";
    QTest::newRow("no 31 December of en_US order") << "en_GB" << "12/31/2026" << "";
    QTest::newRow("time alone") << "en_US" << "25:00" << "";
    QTest::newRow("hour 25") << "en_GB" << "7/12/2026 25:00" << "";
    QTest::newRow("hour 13 with PM") << "en_US" << "1/6/2026 13:00:00 PM" << "";
    QTest::newRow("hour 0 with AM") << "en_US" << "1/6/2026 0:30 AM" << "";
    QTest::newRow("minute 60") << "en_US" << "1/6/2026 9:60" << "";
    QTest::newRow("second 60") << "de_DE" << "6.1.2026 9:05:60" << "";
    QTest::newRow("one-digit minutes") << "en_US" << "1/6/2026 9:5" << "";
    QTest::newRow("hour alone") << "en_US" << "1/6/2026 9" << "";
    QTest::newRow("AM and PM") << "en_US" << "1/6/2026 9:05 AM PM" << "";
    QTest::newRow("no year") << "en_US" << "12/7" << "";
    QTest::newRow("one-digit year") << "en_US" << "12/7/6" << "";
    QTest::newRow("three-digit year") << "en_US" << "12/7/026" << "";
    QTest::newRow("five-digit year") << "en_US" << "12/7/20266" << "";
    QTest::newRow("year 0") << "en_US" << "12/7/0000" << "";
    QTest::newRow("mixed marks") << "en_US" << "12/7.2026" << "";
    QTest::newRow("trailing junk") << "en_US" << "12/7/2026x" << "";
    QTest::newRow("date and a word") << "en_US" << "1/6/2026 lunch" << "";
    QTest::newRow("time and a word") << "en_US" << "1/6/2026 9:05:00 AM sharp" << "";
    QTest::newRow("tab inside") << "en_US" << "1/6/2026\t9:05" << "";
    QTest::newRow("month without day") << "en_US" << "December 2026" << "";
    QTest::newRow("two months") << "en_US" << "Dec Jan 7 2026" << "";
    QTest::newRow("misspelt month") << "de_DE" << "7. Dezembr 2026" << "";
    QTest::newRow("wide digits") << "en_US" << QString::fromUtf8("１/６/２０２６") << "";
    QTest::newRow("SQL") << "en_US" << "1/6/2026'; DROP TABLE datalist; --" << "";
    QTest::newRow("very long") << "en_US" << QString(500, QLatin1Char('1')) << "";
}

void tst_formats::typed()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(read(text, QLocale(locale)), expected.isEmpty() ? QStringLiteral("refused") : expected);
}

// Every date text the program shows reads back as what it shows: the general date as the same
// date-time, the short date as that day's first instant, the short date and the long time of the
// clock display together as the same date-time.
void tst_formats::shownTextsReadBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("when");

    for (const char *locale : {"en_US", "en_GB", "de_DE"}) {
        for (const char *when : {"2026-12-07 09:05:00", "2026-12-07 21:05:07", "2026-01-05 00:00:00",
                                 "2026-01-05 12:00:00", "2026-01-05 00:00:59", "2026-01-05 12:59:59",
                                 "1930-01-01 00:00:00", "2029-12-31 23:59:59", "1999-12-31 23:59:59",
                                 "2000-01-01 00:00:00", "2000-02-29 13:00:00", "1976-07-04 01:02:03"})
            QTest::addRow("%s %s", locale, when) << locale << when;
    }
}

void tst_formats::shownTextsReadBack()
{
    QFETCH(QString, locale);
    QFETCH(QString, when);
    const QLocale l(locale);
    const LocalDateTime dt = at(when);
    const QString shortDate = f::shortDate(dt.date(), l);
    QCOMPARE(read(f::generalDate(dt, l), l), when);
    QCOMPARE(read(shortDate, l), when.left(10) + QStringLiteral(" 00:00:00"));
    QCOMPARE(read(shortDate + QLatin1Char(' ') + f::longTime(dt.time(), l), l), when);
}

// The program takes the system's locale, whichever it is: in every locale Qt knows, what it shows
// reads back. (Other digits, other scripts, AM/PM in front, words between the fields.)
void tst_formats::everyLocaleReadsItsOwnTexts()
{
    const QList<LocalDateTime> samples{at(QStringLiteral("2026-12-07 21:05:07")), at(QStringLiteral("2000-02-29 00:00:00")),
                                       at(QStringLiteral("1930-01-01 12:30:00")), at(QStringLiteral("2029-12-31 23:59:59"))};
    QStringList failures;
    const QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    for (const QLocale &l : locales) {
        for (const LocalDateTime &dt : samples) {
            const QString general = f::generalDate(dt, l);
            const QString shortDate = f::shortDate(dt.date(), l);
            const QString clock = shortDate + QLatin1Char(' ') + f::longTime(dt.time(), l);
            const QString stored = dt.toStored();
            if (read(general, l) != stored || read(shortDate, l) != stored.left(10) + QStringLiteral(" 00:00:00")
                || read(clock, l) != stored)
                failures << QStringLiteral("%1 (%2): \"%3\", \"%4\", \"%5\"")
                                .arg(l.name(), QLocale::languageToString(l.language()), general, shortDate, clock);
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 10).join(QLatin1Char('\n'))));
}

PW_CORE_TEST_MAIN(tst_formats)
#include "tst_formats.moc"
