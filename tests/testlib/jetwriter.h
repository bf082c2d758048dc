#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <vector>

namespace pw::test {

// Writes small Access files in the Jet 4 layout (4 KiB pages), so tests make the company files
// they read instead of using files from elsewhere. It writes what libmdb and the mdbtools programs
// need: the header page, the MSysObjects catalog on page 2, one definition page per table, data
// pages with the row layout and null mask, usage maps, and long-value (LVAL) pages for memos.
//
// Values by column type (an invalid QVariant is Null for every type but Boolean):
//   Text, Memo                   QString
//   Boolean                      bool
//   Byte, Integer, LongInteger   anything QVariant::toLongLong() takes; out of range is an error
//   Currency                     qint64, in ten-thousandths (12.5 is 125000)
//   Single, Double               double
//   DateTime                     double: the stored day count itself, any value
//   Ole                          Null only
//
// Limits: no indexes, no deleted rows, no overflow rows; a table's definition (columns and
// names) fits in one page; a row fits in one page (memos longer than 256 bytes go to LVAL pages);
// a table's data pages are covered by one inline usage map, which holds about 30 000 pages.
class JetWriter {
public:
    enum class Type {
        Boolean = 0x01,
        Byte = 0x02,
        Integer = 0x03,
        LongInteger = 0x04,
        Currency = 0x05,
        Single = 0x06,
        Double = 0x07,
        DateTime = 0x08,
        Text = 0x0a,
        Ole = 0x0b,
        Memo = 0x0c,
    };
    struct Column {
        QString name;
        Type type = Type::Text;
        int size = 255; // Text: the most characters
    };

    // The tables of the old company file.
    static QList<Column> companyDataColumns(); // company, subs, money, edits
    static QList<Column> datalistColumns();    // Ename, Ewage, Ecomment, epass
    static QList<Column> logColumns();         // Ename, datetime, inoutfx, activity

    // Returns the table's number for addRow.
    int addTable(const QString &name, const QList<Column> &columns);
    void addRow(int table, const QVariantList &values);
    qsizetype rowCount(int table) const { return m_tables.at(size_t(table)).rows.size(); }

    // The header's version byte: 1 is Jet 4, 2 to 6 are the ACE versions (the header then says
    // "Standard ACE DB"); anything else makes a file of an unknown version.
    void setVersionByte(int version) { m_version = version; }
    // Stores a database password in the header, encoded as Access does.
    void setPassword(const QString &password) { m_password = password; }

    // Writes the file; on failure says why in *error.
    bool save(const QString &path, QString *error = nullptr) const;

private:
    struct Table {
        QString name;
        QList<Column> columns;
        std::vector<QVariantList> rows;
        bool system = false;
    };
    std::vector<Table> m_tables;
    int m_version = 1;
    QString m_password;
};

// Faults for tests: cuts a file to its first `size` bytes.
bool truncateFile(const QString &path, qint64 size);

} // namespace pw::test
