// The Access-format reader on any bytes: it opens the file or refuses it with a reason, reads every
// table's rows or stops with one, and never reads out of bounds, whatever libmdb is handed.
#include "access/jetreader.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <unistd.h>

// The sanitizers' reports go to the standard error, which the reader would otherwise turn off
// around libmdb.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("PUNCHWELL_LIBMDB_MESSAGES", "1");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // libmdb reads files only: the input goes into one of the process's own.
    static const QString path = QDir::temp().filePath(QStringLiteral("punchwell-fuzz-access-%1.mdb").arg(::getpid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    pw::JetReader reader;
    if (reader.open(path))
        return 0;
    for (const pw::JetTable &table : reader.tables()) {
        // A damaged catalog may name two tables alike; a name then reads one of them.
        const auto alike = std::count_if(reader.tables().begin(), reader.tables().end(),
                                         [&](const pw::JetTable &t) { return t.name == table.name; });
        qint64 rows = 0;
        const pw::DbError e = reader.readRows(table.name, [&](qint64, const QVariantList &values) {
            if (alike == 1 && values.size() != table.columns.size())
                std::abort();
            return ++rows < 10000;
        });
        (void)e;
    }
    return 0;
}
