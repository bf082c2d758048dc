#include "domain/journaling.h"

#include "db/database.h"
#include "db/journal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pw::journaling {

namespace {

QJsonValue jsonOf(const QVariant &stored)
{
    return stored.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(stored.toString());
}

} // namespace

QString entryText(const QVariant &ename, const QVariant &datetime, const QVariant &inoutfx, const QVariant &activity)
{
    const QJsonArray fields{jsonOf(ename), jsonOf(datetime), jsonOf(inoutfx), jsonOf(activity)};
    return QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact));
}

QString entryText(const LogEntry &entry)
{
    return entryText(entry.ename, entry.datetime, entry.inoutfx, entry.activity);
}

QString detailsText(const QVariant &wage, const QVariant &note)
{
    const QJsonObject details{{QStringLiteral("wage"), jsonOf(wage)}, {QStringLiteral("note"), jsonOf(note)}};
    return QString::fromUtf8(QJsonDocument(details).toJson(QJsonDocument::Compact));
}

QString settingsText(const QVariantList &row)
{
    const QJsonObject settings{{QStringLiteral("company"), jsonOf(row.value(0))},
                               {QStringLiteral("subs"), jsonOf(row.value(1))},
                               {QStringLiteral("money"), jsonOf(row.value(2))},
                               {QStringLiteral("edits"), jsonOf(row.value(3))}};
    return QString::fromUtf8(QJsonDocument(settings).toJson(QJsonDocument::Compact));
}

QString correctionText(qint64 place, const QVariant &datetime)
{
    const QJsonObject correction{{QStringLiteral("entry"), place}, {QStringLiteral("datetime"), jsonOf(datetime)}};
    return QString::fromUtf8(QJsonDocument(correction).toJson(QJsonDocument::Compact));
}

std::optional<QString> valueText(const QVariant &stored)
{
    return stored.isNull() ? std::nullopt : std::optional<QString>(stored.toString());
}

void setWorkstation(Database &db, const QString &hostName, const Clock &clock)
{
    JournalActor actor = db.journalActor();
    actor.workstation = hostName;
    actor.clock = &clock;
    db.setJournalActor(actor);
}

void setWho(Database &db, const QString &who)
{
    db.setJournalWho(who);
}

DbError record(Database &db, const QString &what, const std::optional<QString> &employee,
               const std::optional<QString> &before, const std::optional<QString> &after)
{
    return Journal(db).record({what, employee, before, after});
}

} // namespace pw::journaling
