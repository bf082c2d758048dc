#include "app/accesscommand.h"
#include "app/startup.h"
#include "db/database.h"
#include "platform/clock.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtprinter.h"
#include "platform/qt/qtprogramend.h"
#include "platform/seams.h"
#include "ui/artwork.h"
#include "ui/windows.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Copying a company needs no windows, so it runs without a display.
    if (argc >= 2 && qstrcmp(argv[1], "--copy-company") == 0) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        if (argc != 4) {
            err << "usage: punchwell --copy-company FROM TO" << Qt::endl;
            return 2;
        }
        return pw::copyCompanyCommand(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), out, err);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Punchwell"));
    QApplication::setWindowIcon(pw::artwork::icon());
    // The program ends when it says so: between the logon and the main window there may be a
    // moment with no window shown.
    QApplication::setQuitOnLastWindowClosed(false);

    pw::QtDialogs dialogs;
    pw::SystemClock clock;
    pw::QtProgramEnd programEnd;
    pw::QtPrinterFactory printers;
    const pw::Seams seams{dialogs, clock, programEnd, printers};

    // The company database is the file of this name in the working folder.
    pw::Database db(QDir::current().absoluteFilePath(QStringLiteral("Employee.mdb")));
    pw::Windows windows(db, seams);
    pw::startUp(windows);
    if (programEnd.ended())
        return programEnd.exitCode();
    return QApplication::exec();
}
