#pragma once

// Reading back the CSV files the program writes, as another program would.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace pw::test {

using CsvTable = QList<QStringList>;

// A small RFC 4180 reader: quoted fields with doubled quotes, commas and line breaks inside them,
// CRLF between records. A bare LF, or anything after a closing quote, fails the read.
inline bool readCsv(const QByteArray &bytes, CsvTable *out)
{
    const QString text = QString::fromUtf8(bytes);
    QStringList record;
    QString field;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += c, ++i;
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == u',') {
            record << field, field.clear(), wasQuoted = false;
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field, field.clear(), wasQuoted = false, ++i;
            *out << record;
            record.clear();
        } else if (c == u'\n' || c == u'\r' || wasQuoted) {
            return false;
        } else {
            field += c;
        }
    }
    return !quoted && field.isEmpty() && record.isEmpty();
}

inline QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace pw::test
