#include "testlib/jetwriter.h"

#include <QFile>

#include <array>
#include <cstring>
#include <limits>

namespace pw::test {

namespace {

constexpr int PageSize = 4096;
constexpr int RowCountOffset = 12;      // data and LVAL pages: the row count, then the row offsets
constexpr int DataPageHeader = 14;
constexpr int MostRowsPerPage = 255;    // a row is addressed by one byte
constexpr int LargestRow = PageSize - DataPageHeader - 2;
constexpr int InlineMemoLimit = 256;    // longer memos go to LVAL pages
constexpr int LongValueChunk = LargestRow - 4; // a chained LVAL row starts with the next row's address
constexpr int MemoHeaderSize = 12;
constexpr quint32 MemoInline = 0x80000000;
constexpr quint32 MemoSinglePage = 0x40000000;
constexpr int CatalogPage = 2;
constexpr int MapPage = 1;
constexpr double CreationDate = 45000.25; // 2023-03-15 06:00, also the header's password mask
constexpr int TableEntrySize = 25;
constexpr int FirstColumnOffset = 63;

void put16(QByteArray &b, qsizetype at, quint32 v)
{
    b[at] = char(v & 0xff);
    b[at + 1] = char((v >> 8) & 0xff);
}

void put32(QByteArray &b, qsizetype at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xff);
}

void put64(QByteArray &b, qsizetype at, quint64 v)
{
    for (int i = 0; i < 8; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xff);
}

void putDouble(QByteArray &b, qsizetype at, double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    put64(b, at, bits);
}

void append16(QByteArray &b, quint32 v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void append32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

QByteArray ucs2(const QString &s)
{
    QByteArray bytes;
    bytes.reserve(s.size() * 2);
    for (const QChar c : s)
        append16(bytes, c.unicode());
    return bytes;
}

// Jet 4 text: UCS-2, or, when that is shorter, the compressed form Access uses: FF FE, then one
// byte per character below U+0100, a 00 byte switching to two-byte characters and back. A text
// with a character whose low byte is 00 cannot be compressed.
QByteArray encodeText(const QString &s)
{
    QByteArray packed("\xff\xfe", 2);
    bool compressedMode = true;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if ((u & 0xff) == 0)
            return ucs2(s);
        const bool narrow = u < 0x100;
        if (narrow != compressedMode) {
            packed.append('\0');
            compressedMode = narrow;
        }
        if (narrow)
            packed.append(char(u));
        else
            append16(packed, u);
    }
    return packed.size() < s.size() * 2 ? packed : ucs2(s);
}

void rc4(const unsigned char *key, int keyLength, unsigned char *data, int length)
{
    std::array<unsigned char, 256> s;
    for (int i = 0; i < 256; ++i)
        s[size_t(i)] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[size_t(i)] + key[i % keyLength]) & 0xff;
        std::swap(s[size_t(i)], s[size_t(j)]);
    }
    for (int n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xff;
        j = (j + s[size_t(i)]) & 0xff;
        std::swap(s[size_t(i)], s[size_t(j)]);
        data[n] ^= s[(s[size_t(i)] + s[size_t(j)]) & 0xff];
    }
}

bool isFixed(JetWriter::Type type)
{
    return type != JetWriter::Type::Text && type != JetWriter::Type::Memo && type != JetWriter::Type::Ole;
}

int fixedSize(JetWriter::Type type)
{
    switch (type) {
    case JetWriter::Type::Boolean: return 0; // lives in the null mask
    case JetWriter::Type::Byte: return 1;
    case JetWriter::Type::Integer: return 2;
    case JetWriter::Type::LongInteger:
    case JetWriter::Type::Single: return 4;
    case JetWriter::Type::Currency:
    case JetWriter::Type::Double:
    case JetWriter::Type::DateTime: return 8;
    default: return 0;
    }
}

// The file being laid out, page by page, with the rows of the pages still being filled.
class Pages {
public:
    int add()
    {
        m_pages.emplace_back(PageSize, '\0');
        return int(m_pages.size() - 1);
    }
    QByteArray &operator[](int page) { return m_pages[size_t(page)]; }
    const std::vector<QByteArray> &all() const { return m_pages; }

private:
    std::vector<QByteArray> m_pages;
};

// Fills pages of the data-page layout (data, LVAL and usage-map pages) one row after another.
class RowPages {
public:
    RowPages(Pages &pages, QByteArray owner) : m_pages(pages), m_owner(std::move(owner)) {}

    void startOn(int page)
    {
        m_page = page;
        m_rows.clear();
        m_used = 0;
    }
    // The row's address: its page in the upper three bytes, its number in the lowest.
    quint32 add(const QByteArray &row)
    {
        if (m_page < 0 || !fits(int(row.size()))) {
            finish();
            startOn(m_pages.add());
            m_filled.push_back(m_page);
        }
        m_rows.push_back(row);
        m_used += int(row.size());
        return (quint32(m_page) << 8) | quint32(m_rows.size() - 1);
    }
    void finish()
    {
        if (m_page < 0)
            return;
        QByteArray &page = m_pages[m_page];
        page[0] = 0x01;
        page[1] = 0x01;
        page.replace(4, 4, m_owner);
        int end = PageSize;
        for (size_t i = 0; i < m_rows.size(); ++i) {
            end -= int(m_rows[i].size());
            page.replace(end, m_rows[i].size(), m_rows[i]);
            put16(page, DataPageHeader + 2 * qsizetype(i), quint32(end));
        }
        put16(page, RowCountOffset, quint32(m_rows.size()));
        put16(page, 2, quint32(end - DataPageHeader - 2 * int(m_rows.size())));
        m_page = -1;
    }
    // The pages this writer started, in order.
    const std::vector<int> &filled() const { return m_filled; }

private:
    bool fits(int size) const
    {
        return m_rows.size() < MostRowsPerPage
            && DataPageHeader + 2 * int(m_rows.size() + 1) + m_used + size <= PageSize;
    }

    Pages &m_pages;
    QByteArray m_owner;
    int m_page = -1;
    std::vector<QByteArray> m_rows;
    int m_used = 0;
    std::vector<int> m_filled;
};

QByteArray owner(quint32 page)
{
    QByteArray b(4, '\0');
    put32(b, 0, page);
    return b;
}

} // namespace

QList<JetWriter::Column> JetWriter::companyDataColumns()
{
    return {{QStringLiteral("company"), Type::Text, 255},
            {QStringLiteral("subs"), Type::Integer, 0},
            {QStringLiteral("money"), Type::Integer, 0},
            {QStringLiteral("edits"), Type::Integer, 0}};
}

QList<JetWriter::Column> JetWriter::datalistColumns()
{
    return {{QStringLiteral("Ename"), Type::Text, 20},
            {QStringLiteral("Ewage"), Type::Text, 255},
            {QStringLiteral("Ecomment"), Type::Memo, 0},
            {QStringLiteral("epass"), Type::Text, 255}};
}

QList<JetWriter::Column> JetWriter::logColumns()
{
    return {{QStringLiteral("Ename"), Type::Text, 20},
            {QStringLiteral("datetime"), Type::DateTime, 0},
            {QStringLiteral("inoutfx"), Type::Text, 11},
            {QStringLiteral("activity"), Type::Text, 30}};
}

int JetWriter::addTable(const QString &name, const QList<Column> &columns)
{
    m_tables.push_back(Table{name, columns, {}, false});
    return int(m_tables.size() - 1);
}

void JetWriter::addRow(int table, const QVariantList &values)
{
    m_tables[size_t(table)].rows.push_back(values);
}

bool truncateFile(const QString &path, qint64 size)
{
    QFile file(path);
    return file.resize(size);
}

bool JetWriter::save(const QString &path, QString *error) const
{
    QString failure;
    const auto fail = [&](const QString &why) {
        if (failure.isEmpty())
            failure = why;
        return QByteArray();
    };

    Pages pages;
    pages.add(); // 0: header
    pages.add(); // 1: usage maps
    pages.add(); // 2: the catalog's definition

    // The catalog first, then the tables in the order they were added, each with its definition page.
    std::vector<Table> tables;
    tables.push_back(Table{QStringLiteral("MSysObjects"),
                           {{QStringLiteral("Id"), Type::LongInteger, 0},
                            {QStringLiteral("ParentId"), Type::LongInteger, 0},
                            {QStringLiteral("Name"), Type::Text, 255},
                            {QStringLiteral("Type"), Type::Integer, 0},
                            {QStringLiteral("DateCreate"), Type::DateTime, 0},
                            {QStringLiteral("DateUpdate"), Type::DateTime, 0},
                            {QStringLiteral("Flags"), Type::LongInteger, 0},
                            {QStringLiteral("LvProp"), Type::Ole, 0}},
                           {},
                           true});
    std::vector<int> definitionPages{CatalogPage};
    constexpr qint64 TablesContainer = 0x0F000001;
    constexpr qint64 SystemTableFlags = qint32(0x80000002);
    tables[0].rows.push_back({CatalogPage, TablesContainer, QStringLiteral("MSysObjects"), 1, CreationDate,
                              CreationDate, SystemTableFlags, QVariant()});
    for (const Table &t : m_tables) {
        const int page = pages.add();
        definitionPages.push_back(page);
        tables.push_back(t);
        tables[0].rows.push_back({page, TablesContainer, t.name, 1, CreationDate, CreationDate, 0, QVariant()});
    }

    RowPages longValues(pages, QByteArrayLiteral("LVAL"));
    const auto encodeMemo = [&](const QString &text) {
        const QByteArray bytes = encodeText(text);
        const auto length = quint32(bytes.size());
        QByteArray value;
        if (bytes.size() <= InlineMemoLimit) {
            append32(value, length | MemoInline);
            append32(value, 0);
            append32(value, 0);
            value.append(bytes);
        } else if (bytes.size() <= LargestRow) {
            append32(value, length | MemoSinglePage);
            append32(value, longValues.add(bytes));
            append32(value, 0);
        } else {
            // A chain of rows, each starting with the address of the next; written last to first so
            // each row knows its successor.
            quint32 next = 0;
            for (qsizetype end = bytes.size(); end > 0;) {
                const qsizetype begin = ((end - 1) / LongValueChunk) * LongValueChunk;
                QByteArray row;
                append32(row, next);
                row.append(bytes.mid(begin, end - begin));
                next = longValues.add(row);
                end = begin;
            }
            append32(value, length);
            append32(value, next);
            append32(value, 0);
        }
        return value;
    };

    const auto encodeRow = [&](const Table &t, const QVariantList &values) {
        const auto columns = int(t.columns.size());
        if (values.size() != columns)
            return fail(QStringLiteral("a row of %1 has %2 values for %3 columns").arg(t.name).arg(values.size()).arg(columns));
        int fixedTotal = 0;
        int varCount = 0;
        for (const Column &c : t.columns) {
            fixedTotal += fixedSize(c.type);
            varCount += isFixed(c.type) ? 0 : 1;
        }
        QByteArray row(2 + fixedTotal, '\0');
        put16(row, 0, quint32(columns));
        QByteArray nullMask((columns + 7) / 8, '\0');
        std::vector<quint32> varOffsets;
        int fixedOffset = 2;
        for (int i = 0; i < columns; ++i) {
            const Column &c = t.columns.at(i);
            const QVariant &v = values.at(i);
            const bool present = c.type == Type::Boolean ? v.toBool() : v.isValid();
            if (present)
                nullMask[i / 8] = char(nullMask.at(i / 8) | (1 << (i % 8)));
            if (!isFixed(c.type))
                varOffsets.push_back(quint32(row.size()));
            if (!v.isValid() || c.type == Type::Boolean) {
                fixedOffset += fixedSize(c.type);
                continue;
            }
            const qint64 n = v.toLongLong();
            const auto inRange = [&](qint64 low, qint64 high) {
                if (n < low || n > high)
                    fail(QStringLiteral("%1 does not fit the column %2").arg(v.toString(), c.name));
            };
            switch (c.type) {
            case Type::Byte:
                inRange(0, 255);
                row[fixedOffset] = char(n);
                break;
            case Type::Integer:
                inRange(std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
                put16(row, fixedOffset, quint32(n));
                break;
            case Type::LongInteger:
                inRange(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
                put32(row, fixedOffset, quint32(n));
                break;
            case Type::Currency:
                put64(row, fixedOffset, quint64(n));
                break;
            case Type::Single: {
                const float f = v.toFloat();
                quint32 bits;
                std::memcpy(&bits, &f, sizeof bits);
                put32(row, fixedOffset, bits);
                break;
            }
            case Type::Double:
            case Type::DateTime:
                putDouble(row, fixedOffset, v.toDouble());
                break;
            case Type::Text: {
                const QString text = v.toString();
                if (text.size() > c.size)
                    fail(QStringLiteral("\"%1\" is longer than the column %2 allows").arg(text, c.name));
                row.append(encodeText(text));
                break;
            }
            case Type::Memo:
                row.append(encodeMemo(v.toString()));
                break;
            case Type::Ole:
                fail(QStringLiteral("OLE values are not written (column %1)").arg(c.name));
                break;
            case Type::Boolean:
                break;
            }
            fixedOffset += fixedSize(c.type);
        }
        if (varCount > 0) {
            append16(row, quint32(row.size())); // where the variable data ends
            for (auto it = varOffsets.rbegin(); it != varOffsets.rend(); ++it)
                append16(row, *it);
            append16(row, quint32(varCount));
        }
        row.append(nullMask);
        if (row.size() > LargestRow)
            fail(QStringLiteral("a row of %1 is larger than a page").arg(t.name));
        return row;
    };

    // Rows, table by table, onto data pages owned by the table's definition page.
    std::vector<std::vector<int>> dataPages;
    for (size_t t = 0; t < tables.size() && failure.isEmpty(); ++t) {
        RowPages data(pages, owner(quint32(definitionPages[t])));
        for (const QVariantList &values : tables[t].rows) {
            const QByteArray row = encodeRow(tables[t], values);
            if (!failure.isEmpty())
                break;
            data.add(row);
        }
        data.finish();
        dataPages.push_back(data.filled());
    }
    longValues.finish();

    // Usage maps (type 0: the first page, then one bit per page) on page 1 and after.
    RowPages maps(pages, owner(MapPage));
    maps.startOn(MapPage);
    std::vector<std::pair<quint32, quint32>> mapRows;
    for (size_t t = 0; t < dataPages.size() && failure.isEmpty(); ++t) {
        const std::vector<int> &owned = dataPages[t];
        const quint32 first = owned.empty() ? 0 : quint32(owned.front());
        QByteArray used(1, '\0');
        append32(used, first);
        if (!owned.empty()) {
            QByteArray bits((owned.back() - int(first)) / 8 + 1, '\0');
            for (const int page : owned)
                bits[(page - int(first)) / 8] = char(bits.at((page - int(first)) / 8) | (1 << ((page - int(first)) % 8)));
            used.append(bits);
        }
        if (used.size() > LargestRow)
            fail(QStringLiteral("the table %1 has too many pages for one usage map").arg(tables[t].name));
        QByteArray freeSpace(1, '\0'); // no page has room to spare
        append32(freeSpace, first);
        const quint32 usedRow = maps.add(used);
        mapRows.emplace_back(usedRow, maps.add(freeSpace));
    }
    maps.finish();

    // One definition page per table.
    for (size_t t = 0; t < mapRows.size() && failure.isEmpty(); ++t) {
        const Table &table = tables[t];
        QByteArray &page = pages[definitionPages[t]];
        const auto columns = int(table.columns.size());
        int varCount = 0;
        for (const Column &c : table.columns)
            varCount += isFixed(c.type) ? 0 : 1;
        page[0] = 0x02;
        page[1] = 0x01;
        put32(page, 16, quint32(table.rows.size()));
        page[40] = table.system ? char(0x53) : char(0x4e);
        put16(page, 41, quint32(columns));
        put16(page, 43, quint32(varCount));
        put16(page, 45, quint32(columns));
        put32(page, 55, mapRows[t].first);
        put32(page, 59, mapRows[t].second);
        QByteArray definition;
        int fixedOffset = 0;
        int varIndex = 0;
        for (int i = 0; i < columns; ++i) {
            const Column &c = table.columns.at(i);
            QByteArray entry(TableEntrySize, '\0');
            const bool text = c.type == Type::Text || c.type == Type::Memo;
            entry[0] = char(c.type);
            put16(entry, 5, quint32(i));
            put16(entry, 7, isFixed(c.type) ? 0 : quint32(varIndex++));
            put16(entry, 9, quint32(i));
            if (text)
                put16(entry, 11, 0x409); // the General sort order
            entry[15] = isFixed(c.type) ? char(0x03) : char(0x02); // fixed; may be null
            entry[16] = text ? char(0x01) : char(0x00);            // compressed Unicode
            put16(entry, 21, isFixed(c.type) ? quint32(fixedOffset) : 0);
            const int size = c.type == Type::Text ? c.size * 2 : c.type == Type::Boolean ? 1 : fixedSize(c.type);
            put16(entry, 23, quint32(size));
            fixedOffset += fixedSize(c.type);
            definition.append(entry);
        }
        for (const Column &c : table.columns) {
            const QByteArray name = ucs2(c.name);
            append16(definition, quint32(name.size()));
            definition.append(name);
        }
        const int end = FirstColumnOffset + int(definition.size());
        if (end > PageSize) {
            fail(QStringLiteral("the definition of %1 does not fit one page").arg(table.name));
            break;
        }
        page.replace(FirstColumnOffset, definition.size(), definition);
        put32(page, 8, quint32(end - 8));
        put16(page, 2, quint32(PageSize - end));
    }

    // The header page; bytes 0x18 to 0x97 are stored RC4-encoded with a fixed key.
    QByteArray &header = pages[0];
    header.replace(0, 4, QByteArray("\x00\x01\x00\x00", 4));
    header.replace(4, 16, QByteArray(m_version >= 2 && m_version <= 6 ? "Standard ACE DB" : "Standard Jet DB", 16));
    put32(header, 0x14, quint32(m_version));
    put16(header, 0x3c, 1252);
    put32(header, 0x6e, 1033);
    putDouble(header, 0x72, CreationDate);
    const QByteArray password = ucs2(m_password.left(20)).leftJustified(40, '\0');
    const auto mask = quint32(qint32(CreationDate));
    for (int i = 0; i < 40; ++i)
        header[0x42 + i] = char(password.at(i) ^ char((mask >> (8 * (i % 4))) & 0xff));
    const unsigned char key[4] = {0xc7, 0xda, 0x39, 0x6b};
    rc4(key, 4, reinterpret_cast<unsigned char *>(header.data()) + 0x18, 128);

    if (failure.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            failure = file.errorString();
        } else {
            for (const QByteArray &page : pages.all())
                file.write(page);
            if (!file.flush())
                failure = file.errorString();
        }
    }
    if (error)
        *error = failure;
    return failure.isEmpty();
}

} // namespace pw::test
