#include "access/jetreader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <mutex>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>
#include <mdbtools.h>

namespace pw {

namespace {

constexpr int HeaderMagicSize = 20;
// The first bytes of the header page: the page type, then the format's name and its NUL.
const QByteArrayView JetMagic("\x00\x01\x00\x00Standard Jet DB", HeaderMagicSize);
const QByteArrayView AceMagic("\x00\x01\x00\x00Standard ACE DB", HeaderMagicSize);
constexpr int VersionOffset = 0x14;
constexpr int PasswordOffset = 0x42;
constexpr int CreationDateOffset = 0x72;
constexpr int CatalogPage = 2;
constexpr int RowOffsetMask = 0x1fff;
constexpr quint8 TableDefinitionPage = 0x02;
// No Access table has more columns or indexes than these; a larger count is a damaged definition.
constexpr int MostColumns = 255;
constexpr long MostIndexes = 1000;
// 1899-12-30, day 0 of an Access date, counted from 1970-01-01.
constexpr qint64 AccessEpochFrom1970 = -25569;


JetType typeOf(int mdbType)
{
    switch (mdbType) {
    case MDB_BOOL: return JetType::Boolean;
    case MDB_BYTE: return JetType::Byte;
    case MDB_INT: return JetType::Integer;
    case MDB_LONGINT: return JetType::LongInteger;
    case MDB_MONEY: return JetType::Currency;
    case MDB_FLOAT: return JetType::Single;
    case MDB_DOUBLE: return JetType::Double;
    case MDB_DATETIME: return JetType::DateTime;
    case MDB_BINARY: return JetType::Binary;
    case MDB_TEXT: return JetType::Text;
    case MDB_OLE: return JetType::Ole;
    case MDB_MEMO: return JetType::Memo;
    case MDB_REPID: return JetType::ReplicationId;
    case MDB_NUMERIC: return JetType::Numeric;
    case MDB_COMPLEX: return JetType::Complex;
    default: return JetType::Unknown;
    }
}

// Bytes a fixed-size value needs on the page; 0 for the variable-size types.
int storedSize(int mdbType)
{
    switch (mdbType) {
    case MDB_BYTE: return 1;
    case MDB_INT: return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT: return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME: return 8;
    case MDB_REPID: return 16;
    case MDB_NUMERIC: return 17;
    default: return 0;
    }
}

qint64 littleEndian64(const unsigned char *p)
{
    quint64 v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return static_cast<qint64>(v);
}

// Jet 4 and later keep text as UTF-16LE, which is what QString holds, or in Access's compressed
// form: FF FE, then one byte per character below U+0100, a 00 byte switching to two-byte units
// and back (libmdb's reading of it, without its detour through iconv and UTF-8).
QString jetText(const unsigned char *p, size_t length)
{
    QString out(qsizetype(length), Qt::Uninitialized);
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    qsizetype n = 0;
    if (length >= 2 && p[0] == 0xff && p[1] == 0xfe) {
        bool compressed = true;
        for (size_t i = 2; i < length;) {
            if (p[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                d[n++] = p[i++];
            } else if (i + 1 < length) {
                d[n++] = char16_t(p[i] | (p[i + 1] << 8));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (size_t i = 0; i + 1 < length; i += 2)
            d[n++] = char16_t(p[i] | (p[i + 1] << 8));
    }
    out.truncate(n);
    return out;
}

// The proleptic Gregorian date of a day counted from 1970-01-01 (H. Hinnant's civil_from_days).
void civilFromDays(qint64 z, int *year, int *month, int *day)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    *day = int(doy - (153 * mp + 2) / 5 + 1);
    *month = int(mp < 10 ? mp + 3 : mp - 9);
    *year = int(yoe + era * 400 + (*month <= 2 ? 1 : 0));
}

// libmdb writes its own lines to the standard error about what it cannot read, and the reader
// reports every failure itself: while any call into libmdb runs, the standard error goes nowhere.
// The first of several at once (the comparison reads on a second thread) turns it off, and the
// last turns it back on. PUNCHWELL_LIBMDB_MESSAGES=1 keeps them, to look into a file (and for the
// fuzz target, whose sanitizers report on the standard error).
class QuietStandardError {
public:
    QuietStandardError()
    {
        static const bool keep = qEnvironmentVariableIntValue("PUNCHWELL_LIBMDB_MESSAGES") == 1;
        if (keep)
            return;
        m_quiet = true;
        const std::lock_guard lock(s_mutex);
        if (s_users++ > 0)
            return;
        std::fflush(stderr);
        s_saved = ::dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (s_saved >= 0 && nowhere >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            ::close(nowhere);
    }
    ~QuietStandardError()
    {
        if (!m_quiet)
            return;
        const std::lock_guard lock(s_mutex);
        if (--s_users > 0 || s_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(s_saved, STDERR_FILENO);
        ::close(s_saved);
        s_saved = -1;
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    bool m_quiet = false;
    static inline std::mutex s_mutex;
    static inline int s_users = 0;
    static inline int s_saved = -1;
};

} // namespace

std::optional<QString> jetDateTimeToStored(double days)
{
    // Years 100 to 9999 lie within about -657 435 and 2 958 466 days; the bounds here only keep the
    // arithmetic safe, the calendar check below decides.
    if (!std::isfinite(days) || days < -700000.0 || days > 3000000.0)
        return std::nullopt;
    const double whole = std::trunc(days);
    qint64 day = static_cast<qint64>(whole);
    qint64 seconds = std::llround(std::fabs(days - whole) * 86400.0);
    if (seconds >= 86400) { // rounded up to the next midnight
        seconds -= 86400;
        day += 1;
    }
    int year = 0, month = 0, dayOfMonth = 0;
    civilFromDays(day + AccessEpochFrom1970, &year, &month, &dayOfMonth);
    if (year < 100 || year > 9999)
        return std::nullopt;
    // "YYYY-MM-DD HH:MM:SS", digit by digit: this runs once for every entry of every log.
    const int fields[6] = {year, month, dayOfMonth, int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60)};
    QString text(19, Qt::Uninitialized);
    QChar *out = text.data();
    const auto put = [&out](int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            out[i] = QLatin1Char(char('0' + value % 10));
        out += digits;
    };
    put(fields[0], 4);
    for (int i = 1; i < 6; ++i) {
        *out++ = QLatin1Char(i == 3 ? ' ' : i < 3 ? '-' : ':');
        put(fields[i], 2);
    }
    return text;
}

QString jetCurrencyToText(qint64 tenThousandths)
{
    // Through the unsigned magnitude, so the most negative amount does not overflow.
    const quint64 magnitude = tenThousandths < 0 ? 0 - static_cast<quint64>(tenThousandths)
                                                 : static_cast<quint64>(tenThousandths);
    return QString::asprintf("%s%llu.%04llu", tenThousandths < 0 ? "-" : "", magnitude / 10000,
                             magnitude % 10000);
}

struct JetReader::Private {
    MdbHandle *mdb = nullptr;
    QString path;
    JetFormat format = JetFormat::Jet4;
    qint64 pageSize = 0;
    qint64 pageCount = 0;
    QList<JetTable> tables;
    std::vector<MdbCatalogEntry *> entries; // parallel to tables; owned by mdb's catalog
    QByteArray textBuffer;
    std::vector<char> chunk; // one page: the most a long value's piece can be

    DbError checkHeader(const QByteArray &header, qint64 fileSize);
    bool hasPassword() const;
    void setUpTextConversion();
    bool tableDefinitionLooksSound(unsigned long page);
    bool usageMapInFile(MdbTableDef *table);
    MdbTableDef *readDefinition(MdbCatalogEntry *entry);
    bool catalogComplete();
    QString text(const void *bytes, size_t length);
    bool readLongValue(MdbColumn *col, const MdbField &field, QByteArray *out);
    // A failure of the open file.
    DbError failure(DbReason reason) const { return DbError::of(reason).aboutFile(path); }
    DbError damaged(JetDamage what) const { return failure(DbReason::AccessDamaged).because(what); }
};

DbError JetReader::Private::checkHeader(const QByteArray &header, qint64 fileSize)
{
    const QByteArrayView magic = QByteArrayView(header).first(qMin<qsizetype>(header.size(), HeaderMagicSize));
    if (header.size() < VersionOffset + 4 || (magic != JetMagic && magic != AceMagic))
        return failure(DbReason::AccessNotAccess);
    const int version = static_cast<unsigned char>(header.at(VersionOffset));
    if (version > MDB_VER_ACCDB_2019)
        return failure(DbReason::AccessUnknownVersion).withAmounts(version);
    format = static_cast<JetFormat>(version);
    pageSize = format == JetFormat::Jet3 ? 2048 : 4096;
    if (fileSize % pageSize != 0)
        return damaged(JetDamage::NotWholePages).withAmounts(fileSize, pageSize);
    if (fileSize < (CatalogPage + 1) * pageSize)
        return damaged(JetDamage::TooShortForCatalog).withAmounts(fileSize);
    pageCount = fileSize / pageSize;
    return {};
}

// libmdb leaves the decoded header page in its page buffer after opening. The password sits at
// 0x42: 20 bytes in Jet 3; 40 bytes in Jet 4 and later, masked there with the whole-day part of
// the creation date. All zero means no password.
bool JetReader::Private::hasPassword() const
{
    const unsigned char *page = mdb->pg_buf;
    if (format == JetFormat::Jet3) {
        for (int i = 0; i < 20; ++i)
            if (page[PasswordOffset + i] != 0)
                return true;
        return false;
    }
    const double created = mdb_get_double(mdb->pg_buf, CreationDateOffset);
    qint32 maskValue = 0;
    if (std::isfinite(created) && std::fabs(created) < 2147483647.0)
        maskValue = static_cast<qint32>(created);
    const quint32 bits = static_cast<quint32>(maskValue);
    const unsigned char mask[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                   static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    for (int i = 0; i < 40; ++i)
        if ((page[PasswordOffset + i] ^ mask[i % 4]) != 0)
            return true;
    return false;
}

// libmdb converts text with the iconv descriptor it opened from MDBICONV (UTF-8 when unset) and,
// for Jet 3, MDB_JET3_CHARSET or the file's code page. The reader always wants UTF-8, so it opens
// its own descriptor: UTF-16LE for Jet 4 and later (Access's UCS-2, surrogate pairs included), and
// for Jet 3 the user's MDB_JET3_CHARSET or the file's Windows code page. iconv does not depend on
// the process locale, so LC_ALL=C reads the same names and texts as a UTF-8 locale.
void JetReader::Private::setUpTextConversion()
{
    QByteArray from = "UTF-16LE";
    if (format == JetFormat::Jet3) {
        from = qgetenv("MDB_JET3_CHARSET");
        if (from.isEmpty())
            from = "CP" + QByteArray::number(mdb->f->code_page);
    }
    iconv_t converter = iconv_open("UTF-8", from.constData());
    if (converter == reinterpret_cast<iconv_t>(-1) && format == JetFormat::Jet3)
        converter = iconv_open("UTF-8", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return; // keep libmdb's own
    if (mdb->iconv_in != reinterpret_cast<iconv_t>(-1))
        iconv_close(mdb->iconv_in);
    mdb->iconv_in = converter;
}

// Checks what libmdb takes on trust before it reads a table definition: the page exists and is a
// definition page, the column and index counts are possible, and the usage map it points to is
// there. libmdb would print to stderr on the first failures and read out of bounds on the others.
bool JetReader::Private::tableDefinitionLooksSound(unsigned long page)
{
    if (page == 0 || static_cast<qint64>(page) >= pageCount)
        return false;
    if (mdb_read_pg(mdb, page) != pageSize || mdb->pg_buf[0] != TableDefinitionPage)
        return false;
    const MdbFormatConstants *fmt = mdb->fmt;
    const int columns = mdb_get_int16(mdb->pg_buf, fmt->tab_num_cols_offset);
    const int varColumns = mdb_get_int16(mdb->pg_buf, fmt->tab_num_cols_offset - 2);
    const long indexes = mdb_get_int32(mdb->pg_buf, fmt->tab_num_idxs_offset);
    const long realIndexes = mdb_get_int32(mdb->pg_buf, fmt->tab_num_ridxs_offset);
    if (columns > MostColumns || varColumns > columns || indexes < 0 || indexes > MostIndexes
        || realIndexes < 0 || realIndexes > MostIndexes)
        return false;
    for (const int offset : {int(fmt->tab_usage_map_offset), int(fmt->tab_free_map_offset)}) {
        const unsigned long pgRow = static_cast<quint32>(mdb_get_int32(mdb->pg_buf, offset));
        const unsigned long mapPage = pgRow >> 8;
        const int mapRow = pgRow & 0xff;
        if (static_cast<qint64>(mapPage) >= pageCount || mdb_read_alt_pg(mdb, mapPage) != pageSize)
            return false;
        if (mapRow >= mdb_get_int16(mdb->alt_pg_buf, fmt->row_count_offset))
            return false;
    }
    return true;
}

// Every page a table's usage map names must be in the file: libmdb would print and then end the
// table early at a page past the end.
bool JetReader::Private::usageMapInFile(MdbTableDef *table)
{
    unsigned char *map = table->usage_map;
    const size_t size = table->map_sz;
    if (!map || size < 1 || map[0] > 1)
        return false;
    if (map[0] == 1) { // pointers to map pages
        for (size_t at = 1; at + 4 <= size; at += 4)
            if (static_cast<quint32>(mdb_get_int32(map, int(at))) >= pageCount)
                return false;
    }
    gint32 page = 0;
    for (;;) {
        const gint32 next = mdb_map_find_next(mdb, map, static_cast<unsigned int>(size), static_cast<guint32>(page));
        if (next == 0)
            return true;
        if (next < 0 || next <= page || next >= pageCount)
            return false;
        page = next;
    }
}

// A table's definition with its columns, or nothing when the file is damaged there.
MdbTableDef *JetReader::Private::readDefinition(MdbCatalogEntry *entry)
{
    if (!tableDefinitionLooksSound(entry->table_pg))
        return nullptr;
    MdbTableDef *table = mdb_read_table(entry);
    if (!table)
        return nullptr;
    if (!usageMapInFile(table) || !mdb_read_columns(table)) {
        mdb_free_tabledef(table);
        return nullptr;
    }
    return table;
}

// Reads the catalog table's rows once as libmdb will, and checks that none is lost.
bool JetReader::Private::catalogComplete()
{
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = CatalogPage;
    std::strcpy(catalog.object_name, "MSysObjects");
    MdbTableDef *table = readDefinition(&catalog);
    if (!table)
        return false;
    unsigned int rows = 0;
    mdb_rewind_table(table);
    while (mdb_fetch_row(table))
        ++rows;
    const bool complete = rows > 0 && rows >= table->num_rows;
    mdb_free_tabledef(table);
    return complete;
}

QString JetReader::Private::text(const void *bytes, size_t length)
{
    if (format != JetFormat::Jet3)
        return jetText(static_cast<const unsigned char *>(bytes), length);
    // UTF-8 takes at most three bytes for one code page byte: four times the stored length always
    // fits.
    const qsizetype room = qsizetype(length) * 4 + 16;
    if (textBuffer.size() < room)
        textBuffer.resize(room);
    const int n = mdb_unicode2ascii(mdb, static_cast<const char *>(bytes), length, textBuffer.data(),
                                    size_t(textBuffer.size()));
    QString result = QString::fromUtf8(textBuffer.constData(), n);
    if (result.isNull())
        result = QStringLiteral("");
    return result;
}

// A memo or OLE value, whole: libmdb's long-value reader piece by piece into a buffer of one page,
// checked against the length the value's header gives, so a value cut short by a damaged chain is
// an error instead of a shorter text.
bool JetReader::Private::readLongValue(MdbColumn *col, const MdbField &field, QByteArray *out)
{
    out->clear();
    if (field.siz == 0)
        return true; // an empty value with no header
    if (field.siz < MDB_MEMO_OVERHEAD)
        return false;
    const unsigned char *header = mdb->pg_buf + field.start;
    const qint64 length = static_cast<quint32>(mdb_get_int32(mdb->pg_buf, field.start)) & 0x3fffffff;
    if (length > pageCount * pageSize)
        return false;
    char olePointer[MDB_MEMO_OVERHEAD];
    std::memcpy(olePointer, header, MDB_MEMO_OVERHEAD);
    col->cur_value_start = field.start;
    col->cur_value_len = field.siz;
    const auto pageInFile = [this](quint32 pgRow) { return qint64(pgRow >> 8) < pageCount; };
    const bool inlineValue = (static_cast<quint32>(mdb_get_int32(olePointer, 0)) & 0x80000000) != 0;
    if (!inlineValue && !pageInFile(static_cast<quint32>(mdb_get_int32(olePointer, 4))))
        return false;
    col->bind_ptr = chunk.data();
    size_t piece = mdb_ole_read(mdb, col, olePointer, chunk.size());
    out->append(chunk.data(), qsizetype(piece));
    while (out->size() < length && pageInFile(col->cur_blob_pg_row)
           && (piece = mdb_ole_read_next(mdb, col, olePointer)) > 0)
        out->append(chunk.data(), qsizetype(piece));
    col->bind_ptr = nullptr;
    if (out->size() < length)
        return false;
    out->truncate(length);
    return true;
}

JetReader::JetReader() : d(std::make_unique<Private>()) {}

JetReader::~JetReader()
{
    close();
}

void JetReader::close()
{
    if (d->mdb)
        mdb_close(d->mdb);
    d->mdb = nullptr;
    d->tables.clear();
    d->entries.clear();
}

bool JetReader::isOpen() const
{
    return d->mdb != nullptr;
}

JetFormat JetReader::format() const
{
    return d->format;
}

QString JetReader::formatName(JetFormat format)
{
    switch (format) {
    case JetFormat::Jet3: return QStringLiteral("Jet 3 (Access 97)");
    case JetFormat::Jet4: return QStringLiteral("Jet 4 (Access 2000-2003)");
    case JetFormat::Ace12: return QStringLiteral("ACE 12 (Access 2007)");
    case JetFormat::Ace14: return QStringLiteral("ACE 14 (Access 2010)");
    case JetFormat::Ace15: return QStringLiteral("ACE 15 (Access 2013)");
    case JetFormat::Ace16: return QStringLiteral("ACE 16 (Access 2016)");
    case JetFormat::Ace17: return QStringLiteral("ACE 17 (Access 2019)");
    }
    return {};
}

bool JetReader::looksLikeAccess(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(HeaderMagicSize);
    return head == JetMagic || head == AceMagic;
}

const QList<JetTable> &JetReader::tables() const
{
    return d->tables;
}

std::optional<JetTable> JetReader::table(const QString &name) const
{
    for (const JetTable &t : d->tables)
        if (t.name == name)
            return t;
    return std::nullopt;
}

DbError JetReader::open(const QString &path)
{
    const QuietStandardError quiet;
    close();
    d->path = path;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return d->failure(DbReason::AccessCannotOpen).saying(file.errorString());
    const QByteArray header = file.read(4096);
    const qint64 fileSize = file.size();
    file.close();
    if (DbError error = d->checkHeader(header, fileSize))
        return error;

    d->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!d->mdb)
        return d->failure(DbReason::AccessCannotOpen);
    if (d->hasPassword()) {
        close();
        return d->failure(DbReason::AccessPassword);
    }
    d->setUpTextConversion();
    d->chunk.assign(size_t(d->pageSize), 0);

    GPtrArray *catalog = d->catalogComplete() ? mdb_read_catalog(d->mdb, MDB_TABLE) : nullptr;
    if (!catalog) {
        close();
        return d->damaged(JetDamage::CatalogUnreadable);
    }
    for (unsigned int i = 0; i < d->mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(d->mdb->catalog, i));
        const QString tableName = QString::fromUtf8(entry->object_name);
        if (!mdb_is_user_table(entry) || tableName.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive))
            continue;
        MdbTableDef *def = d->readDefinition(entry);
        if (!def) {
            const DbError error = d->damaged(JetDamage::DefinitionUnreadable).inTable(tableName);
            close();
            return error;
        }
        JetTable table;
        table.name = tableName;
        for (unsigned int c = 0; c < def->num_cols; ++c) {
            const auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, c));
            JetColumn column;
            column.name = QString::fromUtf8(col->name);
            column.type = typeOf(col->col_type);
            column.size = col->col_size;
            if (column.type == JetType::Text && d->format != JetFormat::Jet3)
                column.size /= 2; // stored as bytes of UCS-2
            if (column.type == JetType::Memo || column.type == JetType::Ole)
                column.size = 0;
            table.columns.append(column);
        }
        mdb_free_tabledef(def);
        d->tables.append(table);
        d->entries.push_back(entry);
    }
    return {};
}

DbError JetReader::readRows(const QString &tableName, const RowHandler &onRow)
{
    const QuietStandardError quiet;
    qsizetype index = -1;
    for (qsizetype i = 0; i < d->tables.size(); ++i)
        if (d->tables.at(i).name == tableName)
            index = i;
    if (!d->mdb || index < 0)
        return d->failure(DbReason::AccessNoSuchTable).inTable(tableName);

    MdbHandle *mdb = d->mdb;
    MdbCatalogEntry *entry = d->entries[size_t(index)];
    MdbTableDef *table = d->readDefinition(entry);
    if (!table)
        return d->damaged(JetDamage::DefinitionUnreadable).inTable(tableName);
    const unsigned int columnCount = table->num_cols;
    std::vector<MdbColumn *> columns(columnCount);
    for (unsigned int c = 0; c < columnCount; ++c)
        columns[c] = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, c));
    std::vector<MdbField> fields(columnCount);

    DbError error;
    qint64 row = 0;
    bool stopped = false;
    QVariantList values;
    QByteArray longValue;
    struct LastText {
        QByteArray bytes;
        QVariant value; // invalid until the column's first text
    };
    std::vector<LastText> lastText(columnCount);
    const auto badRow = [&](JetDamage what) { return d->damaged(what).inTable(tableName).inRow(row); };

    mdb_rewind_table(table);
    while (!error && !stopped && mdb_fetch_row(table)) {
        ++row;
        int start = 0;
        size_t size = 0;
        // mdb_fetch_row leaves the row's page in the page buffer and counts past the row it read.
        if (mdb_find_row(mdb, int(table->cur_row) - 1, &start, &size) != 0) {
            error = badRow(JetDamage::RowNotFound);
            break;
        }
        start &= RowOffsetMask;
        if (mdb_crack_row(table, start, size, fields.data()) < 0) {
            error = badRow(JetDamage::RowNotTakenApart);
            break;
        }
        values.clear();
        for (unsigned int c = 0; c < columnCount && !error; ++c) {
            const MdbField &field = fields[c];
            MdbColumn *col = columns[c];
            if (col->col_type == MDB_BOOL) {
                values.append(!field.is_null); // a Boolean is its bit in the null mask
                continue;
            }
            if (field.is_null) {
                values.append(QVariant());
                continue;
            }
            // Only an error names the column: this runs for every value.
            const auto columnName = [col] { return QString::fromUtf8(col->name); };
            if (field.start < 0 || field.siz < 0 || field.start + field.siz > d->pageSize
                || field.siz < storedSize(col->col_type)) {
                error = badRow(JetDamage::ValueDamaged).inField(columnName());
                break;
            }
            const unsigned char *bytes = mdb->pg_buf + field.start;
            switch (col->col_type) {
            case MDB_BYTE:
                values.append(int(bytes[0]));
                break;
            case MDB_INT:
                values.append(int(qint16(mdb_get_int16(mdb->pg_buf, field.start))));
                break;
            case MDB_LONGINT:
            case MDB_COMPLEX:
                values.append(int(qint32(quint32(mdb_get_int32(mdb->pg_buf, field.start)))));
                break;
            case MDB_MONEY:
                values.append(jetCurrencyToText(littleEndian64(bytes)));
                break;
            case MDB_FLOAT:
                values.append(double(mdb_get_single(mdb->pg_buf, field.start)));
                break;
            case MDB_DOUBLE:
                values.append(mdb_get_double(mdb->pg_buf, field.start));
                break;
            case MDB_DATETIME: {
                const double days = mdb_get_double(mdb->pg_buf, field.start);
                const std::optional<QString> stored = jetDateTimeToStored(days);
                if (!stored) {
                    error = d->failure(DbReason::AccessDateOutOfRange)
                                .inTable(tableName)
                                .inRow(row)
                                .inField(columnName())
                                .saying(QString::number(days, 'g', 17));
                    break;
                }
                values.append(*stored);
                break;
            }
            case MDB_TEXT: {
                // A log repeats its texts (the name, the status words) row after row: the same
                // stored bytes as in the row before give the same text, shared, without decoding.
                LastText &last = lastText[c];
                if (!last.value.isValid() || last.bytes.size() != field.siz
                    || std::memcmp(last.bytes.constData(), bytes, size_t(field.siz)) != 0) {
                    last.bytes = QByteArray(reinterpret_cast<const char *>(bytes), field.siz);
                    last.value = QVariant(d->text(bytes, size_t(field.siz)));
                }
                values.append(last.value);
                break;
            }
            case MDB_BINARY:
                values.append(QByteArray(reinterpret_cast<const char *>(bytes), field.siz));
                break;
            case MDB_MEMO:
            case MDB_OLE:
                if (!d->readLongValue(col, field, &longValue)) {
                    error = badRow(JetDamage::LongValueDamaged).inField(columnName());
                    break;
                }
                if (col->col_type == MDB_MEMO)
                    values.append(d->text(longValue.constData(), size_t(longValue.size())));
                else
                    values.append(longValue);
                break;
            case MDB_REPID: {
                char *text = mdb_uuid_to_string(mdb->pg_buf, field.start);
                values.append(QString::fromUtf8(text));
                g_free(text);
                break;
            }
            case MDB_NUMERIC: {
                char *text = mdb_numeric_to_string(mdb, field.start, col->col_scale, col->col_prec);
                values.append(QString::fromUtf8(text));
                g_free(text);
                break;
            }
            default:
                error = d->failure(DbReason::AccessUnreadableType)
                            .inTable(tableName)
                            .inField(columnName())
                            .withAmounts(col->col_type);
                break;
            }
        }
        if (!error && onRow && !onRow(row, values))
            stopped = true;
    }
    // libmdb skips a row it cannot take apart, and a data page it cannot read ends the scan
    // quietly; the count in the definition tells such a loss from the real end.
    if (!error && !stopped && row < qint64(table->num_rows))
        error = d->damaged(JetDamage::RowsLost).inTable(tableName).withAmounts(qint64(table->num_rows), row);
    mdb_free_tabledef(table);
    return error;
}

} // namespace pw
