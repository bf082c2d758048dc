#include "domain/recordcheck.h"

#include "db/companydata.h"
#include "db/database.h"
#include "db/employeelist.h"
#include "db/journal.h"
#include "db/logtable.h"
#include "db/schema.h"
#include "domain/journalchain.h"
#include "domain/journaling.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <deque>

namespace pw {

namespace {

using Value = std::optional<QString>;

// A value of the journal's JSON as the stored value it stands for: null is Null, and a number is
// written as the program stores switches.
Value valueOf(const QJsonValue &json)
{
    if (json.isString())
        return json.toString();
    if (json.isDouble())
        return QString::number(json.toDouble(), 'g', 17);
    if (json.isBool())
        return QString::number(json.toBool() ? 1 : 0);
    return std::nullopt;
}

QJsonObject objectOf(const Value &text)
{
    return text ? QJsonDocument::fromJson(text->toUtf8()).object() : QJsonObject();
}

struct ListRow {
    QString name;
    Value wage, note;
};

QString listRowText(const QString &name, const Value &wage, const Value &note)
{
    auto json = [](const Value &v) { return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null); };
    const QJsonObject row{{QStringLiteral("name"), name}, {QStringLiteral("wage"), json(wage)}, {QStringLiteral("note"), json(note)}};
    return QString::fromUtf8(QJsonDocument(row).toJson(QJsonDocument::Compact));
}

// "Company Data"'s four fields, in their stored order.
const std::array<QString, 4> kSettingsFields{QStringLiteral("company"), QStringLiteral("subs"), QStringLiteral("money"),
                                             QStringLiteral("edits")};
using SettingsRow = std::array<Value, 4>;

QString settingsRowText(const SettingsRow &row)
{
    QVariantList values;
    for (const Value &v : row)
        values << (v ? QVariant(*v) : QVariant());
    return journaling::settingsText(values);
}

struct Log {
    QString name;
    std::deque<QByteArray> entries; // as journaling::entryJson writes them (UTF-8)
};

// The company as the journal says it must be, row by row.
class Replay {
public:
    // Applies one row; false when it does not fit what the rows before it made.
    bool apply(const JournalEntry &row)
    {
        const QString &what = row.what;
        const QString employee = row.employee.value_or(QString());
        if (what == journaling::kSeal || what == journaling::kImport || what == journaling::kPassword)
            return true;
        if (what == journaling::kFoundSettings) {
            m_settings.push_back(settingsOf(objectOf(row.after)));
            return true;
        }
        if (what == journaling::kCompany) {
            m_settings.push_back({row.after, std::nullopt, std::nullopt, std::nullopt});
            return true;
        }
        if (what == journaling::kSwitch) {
            // Only the first row of "Company Data" holds the switches; without one, nothing changed.
            const QJsonObject after = objectOf(row.after);
            if (after.size() != 1)
                return false;
            const auto field = std::find(kSettingsFields.begin() + 1, kSettingsFields.end(), after.begin().key());
            if (field == kSettingsFields.end())
                return false;
            if (!m_settings.empty())
                m_settings.front()[std::size_t(field - kSettingsFields.begin())] = valueOf(after.begin().value());
            return true;
        }
        if (what == journaling::kFoundEmployee || what == journaling::kAddEmployee) {
            const QJsonObject details = objectOf(row.after);
            m_list.push_back({employee, valueOf(details.value(QLatin1String("wage"))), valueOf(details.value(QLatin1String("note")))});
            if (what == journaling::kAddEmployee)
                logOf(employee, true); // a log kept from before is used again
            return true;
        }
        if (what == journaling::kDeleteEmployee) {
            m_list.erase(std::remove_if(m_list.begin(), m_list.end(), [&](const ListRow &r) { return r.name == employee; }),
                         m_list.end());
            return true;
        }
        if (what == journaling::kWage || what == journaling::kNote) {
            const bool wage = what == journaling::kWage;
            ListRow *changed = nullptr;
            // The row whose value was the one before; the first of the name when none was.
            for (ListRow &r : m_list) {
                if (r.name != employee)
                    continue;
                if (!changed)
                    changed = &r;
                if ((wage ? r.wage : r.note) == row.before) {
                    changed = &r;
                    break;
                }
            }
            if (!changed)
                return false;
            (wage ? changed->wage : changed->note) = row.after;
            return true;
        }
        if (what == journaling::kFoundLog) {
            logOf(employee, true);
            return true;
        }
        Log *log = logOf(employee, false);
        if (!log)
            return false;
        if (what == journaling::kFoundEntry || what == journaling::kClockIn || what == journaling::kClockOut) {
            if (!row.after)
                return false;
            log->entries.push_back(row.after->toUtf8());
            return true;
        }
        if (what == journaling::kDeleteLast) {
            if (log->entries.empty() || !row.before || log->entries.back() != row.before->toUtf8())
                return false;
            log->entries.pop_back();
            return true;
        }
        if (what == journaling::kClear || what == journaling::kRemoveEntry) {
            // Entries go in stored order, so the one removed is nearly always the first.
            if (!row.before)
                return false;
            const auto found = std::find(log->entries.begin(), log->entries.end(), row.before->toUtf8());
            if (found == log->entries.end())
                return false;
            log->entries.erase(found);
            return true;
        }
        if (what == journaling::kCorrect)
            return correct(*log, objectOf(row.before), objectOf(row.after));
        return false;
    }

    std::deque<SettingsRow> m_settings;
    std::deque<ListRow> m_list;
    QHash<QString, Log> m_logs; // by the name with ASCII letter case aside, as tables are found

private:
    static SettingsRow settingsOf(const QJsonObject &o)
    {
        SettingsRow row;
        for (std::size_t i = 0; i < kSettingsFields.size(); ++i)
            row[i] = valueOf(o.value(kSettingsFields[i]));
        return row;
    }

    Log *logOf(const QString &name, bool make)
    {
        const QString key = foldAsciiCase(name);
        auto found = m_logs.find(key);
        if (found == m_logs.end()) {
            if (!make)
                return nullptr;
            found = m_logs.insert(key, Log{name, {}});
        }
        return &found.value();
    }

    static bool correct(Log &log, const QJsonObject &before, const QJsonObject &after)
    {
        const qint64 place = before.value(QLatin1String("entry")).toInteger();
        if (place < 1 || place > qint64(log.entries.size()) || after.value(QLatin1String("entry")).toInteger() != place)
            return false;
        QByteArray &entry = log.entries[std::size_t(place - 1)];
        QJsonArray fields = QJsonDocument::fromJson(entry).array();
        if (fields.size() != 4 || fields.at(1) != before.value(QLatin1String("datetime")))
            return false;
        fields[1] = after.value(QLatin1String("datetime"));
        entry = QJsonDocument(fields).toJson(QJsonDocument::Compact);
        return true;
    }
};

Value storedValue(const QVariant &v)
{
    return v.isNull() ? std::nullopt : Value(v.toString());
}

template<typename Stored, typename Expected, typename Same, typename Text, typename TextExpected>
std::optional<RecordDifference> firstDifference(RecordDifference::Where where, const Stored &stored, const Expected &expected,
                                                Same same, Text text, TextExpected textExpected)
{
    const std::size_t n = std::max(std::size_t(stored.size()), std::size_t(expected.size()));
    for (std::size_t i = 0; i < n; ++i) {
        const bool hasStored = i < std::size_t(stored.size()), hasExpected = i < std::size_t(expected.size());
        if (hasStored && hasExpected && same(stored[i], expected[i]))
            continue;
        RecordDifference d;
        d.where = where;
        d.item = qint64(i + 1);
        if (hasStored)
            d.stored = text(stored[i]);
        if (hasExpected)
            d.journal = textExpected(expected[i]);
        return d;
    }
    return std::nullopt;
}

DbResult<std::optional<RecordDifference>> compareSettings(Database &db, const Replay &replay)
{
    const auto rows = CompanyData(db).rows();
    if (!rows)
        return rows.error();
    return firstDifference(
        RecordDifference::Where::Settings, *rows, replay.m_settings,
        [](const QVariantList &stored, const SettingsRow &expected) {
            for (std::size_t i = 0; i < expected.size(); ++i)
                if (storedValue(stored.value(int(i))) != expected[i])
                    return false;
            return true;
        },
        [](const QVariantList &stored) { return journaling::settingsText(stored); }, settingsRowText);
}

DbResult<std::optional<RecordDifference>> compareList(Database &db, const Replay &replay)
{
    const auto rows = EmployeeList(db).all();
    if (!rows)
        return rows.error();
    return firstDifference(
        RecordDifference::Where::EmployeeList, *rows, replay.m_list,
        [](const Employee &stored, const ListRow &expected) {
            return stored.name == expected.name && storedValue(stored.wage) == expected.wage
                   && storedValue(stored.comment) == expected.note;
        },
        [](const Employee &e) { return listRowText(e.name, storedValue(e.wage), storedValue(e.comment)); },
        [](const ListRow &r) { return listRowText(r.name, r.wage, r.note); });
}

DbResult<std::optional<RecordDifference>> compareLogs(Database &db, const Replay &replay)
{
    const auto tables = logTables(db);
    if (!tables)
        return tables.error();
    QSet<QString> seen;
    for (const QString &table : *tables) {
        const QString key = foldAsciiCase(table);
        seen.insert(key);
        RecordDifference d;
        d.log = table;
        const auto expected = replay.m_logs.constFind(key);
        if (expected == replay.m_logs.cend()) {
            d.stored = table;
            return std::optional<RecordDifference>(d);
        }
        const std::deque<QByteArray> &entries = expected->entries;
        std::size_t at = 0;
        bool differs = false;
        if (DbError e = LogTable(db, table).scanEntries([&](const RawRow &row) {
                if (differs)
                    return;
                const QByteArray json = journaling::entryJson(row);
                if (at < entries.size() && entries[at] == json) {
                    ++at;
                    return;
                }
                differs = true;
                d.stored = QString::fromUtf8(json);
            }))
            return e;
        if (differs || at < entries.size()) {
            d.item = qint64(at + 1);
            if (at < entries.size())
                d.journal = QString::fromUtf8(entries[at]);
            return std::optional<RecordDifference>(d);
        }
    }
    for (auto log = replay.m_logs.cbegin(); log != replay.m_logs.cend(); ++log)
        if (!seen.contains(log.key())) {
            RecordDifference d;
            d.log = log->name;
            d.journal = log->name;
            return std::optional<RecordDifference>(d);
        }
    return std::optional<RecordDifference>();
}

} // namespace

DbResult<RecordCheck> verifyRecords(Database &db, const std::optional<QString> &notedSeal)
{
    RecordCheck check;
    Replay replay;
    bool sealFound = false;
    const QByteArray noted = notedSeal ? notedSeal->toLower().toLatin1() : QByteArray();
    const auto chain = verifyChain(db, [&](const JournalRow &row) {
        if (!check.row && !replay.apply(row.entry))
            check.row = row.entry.sequence;
        if (notedSeal && row.hash.left(16) == noted)
            sealFound = true;
    });
    if (!chain)
        return chain.error();
    check.rows = chain->rows;
    if (!chain->present) {
        check.outcome = RecordCheck::Outcome::NoJournal;
        return check;
    }
    if (chain->brokenAt) {
        check.outcome = RecordCheck::Outcome::ChainBroken;
        check.row = *chain->brokenAt;
        return check;
    }
    check.seal = chain->seal();
    if (check.row) {
        check.outcome = RecordCheck::Outcome::Contradicted;
        return check;
    }
    for (auto compare : {compareSettings, compareList, compareLogs}) {
        const auto difference = compare(db, replay);
        if (!difference)
            return difference.error();
        if (*difference) {
            check.outcome = RecordCheck::Outcome::Differs;
            check.difference = **difference;
            return check;
        }
    }
    if (notedSeal && !sealFound)
        check.outcome = RecordCheck::Outcome::SealNotFound;
    return check;
}

} // namespace pw
