#include "access/accessconversion.h"

#include "db/database.h"
#include "db/journal.h"
#include "db/schema.h"
#include "domain/journalchain.h"
#include "domain/journaling.h"
#include "platform/safefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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

// The new company could not be made where it was to be.
DbError notMade(const Location &where, const DbError &why)
{
    return DbError::around(DbReason::AccessNotMade, why).at(where);
}

AccessReport reportFor(const AccessCompany &source)
{
    AccessReport report;
    report.format = source.format();
    report.hasSettings = source.hasSettings();
    QList<const AccessTable *> logs;
    for (const AccessTable &t : source.carried()) {
        if (t.role == AccessTable::Role::Log) {
            logs << &t;
            report.entries += qMax<qint64>(0, source.rowsRead(t.name));
        }
        for (const QString &field : t.leftOutFields)
            report.leftOutFields << AccessReport::Field{t.name, field};
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
AccessOutcome convertInto(const QString &accessPath, Database &target, const Location &shownAs, Progress *progress)
{
    QElapsedTimer timer;
    timer.start();
    AccessCompany source(accessPath);
    if (DbError e = source.open())
        return e;
    source.setProgress(progress);
    // A name comes in here: it must suit every engine, so the company can move between them later.
    for (const AccessTable &t : source.carried())
        if (!Engine::everyEngineHolds(t.name))
            return notMade(shownAs, DbError::of(DbReason::CopyRefused).because(CopyRefusal::NameNotMovable).inTable(t.name));
    // The company brought over is the first row of its journal.
    const JournalChange imported{journaling::kImport, std::nullopt, std::nullopt, QFileInfo(accessPath).fileName()};
    const auto copied = copyCompany(source, target, [&](Database &db) { return sealJournal(db, imported); });
    if (!copied)
        return source.readFailure() ? source.readFailure() : notMade(shownAs, copied.error());
    AccessReport report = reportFor(source);
    report.tables = copied->tables;
    report.rows = copied->rows;
    report.milliseconds = timer.elapsed();
    return report;
}

// Writes the company into a new SQLite file at temp and checks it as Punchwell opens a company.
AccessOutcome convertAndCheck(const QString &accessPath, const ConversionFiles &files, Progress *progress)
{
    Database db(files.temp);
    const AccessOutcome out = convertInto(accessPath, db, Location::ofFile(files.company), progress);
    if (!out)
        return out;
    DbError e = db.open();
    if (!e)
        e = db.verify();
    db.close();
    if (e)
        return notMade(Location::ofFile(files.company), e);
    return out;
}

// The same, with nothing of the new file left behind when it fails.
AccessOutcome convertIntoNewFile(const QString &accessPath, const ConversionFiles &files, Progress *progress)
{
    const AccessOutcome out = convertAndCheck(accessPath, files, progress);
    QFile::remove(files.journal); // empty once committed
    if (!out)
        QFile::remove(files.temp);
    return out;
}

// Takes the conversion's lock beside the company file; why not, when it cannot.
DbError takeLock(QLockFile &lock, const ConversionFiles &files)
{
    if (safefile::tryTakeLock(lock))
        return {};
    if (lock.error() == QLockFile::LockFailedError)
        return DbError::of(DbReason::AccessBusy).at(Location::ofFile(files.company)).aboutFile(files.lock);
    // The lock file could not be made: making it by hand says why (no right, a read-only disk, ...).
    QFile probe(files.lock);
    QString why;
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        why = probe.errorString();
    else
        probe.remove();
    return DbError::of(DbReason::AccessFolderNotWritable)
        .at(Location::ofFile(files.company))
        .aboutFile(QFileInfo(files.company).absolutePath())
        .saying(why);
}

} // namespace

AccessOutcome inspectAccessCompany(const QString &accessPath)
{
    AccessCompany source(accessPath);
    if (DbError e = source.open())
        return e;
    return reportFor(source);
}

AccessOutcome convertAccessCompany(const QString &accessPath, Database &target, Progress *progress)
{
    return convertInto(accessPath, target, target.location(), progress);
}

AccessOutcome convertAccessCompanyToFile(const QString &accessPath, const QString &targetPath, Progress *progress)
{
    QElapsedTimer timer;
    timer.start();
    const ConversionFiles files(targetPath);
    QLockFile lock(files.lock);
    if (DbError e = takeLock(lock, files))
        return e;
    files.removeLeftovers();
    if (QFileInfo::exists(files.company))
        return DbError::of(DbReason::AccessTargetExists).at(Location::ofFile(files.company));
    AccessOutcome out = convertIntoNewFile(accessPath, files, progress);
    if (!out)
        return out;
    // Another program may have made a file of that name meanwhile: it is left alone.
    QString why;
    if (!safefile::nameIfFree(files.temp, files.company, &why))
        return DbError::of(DbReason::AccessNotNamed).at(Location::ofFile(files.company)).saying(why);
    safefile::syncFolder(files.company);
    out.value().milliseconds = timer.elapsed();
    return out;
}

QString accessKeptPath(const QString &companyFile)
{
    const QFileInfo info(companyFile);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? QStringLiteral("%1 (Access)%2").arg(info.completeBaseName(), suffix)
                                    : QStringLiteral("%1 (Access %2)%3").arg(info.completeBaseName(), QString::number(n), suffix);
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
    if (DbError e = takeLock(lock, files))
        return e;
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
        return DbError::of(DbReason::AccessNotKept).at(Location::ofFile(files.company)).aboutFile(kept).saying(failure);
    }
    safefile::syncFolder(files.company);
    out.value().keptAs = kept;
    out.value().milliseconds = timer.elapsed();
    return out;
}

} // namespace pw
