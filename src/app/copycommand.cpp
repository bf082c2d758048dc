#include "app/copycommand.h"

#include "access/accessconversion.h"
#include "access/jetreader.h"
#include "app/commandtext.h"
#include "app/options.h"
#include "db/companycopy.h"
#include "db/database.h"
#include "domain/recordcheck.h"
#include "messages/errortext.h"

#include <QFileInfo>

namespace pw {

CopyCommandResult copyCompanyCommand(const QString &from, const QString &to, const QString &folder)
{
    const QString source = resolveLocation(from, folder);
    const QString target = resolveLocation(to, folder);
    const auto sourceDb = Database::fromLocation(source, OpenFor::Reading);
    const auto targetDb = Database::fromLocation(target);
    if (sourceDb->location() == targetDb->location())
        return {1, ErrorText::describe(DbError::of(DbReason::CopyRefused).because(CopyRefusal::SameSourceAndTarget)), {}};

    if (!sourceDb->isServer() && JetReader::looksLikeAccess(source)) {
        const AccessOutcome done = !targetDb->isServer() && !QFileInfo::exists(target)
            ? convertAccessCompanyToFile(source, target)
            : convertAccessCompany(source, *targetDb);
        if (!done)
            return {1, CommandText::accessNotCopied(done.error()), {}};
        return {0, CommandText::broughtOver(source, targetDb->location()), CommandText::accessReport(*done)};
    }

    if (DbError e = sourceDb->open())
        return {1, CommandText::sourceUnreadable(sourceDb->location(), e), {}};
    const auto copied = copyCompany(*sourceDb, *targetDb);
    if (!copied) {
        sourceDb->close();
        return {1, CommandText::copyFailed(copied.error()), {}};
    }
    // The copy holds what the source holds, so the source's records tell of both. A company whose
    // records do not verify is still copied: the copy keeps the evidence.
    const auto records = verifyRecords(*sourceDb);
    sourceDb->close();
    const QString line = CommandText::copied(sourceDb->location(), targetDb->location(), *copied);
    return {0, line + QLatin1Char(' ') + CommandText::copiedRecords(records), {}};
}

} // namespace pw
