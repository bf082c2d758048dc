// Punchwell in German, Spanish and French: every text marked for translation has a finished
// translation in each language that keeps its placeholders, shortcut and F1/F2, and the windows
// started in each language show no English text.
#include "app/translations.h"
#include "i18n/i18ntest.h"
#include "testlib/testmain.h"

#include <QSet>
#include <QTest>

using pw::test::TsMessage;

class tst_translations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data();
    void complete();
    void noEnglishLeft();
};

void tst_translations::initTestCase_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "es", "fr"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_translations::complete()
{
    QFETCH_GLOBAL(QString, language);
    QString error;
    const QList<TsMessage> marked = pw::test::markedInSources(&error);
    QHash<QString, TsMessage> held;
    for (const TsMessage &m : pw::test::readTs(pw::test::tsFile(language), &error))
        held.insert(m.key(), m);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList faults;
    for (const TsMessage &m : marked) {
        const TsMessage t = held.value(m.key());
        QString fault = !held.contains(m.key()) ? QStringLiteral("not in the file")
            : !t.type.isEmpty()                 ? t.type
            : t.translation.trimmed().isEmpty() ? QStringLiteral("empty")
                                                : pw::test::placeholderFault(m.source, t.translation);
        if (!fault.isEmpty())
            faults << QStringLiteral("%1 \"%2\": %3").arg(m.context, m.source, fault);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 of %2 messages:\n").arg(faults.size()).arg(marked.size())
                                          + faults.mid(0, 40).join(QLatin1Char('\n'))));
}

void tst_translations::noEnglishLeft()
{
    QFETCH_GLOBAL(QString, language);
    QString error;
    // The texts a translator rightly kept as they are ("OK" is "OK" in German).
    QSet<QString> keptAsIs;
    for (const TsMessage &m : pw::test::readTs(pw::test::tsFile(language), &error))
        if (m.type.isEmpty() && m.translation == m.source)
            keptAsIs.insert(m.source);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const QMap<QString, QString> english = pw::test::shownTexts();
    const pw::Translations translations({language});
    QCOMPARE(translations.language(), language);
    const QMap<QString, QString> shown = pw::test::shownTexts();
    QCOMPARE(shown.keys(), english.keys());
    QStringList left;
    for (auto it = shown.begin(); it != shown.end(); ++it)
        if (it.value() == english.value(it.key()) && !pw::test::isData(it.key(), it.value()) && !keptAsIs.contains(it.value()))
            left << it.key() + QStringLiteral(" = ") + it.value();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

PW_TEST_MAIN(tst_translations)
#include "tst_translations.moc"
