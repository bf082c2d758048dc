// Replacing a file safely: which names hold which bytes after each step, and that a step that fails
// leaves no temporary file behind and no file of another program replaced.
#include "platform/safefile.h"
#include "testlib/companyfiles.h"
#include "testlib/coremain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace safefile = pw::safefile;

namespace {

using pw::test::Files;
using pw::test::filesIn;

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class tst_safefile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void steps_data();
    void steps();
    void sameContent_data();
    void sameContent();
};

void tst_safefile::steps_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("taken");   // "target" holds another file before the step
    QTest::addColumn<QString>("target"); // the name given, in the test's folder
    QTest::addColumn<bool>("done");
    QTest::addColumn<Files>("after");
    const QByteArray mine("finished file"), other("another program's file");
    QTest::newRow("name if free: free") << "nameIfFree" << false << "target" << true << Files{{"target", mine}};
    QTest::newRow("name if free: taken") << "nameIfFree" << true << "target" << false << Files{{"target", other}};
    QTest::newRow("name if free: no such folder") << "nameIfFree" << false << "gone/target" << false << Files{};
    QTest::newRow("rename over: free") << "renameOver" << false << "target" << true << Files{{"target", mine}};
    QTest::newRow("rename over: taken") << "renameOver" << true << "target" << true << Files{{"target", mine}};
    QTest::newRow("link or copy: a link") << "linkOrCopy" << false << "target" << true
                                          << Files{{"file", mine}, {"target", mine}};
    // A link cannot replace a name, so the whole copy is made under the temporary name.
    QTest::newRow("link or copy: copied over") << "linkOrCopy" << true << "target" << true
                                               << Files{{"file", mine}, {"target", mine}};
    QTest::newRow("link or copy: no such folder") << "linkOrCopy" << false << "gone/target" << false
                                                  << Files{{"file", mine}};
}

void tst_safefile::steps()
{
    QFETCH(QString, step);
    QFETCH(bool, taken);
    QFETCH(QString, target);
    QFETCH(bool, done);
    QFETCH(Files, after);
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const QString file = dir.filePath(QStringLiteral("file"));
    const QString name = dir.filePath(target);
    write(file, "finished file");
    if (taken)
        write(name, "another program's file");

    QString why;
    bool ok = false;
    if (step == QLatin1String("nameIfFree"))
        ok = safefile::nameIfFree(file, name, &why);
    else if (step == QLatin1String("renameOver"))
        ok = safefile::renameOver(file, name, &why);
    else
        ok = safefile::linkOrCopy(file, name, dir.filePath(QStringLiteral("target.copying")), &why);
    QCOMPARE(ok, done);
    QCOMPARE(why.isEmpty(), done);
    QCOMPARE(filesIn(dir), after);
}

void tst_safefile::sameContent_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b"); // null: no such file
    QTest::addColumn<bool>("same");
    const QByteArray big(3 << 20, 'x');
    QTest::newRow("same bytes") << QByteArray("company") << QByteArray("company") << true;
    QTest::newRow("one byte apart") << QByteArray("company") << QByteArray("compant") << false;
    QTest::newRow("one longer") << QByteArray("company") << QByteArray("company ") << false;
    QTest::newRow("both empty") << QByteArray("") << QByteArray("") << true;
    QTest::newRow("no second file") << QByteArray("") << QByteArray() << false;
    QTest::newRow("large, same") << big << big << true;
    QTest::newRow("large, apart in the last piece") << big << QByteArray(big).replace(big.size() - 1, 1, "y") << false;
}

void tst_safefile::sameContent()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, same);
    QTemporaryDir tmp;
    const QString pa = tmp.filePath(QStringLiteral("a")), pb = tmp.filePath(QStringLiteral("b"));
    write(pa, a);
    if (!b.isNull())
        write(pb, b);
    QCOMPARE(safefile::sameContent(pa, pb), same);
    QCOMPARE(safefile::sameContent(pb, pa), same);
}

PW_CORE_TEST_MAIN(tst_safefile)
#include "tst_safefile.moc"
