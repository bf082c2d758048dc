#include "db/companycopy.h"

#include "db/database.h"
#include "db/quoting.h"
#include "db/schema.h"

#include <QHashFunctions>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <thread>
#include <vector>

namespace pw {

// --- the source side -------------------------------------------------------------------------------

DbResult<QStringList> DatabaseSource::tables()
{
    auto names = m_db.tableNames();
    if (!names)
        return names.error();
    QStringList company;
    for (const QString &name : *names)
        if (m_db.engine().canHoldName(name))
            company << name;
    return company;
}

DbResult<QList<FieldInfo>> DatabaseSource::fields(const QString &table)
{
    return m_db.columnsOf(table);
}

DbError DatabaseSource::rows(const QString &table, const RowVisitor &visit)
{
    auto fields = this->fields(table);
    if (!fields)
        return fields.error();
    QStringList names;
    for (const FieldInfo &f : *fields)
        names << f.name;
    auto select = m_db.selectList(table, names);
    if (!select)
        return select.error();
    return m_db.forEachRow(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(*select, quoteIdentifier(table), m_db.orderKey()),
                           {}, visit);
}

// --- the copy ----------------------------------------------------------------------------------------

namespace {

// At most this many bound values in one INSERT (SQLite's oldest limit is 999).
constexpr int kMaxValuesPerInsert = 900;

struct TablePlan {
    QString source, target;
    QList<FieldInfo> sourceFields, targetFields;
};

bool sameFieldNames(const QList<FieldInfo> &a, const QList<FieldInfo> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!sameAsciiName(a[i].name, b[i].name))
            return false;
    return true;
}

// How a table of the source is made in the target: the company's own tables as the target engine
// makes them, anything else with its own fields.
TablePlan planFor(const QString &table, const QList<FieldInfo> &fields)
{
    TablePlan plan{table, table, fields, fields};
    if (sameAsciiName(table, kSettingsTable) && sameFieldNames(fields, settingsFields())) {
        plan.target = kSettingsTable;
        plan.targetFields = settingsFields();
    } else if (sameAsciiName(table, kEmployeeListTable) && sameFieldNames(fields, employeeListFields())) {
        plan.target = kEmployeeListTable;
        plan.targetFields = employeeListFields();
    } else if (sameFieldNames(fields, logFields())) {
        plan.targetFields = logFields();
    }
    return plan;
}

DbError refusal(CopyRefusal why)
{
    return DbError::of(DbReason::CopyRefused).because(why);
}

// Every value of a table, in stored order, as one hash per row. A value counts as its text (a
// blob as its bytes, a text as its UTF-16 code units, so a text the target could not store whole
// differs), Null apart from every text; lengths keep neighbours apart.
class TableDigest {
public:
    void add(const QVariantList &row)
    {
        m_bytes.clear();
        for (const QVariant &v : row) {
            if (!v.isValid() || v.isNull()) {
                m_bytes.append('N');
                continue;
            }
            if (v.typeId() == QMetaType::QByteArray) {
                const QByteArray blob = v.toByteArray();
                append('B', blob);
                continue;
            }
            const QString text = v.typeId() == QMetaType::QString ? *static_cast<const QString *>(v.constData()) : v.toString();
            append('T', QByteArrayView(reinterpret_cast<const char *>(text.constData()), text.size() * 2));
        }
        m_rows.push_back(qHashBits(m_bytes.constData(), size_t(m_bytes.size()), 0));
    }
    // A row straight from the engine's scan, hashed as add() hashes the same values read as
    // QVariants: only for fields whose stored text is what QVariant::toString() gives (text,
    // date-times, whole numbers).
    void addStored(const RawRow &row, int columns)
    {
        m_bytes.clear();
        for (int c = 0; c < columns; ++c) {
            if (row.isNull(c)) {
                m_bytes.append('N');
                continue;
            }
            const QByteArrayView utf8 = row.text(c);
            m_utf16.resize(m_decoder.requiredSpace(utf8.size()));
            const QChar *end = m_decoder.appendToBuffer(m_utf16.data(), utf8);
            append('T', QByteArrayView(reinterpret_cast<const char *>(m_utf16.constData()),
                                       (end - m_utf16.constData()) * qsizetype(sizeof(QChar))));
        }
        m_rows.push_back(qHashBits(m_bytes.constData(), size_t(m_bytes.size()), 0));
    }
    const std::vector<size_t> &rows() const { return m_rows; }

private:
    void append(char tag, QByteArrayView bytes)
    {
        const qint64 size = bytes.size();
        m_bytes.append(tag);
        m_bytes.append(reinterpret_cast<const char *>(&size), sizeof size);
        m_bytes.append(bytes);
    }

    QByteArray m_bytes;
    std::vector<size_t> m_rows;
    QStringDecoder m_decoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    QString m_utf16;
};

DbResult<std::vector<size_t>> digest(CompanySource &source, const QString &table);

// A table of a Database read back for the comparison: through the engine's raw scan when every
// field reads back as its text, through Qt SQL otherwise.
DbResult<std::vector<size_t>> digestStored(Database &db, const QString &table, const QList<FieldInfo> &fields)
{
    TableDigest d;
    QStringList names;
    for (const FieldInfo &f : fields) {
        if (f.kind == FieldKind::Real || f.kind == FieldKind::Binary) {
            DatabaseSource source(db);
            return digest(source, table);
        }
        names << f.name;
    }
    auto select = db.selectList(table, names);
    if (!select)
        return select.error();
    const int columns = int(names.size());
    if (DbError e = db.scan(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(*select, quoteIdentifier(table), db.orderKey()),
                            {}, [&](const RawRow &row) { d.addStored(row, columns); }))
        return e;
    return d.rows();
}

DbResult<std::vector<size_t>> digest(CompanySource &source, const QString &table)
{
    TableDigest d;
    if (DbError e = source.rows(table, [&](const QVariantList &row) {
            d.add(row);
            return DbError{};
        }))
        return e;
    return d.rows();
}

// Inserts rows into one table of the target, many rows to a statement.
class Inserter {
public:
    Inserter(Database &db, const QString &table, const QStringList &fields) : m_db(db), m_fields(fields)
    {
        QStringList quoted;
        for (const QString &f : fields)
            quoted << quoteIdentifier(f);
        m_head = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(quoteIdentifier(table), quoted.join(QStringLiteral(", ")));
        m_perStatement = qMax(1, kMaxValuesPerInsert / qMax(1, int(fields.size())));
        m_appender = db.engine().appender(quoteIdentifier(table), quoted);
    }

    DbError add(const QVariantList &row)
    {
        if (m_appender)
            return m_appender->append(row);
        m_pending << row;
        return int(m_pending.size()) >= m_perStatement ? flush() : DbError{};
    }

    DbError flush()
    {
        if (m_appender)
            return m_appender->finish();
        if (m_pending.isEmpty())
            return {};
        const int rows = int(m_pending.size());
        if (rows != m_preparedRows) {
            QStringList marks;
            for (int i = 0; i < int(m_fields.size()); ++i)
                marks << QStringLiteral("?");
            const QString one = QLatin1Char('(') + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
            QStringList all;
            for (int i = 0; i < rows; ++i)
                all << one;
            m_statement = m_head + all.join(QStringLiteral(", "));
            m_preparedRows = rows;
        }
        QVariantList values;
        values.reserve(rows * m_fields.size());
        for (const QVariantList &row : std::as_const(m_pending))
            values << row;
        m_pending.clear();
        return m_db.exec(m_statement, values);
    }

private:
    Database &m_db;
    QStringList m_fields;
    QString m_head;
    int m_perStatement = 1;
    QList<QVariantList> m_pending;
    QString m_statement; // the INSERT for m_preparedRows rows
    int m_preparedRows = -1;
    std::unique_ptr<RowAppender> m_appender; // the engine's own way, when it has one
};

DbResult<CopyReport> copyInto(CompanySource &from, Database &to)
{
    // What the target holds already.
    auto existing = to.tableNames();
    if (!existing)
        return existing.error();
    for (const QString &name : *existing)
        if (sameAsciiName(name, kSettingsTable) || sameAsciiName(name, kEmployeeListTable))
            return refusal(CopyRefusal::CompanyThere).at(to.location()).inTable(name);

    // The plan, and every reason to refuse it, before anything is written.
    auto tables = from.tables();
    if (!tables)
        return tables.error();
    QList<TablePlan> plans;
    QSet<QString> targetNames;
    for (const QString &name : *existing)
        targetNames.insert(foldAsciiCase(name));
    const QStringList hidden = to.engine().hiddenColumns();
    for (const QString &table : *tables) {
        auto fields = from.fields(table);
        if (!fields)
            return fields.error();
        if (fields->isEmpty())
            return refusal(CopyRefusal::NoFields).inTable(table);
        const TablePlan plan = planFor(table, *fields);
        if (!to.engine().canHoldName(plan.target))
            return refusal(CopyRefusal::NameNotHeld).inTable(plan.target);
        if (targetNames.contains(foldAsciiCase(plan.target)))
            return refusal(CopyRefusal::SecondName).inTable(plan.target);
        targetNames.insert(foldAsciiCase(plan.target));
        for (const FieldInfo &f : plan.targetFields)
            for (const QString &own : hidden)
                if (sameAsciiName(f.name, own))
                    return refusal(CopyRefusal::ReservedField).inTable(table).inField(f.name);
        plans << plan;
    }

    Database::Transaction write(to);
    if (!write.ok())
        return write.beginError();
    CopyReport report;
    for (const TablePlan &plan : std::as_const(plans)) {
        if (DbError e = to.exec(to.engine().createTable(quoteIdentifier(plan.target), plan.targetFields)))
            return e;
        auto stored = to.fieldsOf(plan.target);
        if (!stored)
            return stored.error();
        Inserter insert(to, plan.target, *stored);
        qint64 rows = 0;
        DbError e = from.rows(plan.source, [&](const QVariantList &row) {
            ++rows;
            return insert.add(row);
        });
        if (!e)
            e = insert.flush();
        if (e)
            return DbError::around(DbReason::CopyTableFailed, e).inTable(plan.source);
        ++report.tables;
        report.rows += rows;
    }

    // Both sides read again, and compared.
    auto written = to.tableNames();
    if (!written)
        return written.error();
    QStringList expected;
    for (const TablePlan &plan : std::as_const(plans))
        expected << plan.target;
    if (*written != *existing + expected)
        return refusal(CopyRefusal::TablesDiffer);
    DatabaseSource target(to);
    for (const TablePlan &plan : std::as_const(plans)) {
        auto fields = target.fields(plan.target);
        if (!fields)
            return fields.error();
        if (!sameFieldNames(*fields, plan.sourceFields))
            return refusal(CopyRefusal::FieldsDiffer).inTable(plan.source);
        DbResult<std::vector<size_t>> before = DbError{}, after = DbError{};
        if (from.readsOnAnyThread()) {
            std::thread sourceSide([&] { before = digest(from, plan.source); });
            after = digestStored(to, plan.target, *fields);
            sourceSide.join();
        } else {
            before = digest(from, plan.source);
            after = digestStored(to, plan.target, *fields);
        }
        if (!before)
            return before.error();
        if (!after)
            return after.error();
        const std::vector<size_t> &source = *before, &copied = *after;
        if (source.size() != copied.size())
            return refusal(CopyRefusal::RowCountDiffers).inTable(plan.source).withAmounts(qint64(source.size()), qint64(copied.size()));
        const auto differs = std::mismatch(source.begin(), source.end(), copied.begin());
        if (differs.first != source.end())
            return refusal(CopyRefusal::RowDiffers).inTable(plan.source).inRow(differs.first - source.begin() + 1);
    }
    if (DbError e = write.commit())
        return e;
    return report;
}

} // namespace

DbResult<CopyReport> copyCompany(CompanySource &from, Database &to)
{
    if (DbError e = to.openEmptyPlace())
        return e;
    auto copied = copyInto(from, to);
    if (!copied) {
        // The transaction is rolled back by now; a file made for the copy goes too.
        to.discardEmptyPlace();
        return copied.error();
    }
    to.close();
    return copied;
}

DbResult<CopyReport> copyCompany(Database &from, Database &to)
{
    if (&from == &to || from.location() == to.location())
        return refusal(CopyRefusal::SameSourceAndTarget);
    if (!from.isOpen())
        return DbError::of(DbReason::CopySourceNotOpen);
    DatabaseSource source(from);
    return copyCompany(source, to);
}

} // namespace pw
