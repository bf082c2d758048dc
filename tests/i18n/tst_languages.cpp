// The language Punchwell speaks: the one chosen from the user's UI languages, Qt's own words with
// it, English exactly as written when no translation applies, every text of the windows marked for
// translation while stored words stay English, and the Qt Linguist files in step with the source.
#include "app/translations.h"
#include "domain/hoursexport.h"
#include "i18n/i18ntest.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QFile>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using pw::Translations;
using pw::test::TestApp;
using pw::test::child;
using pw::test::click;
using pw::test::textOf;

namespace {

// Translates every text of the program into itself between marks, so a test can tell a text that
// went through translation from one that did not. Qt's own texts are left alone.
class MarkingTranslator : public QTranslator {
public:
    static constexpr char16_t kOpen = u'\u27ea';
    static constexpr char16_t kClose = u'\u27eb';

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!QByteArray(context).startsWith("pw::"))
            return {};
        return QChar(kOpen) + QString::fromUtf8(source) + QChar(kClose);
    }
    static QString marked(const QString &text) { return QChar(kOpen) + text + QChar(kClose); }
};

// Installed for a test's lifetime.
class Marking {
public:
    Marking() { QCoreApplication::installTranslator(&m_translator); }
    ~Marking() { QCoreApplication::removeTranslator(&m_translator); }

private:
    MarkingTranslator m_translator;
};

// A translation file of the logon window's "Exit" alone, made with lrelease as the build makes
// Punchwell's; an empty translation is left unfinished.
bool makeQm(const QString &folder, const QString &language, const QString &exit)
{
    const QString ts = folder + QStringLiteral("/punchwell_%1.ts").arg(language);
    QFile file(ts);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("<!DOCTYPE TS><TS version=\"2.1\"><context><name>pw::LogonWindow</name><message>"
                              "<source>Exit</source><translation%1>%2</translation></message></context></TS>")
                   .arg(exit.isEmpty() ? QStringLiteral(" type=\"unfinished\"") : QString(), exit)
                   .toUtf8());
    file.close();
    const QString qm = folder + QStringLiteral("/punchwell_%1.qm").arg(language);
    return QProcess::execute(QStringLiteral(LRELEASE), {QStringLiteral("-silent"), QStringLiteral("-nounfinished"), ts,
                                                       QStringLiteral("-qm"), qm})
        == 0;
}

QString exitCaption()
{
    return QCoreApplication::translate("pw::LogonWindow", "Exit");
}

QString qtYes()
{
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

} // namespace

class tst_languages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chosenLanguage_data();
    void chosenLanguage();
    void builtIn();
    void englishUnchanged_data();
    void englishUnchanged();
    void everyTextMarked();
    void storedWordsStayEnglish();
    void placeholderRules_data();
    void placeholderRules();
    void translationsKeepPlaceholders_data();
    void translationsKeepPlaceholders();
    void linguistFilesInStep();
};

void tst_languages::chosenLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("exit");

    QTest::newRow("Swiss German falls back to German") << QStringList{"de-CH", "fr"} << "de" << "Beenden";
    QTest::newRow("the first with a translation") << QStringList{"nl-NL", "fr-CA", "de"} << "fr" << "Quitter";
    QTest::newRow("nothing translated is none") << QStringList{"pt-BR", "fr"} << "fr" << "Quitter";
    QTest::newRow("English first") << QStringList{"en-GB", "de"} << "" << "Exit";
    QTest::newRow("none of them") << QStringList{"nl-NL", "pt"} << "" << "Exit";
    QTest::newRow("no language at all") << QStringList{} << "" << "Exit";
}

void tst_languages::chosenLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QFETCH(QString, exit);
    QTemporaryDir folder;
    QVERIFY(makeQm(folder.path(), QStringLiteral("de"), QStringLiteral("Beenden")));
    QVERIFY(makeQm(folder.path(), QStringLiteral("fr"), QStringLiteral("Quitter")));
    QVERIFY(makeQm(folder.path(), QStringLiteral("pt"), QString()));
    {
        const Translations translations(uiLanguages, folder.path());
        QCOMPARE(translations.language(), language);
        QCOMPARE(exitCaption(), exit);
        // Qt's own buttons speak the same language, and English with Punchwell's English.
        QCOMPARE(translations.hasQtWords(), !language.isEmpty());
        QCOMPARE(qtYes() == QLatin1String("&Yes"), language.isEmpty());
    }
    QCOMPARE(exitCaption(), QStringLiteral("Exit"));
    QCOMPARE(qtYes(), QStringLiteral("&Yes"));
}

void tst_languages::builtIn()
{
    // The program carries a translation file for every language of the repository.
    QCOMPARE(Translations::available(), (QStringList{"de", "es", "fr"}));
    for (const QString &language : Translations::available())
        QVERIFY2(QFile::exists(pw::test::tsFile(language)), qPrintable(language));
}

void tst_languages::englishUnchanged_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::newRow("English") << QStringList{"en-US", "de-DE"};
    QTest::newRow("Dutch, which Punchwell does not speak") << QStringList{"nl-NL"};
}

void tst_languages::englishUnchanged()
{
    QFETCH(QStringList, uiLanguages);
    const QMap<QString, QString> english = pw::test::shownTexts();
    const Translations translations(uiLanguages);
    QCOMPARE(translations.language(), QString());

    {
        TestApp app;
        QWidget *logon = app.logon();
        QCOMPARE(logon->windowTitle(), QStringLiteral("Punchwell"));
        QCOMPARE(textOf(logon, "Frame1"), QStringLiteral("Find Your Name"));
        QCOMPARE(textOf(logon, "namechoice"), QStringLiteral("Click here for names-->"));
        QCOMPARE(textOf(logon, "Command1"), QStringLiteral("OK"));
        QCOMPARE(textOf(logon, "Command2"), QStringLiteral("Exit"));
        QCOMPARE(textOf(logon, "Frame2"), QStringLiteral("Password Required:"));
        QCOMPARE(textOf(logon, "Command4"), QStringLiteral("Cancel"));
    }
    pw::test::settle();
    // And every other text of the windows as without any translation.
    QCOMPARE(pw::test::shownTexts(), english);
}

void tst_languages::everyTextMarked()
{
    const Marking marking;
    const QMap<QString, QString> texts = pw::test::shownTexts();
    QStringList unmarked;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        if (!pw::test::isData(it.key(), it.value()) && !it.value().contains(QChar(MarkingTranslator::kOpen)))
            unmarked << it.key() + QStringLiteral(" = ") + it.value();
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
    // The walk reached the windows: a few of the texts it must have found.
    QCOMPARE(texts.value(QStringLiteral("frmlogon/choosePanel/Command2:text")),
             MarkingTranslator::marked(QStringLiteral("Exit")));
    QCOMPARE(texts.value(QStringLiteral("frmmain/QMenuBar/usermenu/Clkin:text")),
             MarkingTranslator::marked(QStringLiteral("Clock &In")));
    QCOMPARE(texts.value(QStringLiteral("frmstartup:windowTitle")),
             MarkingTranslator::marked(QStringLiteral("Punchwell Startup Screen")));
    QVERIFY(texts.size() > 150);
}

void tst_languages::storedWordsStayEnglish()
{
    const Marking marking;
    const auto marked = &MarkingTranslator::marked;
    TestApp app;
    app.clock.set(2026, 12, 7, 8, 0, 0);
    app.addEmployee(QStringLiteral("Ann"));
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss' WHERE Ename = 'Manager'"));

    // A box in the user's language.
    QVERIFY(!app.logOn(QStringLiteral("Manager"), QStringLiteral("wrong")));
    QVERIFY(pw::test::lastBoxIs(app.dialogs, marked(QStringLiteral("Incorrect Password, Please retry or Cancel.")),
                                marked(QStringLiteral("Password Error"))));
    click(app.logon(), "Command4");

    // The status words are stored in English and shown translated.
    QVERIFY(app.logOn(QStringLiteral("Ann")));
    QWidget *m = app.main();
    click(m, "clockin");
    pw::test::typeInto(app.window("frmsub"), "activity", QStringLiteral("Sanding"));
    click(app.window("frmsub"), "Command1");
    QCOMPARE(app.log(QStringLiteral("Ann")).last().at(2).toString(), QStringLiteral("Clocked In"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), marked(QStringLiteral("Clocked In")));
    app.clock.set(2026, 12, 7, 12, 0, 0);
    click(m, "clockout");
    QCOMPARE(app.log(QStringLiteral("Ann")).last().at(2).toString(), QStringLiteral("Clocked Out"));
    QCOMPARE(textOf(m, "Lastlogonvalue"), marked(QStringLiteral("Clocked Out")));

    // The printed card in the user's language, the log as it was.
    pw::test::trigger(m, "prntdata");
    const QStringList card = app.printers.printed().last().lines();
    QCOMPARE(card.first(), marked(QStringLiteral("Punchwell Log for:  ")) + QStringLiteral("Acme Widgets"));
    QVERIFY2(card.contains(QStringLiteral("Ann") + marked(QStringLiteral(" has a total of ")) + QStringLiteral("4   ")
                           + marked(QStringLiteral(" hours "))),
             qPrintable(card.join(QLatin1Char('\n'))));
    QCOMPARE(app.log(QStringLiteral("Ann")).size(), 2);

    // The grid shows the words translated over the stored ones.
    QWidget *manager = app.managerShowing(QStringLiteral("Ann"));
    pw::test::clickLabel(manager, "Label8");
    const QAbstractItemModel *grid = child<QTableView>(manager, "DBGrid1")->model();
    QCOMPARE(grid->headerData(2, Qt::Horizontal).toString(), QStringLiteral("inoutfx"));
    QCOMPARE(grid->data(grid->index(0, 2)).toString(), marked(QStringLiteral("Clocked In")));
    QCOMPARE(grid->data(grid->index(0, 2), Qt::EditRole).toString(), QStringLiteral("Clocked In"));
    QCOMPARE(grid->data(grid->index(1, 2)).toString(), marked(QStringLiteral("Clocked Out")));

    // A CSV file for payroll keeps its English heading.
    const QString csv = app.dir() + QStringLiteral("/hours.csv");
    app.dialogs.answerFile(csv);
    click(manager, "cmdexport");
    QVERIFY(pw::test::lastBoxIs(app.dialogs, app.dialogs.last().text, marked(QStringLiteral("Export")),
                                pw::Dialogs::Icon::Information));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readLine()).trimmed(), pw::hoursexport::kHeader);
}

void tst_languages::placeholderRules_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("fault");

    QTest::newRow("moved and repeated") << "%1 was stopped after %2 of %3" << "%2/%3: %1 ... %1" << "";
    QTest::newRow("lost") << "seal %1" << "Siegel" << "placeholders  instead of %1";
    QTest::newRow("renumbered") << "%1 of %2" << "%1 de %3" << "placeholders %1 %3 instead of %1 %2";
    QTest::newRow("shortcut kept") << "Clock &In" << "&Einstempeln" << "";
    QTest::newRow("two shortcuts") << "Clock &In" << "&Ein&stempeln" << "2 shortcuts (&)";
    QTest::newRow("shortcut lost") << "E&xit" << "Beenden" << "no shortcut (&)";
    QTest::newRow("F2 lost") << "ClockOut (F2)" << "Ausstempeln" << "no F2";
}

void tst_languages::placeholderRules()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(QString, fault);
    QCOMPARE(pw::test::placeholderFault(source, translation), fault);
}

void tst_languages::translationsKeepPlaceholders_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "es", "fr"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_languages::translationsKeepPlaceholders()
{
    // Whatever is translated so far, finished or not, keeps what its source relies on.
    QFETCH(QString, language);
    QString error;
    const QList<pw::test::TsMessage> messages = pw::test::readTs(pw::test::tsFile(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList faults;
    for (const pw::test::TsMessage &m : messages)
        if (!m.translation.isEmpty())
            if (const QString fault = pw::test::placeholderFault(m.source, m.translation); !fault.isEmpty())
                faults << QStringLiteral("%1 \"%2\": %3").arg(m.context, m.source, fault);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_languages::linguistFilesInStep()
{
    // Every text marked in the source is in each language's file, and nothing else: after marking
    // or changing a text, `cmake --build build --target update_translations` brings them in step.
    QString error;
    const QList<pw::test::TsMessage> marked = pw::test::markedInSources(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(marked.size() > 400);
    QStringList wanted;
    for (const pw::test::TsMessage &m : marked)
        wanted << m.key();
    wanted.sort();
    for (const QString &language : Translations::available()) {
        const QList<pw::test::TsMessage> messages = pw::test::readTs(pw::test::tsFile(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList held;
        for (const pw::test::TsMessage &m : messages)
            held << m.key();
        held.sort();
        QStringList missing, extra;
        std::set_difference(wanted.begin(), wanted.end(), held.begin(), held.end(), std::back_inserter(missing));
        std::set_difference(held.begin(), held.end(), wanted.begin(), wanted.end(), std::back_inserter(extra));
        for (QStringList *keys : {&missing, &extra})
            keys->replaceInStrings(QStringLiteral("\x1f"), QStringLiteral(" \u2192 "));
        QVERIFY2(missing.isEmpty() && extra.isEmpty(),
                 qPrintable(QStringLiteral("%1: not in the file: %2\nno longer in the source: %3")
                                .arg(language, missing.join(QStringLiteral(" | ")), extra.join(QStringLiteral(" | ")))));
    }
}

PW_TEST_MAIN(tst_languages)
#include "tst_languages.moc"
