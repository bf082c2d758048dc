#include "app/commandtext.h"
#include "app/copycommand.h"
#include "app/exportcommand.h"
#include "app/verifycommand.h"
#include "app/options.h"
#include "app/startup.h"
#include "app/translations.h"
#include "db/database.h"
#include "domain/companyclock.h"
#include "platform/clock.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtprinter.h"
#include "platform/qt/qtprogramend.h"
#include "platform/seams.h"
#include "ui/artwork.h"
#include "ui/windows.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

// A command's one line: on the standard output when it succeeded, else on the standard error.
int report(int exitCode, const QString &line)
{
    if (exitCode == 0)
        print(stdout, line + QLatin1Char('\n'));
    else
        print(stderr, pw::CommandText::failureLine(line) + QLatin1Char('\n'));
    return exitCode;
}

// Copying a company, exporting hours or the journal, checking the records and the help need no
// windows, so they run without a display.
int runWithoutWindows(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Punchwell"));
    // The lines on the terminal in the user's language, as the windows would show them.
    const pw::Translations translations;
    const pw::CommandLine line = pw::parseCommandLine(argumentsOf(argc, argv));
    switch (line.mode) {
    case pw::CommandLine::Mode::Help:
        print(stdout, pw::CommandText::help());
        return 0;
    case pw::CommandLine::Mode::Copy: {
        const pw::CopyCommandResult result = pw::copyCompanyCommand(line.copyFrom, line.copyTo, QDir::currentPath());
        report(result.exitCode, result.line);
        if (!result.report.isEmpty())
            print(stdout, result.report + QLatin1Char('\n'));
        return result.exitCode;
    }
    case pw::CommandLine::Mode::ExportHours: {
        const pw::SystemClock systemClock;
        const pw::ExportCommandResult result = pw::exportHoursCommand(line, QDir::currentPath(), systemClock);
        return report(result.exitCode, result.line);
    }
    case pw::CommandLine::Mode::ExportHistory: {
        const pw::ExportCommandResult result = pw::exportHistoryCommand(line, QDir::currentPath());
        return report(result.exitCode, result.line);
    }
    case pw::CommandLine::Mode::Verify: {
        const pw::VerifyCommandResult result = pw::verifyRecordsCommand(line, QDir::currentPath());
        return report(result.exitCode, result.line);
    }
    default:
        print(stderr, pw::CommandText::usageError(line.fault));
        return 2;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (pw::needsNoWindows(argumentsOf(argc, argv)))
        return runWithoutWindows(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Punchwell"));
    // Every window, box and printed card in the user's language, Qt's own buttons and dialogs too.
    const pw::Translations translations;
    // The menu entry's name: the desktop shows the windows under the entry's name and icon.
    QApplication::setDesktopFileName(QStringLiteral(PUNCHWELL_APP_ID));
    QApplication::setWindowIcon(pw::artwork::icon());
    // The program ends when it says so: between the logon and the main window there may be a
    // moment with no window shown.
    QApplication::setQuitOnLastWindowClosed(false);

    // What is left once Qt has taken its own options (-platform, -style, ...).
    const pw::CommandLine line = pw::parseCommandLine(argumentsOf(argc, argv));
    if (line.mode != pw::CommandLine::Mode::Run) {
        print(stderr, pw::CommandText::usageError(line.fault));
        return 2;
    }

    pw::QtDialogs dialogs;
    pw::QtProgramEnd programEnd;
    pw::QtPrinterFactory printers;

    // The company: --database, else Punchwell.conf in the start folder, else Employee.mdb there.
    // The file is read in any case: it holds the workstation's own settings too, and a file that
    // says something wrong is told rather than passed over.
    const pw::WorkstationConfig config =
        pw::readConfig(QDir::current().absoluteFilePath(QString::fromLatin1(pw::kConfigFile)));
    const pw::CompanyLocation company =
        config.fault ? pw::CompanyLocation{{}, config.fault} : pw::chooseLocation(line.database, QDir::currentPath());
    if (!company.ok()) {
        const QString why = pw::CommandText::optionsFault(company.fault);
        print(stderr, pw::CommandText::failureLine(why) + QLatin1Char('\n'));
        pw::refuseLocation(dialogs, why);
        return 1;
    }
    const auto db = pw::Database::fromLocation(company.location);
    // Every time the windows show and store is the company's: the server's clock on a server.
    const pw::SystemClock systemClock;
    pw::CompanyClock clock(systemClock, *db);
    const pw::Seams seams{dialogs, clock, programEnd, printers};
    pw::Windows windows(*db, seams);
    windows.setIdleLogoff(std::chrono::seconds(config.idleLogoffSeconds));
    pw::startUp(windows);
    if (programEnd.ended())
        return programEnd.exitCode();
    return QApplication::exec();
}
