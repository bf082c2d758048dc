#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <string>

namespace pw {

// One field as RFC 4180 writes it: in double quotes, its own quotes doubled, when it holds a
// comma, a quote or a line break; as it is otherwise.
QString csvField(const QString &text);
// The same for UTF-8 text, appended to out.
void appendCsvField(std::string &out, QByteArrayView utf8);
// A date-time as stored ("YYYY-MM-DD HH:MM:SS") in ISO 8601, "YYYY-MM-DDTHH:MM:SS"; any other text
// as it is.
QString csvDateTime(const QString &stored);

// A CSV file for other programs to read: UTF-8, comma-separated, CRLF line ends, one header row.
// It is written under a temporary name beside its path, in blocks, made durable and renamed over
// the path only when finished, so it appears whole or not at all; one that is not finished leaves
// nothing behind.
class CsvFile {
public:
    // kind: a word for the temporary file's name.
    CsvFile(const QString &path, const QString &kind);
    ~CsvFile();
    CsvFile(const CsvFile &) = delete;
    CsvFile &operator=(const CsvFile &) = delete;

    // Makes the temporary file and writes the header row; false when it cannot be made (why()).
    bool open(const QString &header);
    // One record: its fields as csvField gives them, joined by commas, without the line end.
    void add(const QString &record);
    // A record written in place, for many made as bytes: appended in UTF-8 to what record() gives,
    // then ended.
    std::string &record() { return m_block; }
    void endRecord();
    // Writes what is left, makes it durable and gives it its name; false when that or an earlier
    // write failed (why()).
    bool finish();
    // Why the file could not be made, in the system's words.
    QString why() const { return m_why; }

private:
    void writeBlock();

    QString m_path;
    QFile m_file;
    std::string m_block; // UTF-8
    bool m_written = true;
    bool m_finished = false;
    QString m_why;
};

} // namespace pw
