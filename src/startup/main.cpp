#include "db/database.h"
#include "platform/clock.h"
#include "platform/context.h"
#include "platform/dialogs.h"
#include "platform/lineprinter.h"
#include "platform/programend.h"
#include "startup/artwork.h"
#include "startup/forms.h"
#include "startup/module1.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
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
    pw::AppContext context;
    context.dialogs = &dialogs;
    context.clock = &clock;
    context.programEnd = &programEnd;
    context.printers = &printers;

    // The company database is the file of this name in the working folder.
    pw::Database db(QDir::current().absoluteFilePath(QStringLiteral("Employee.mdb")));
    pw::Forms forms(context, db);
    Module1::Main(forms);
    if (programEnd.ended())
        return programEnd.exitCode();
    return QApplication::exec();
}
