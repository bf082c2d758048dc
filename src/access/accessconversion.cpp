#include "access/accessconversion.h"

#include "db/database.h"
#include "db/schema.h"
#include "platform/formats.h"
#include "platform/safefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

namespace pw {

namespace {

// The files a conversion keeps beside the company file, by fixed names so the next start finds
// what a killed one left.
struct ConversionFiles {
    explicit ConversionFiles(const QString &companyFile)
        : company(QFileInfo(companyFile).absoluteFilePath()),
          temp(company + QStringLiteral(".converting")),
          journal(temp + QStringLiteral("-journal")),
          keeping(company + QStringLiteral(".keeping")),
          lock(company + QStringLiteral(".converting.lock"))
    {
    }
    void removeLeftovers() const
    {
        for (const QString &f : {temp, journal, keeping})
            QFile::remove(f);
    }

    QString company, temp, journal, keeping, lock;
};

AccessFailure storageFailure(const QString &where, const DbError &e)
{
    QString why = e.text();
    const QString prefix = QStringLiteral("the company was not copied: ");
    if (why.startsWith(prefix))
        why = why.mid(prefix.size());
    return AccessFailure::make(AccessFailure::Storage,
                               QStringLiteral("The new company could not be made in %1: %2.").arg(where, why));
}

AccessReport reportFor(const AccessCompany &source)
{
    AccessReport report;
    report.source = source.location();
    report.format = source.format();
    report.hasSettings = source.hasSettings();
    QList<const AccessTable *> logs;
    for (const AccessTable &t : source.carried()) {
        if (t.role == AccessTable::Role::Log) {
            logs << &t;
            report.entries += qMax<qint64>(0, source.rowsRead(t.name));
        }
        for (const QString &field : t.leftOutFields)
            report.leftOutFields << QStringLiteral("%1.%2").arg(formats::quotedName(t.name), formats::quotedName(field));
    }
    QList<bool> opened(logs.size(), false);
    for (const QString &name : source.employeeNames()) {
        AccessReport::Log entry{name, -1};
        for (qsizetype i = 0; i < logs.size(); ++i)
            if (sameAsciiName(logs[i]->name, name)) {
                entry.entries = source.rowsRead(logs[i]->name);
                opened[i] = true;
            }
        report.employees << entry;
    }
    for (qsizetype i = 0; i < logs.size(); ++i)
        if (!opened[i])
            report.otherLogs << AccessReport::Log{logs[i]->name, source.rowsRead(logs[i]->name)};
    report.leftOutTables = source.leftOutTables();
    report.unusualNames = namesTheAddDialogRefuses(source.employeeNames());
    report.tables = int(source.carried().size());
    return report;
}

// The company of the old file into target; failures name the target as shownAs.
AccessOutcome convertInto(const QString &accessPath, Database &target, const QString &shownAs, Progress *progress)
{
    QElapsedTimer timer;
    timer.start();
    AccessCompany source(accessPath);
    AccessOutcome out;
    if ((out.failure = source.open()))
        return out;
    source.setProgress(progress);
    const auto copied = copyCompany(source, target);
    if (!copied) {
        out.failure = source.readFailure() ? source.readFailure() : storageFailure(shownAs, copied.error());
        return out;
    }
    out.report = reportFor(source);
    out.report.tables = copied->tables;
    out.report.rows = copied->rows;
    out.report.milliseconds = timer.elapsed();
    return out;
}

// Writes the company into a new SQLite file at temp and checks it as Punchwell opens a company.
AccessOutcome convertIntoNewFile(const QString &accessPath, const ConversionFiles &files, Progress *progress)
{
    AccessOutcome out;
    {
        Database db(files.temp);
        out = convertInto(accessPath, db, QDir::toNativeSeparators(files.company), progress);
        if (out) {
            DbError e = db.open();
            if (!e)
                e = db.verify();
            db.close();
            if (e)
                out.failure = storageFailure(QDir::toNativeSeparators(files.company), e);
        }
    }
    QFile::remove(files.journal); // empty once committed
    if (!out)
        QFile::remove(files.temp);
    return out;
}

// Takes the conversion's lock beside the company file; why not, when it cannot.
AccessFailure takeLock(QLockFile &lock, const ConversionFiles &files)
{
    if (safefile::tryTakeLock(lock))
        return {};
    if (lock.error() == QLockFile::LockFailedError)
        return AccessFailure::make(AccessFailure::Busy,
                                   QStringLiteral("Another program is making a new company file %1 right now (it holds "
                                                  "the lock file %2); try again when it is done.")
                                       .arg(formats::quotedName(QDir::toNativeSeparators(files.company)),
                                            formats::quotedName(QDir::toNativeSeparators(files.lock))));
    return AccessFailure::make(AccessFailure::Storage,
                               QStringLiteral("Nothing can be written in the folder %1.")
                                   .arg(formats::quotedName(QDir::toNativeSeparators(QFileInfo(files.company).absolutePath()))));
}

} // namespace

AccessOutcome inspectAccessCompany(const QString &accessPath)
{
    AccessCompany source(accessPath);
    AccessOutcome out;
    out.failure = source.open();
    if (!out.failure)
        out.report = reportFor(source);
    return out;
}

AccessOutcome convertAccessCompany(const QString &accessPath, Database &target, Progress *progress)
{
    return convertInto(accessPath, target, target.path(), progress);
}

AccessOutcome convertAccessCompanyToFile(const QString &accessPath, const QString &targetPath, Progress *progress)
{
    QElapsedTimer timer;
    timer.start();
    const ConversionFiles files(targetPath);
    QLockFile lock(files.lock);
    if (AccessFailure f = takeLock(lock, files))
        return {f, {}};
    files.removeLeftovers();
    if (QFileInfo::exists(files.company))
        return {AccessFailure::make(AccessFailure::Storage,
                                    QStringLiteral("%1 exists already.").arg(formats::quotedName(QDir::toNativeSeparators(files.company)))),
                {}};
    AccessOutcome out = convertIntoNewFile(accessPath, files, progress);
    if (!out)
        return out;
    // Another program may have made a file of that name meanwhile: it is left alone.
    QString why;
    if (!safefile::nameIfFree(files.temp, files.company, &why)) {
        out.failure = AccessFailure::make(AccessFailure::Storage,
                                          QStringLiteral("The new file could not be named %1: %2.")
                                              .arg(formats::quotedName(QDir::toNativeSeparators(files.company)), why));
        return out;
    }
    safefile::syncFolder(files.company);
    out.report.milliseconds = timer.elapsed();
    return out;
}

QString accessKeptPath(const QString &companyFile)
{
    const QFileInfo info(companyFile);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? QStringLiteral("%1 (Access)%2").arg(info.completeBaseName(), suffix)
                                    : QStringLiteral("%1 (Access %2)%3").arg(info.completeBaseName()).arg(n).arg(suffix);
        const QString path = info.absoluteDir().filePath(name);
        // A file of that name with the same bytes is this file kept already by a conversion that
        // did not finish.
        if (!QFileInfo::exists(path) || safefile::sameContent(path, info.absoluteFilePath()))
            return path;
    }
}

void removeInterruptedConversion(const QString &companyFile)
{
    const ConversionFiles files(companyFile);
    if (!QFileInfo::exists(files.temp) && !QFileInfo::exists(files.journal) && !QFileInfo::exists(files.keeping)
        && !QFileInfo::exists(files.lock))
        return;
    // A killed conversion's lock is stale: taken over here, and removed with the rest.
    QLockFile lock(files.lock);
    if (safefile::tryTakeLock(lock))
        files.removeLeftovers();
}

AccessOutcome convertAccessFileInPlace(const QString &companyFile, Progress *progress)
{
    QElapsedTimer timer;
    timer.start();
    const ConversionFiles files(companyFile);
    QLockFile lock(files.lock);
    if (AccessFailure f = takeLock(lock, files))
        return {f, {}};
    files.removeLeftovers();

    AccessOutcome out = convertIntoNewFile(files.company, files, progress);
    if (!out)
        return out;

    // The old file keeps its bytes under a second name: a link, or a whole copy.
    const QString kept = accessKeptPath(files.company);
    const bool keptAlready = QFileInfo::exists(kept);
    QString failure;
    bool done = keptAlready || safefile::linkOrCopy(files.company, kept, files.keeping, &failure);
    if (done) {
        safefile::syncFolder(kept);
        // Whoever could write the old file (a folder shared by several workstations) can write
        // the new one.
        QFile::setPermissions(files.temp, QFile::permissions(files.company));
        // The one step that changes what "Employee.mdb" is.
        done = safefile::renameOver(files.temp, files.company, &failure);
        if (!done && !keptAlready)
            QFile::remove(kept);
    }
    if (!done) {
        QFile::remove(files.temp);
        out.failure = AccessFailure::make(AccessFailure::Storage,
                                          QStringLiteral("The old file could not be kept as %1: %2.")
                                              .arg(formats::quotedName(QFileInfo(kept).fileName()), failure));
        return out;
    }
    safefile::syncFolder(files.company);
    out.report.keptAs = kept;
    out.report.milliseconds = timer.elapsed();
    return out;
}

QString accessReportText(const AccessReport &report)
{
    QStringList lines;
    lines << QStringLiteral("%1 employees and %2 time log entries were brought over in %3 seconds.")
                 .arg(report.employees.size())
                 .arg(report.entries)
                 .arg(QLocale().toString(double(report.milliseconds) / 1000.0, 'f', 1));
    const auto entriesOf = [](const AccessReport::Log &log) {
        return log.entries < 0 ? QStringLiteral("%1: no time log").arg(log.name)
                               : QStringLiteral("%1: %2").arg(log.name).arg(log.entries);
    };
    QStringList employees;
    for (const AccessReport::Log &e : report.employees)
        employees << entriesOf(e);
    // A short list one to a line; a long one as a paragraph, so the box still fits the screen.
    constexpr int kOneToALine = 15;
    if (!employees.isEmpty())
        lines << QStringLiteral("Entries per employee:")
                     + (employees.size() <= kOneToALine ? QStringLiteral("\n    ") + employees.join(QStringLiteral("\n    "))
                                                        : QLatin1Char(' ') + employees.join(QStringLiteral(", ")));
    if (!report.otherLogs.isEmpty()) {
        QStringList logs;
        for (const AccessReport::Log &e : report.otherLogs)
            logs << QStringLiteral("%1 (%2 entries)").arg(formats::quotedName(e.name)).arg(e.entries);
        lines << QStringLiteral("Time logs of no listed employee, kept under their own names: %1.")
                     .arg(logs.join(QStringLiteral(", ")));
    }
    if (!report.unusualNames.isEmpty())
        lines << QStringLiteral("Names the add dialog would not accept, brought over as they are so these employees "
                                "can still log on: %1.")
                     .arg(report.unusualNames.join(QStringLiteral(", ")));
    if (!report.leftOutTables.isEmpty()) {
        QStringList tables;
        for (const QString &t : report.leftOutTables)
            tables << formats::quotedName(t);
        lines << QStringLiteral("Left out, as they are neither the company's tables nor time logs: %1.")
                     .arg(tables.join(QStringLiteral(", ")));
    }
    if (!report.leftOutFields.isEmpty())
        lines << QStringLiteral("Fields left out: %1.").arg(report.leftOutFields.join(QStringLiteral(", ")));
    if (!report.hasSettings)
        lines << QStringLiteral("The old file held no company settings: Punchwell will ask for the company name.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace pw
