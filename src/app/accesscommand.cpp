#include "app/accesscommand.h"

#include "db/companycopy.h"
#include "db/database.h"
#include "db/jetreader.h"
#include "domain/accessconversion.h"

#include <QFileInfo>
#include <QTextStream>

namespace pw {

namespace {

bool isServerUrl(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://")) || location.startsWith(QLatin1String("postgres://"));
}

QString resolved(const QString &location)
{
    return isServerUrl(location) ? location : QFileInfo(location).absoluteFilePath();
}

int failed(QTextStream &err, QString why)
{
    why.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A sentence of its own ("The file ... is damaged.") continues the line in small letters.
    if (why.size() > 1 && why[0].isUpper() && why[1].isLower())
        why[0] = why[0].toLower();
    err << "punchwell: the company was not copied: " << why.simplified() << Qt::endl;
    return 1;
}

} // namespace

int copyCompanyCommand(const QString &from, const QString &to, QTextStream &out, QTextStream &err)
{
    const QString source = resolved(from);
    const QString target = resolved(to);
    if (source == target)
        return failed(err, QStringLiteral("the source and the target are the same."));

    if (!isServerUrl(source) && JetReader::looksLikeAccess(source)) {
        AccessOutcome done;
        if (!isServerUrl(target) && !QFileInfo::exists(target)) {
            done = convertAccessCompanyToFile(source, target);
        } else {
            const auto db = Database::fromLocation(target);
            done = convertAccessCompany(source, *db);
        }
        if (!done)
            return failed(err, done.failure.message);
        out << "Brought the company over from " << source << " to " << target
            << ", read both back and found them equal.\n"
            << accessReportText(done.report) << Qt::endl;
        return 0;
    }

    const auto fromDb = Database::fromLocation(source);
    const auto toDb = Database::fromLocation(target);
    if (DbError e = fromDb->open())
        return failed(err, QStringLiteral("%1 cannot be read: %2.").arg(fromDb->path(), e.text()));
    const auto copied = copyCompany(*fromDb, *toDb);
    fromDb->close();
    if (!copied) {
        QString why = copied.error().text();
        const QString prefix = QStringLiteral("the company was not copied: ");
        return failed(err, (why.startsWith(prefix) ? why.mid(prefix.size()) : why) + QLatin1Char('.'));
    }
    out << "Copied the company from " << fromDb->path() << " to " << toDb->path() << ": " << copied->tables
        << " tables, " << copied->rows << " rows, read back and found equal." << Qt::endl;
    return 0;
}

} // namespace pw
