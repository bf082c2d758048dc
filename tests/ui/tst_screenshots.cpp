// Renders the logon window and each tab of the main window as a user sees them. With
// PUNCHWELL_SCREENSHOTS set to a folder, the pictures are saved there (the README's come from here).
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTabWidget>
#include <QTest>

using pw::test::TestApp;

class tst_screenshots : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windows();

private:
    void keep(QWidget *w, const QString &name);
};

void tst_screenshots::keep(QWidget *w, const QString &name)
{
    w->repaint();
    const QImage picture = w->grab().toImage();
    QVERIFY(!picture.isNull());
    // Something was drawn: more than a handful of colours.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    QVERIFY2(colours.size() > 4, qPrintable(name));
    const QString dir = qEnvironmentVariable("PUNCHWELL_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(picture.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
    }
}

void tst_screenshots::windows()
{
    TestApp app(QStringLiteral("Acme Widgets"));
    app.clock.set(2026, 12, 7, 10, 42, 17);
    app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss', Ewage = '25' WHERE Ename = 'Manager'"));
    app.addEmployee(QStringLiteral("Ann Baker"), QStringLiteral("18.50"), QString(), QStringLiteral("Front desk, mornings"));
    app.addEmployee(QStringLiteral("Carlos Diaz"), QStringLiteral("21"), QStringLiteral("pw"));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Payroll"));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 10:15:00"), QStringLiteral("Clocked Out"));
    app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 10:30:00"), QStringLiteral("Clocked In"), QStringLiteral("Interviews"));

    QWidget *logon = app.logon();
    logon->show();
    logon->adjustSize();
    keep(logon, QStringLiteral("logon"));

    QVERIFY(app.logOn(QStringLiteral("Manager"), QStringLiteral("boss")));
    QWidget *m = app.main();
    QTRY_COMPARE_WITH_TIMEOUT(pw::test::textOf(m, "lbltime"), QStringLiteral("10:42:17 AM"), 400);
    m->resize(680, 480);
    const QStringList tabs{QStringLiteral("time-functions"), QStringLiteral("management"), QStringLiteral("about")};
    for (int i = 0; i < tabs.size(); ++i) {
        pw::test::child<QTabWidget>(m, "SSTab1")->setCurrentIndex(i);
        keep(m, tabs[i]);
    }
}

PW_TEST_MAIN(tst_screenshots)
#include "tst_screenshots.moc"
