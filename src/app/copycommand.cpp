#include "app/copycommand.h"

#include "app/options.h"
#include "db/companycopy.h"
#include "db/database.h"

namespace pw {

namespace {

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

CopyCommandResult failed(const QString &why)
{
    const QString prefix = QStringLiteral("the company was not copied");
    return {1, oneLine(why.startsWith(prefix) ? why : prefix + QStringLiteral(": ") + why)};
}

} // namespace

CopyCommandResult copyCompanyCommand(const QString &from, const QString &to, const QString &folder)
{
    const auto source = Database::fromLocation(resolveLocation(from, folder));
    const auto target = Database::fromLocation(resolveLocation(to, folder));
    if (source->path() == target->path())
        return failed(QStringLiteral("the source and the target are the same"));
    if (DbError e = source->open())
        return failed(QStringLiteral("%1 cannot be read: %2").arg(source->path(), e.text()));
    const auto copied = copyCompany(*source, *target);
    source->close();
    if (!copied)
        return failed(copied.error().text());
    return {0, QStringLiteral("Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.")
                   .arg(source->path(), target->path())
                   .arg(copied->tables)
                   .arg(copied->rows)};
}

} // namespace pw
