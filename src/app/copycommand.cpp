#include "app/copycommand.h"

#include "access/accessconversion.h"
#include "access/jetreader.h"
#include "app/options.h"
#include "db/companycopy.h"
#include "db/database.h"

#include <QFileInfo>

namespace pw {

namespace {

CopyCommandResult failed(QString why)
{
    why.replace(QLatin1Char('\n'), QLatin1Char(' '));
    why = why.simplified();
    const QString prefix = QStringLiteral("the company was not copied");
    if (why.startsWith(prefix))
        return {1, why, {}};
    // A sentence of its own ("The file ... is damaged.") continues the line in small letters.
    if (why.size() > 1 && why[0].isUpper() && why[1].isLower())
        why[0] = why[0].toLower();
    return {1, prefix + QStringLiteral(": ") + why, {}};
}

} // namespace

CopyCommandResult copyCompanyCommand(const QString &from, const QString &to, const QString &folder)
{
    const QString source = resolveLocation(from, folder);
    const QString target = resolveLocation(to, folder);
    const auto sourceDb = Database::fromLocation(source);
    const auto targetDb = Database::fromLocation(target);
    if (sourceDb->path() == targetDb->path())
        return failed(QStringLiteral("the source and the target are the same"));

    if (!sourceDb->isServer() && JetReader::looksLikeAccess(source)) {
        const AccessOutcome done = !targetDb->isServer() && !QFileInfo::exists(target)
            ? convertAccessCompanyToFile(source, target)
            : convertAccessCompany(source, *targetDb);
        if (!done)
            return failed(done.failure.message);
        return {0,
                QStringLiteral("Brought the company over from %1 to %2, read both back and found them equal.")
                    .arg(source, targetDb->path()),
                accessReportText(done.report)};
    }

    if (DbError e = sourceDb->open())
        return failed(QStringLiteral("%1 cannot be read: %2").arg(sourceDb->path(), e.text()));
    const auto copied = copyCompany(*sourceDb, *targetDb);
    sourceDb->close();
    if (!copied)
        return failed(copied.error().text());
    return {0,
            QStringLiteral("Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.")
                .arg(sourceDb->path(), targetDb->path())
                .arg(copied->tables)
                .arg(copied->rows),
            {}};
}

} // namespace pw
