#include "domain/recordviews.h"

#include "db/logtable.h"
#include "db/recordset.h"
#include "domain/clocking.h"
#include "domain/employees.h"

namespace pw {

RecordView::RecordView(Database &db, QObject *parent) : QObject(parent), m_db(db), m_records(new RecordSet(db, this))
{
    connect(m_records, &RecordSet::aboutToLeaveRow, this, &RecordView::aboutToLeaveRow);
    connect(m_records, &RecordSet::currentChanged, this, &RecordView::currentChanged);
}

RecordView::~RecordView() = default;

void RecordView::setRecordSource(const QString &table)
{
    m_records->setRecordSource(table);
}

const QString &RecordView::recordSource() const
{
    return m_records->recordSource();
}

DbError RecordView::refresh()
{
    return m_records->refresh();
}

DbError RecordView::moveFirst()
{
    return m_records->moveFirst();
}

DbError RecordView::moveLast()
{
    return m_records->moveLast();
}

DbError RecordView::moveNext()
{
    return m_records->moveNext();
}

DbError RecordView::movePrevious()
{
    return m_records->movePrevious();
}

bool RecordView::isOpen() const
{
    return m_records->isOpen();
}

bool RecordView::eof() const
{
    return m_records->eof();
}

bool RecordView::bof() const
{
    return m_records->bof();
}

bool RecordView::hasCurrent() const
{
    return m_records->hasCurrent();
}

qint64 RecordView::currentRowid() const
{
    return m_records->currentRowid();
}

QVariant RecordView::field(const QString &name) const
{
    return m_records->field(name);
}

DbError RecordView::store(const Edits &edits)
{
    if (!hasCurrent() || edits.empty())
        return {};
    auto stored = storeEdits(currentRowid(), edits);
    if (!stored)
        return stored.error();
    m_records->noteStored(*stored);
    return {};
}

DbError RecordView::noSuchField(const QString &field)
{
    return DbError::of(DbReason::NoSuchField).inField(field);
}

DbResult<std::vector<std::pair<QString, QVariant>>> LogView::storeEdits(qint64 row, const Edits &edits)
{
    std::vector<std::pair<QString, QVariant>> stored;
    for (const auto &[field, text] : edits) {
        if (field.compare(QLatin1String("datetime"), Qt::CaseInsensitive) != 0)
            return noSuchField(field);
        auto when = clocking::correctEntryTime(m_db, recordSource(), row, text);
        if (!when)
            return when.error();
        stored.emplace_back(field, when->toStored());
    }
    return stored;
}

DbResult<std::vector<std::pair<QString, QVariant>>> EmployeeView::storeEdits(qint64 row, const Edits &edits)
{
    std::optional<QString> wage, comment;
    for (const auto &[field, text] : edits) {
        if (field.compare(QLatin1String("Ewage"), Qt::CaseInsensitive) == 0)
            wage = text;
        else if (field.compare(QLatin1String("Ecomment"), Qt::CaseInsensitive) == 0)
            comment = text;
        else
            return noSuchField(field);
    }
    if (DbError e = changeEmployeeDetails(m_db, row, wage, comment))
        return e;
    std::vector<std::pair<QString, QVariant>> stored;
    for (const auto &[field, text] : edits)
        stored.emplace_back(field, text);
    return stored;
}

DbResult<QStringList> LogRows::fields()
{
    return LogTable(m_db, m_table).fields();
}

DbResult<qint64> LogRows::count()
{
    return LogTable(m_db, m_table).count();
}

DbResult<QList<QVariantList>> LogRows::block(const QStringList &fields, qint64 offset, int limit)
{
    return LogTable(m_db, m_table).rows(fields, offset, limit);
}

} // namespace pw
