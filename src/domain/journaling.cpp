#include "domain/journaling.h"

#include "db/database.h"
#include "db/engine.h"
#include "db/journal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace pw::journaling {

namespace {

QJsonValue jsonOf(const QVariant &stored)
{
    return stored.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(stored.toString());
}

} // namespace

namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendEscape(QByteArray &out, char16_t u)
{
    out.append("\\u");
    for (int shift = 12; shift >= 0; shift -= 4)
        out.append(kHex[(u >> shift) & 0xf]);
}

// One ASCII character of a JSON string.
void appendAscii(QByteArray &out, char u)
{
    if (u >= 0x20 && u != '"' && u != '\\') {
        out.append(u);
        return;
    }
    const char *named = u == '"' ? "\\\"" : u == '\\' ? "\\\\" : u == 0x8 ? "\\b" : u == 0xc ? "\\f"
                      : u == 0xa ? "\\n" : u == 0xd ? "\\r" : u == 0x9 ? "\\t" : nullptr;
    if (named)
        out.append(named);
    else
        appendEscape(out, char16_t(u));
}

// A value as compact JSON writes it, byte for byte as QJsonDocument does: null, or a string whose
// quote, backslash and control characters are escaped (the usual five by letter, the rest as
// \u00xx), whose other characters are UTF-8, and whose lone surrogates are \uxxxx.
void appendJson(QByteArray &out, const QVariant &stored)
{
    if (stored.isNull()) {
        out.append("null");
        return;
    }
    const QString text = stored.toString();
    out.append('"');
    const char16_t *c = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = c + text.size();
    const auto escape = [&out](char16_t u) { appendEscape(out, u); };
    while (c != end) {
        const char16_t u = *c++;
        if (u < 0x80) {
            appendAscii(out, char(u));
        } else if (u < 0x800) {
            out.append(char(0xc0 | (u >> 6))).append(char(0x80 | (u & 0x3f)));
        } else if (QChar::isHighSurrogate(u) && c != end && QChar::isLowSurrogate(*c)) {
            const char32_t code = QChar::surrogateToUcs4(u, *c++);
            out.append(char(0xf0 | (code >> 18))).append(char(0x80 | ((code >> 12) & 0x3f)));
            out.append(char(0x80 | ((code >> 6) & 0x3f))).append(char(0x80 | (code & 0x3f)));
        } else if (QChar::isSurrogate(u)) {
            escape(u);
        } else {
            out.append(char(0xe0 | (u >> 12))).append(char(0x80 | ((u >> 6) & 0x3f))).append(char(0x80 | (u & 0x3f)));
        }
    }
    out.append('"');
}

} // namespace

QString entryText(const QVariant &ename, const QVariant &datetime, const QVariant &inoutfx, const QVariant &activity)
{
    // Written by hand rather than through QJsonDocument: checking the records writes one for every
    // entry of every log.
    QByteArray json;
    json.reserve(96);
    json.append('[');
    appendJson(json, ename);
    for (const QVariant *field : {&datetime, &inoutfx, &activity}) {
        json.append(',');
        appendJson(json, *field);
    }
    json.append(']');
    return QString::fromUtf8(json);
}

QByteArray entryJson(const RawRow &row)
{
    // Text of ASCII alone, as nearly every entry is, goes straight from its bytes; anything else as
    // a statement reads it.
    QByteArray json;
    json.reserve(96);
    json.append('[');
    for (int c = 0; c < 4; ++c) {
        if (c > 0)
            json.append(',');
        if (row.isNull(c)) {
            json.append("null");
            continue;
        }
        const QByteArrayView text = row.text(c);
        if (!row.isText(c) || std::any_of(text.begin(), text.end(), [](char b) { return uchar(b) >= 0x80; }))
            return entryText(row.value(0), row.value(1), row.value(2), row.value(3)).toUtf8();
        json.append('"');
        for (char b : text)
            appendAscii(json, b);
        json.append('"');
    }
    json.append(']');
    return json;
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
