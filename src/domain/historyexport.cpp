#include "domain/historyexport.h"

#include "db/database.h"
#include "db/journal.h"
#include "domain/csvfile.h"
#include "domain/journalchain.h"

#include <QStringList>

namespace pw::historyexport {

namespace {

const QString kTemporaryKind = QStringLiteral("history");

QString field(const std::optional<QString> &value)
{
    return value ? csvField(*value) : QString();
}

QString recordOf(const JournalRow &row)
{
    const JournalEntry &e = row.entry;
    return QStringList{QString::number(e.sequence), csvField(csvDateTime(e.storedAt)), csvField(e.workstation),
                       csvField(e.who), csvField(e.what), field(e.employee), field(e.before), field(e.after),
                       csvField(QString::fromLatin1(row.hash))}
        .join(QLatin1Char(','));
}

Outcome failed(Outcome::Status status, const history::Seal &seal = {}, const DbError &e = {}, const QString &why = {})
{
    Outcome o;
    o.status = status;
    o.seal = seal;
    o.error = e;
    o.why = why;
    return o;
}

} // namespace

Outcome exportHistory(Database &db, const QString &path)
{
    // The chain is checked before any file is made, so records that do not verify leave none.
    const auto check = verifyChain(db);
    if (!check)
        return failed(Outcome::Unreadable, {}, check.error());
    const history::Seal seal = history::sealOf(*check);
    if (seal.status != history::Seal::Sealed)
        return failed(Outcome::NotSealed, seal);

    CsvFile file(path, kTemporaryKind);
    if (!file.open(kHeader))
        return failed(Outcome::NotSaved, seal, {}, file.why());
    qint64 written = 0;
    QByteArray lastHash;
    // The walk stops at the row the check ended on, with an error of its own that is none.
    const DbError e = Journal(db).walk([&](const JournalRow &row) -> DbError {
        if (written == check->rows)
            return DbError::of(DbReason::EngineError);
        file.add(recordOf(row));
        ++written;
        lastHash = row.hash;
        return {};
    });
    if (e && written < check->rows)
        return failed(Outcome::Unreadable, seal, e);
    // A row rewritten between the check and the walk: the file would not end at the seal.
    if (written < check->rows || lastHash != check->lastHash) {
        history::Seal broken = seal;
        broken.status = history::Seal::Broken;
        broken.digits.clear();
        broken.brokenAt = written < check->rows ? written + 1 : 0;
        return failed(Outcome::NotSealed, broken);
    }
    if (!file.finish())
        return failed(Outcome::NotSaved, seal, {}, file.why());
    Outcome outcome;
    outcome.seal = seal;
    return outcome;
}

} // namespace pw::historyexport
