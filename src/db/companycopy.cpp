#include "db/companycopy.h"

#include "db/database.h"
#include "db/journal.h"
#include "db/quoting.h"
#include "db/schema.h"
#include "platform/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
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

DbResult<QString> storedOrderSelect(Database &db, const QString &table, const QStringList &names,
                                    const QList<FieldInfo> &fields, bool *inEngineOrder = nullptr)
{
    auto select = db.selectList(table, names);
    if (!select)
        return select.error();
    auto key = db.engine().storedOrderOf(table, fields);
    if (!key)
        return key.error();
    if (inEngineOrder)
        *inEngineOrder = key->isEmpty();
    const QString order = key->isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + *key;
    return QStringLiteral("SELECT %1 FROM %2%3").arg(*select, quoteIdentifier(table), order);
}

DbError DatabaseSource::rows(const QString &table, const RowVisitor &visit)
{
    auto fields = this->fields(table);
    if (!fields)
        return fields.error();
    QStringList names;
    for (const FieldInfo &f : *fields)
        names << f.name;
    bool inEngineOrder = false;
    const auto statement = storedOrderSelect(m_db, table, names, *fields, &inEngineOrder);
    if (!statement)
        return statement.error();
    if (inEngineOrder && !m_inEngineOrder.contains(table))
        m_inEngineOrder << table;
    return m_db.forEachRow(*statement, {}, visit);
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
    const auto statement = storedOrderSelect(db, table, names, fields);
    if (!statement)
        return statement.error();
    const int columns = int(names.size());
    if (DbError e = db.scan(*statement,
                            {}, [&](const RawRow &row) { d.addStored(row, columns); }))
        return e;
    return d.rows();
}

// Whether a field reads through a scan as the text both engines store for it (text, whole
// numbers, date-times); a real number's or a binary value's text differs between them.
bool readsAsText(const FieldInfo &f)
{
    return f.kind != FieldKind::Real && f.kind != FieldKind::Binary;
}

// The bytes a table of a Database stores in the fields that read as text, in stored order: one
// hash per row. With refuseAs (the source's table name), a text that cannot be carried exactly is
// refused, naming its row and field.
DbResult<std::vector<size_t>> storedBytes(Database &db, const QString &table, const QList<FieldInfo> &fields,
                                          const QString &refuseAs = {})
{
    QStringList names;
    QList<qsizetype> columns;
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (readsAsText(fields[i])) {
            names << fields[i].name;
            columns << i;
        }
    std::vector<size_t> rows;
    if (names.isEmpty())
        return rows;
    const auto statement = storedOrderSelect(db, table, names, fields);
    if (!statement)
        return statement.error();
    QByteArray bytes;
    DbError refused;
    qint64 at = 0;
    const DbError e = db.scan(*statement, {},
                              [&](const RawRow &row) {
        ++at;
        bytes.clear();
        for (int c = 0; c < int(columns.size()); ++c) {
            if (row.isNull(c)) {
                bytes.append('N');
                continue;
            }
            const QByteArrayView text = row.text(c);
            if (!refuseAs.isEmpty() && !refused) {
                const bool nul = std::memchr(text.data(), 0, size_t(text.size())) != nullptr;
                if (nul || !text.isValidUtf8())
                    refused = refusal(nul ? CopyRefusal::TextHoldsNul : CopyRefusal::TextNotUtf8)
                                  .inTable(refuseAs)
                                  .inRow(at)
                                  .inField(fields[columns[c]].name);
            }
            const qint64 size = text.size();
            bytes.append('T');
            bytes.append(reinterpret_cast<const char *>(&size), sizeof size);
            bytes.append(text);
        }
        rows.push_back(qHashBits(bytes.constData(), size_t(bytes.size()), 0));
    });
    if (e)
        return e;
    if (refused)
        return refused;
    return rows;
}

// The refusal of a table whose rows differ between the two sides, or nothing.
DbError compareRows(const QString &table, const std::vector<size_t> &source, const std::vector<size_t> &copied)
{
    if (source.size() != copied.size())
        return refusal(CopyRefusal::RowCountDiffers).inTable(table).withAmounts(qint64(source.size()), qint64(copied.size()));
    const auto differs = std::mismatch(source.begin(), source.end(), copied.begin());
    if (differs.first != source.end())
        return refusal(CopyRefusal::RowDiffers).inTable(table).inRow(differs.first - source.begin() + 1);
    return {};
}

// The first field of a row holding a text with a NUL, which a server cannot keep; -1 for none.
int fieldWithNul(const QVariantList &row)
{
    for (int i = 0; i < int(row.size()); ++i)
        if (row[i].typeId() == QMetaType::QString && static_cast<const QString *>(row[i].constData())->contains(QChar(0)))
            return i;
    return -1;
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

// The refusal of a target that holds a company already, given the names of its tables.
DbError companyThere(const Database &to, const QStringList &tables)
{
    for (const QString &name : tables)
        if (sameAsciiName(name, kSettingsTable) || sameAsciiName(name, kEmployeeListTable))
            return refusal(CopyRefusal::CompanyThere).at(to.location()).inTable(name);
    return {};
}

// A file that is there, looked at read-only: one that holds a company is refused without a byte of
// it written.
DbError refuseFileWithCompany(const Database &to)
{
    const auto look = Database::fromLocation(to.location().file, OpenFor::Reading);
    DbError e = look->openEmptyPlace();
    if (!e) {
        const auto tables = look->tableNames();
        e = tables ? companyThere(to, *tables) : tables.error();
    }
    look->close();
    return e;
}

DbResult<CopyReport> copyInto(CompanySource &from, Database &to, const std::function<DbError(Database &)> &startJournal)
{
    // What the target holds already.
    auto existing = to.tableNames();
    if (!existing)
        return existing.error();
    if (DbError e = companyThere(to, *existing))
        return e;

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
        // A journal carried over stays one that only takes rows, as the program makes it.
        if (sameAsciiName(plan.target, kJournalTable))
            if (DbError e = to.engine().keepAppendOnly(plan.target))
                return e;
        auto stored = to.fieldsOf(plan.target);
        if (!stored)
            return stored.error();
        Inserter insert(to, plan.target, *stored);
        qint64 rows = 0;
        DbError e = from.rows(plan.source, [&](const QVariantList &row) {
            ++rows;
            if (const int at = fieldWithNul(row); at >= 0)
                return refusal(CopyRefusal::TextHoldsNul).inTable(plan.source).inRow(rows).inField(plan.sourceFields.value(at).name);
            return insert.add(row);
        });
        if (!e)
            e = insert.flush();
        if (e)
            return e.reason == DbReason::CopyRefused ? e : DbError::around(DbReason::CopyTableFailed, e).inTable(plan.source);
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
        if (Database *stored = from.database()) {
            // What each side stores, byte for byte, in each field that both store as text.
            const auto before = storedBytes(*stored, plan.source, plan.sourceFields, plan.source);
            if (!before)
                return before.error();
            const auto after = storedBytes(to, plan.target, *fields);
            if (!after)
                return after.error();
            if (DbError e = compareRows(plan.source, *before, *after))
                return e;
            if (std::all_of(fields->begin(), fields->end(), readsAsText))
                continue;
        }
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
        if (DbError e = compareRows(plan.source, *before, *after))
            return e;
    }
    if (startJournal)
        if (DbError e = startJournal(to))
            return e;
    if (DbError e = write.commit())
        return e;
    report.inEngineOrder = from.readInEngineOrder();
    return report;
}

// The kind of temporary name a new file has while a copy writes it.
const QString kCopyTemporary = QStringLiteral("copy");

// A copy into a file that is not there yet: written and checked under a name of its own beside
// it, and given its name only then, if the name is still free. Two copies at once into one new
// file each write their own; the first to finish names its file, and the other is refused.
DbResult<CopyReport> copyIntoNewFile(CompanySource &from, Database &to, const std::function<DbError(Database &)> &startJournal)
{
    const QString target = to.location().file;
    safefile::removeStaleTemporaries(target, kCopyTemporary);
    const QString temp = safefile::temporaryBeside(target, kCopyTemporary);
    {
        // The folder is tried first, so a failure names it and says why.
        QFile probe(temp);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return DbError::of(DbReason::FolderNotWritable)
                .at(to.location())
                .aboutFile(QFileInfo(target).absolutePath())
                .saying(probe.errorString());
        probe.close();
        probe.remove();
    }
    Database made(temp);
    made.setJournalActor(to.journalActor());
    const auto removeMade = [&] {
        made.discardEmptyPlace();
        QFile::remove(temp);
        QFile::remove(temp + QStringLiteral("-journal"));
    };
    if (DbError e = made.openEmptyPlace()) {
        removeMade();
        return e;
    }
    auto copied = copyInto(from, made, startJournal);
    if (copied) {
        // Read again from the start, as the next program will.
        DbError e = made.openEmptyPlace();
        if (!e)
            e = made.verify();
        if (e)
            copied = e;
    }
    made.close();
    QFile::remove(temp + QStringLiteral("-journal")); // empty once committed
    if (!copied) {
        removeMade();
        return copied;
    }
    QString why;
    if (!safefile::nameIfFree(temp, target, &why)) {
        removeMade();
        if (QFileInfo::exists(target))
            return refusal(CopyRefusal::TargetMadeMeanwhile).at(to.location());
        return DbError::of(DbReason::FileNotPutInPlace).at(to.location()).saying(why);
    }
    safefile::syncFolder(target);
    return copied;
}

} // namespace

DbResult<CopyReport> copyCompany(CompanySource &from, Database &to, const std::function<DbError(Database &)> &startJournal)
{
    if (!to.isServer()) {
        to.close();
        const DbError found = to.check();
        if (found.reason == DbReason::FileMissing)
            return copyIntoNewFile(from, to, startJournal);
        if (DbError e = found ? found : refuseFileWithCompany(to))
            return e;
    }
    if (DbError e = to.openEmptyPlace())
        return e;
    auto copied = copyInto(from, to, startJournal);
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
