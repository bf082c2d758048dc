#pragma once

#include "db/dberror.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace pw {

// The Access (Jet) file formats, by the version byte of the file's header page.
enum class JetFormat {
    Jet3,    // Access 97
    Jet4,    // Access 2000, 2002 and 2003
    Ace12,   // Access 2007 (.accdb)
    Ace14,   // Access 2010
    Ace15,   // Access 2013
    Ace16,   // Access 2016
    Ace17,   // Access 2019
};

// A column's type as Access names it.
enum class JetType {
    Boolean,
    Byte,
    Integer,     // 16 bits
    LongInteger, // 32 bits
    Currency,
    Single,
    Double,
    DateTime,
    Binary,
    Text,
    Ole,
    Memo,
    ReplicationId,
    Numeric,
    Complex,
    Unknown,
};

struct JetColumn {
    QString name;
    JetType type = JetType::Unknown;
    // Text and Binary: the most characters (bytes for Binary) a value holds; the other fixed-size
    // types: the bytes stored; Memo, OLE and Boolean: 0.
    int size = 0;
};

struct JetTable {
    QString name;
    QList<JetColumn> columns;
};

// Reads an Access "Employee.mdb" (Jet 3, Jet 4 or ACE) read-only, through libmdb.
//
// Values come as QVariants, in the table's column order:
//   Null                     -> an invalid QVariant, distinct from empty text
//   Text, Memo               -> QString (a memo whole, however long)
//   Byte, Integer, Long      -> int (an Integer of -1 stays -1)
//   Boolean                  -> bool
//   Single, Double           -> double
//   Currency                 -> QString, the exact amount with four decimals ("-1234.5600")
//   DateTime                 -> QString "YYYY-MM-DD HH:MM:SS" (see jetDateTimeToStored)
//   Numeric, Replication ID  -> QString as libmdb writes them
//   Binary, OLE              -> QByteArray
//
// Text is always converted from the file's encoding to UTF-8 by the reader's own converter, so
// neither the process locale nor libmdb's MDBICONV variable changes what is read.
class JetReader {
public:
    JetReader();
    ~JetReader();
    JetReader(const JetReader &) = delete;
    JetReader &operator=(const JetReader &) = delete;

    // Opens the file and reads its catalog and table definitions. Refuses, before libmdb sees the
    // file, anything that is not an Access file, a file cut short, an unknown version, and a
    // file with a database password. Failures are the Access* reasons, about this file.
    DbError open(const QString &path);
    void close();
    bool isOpen() const;

    JetFormat format() const;
    static QString formatName(JetFormat format);
    // Whether the file begins as an Access file does, of any version, readable or not.
    static bool looksLikeAccess(const QString &path);

    // The user tables (no MSys* system tables), in catalog order.
    const QList<JetTable> &tables() const;
    std::optional<JetTable> table(const QString &name) const;

    // Called once per row in stored order; row is 1-based. Returning false stops the reading
    // without an error.
    using RowHandler = std::function<bool(qint64 row, const QVariantList &values)>;
    // Reads every row of the named table (exact name). A row libmdb cannot take apart, a table with
    // fewer readable rows than its definition counts, or a date outside Access's range is an error
    // naming the table and the row.
    DbError readRows(const QString &tableName, const RowHandler &onRow);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// An Access date-time (days since 1899-12-30; the fraction is the time of day, and before that
// date the whole part counts back while the fraction still counts forward, so -1.25 is
// 1899-12-29 06:00) as Punchwell's stored text, rounded to the nearest second. Nothing for a value
// outside Access's own range, the years 100 to 9999.
std::optional<QString> jetDateTimeToStored(double days);

// A Currency value (an integer count of ten-thousandths) as exact decimal text with four decimals.
QString jetCurrencyToText(qint64 tenThousandths);

} // namespace pw
