// A time card on a real printer: the program's own print path (QPrinter on the default printer)
// sends the card to a CUPS scheduler that this test starts for itself, with its configuration,
// socket and spool in a temporary folder. Its default printer is a raw queue that throws the paper
// away but keeps each job's document, the PDF that Qt sent, which is read back with pdftotext:
// its text, and where its columns and underlines landed on the page.
// The machine's own CUPS and printers are never touched.
#include "db/recordset.h"
#include "platform/qt/qtprinter.h"
#include "testlib/testapp.h"
#include "testlib/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <utility>

#include <grp.h>
#include <unistd.h>

using pw::Dialogs;
using pw::test::TestApp;
using pw::test::click;
using pw::test::textOf;
using pw::test::trigger;

namespace {

const QString kQueue = QStringLiteral("PunchwellCards");
const QString kPackages = QStringLiteral("cups cups-client cups-bsd poppler-utils");

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                                 QStringLiteral("/sbin"), QStringLiteral("/bin")});
}

// Runs a tool to its end; its output, or nothing when it failed.
std::optional<QString> run(const QString &program, const QStringList &args, QString *errors = nullptr)
{
    QProcess p;
    p.start(tool(program), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (errors)
            *errors = QString::fromLocal8Bit(p.readAllStandardError()) + p.errorString();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The lines of a PDF's text, each with its runs of blanks made one.
QStringList pdfLines(const QString &file)
{
    QString errors;
    const auto text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}, &errors);
    if (!text) {
        qWarning("pdftotext failed on %s: %s", qPrintable(file), qPrintable(errors));
        return {};
    }
    QStringList lines;
    for (const QString &line : text->split(QLatin1Char('\n')))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

// A word of a PDF's text and its box, in points from the page's top left corner.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};

QList<PdfWord> pdfWords(const QString &file)
{
    QString errors;
    const auto html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")}, &errors);
    if (!html) {
        qWarning("pdftotext -bbox failed on %s: %s", qPrintable(file), qPrintable(errors));
        return {};
    }
    static const QRegularExpression item(QStringLiteral(
        "<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = item.globalMatch(*html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).isEmpty()) {
            ++page;
            continue;
        }
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({page, QRectF(topLeft, bottomRight), m.captured(5)});
    }
    return words;
}

// One item of a printed line, as it came out: its page and the box of its words.
struct PrintedItem {
    int page = 0;
    QRectF box;
};

// The items of the line that holds exactly these items, in points; nothing when no line does.
QList<PrintedItem> findLine(const QList<QList<PdfWord>> &lines, const QStringList &items)
{
    const QStringList wanted = items.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QList<PdfWord> &line : lines) {
        QStringList texts;
        for (const PdfWord &w : line)
            texts << w.text;
        if (texts != wanted)
            continue;
        QList<PrintedItem> found;
        qsizetype word = 0;
        for (const QString &i : items) {
            const qsizetype count = i.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
            found.append({line[word].page, line[word].box.united(line[word + count - 1].box)});
            word += count;
        }
        return found;
    }
    return {};
}

// Whether a row of dark pixels runs under the item's words, between them and the next line: an
// underline. Page 1 is rendered at 4 pixels a point.
bool underlined(const QImage &page, const QRectF &item, qreal nextLineTop)
{
    constexpr int scale = 4;
    for (int y = qRound(item.top() * scale + item.height() * scale / 2); y < qRound(nextLineTop * scale); ++y) {
        bool dark = true;
        for (int x = qRound(item.left() * scale) + scale; dark && x < qRound(item.right() * scale) - scale; ++x)
            dark = qGray(page.pixel(x, y)) < 128;
        if (dark)
            return true;
    }
    return false;
}

// The card's character columns and its underlined heading row, as they came out on paper. The
// items of the heading row and of the given shift lines (each line its four items) must start at
// columns 5, 40, 70 and 110, a column being as wide as the font's average character and column 1
// being where line 1 starts: the shift lines' items exactly below their headings, on every page.
// pdftotext -layout, which turns each page back into lines of characters, must put the first
// shift's items (on the headings' page) below the headings too, indented from line 1. On the page
// as printed, each heading is underlined from its first to its last character, the blanks between
// the headings are not, and the first shift line is not underlined at all.
void checkColumns(const QString &file, const QList<QStringList> &shifts)
{
    const QStringList headingTexts{QStringLiteral("Clock In"), QStringLiteral("Clock Out"), QStringLiteral("Activity"),
                                   QStringLiteral("Sub Total (Hours)")};
    const QList<PdfWord> words = pdfWords(file);
    QVERIFY2(!words.isEmpty(), qPrintable(file));
    // The words of each printed line, from left to right; pdftotext gives them column by column.
    QMap<std::pair<int, qint64>, QList<PdfWord>> byLine;
    for (const PdfWord &w : words)
        byLine[{w.page, qRound64(w.box.top() * 4)}].append(w);
    QList<QList<PdfWord>> lines = byLine.values();
    for (QList<PdfWord> &line : lines)
        std::sort(line.begin(), line.end(), [](const PdfWord &a, const PdfWord &b) { return a.box.left() < b.box.left(); });

    const qreal margin = lines.first().first().box.left();
    const QList<PrintedItem> headings = findLine(lines, headingTexts);
    QCOMPARE(headings.size(), 4);
    const qreal column = (headings[3].box.left() - margin) / 109;
    QVERIFY2(column > 2 && column < 8, qPrintable(QString::number(column))); // points: a few a character
    const int columns[] = {5, 40, 70, 110};
    for (int i = 0; i < 4; ++i) {
        const qreal expected = margin + (columns[i] - 1) * column;
        QVERIFY2(qAbs(headings[i].box.left() - expected) < 0.25,
                 qPrintable(QStringLiteral("\"%1\" at %2 pt, column %3 is at %4 pt")
                                .arg(headingTexts[i]).arg(headings[i].box.left()).arg(columns[i]).arg(expected)));
    }
    QList<QList<PrintedItem>> shiftLines;
    for (const QStringList &shift : shifts) {
        shiftLines.append(findLine(lines, shift));
        QVERIFY2(shiftLines.last().size() == 4, qPrintable(shift.join(QLatin1Char('|'))));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(qAbs(shiftLines.last()[i].box.left() - headings[i].box.left()) < 0.1,
                     qPrintable(QStringLiteral("\"%1\" at %2 pt, its heading at %3 pt")
                                    .arg(shift[i]).arg(shiftLines.last()[i].box.left()).arg(headings[i].box.left())));
    }

    QString errors;
    const auto text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}, &errors);
    QVERIFY2(text, qPrintable(errors));
    const QStringList laidOut = text->split(QLatin1Char('\n'));
    auto offsets = [&](const QStringList &items) {
        for (const QString &line : laidOut) {
            if (line.simplified() != items.join(QLatin1Char(' ')).simplified())
                continue;
            QList<qsizetype> at;
            qsizetype from = 0;
            for (const QString &i : items) {
                from = line.indexOf(i, from);
                at << from;
                from += i.size();
            }
            return at;
        }
        return QList<qsizetype>();
    };
    const QList<qsizetype> headingOffsets = offsets(headingTexts);
    QCOMPARE(headingOffsets.size(), 4);
    QVERIFY(headingOffsets[0] > 0); // indented from line 1
    QCOMPARE(offsets(shifts.first()), headingOffsets);

    // The headings' page as printed.
    const QString png = file + QStringLiteral("-page");
    QVERIFY2(run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("288"), QStringLiteral("-gray"), QStringLiteral("-png"),
                                             QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(headings[0].page),
                                             QStringLiteral("-l"), QString::number(headings[0].page), file, png},
                 &errors),
             qPrintable(errors));
    const QImage page(png + QStringLiteral(".png"));
    QFile::remove(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    const QList<PrintedItem> &first = shiftLines.first();
    const qreal below = first[0].box.top();
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(underlined(page, headings[i].box, below), qPrintable(headingTexts[i]));
        if (i < 3) {
            const QRectF gap(QPointF(headings[i].box.right() + column, headings[i].box.top()),
                             QPointF(headings[i + 1].box.left() - column, headings[i].box.bottom()));
            QVERIFY2(!underlined(page, gap, below), qPrintable(QStringLiteral("after ") + headingTexts[i]));
        }
        const qreal nextTop = first[i].box.bottom() + (first[i].box.top() - headings[i].box.top()) / 2;
        QVERIFY2(!underlined(page, first[i].box, nextTop), qPrintable(shifts.first()[i]));
    }
}

// Every page of the PDF holds something, and nothing within 10 mm of the paper's edges: rendered,
// the paper is white there (a printer clips what lies closer). With PUNCHWELL_SCREENSHOTS set to a
// folder, the first page is kept there as a picture, named after the file.
void checkMargins(const QString &file)
{
    const QString pictures = qEnvironmentVariable("PUNCHWELL_SCREENSHOTS");
    const auto info = run(QStringLiteral("pdfinfo"), {file});
    QVERIFY(info);
    const int pages = info->section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    QVERIFY2(pages >= 1, qPrintable(*info));
    constexpr int dpi = 144;
    constexpr qreal mmPerPixel = 25.4 / dpi;
    const QString png = file + QStringLiteral("-margins");
    for (int p = 1; p <= pages; ++p) {
        QString errors;
        QVERIFY2(run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                                 QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                                 QString::number(p), QStringLiteral("-l"), QString::number(p), file, png},
                     &errors),
                 qPrintable(errors));
        const QImage page = QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
        QFile::remove(png + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        if (p == 1 && !pictures.isEmpty() && QDir().mkpath(pictures))
            page.save(QDir(pictures).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png")));
        QRect ink;
        for (int y = 0; y < page.height(); ++y) {
            const uchar *line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x)
                if (line[x] < 192)
                    ink |= QRect(x, y, 1, 1);
        }
        QVERIFY2(!ink.isEmpty(), qPrintable(QStringLiteral("page %1 is blank").arg(p)));
        const qreal left = ink.left() * mmPerPixel, top = ink.top() * mmPerPixel;
        const qreal right = (page.width() - 1 - ink.right()) * mmPerPixel;
        const qreal bottom = (page.height() - 1 - ink.bottom()) * mmPerPixel;
        QVERIFY2(qMin(qMin(left, top), qMin(right, bottom)) >= 10.0,
                 qPrintable(QStringLiteral("page %1 of %2: printed up to %3 mm from the left edge, %4 mm from the top, "
                                           "%5 mm from the right, %6 mm from the bottom")
                                .arg(p).arg(file).arg(left, 0, 'f', 1).arg(top, 0, 'f', 1).arg(right, 0, 'f', 1)
                                .arg(bottom, 0, 'f', 1)));
    }
}

void annWithOneShift(TestApp &app)
{
    app.addEmployee(QStringLiteral("Ann"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-07 09:00:00"), QStringLiteral("Clocked In"),
                 QStringLiteral("Filing"));
    app.addEntry(QStringLiteral("Ann"), QStringLiteral("2026-12-07 10:30:00"), QStringLiteral("Clocked Out"));
    app.clock.set(2026, 12, 7, 17, 0, 0);
}

} // namespace

class tst_cupsprint : public QObject {
    Q_OBJECT

public:
    explicit tst_cupsprint(const QString &dir) : m_dir(dir) {}

private Q_SLOTS:
    void initTestCase();
    void cardOnDefaultPrinter();
    void stoppedPrinterOffersPdf();
    void noDefaultPrinter();
    void longCardSavedAsPdf();
    void cleanupTestCase();

private:
    QString path(const QString &name) const { return m_dir + QLatin1Char('/') + name; }
    QString socket() const { return path(QStringLiteral("cups.sock")); }
    bool schedulerRunning();
    QStringList jobFiles() const;

    QString m_dir;
    QProcess m_cupsd;
    pw::QtPrinterFactory m_printers;
};

void tst_cupsprint::initTestCase()
{
    for (const char *name : {"cupsd", "lpadmin", "lpstat", "cupsdisable", "pdftotext", "pdfinfo", "pdftoppm"})
        if (tool(QLatin1String(name)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is missing; the Debian packages %2 provide what this test needs")
                                 .arg(QLatin1String(name), kPackages)));

    for (const char *sub : {"spool", "cache", "state", "log", "home"})
        QVERIFY(QDir().mkpath(path(QLatin1String(sub))));
    QFile conf(path(QStringLiteral("cupsd.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral("Listen %1\n"
                              "Browsing No\n"
                              "WebInterface No\n"
                              "LogLevel warn\n"
                              "PreserveJobFiles Yes\n"
                              "PreserveJobHistory Yes\n"
                              "DefaultAuthType None\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n"
                              "</Policy>\n")
                   .arg(socket())
                   .toLocal8Bit());
    conf.close();
    QString files = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool\nCacheDir %1/cache\n"
                                   "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                   "PageLog %1/log/page_log\nFileDevice Yes\nSystemGroup root\n")
                        .arg(m_dir);
    // As root, cupsd runs its helpers as an unprivileged user and refuses root for that.
    if (geteuid() == 0)
        files += QStringLiteral("User nobody\nGroup %1\n").arg(getgrnam("nogroup") ? QStringLiteral("nogroup") : QStringLiteral("nobody"));
    QFile filesConf(path(QStringLiteral("cups-files.conf")));
    QVERIFY(filesConf.open(QIODevice::WriteOnly));
    filesConf.write(files.toLocal8Bit());
    filesConf.close();

    m_cupsd.setProcessChannelMode(QProcess::ForwardedChannels);
    m_cupsd.start(tool(QStringLiteral("cupsd")), {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                                                 QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    QVERIFY2(m_cupsd.waitForStarted(10000), qPrintable(m_cupsd.errorString()));
    QElapsedTimer waited;
    waited.start();
    while (!schedulerRunning()) {
        if (m_cupsd.state() != QProcess::Running || waited.elapsed() > 20000) {
            QFile log(path(QStringLiteral("log/error_log")));
            log.open(QIODevice::ReadOnly);
            QFAIL(qPrintable(QStringLiteral("the private CUPS scheduler did not start: %1")
                                 .arg(QString::fromLocal8Bit(log.readAll()))));
        }
        QTest::qWait(100);
    }

    QString errors;
    QVERIFY2(run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), socket(), QStringLiteral("-p"), kQueue, QStringLiteral("-E"),
                                            QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-m"),
                                            QStringLiteral("raw")},
                 &errors),
             qPrintable(errors));
    QVERIFY2(run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), socket(), QStringLiteral("-d"), kQueue}, &errors),
             qPrintable(errors));
    const auto status = run(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-d")});
    QVERIFY(status && status->contains(kQueue));
}

bool tst_cupsprint::schedulerRunning()
{
    if (!QFile::exists(socket()))
        return false;
    const auto out = run(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-r")});
    return out && out->contains(QLatin1String("scheduler is running"));
}

QStringList tst_cupsprint::jobFiles() const
{
    const QStringList names = QDir(path(QStringLiteral("spool"))).entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name);
    QStringList out;
    for (const QString &n : names)
        out << path(QStringLiteral("spool/") + n);
    return out;
}

// The "Print Log" button for one employee, through QPrinter and CUPS.
void tst_cupsprint::cardOnDefaultPrinter()
{
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    annWithOneShift(app);
    QWidget *m = app.managerShowing(QStringLiteral("Ann"));
    QCOMPARE(textOf(m, "manlist"), QStringLiteral("Ann"));
    app.dialogs.answer(Dialogs::No);
    click(m, "Command3");
    QCOMPARE(app.dialogs.count(), 2); // the question and the ending date; nothing went wrong

    // The job is in the scheduler's hands once QPrinter is done; wait for it to be printed.
    QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-W"),
                                                            QStringLiteral("completed"), QStringLiteral("-o"), kQueue})
                                 .value_or(QString())
                                 .contains(kQueue + QStringLiteral("-1")),
                             20000);
    const QStringList jobs = jobFiles();
    QCOMPARE(jobs.size(), 1);
    QFile document(jobs.first());
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.read(5) == "%PDF-");
    document.close();

    const QStringList lines = pdfLines(jobs.first());
    QVERIFY2(lines.contains(QStringLiteral("Punchwell Data for: Acme Widgets")), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Employee Name: Ann")), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Clock In Clock Out Activity Sub Total (Hours)")), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("12/7/2026 9:00:00 AM 12/7/2026 10:30:00 AM Filing 1.5")),
             qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Ann has a total of 1.5 hours")), qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.size(), 5);
    checkColumns(jobs.first(), {{QStringLiteral("12/7/2026 9:00:00 AM"), QStringLiteral("12/7/2026 10:30:00 AM"),
                                 QStringLiteral("Filing"), QStringLiteral("1.5")}});
    checkMargins(jobs.first());
}

// A stopped default printer: the box offers a PDF file, which the real PDF printer writes.
void tst_cupsprint::stoppedPrinterOffersPdf()
{
    QString errors;
    QVERIFY2(run(QStringLiteral("cupsdisable"), {QStringLiteral("-h"), socket(), kQueue}, &errors), qPrintable(errors));
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    annWithOneShift(app);
    QWidget *m = app.managerShowing(QStringLiteral("Ann"));
    const QString pdf = path(QStringLiteral("home/Ann's card.pdf"));
    app.dialogs.answer(Dialogs::No);
    app.dialogs.answerInput(QStringLiteral("12/7/2026 9:30:00 AM"));
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerFile(pdf);
    const int jobsBefore = int(jobFiles().size());
    click(m, "Command3");
    run(QStringLiteral("cupsenable"), {QStringLiteral("-h"), socket(), kQueue});

    QCOMPARE(app.dialogs.count(), 4);
    QCOMPARE(app.dialogs.shown()[2].text,
             QStringLiteral("The time card of Ann was not printed: the printer \"%1\" is stopped or out of order.\n\nWould "
                            "you like to save the time card as a PDF file instead?")
                 .arg(kQueue));
    QCOMPARE(jobFiles().size(), jobsBefore);
    const QStringList lines = pdfLines(pdf);
    QVERIFY2(lines.contains(QStringLiteral("12/7/2026 9:00:00 AM 12/7/2026 5:00:00 PM Filing 8")),
             qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.contains(QStringLiteral("Ann has a total of 8 hours")), qPrintable(lines.join(QLatin1Char('\n'))));
    checkMargins(pdf);
}

// With the queue gone there is no default printer: the box says so, and No prints nothing.
void tst_cupsprint::noDefaultPrinter()
{
    QString errors;
    QVERIFY2(run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), socket(), QStringLiteral("-x"), kQueue}, &errors),
             qPrintable(errors));
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    annWithOneShift(app);
    QVERIFY(app.logOn(QStringLiteral("Ann")));
    app.dialogs.answer(Dialogs::Ok);
    app.dialogs.answer(Dialogs::No);
    trigger(app.main(), "prntdata");
    QCOMPARE(app.dialogs.count(), 2);
    QCOMPARE(app.dialogs.last().text,
             QStringLiteral("The time card of Ann was not printed: this computer has no default printer.\n\nWould you "
                            "like to save the time card as a PDF file instead?"));
    QCOMPARE(app.dialogs.last().title, QStringLiteral("Punchwell"));
}

// A card longer than a page, saved by the real PDF printer: it goes on over further pages, the
// headings once at the top and the total at the end. (The queue is gone since the test above.)
void tst_cupsprint::longCardSavedAsPdf()
{
    TestApp app(QStringLiteral("Acme Widgets"), &m_printers);
    app.addEmployee(QStringLiteral("Ann"));
    app.exec(QStringLiteral("BEGIN"));
    for (int day = 0; day < 150; ++day) {
        const QString date = QDate(2026, 1, 1).addDays(day).toString(Qt::ISODate);
        app.addEntry(QStringLiteral("Ann"), date + QStringLiteral(" 08:00:00"), QStringLiteral("Clocked In"), QStringLiteral("Day %1").arg(day));
        app.addEntry(QStringLiteral("Ann"), date + QStringLiteral(" 16:00:00"), QStringLiteral("Clocked Out"));
    }
    app.exec(QStringLiteral("COMMIT"));
    QVERIFY(app.logOn(QStringLiteral("Ann")));
    const QString pdf = path(QStringLiteral("home/long.pdf"));
    app.dialogs.answer(Dialogs::Ok);
    app.dialogs.answer(Dialogs::Yes);
    app.dialogs.answerFile(pdf);
    trigger(app.main(), "prntdata");
    QCOMPARE(app.dialogs.count(), 3);

    const auto info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info);
    const int pages = info->section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    QVERIFY2(pages >= 2, qPrintable(*info));
    const QStringList lines = pdfLines(pdf);
    QCOMPARE(lines.size(), 4 + 150);
    QCOMPARE(lines.first(), QStringLiteral("Punchwell Log for: Acme Widgets"));
    QCOMPARE(lines.count(QStringLiteral("Clock In Clock Out Activity Sub Total (Hours)")), 1);
    QCOMPARE(lines[3], QStringLiteral("1/1/2026 8:00:00 AM 1/1/2026 4:00:00 PM Day 0 8"));
    QCOMPARE(lines[152], QStringLiteral("5/30/2026 8:00:00 AM 5/30/2026 4:00:00 PM Day 149 8"));
    QCOMPARE(lines.last(), QStringLiteral("Ann has a total of 1200 hours"));
    // The first shift, and the last one, pages further on, in the columns of the headings.
    checkColumns(pdf, {{QStringLiteral("1/1/2026 8:00:00 AM"), QStringLiteral("1/1/2026 4:00:00 PM"), QStringLiteral("Day 0"),
                        QStringLiteral("8")},
                       {QStringLiteral("5/30/2026 8:00:00 AM"), QStringLiteral("5/30/2026 4:00:00 PM"),
                        QStringLiteral("Day 149"), QStringLiteral("8")}});
    checkMargins(pdf);
}

void tst_cupsprint::cleanupTestCase()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

int main(int argc, char *argv[])
{
    pw::test::prepareEnvironment();
    // The scheduler's folder, and so its socket, is settled before anything in the program can ask
    // libcups for a printer: CUPS_SERVER must name it from the start. A socket path must be short.
    QString base = QDir::tempPath();
    if (base.size() > 60)
        base = QStringLiteral("/tmp");
    QTemporaryDir dir(base + QStringLiteral("/pwcups-XXXXXX"));
    if (!dir.isValid())
        qFatal("no temporary folder");
    qputenv("CUPS_SERVER", QFile::encodeName(dir.filePath(QStringLiteral("cups.sock"))));
    // The user's own printer choices (PRINTER, LPDEST, ~/.cups/lpoptions) stay out of it.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QDir().mkpath(dir.filePath(QStringLiteral("home")));
    qputenv("HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));

    QApplication app(argc, argv);
    pw::test::prepareApplication();
    tst_cupsprint tc(dir.path());
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_cupsprint.moc"
