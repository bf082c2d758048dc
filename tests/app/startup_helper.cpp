// The program's start in a process of its own, for the tests that limit or kill it: runs the
// start-up procedure on FOLDER/Employee.mdb with fake boxes that answer with their default button,
// and prints each box on a line ("box ICON TEXT", line breaks as "\n").
//   startup_helper FOLDER
#include "app/startup.h"
#include "db/database.h"
#include "testlib/fakes.h"
#include "testlib/recordingprinter.h"
#include "ui/windows.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_helper FOLDER\n");
        return 2;
    }
    pw::test::FakeDialogs dialogs;
    pw::test::FakeClock clock;
    pw::test::FakeProgramEnd end;
    pw::test::RecordingPrinterFactory printers;
    pw::Database db(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("Employee.mdb")));
    pw::Windows windows(db, pw::Seams{dialogs, clock, end, printers});
    std::printf("starting\n");
    std::fflush(stdout);
    pw::startUp(windows);
    for (const pw::test::FakeDialogs::Shown &box : dialogs.shown()) {
        QString text = box.text;
        text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        std::printf("box %d %s\n", int(box.icon), text.toUtf8().constData());
    }
    std::printf("%s\n", end.ended() ? "ended" : "started");
    std::fflush(stdout);
    return end.ended() ? end.exitCode() : 0;
}
