#include "access/accesscompany.h"

#include "db/schema.h"
#include "domain/employeename.h"
#include "platform/dialogs.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace pw {

namespace {

const QList<FieldInfo> &fieldsOf(AccessTable::Role role)
{
    switch (role) {
    case AccessTable::Role::Settings: return settingsFields();
    case AccessTable::Role::EmployeeList: return employeeListFields();
    case AccessTable::Role::Log: break;
    }
    return logFields();
}

// The old file's column of that name, letter case aside; -1 when there is none.
int columnNamed(const JetTable &table, const QString &name)
{
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        if (sameAsciiName(table.columns[i].name, name))
            return int(i);
    return -1;
}

// How a table of the old file is brought over; nothing when it is not.
std::optional<AccessTable> planFor(const JetTable &table)
{
    AccessTable plan;
    plan.name = table.name;
    if (sameAsciiName(table.name, kSettingsTable)) {
        plan.role = AccessTable::Role::Settings;
        plan.name = kSettingsTable;
    } else if (sameAsciiName(table.name, kEmployeeListTable)) {
        plan.role = AccessTable::Role::EmployeeList;
        plan.name = kEmployeeListTable;
    }
    QList<bool> used(table.columns.size(), false);
    for (const FieldInfo &field : fieldsOf(plan.role)) {
        const int column = columnNamed(table, field.name);
        plan.columns << column;
        plan.types << (column >= 0 ? table.columns[column].type : JetType::Unknown);
        if (column >= 0)
            used[column] = true;
    }
    if (plan.role == AccessTable::Role::Log) {
        // A time log has all four fields, its date and time stored as one.
        if (plan.columns.contains(-1) || plan.types[1] != JetType::DateTime)
            return std::nullopt;
    }
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        if (!used[i])
            plan.leftOutFields << table.columns[i].name;
    return plan;
}

// Text of a number with the locale's decimal separator and no group separators.
QString numberText(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', QLocale::FloatingPointShortest);
}

// "12.5000" as "12.5", "-3.0000" as "-3", with the locale's decimal separator.
QString currencyText(QString exact, const QLocale &locale)
{
    const qsizetype point = exact.indexOf(QLatin1Char('.'));
    if (point < 0)
        return exact;
    while (exact.endsWith(QLatin1Char('0')))
        exact.chop(1);
    if (exact.endsWith(QLatin1Char('.')))
        exact.chop(1);
    else
        exact.replace(point, 1, locale.decimalPoint());
    return exact;
}

// Batches of rows handed from the reading thread to the thread that takes them; a few batches
// ahead at most.
class RowChannel {
public:
    using Batch = QVariantList;
    static constexpr qsizetype kRowsPerBatch = 512;

    // False once the taker has stopped: the reading ends.
    bool put(Batch &&batch)
    {
        std::unique_lock lock(m_mutex);
        m_space.wait(lock, [&] { return m_batches.size() < kMostBatches || m_stopped; });
        if (m_stopped)
            return false;
        m_batches.push_back(std::move(batch));
        m_ready.notify_one();
        return true;
    }
    void close()
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        m_ready.notify_one();
    }
    // False at the end.
    bool take(Batch &batch)
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return !m_batches.empty() || m_closed; });
        if (m_batches.empty())
            return false;
        batch = std::move(m_batches.front());
        m_batches.pop_front();
        m_space.notify_one();
        return true;
    }
    void stop()
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_space.notify_one();
    }

private:
    static constexpr size_t kMostBatches = 8;
    std::mutex m_mutex;
    std::condition_variable m_space, m_ready;
    std::deque<Batch> m_batches;
    bool m_closed = false;
    bool m_stopped = false;
};

} // namespace

std::optional<QVariant> accessValue(const QVariant &value, JetType type, FieldKind kind, const QLocale &locale)
{
    if (type == JetType::Boolean && kind == FieldKind::SmallInt)
        return QVariant(value.toBool() ? 1 : 0);
    if (!value.isValid() || value.isNull())
        return QVariant();
    if (value.typeId() == QMetaType::QByteArray)
        return std::nullopt; // Binary or OLE data has no text
    if (kind == FieldKind::Text && (type == JetType::Text || type == JetType::Memo))
        return value; // the usual case, once for every value of every log
    switch (kind) {
    case FieldKind::SmallInt: {
        bool number = false;
        const double n = type == JetType::Text || type == JetType::Memo ? value.toString().trimmed().toDouble(&number)
                                                                         : value.toDouble(&number);
        return QVariant(number && (n == 1.0 || n == -1.0) ? 1 : 0);
    }
    case FieldKind::DateTime:
        if (type != JetType::DateTime)
            return std::nullopt;
        return value;
    default:
        break;
    }
    switch (type) {
    case JetType::Boolean: return QVariant(value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    case JetType::Byte:
    case JetType::Integer:
    case JetType::LongInteger:
    case JetType::Complex: return QVariant(QString::number(value.toLongLong()));
    case JetType::Single:
    case JetType::Double: return QVariant(numberText(value.toDouble(), locale));
    case JetType::Currency: return QVariant(currencyText(value.toString(), locale));
    default: return QVariant(value.toString());
    }
}

AccessCompany::AccessCompany(const QString &path, const QLocale &locale)
    : m_path(QFileInfo(path).absoluteFilePath()), m_locale(locale)
{
}

AccessCompany::~AccessCompany() = default;

JetFormat AccessCompany::format() const
{
    return m_reader.format();
}

bool AccessCompany::hasSettings() const
{
    for (const AccessTable &t : m_carried)
        if (t.role == AccessTable::Role::Settings && !t.name.isEmpty())
            return true;
    return false;
}

qint64 AccessCompany::rowsRead(const QString &table) const
{
    return m_rowsRead.value(table, -1);
}

DbError AccessCompany::open()
{
    m_carried.clear();
    m_leftOut.clear();
    m_names.clear();
    m_rowsRead.clear();
    if (DbError e = m_reader.open(m_path))
        return e;
    return plan();
}

DbError AccessCompany::plan()
{
    const JetTable *list = nullptr;
    bool settings = false;
    for (const JetTable &table : m_reader.tables()) {
        std::optional<AccessTable> plan = planFor(table);
        if (!plan) {
            m_leftOut << table.name;
            continue;
        }
        if (plan->role == AccessTable::Role::EmployeeList)
            list = &table;
        settings = settings || plan->role == AccessTable::Role::Settings;
        m_carried << *plan;
    }
    if (!list)
        return DbError::of(DbReason::AccessNoEmployeeList).aboutFile(m_path);
    const int nameColumn = columnNamed(*list, QStringLiteral("Ename"));
    if (nameColumn < 0)
        return DbError::of(DbReason::AccessNoNameField).aboutFile(m_path).inTable(list->name);
    if (!settings) {
        // A company that never had its first start: the new file gets the empty settings table the
        // delivered one has, and the first start asks for the name.
        AccessTable empty;
        empty.role = AccessTable::Role::Settings;
        empty.columns = {-1, -1, -1, -1};
        empty.types = {JetType::Unknown, JetType::Unknown, JetType::Unknown, JetType::Unknown};
        m_carried.prepend(empty);
    }
    return m_reader.readRows(list->name, [&](qint64, const QVariantList &values) {
        m_names << values[nameColumn].toString();
        return true;
    });
}

const AccessTable *AccessCompany::find(const QString &table) const
{
    for (const AccessTable &t : m_carried) {
        const QString name = t.name.isEmpty() ? kSettingsTable : t.name;
        if (name == table)
            return &t;
    }
    return nullptr;
}

DbResult<QStringList> AccessCompany::tables()
{
    QStringList names;
    for (const AccessTable &t : m_carried)
        names << (t.name.isEmpty() ? kSettingsTable : t.name);
    return names;
}

DbResult<QList<FieldInfo>> AccessCompany::fields(const QString &table)
{
    const AccessTable *t = find(table);
    if (!t)
        return QList<FieldInfo>();
    return fieldsOf(t->role);
}

bool AccessCompany::mapRow(const AccessTable &table, qint64 row, const QVariantList &values, QVariantList *out,
                           DbError *failure) const
{
    const QList<FieldInfo> &fields = fieldsOf(table.role);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const int column = table.columns[i];
        if (column < 0) {
            out->append(QVariant());
            continue;
        }
        std::optional<QVariant> value = accessValue(values[column], table.types[i], fields[i].kind, m_locale);
        if (!value) {
            *failure = DbError::of(DbReason::AccessBinaryValue)
                           .aboutFile(m_path)
                           .inTable(table.name)
                           .inRow(row)
                           .inField(fields[i].name);
            return false;
        }
        out->append(std::move(*value));
    }
    return true;
}

DbError AccessCompany::rows(const QString &table, const RowVisitor &visit)
{
    m_readFailure = {};
    const AccessTable *t = find(table);
    if (!t)
        return DbError::of(DbReason::AccessNoSuchTable).aboutFile(m_path).inTable(table);
    const bool onOwnThread = std::this_thread::get_id() == m_owner;
    if (m_progress && onOwnThread && !m_rowsRead.contains(table)) {
        if (!m_progress->step(m_steps, table)) {
            m_cancelled = true;
            m_readFailure = DbError::of(DbReason::AccessCancelled).aboutFile(m_path);
            return m_readFailure;
        }
        ++m_steps;
    }
    if (t->name.isEmpty()) { // the settings table the old file did not have
        m_rowsRead[table] = 0;
        return {};
    }

    DbError readError;
    DbError valueFailure;
    DbError visitError;
    qint64 count = 0;
    if (!onOwnThread) {
        // Already off the caller's thread (the comparison): read and hand over right here.
        QVariantList mapped;
        readError = m_reader.readRows(t->name, [&](qint64 row, const QVariantList &values) {
            mapped.clear();
            if (!mapRow(*t, row, values, &mapped, &valueFailure))
                return false;
            count = row;
            return !(visitError = visit(mapped));
        });
    } else {
        // The file is read on a second thread while this one takes the rows read before. A batch
        // holds the values of its rows one after another.
        const qsizetype width = fieldsOf(t->role).size();
        RowChannel channel;
        std::thread reading([&] {
            RowChannel::Batch batch;
            batch.reserve(RowChannel::kRowsPerBatch * width);
            readError = m_reader.readRows(t->name, [&](qint64 row, const QVariantList &values) {
                if (!mapRow(*t, row, values, &batch, &valueFailure))
                    return false;
                count = row;
                if (batch.size() >= RowChannel::kRowsPerBatch * width) {
                    if (!channel.put(std::move(batch)))
                        return false;
                    batch = {};
                    batch.reserve(RowChannel::kRowsPerBatch * width);
                }
                return true;
            });
            if (!batch.isEmpty())
                channel.put(std::move(batch));
            channel.close();
        });
        RowChannel::Batch batch;
        QVariantList row;
        while (!visitError && channel.take(batch)) {
            for (qsizetype at = 0; at + width <= batch.size() && !visitError; at += width) {
                row.clear();
                for (qsizetype i = 0; i < width; ++i)
                    row.append(batch.at(at + i));
                visitError = visit(row);
            }
        }
        channel.stop();
        reading.join();
    }

    m_readFailure = valueFailure ? valueFailure : readError;
    if (m_readFailure)
        return m_readFailure;
    if (visitError)
        return visitError;
    m_rowsRead[table] = count;
    return {};
}

QList<UnusualName> namesTheAddDialogRefuses(const QStringList &names)
{
    QList<UnusualName> refused;
    QHash<QString, int> times;
    QHash<QString, QString> firstByFold;
    for (const QString &name : names)
        ++times[name];
    QSet<QString> told;
    for (const QString &name : names) {
        if (told.contains(name))
            continue;
        told.insert(name);
        UnusualName unusual;
        unusual.name = name;
        unusual.faults = employeeNameFaults(name);
        unusual.times = times.value(name);
        unusual.companyTable = sameAsciiName(name, kSettingsTable) || sameAsciiName(name, kEmployeeListTable);
        const QString fold = foldAsciiCase(name);
        if (const auto other = firstByFold.constFind(fold); other != firstByFold.constEnd())
            unusual.sameAs = *other;
        else
            firstByFold.insert(fold, name);
        if (unusual.faults.any() || unusual.times > 1 || unusual.companyTable || !unusual.sameAs.isEmpty())
            refused << unusual;
    }
    return refused;
}

} // namespace pw
