#include "domain/csvfile.h"

#include "platform/safefile.h"

#include <algorithm>

namespace pw {

namespace {

// The records are handed to the file in blocks of about this many bytes: a file of a million rows
// takes a few dozen writes, not hundreds.
constexpr qsizetype kBlock = 1 << 20;

} // namespace

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void appendCsvField(std::string &out, QByteArrayView utf8)
{
    // The four characters are ASCII: no byte of another character's UTF-8 is one of them.
    const bool quoted =
        std::any_of(utf8.begin(), utf8.end(), [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; });
    if (!quoted) {
        out.append(utf8.data(), std::size_t(utf8.size()));
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

QString csvDateTime(const QString &stored)
{
    if (stored.size() != 19 || stored[10] != QLatin1Char(' '))
        return stored;
    QString iso = stored;
    iso[10] = QLatin1Char('T');
    return iso;
}

CsvFile::CsvFile(const QString &path, const QString &kind)
    : m_path(path), m_file(safefile::temporaryBeside(path, kind))
{
}

CsvFile::~CsvFile()
{
    if (!m_finished && m_file.isOpen()) {
        m_file.close();
        m_file.remove();
    }
}

bool CsvFile::open(const QString &header)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_why = m_file.errorString();
        return false;
    }
    m_block.reserve(std::size_t(2 * kBlock));
    add(header);
    return true;
}

void CsvFile::add(const QString &record)
{
    const QByteArray utf8 = record.toUtf8();
    m_block.append(utf8.constData(), std::size_t(utf8.size()));
    endRecord();
}

void CsvFile::endRecord()
{
    m_block += "\r\n";
    if (qsizetype(m_block.size()) >= kBlock)
        writeBlock();
}

void CsvFile::writeBlock()
{
    m_written = m_written && m_file.write(m_block.data(), qint64(m_block.size())) == qint64(m_block.size());
    m_block.clear();
}

bool CsvFile::finish()
{
    writeBlock();
    if (!m_written || !safefile::syncFile(m_file)) {
        m_why = m_file.errorString();
        return false;
    }
    m_file.close();
    if (!safefile::renameOver(m_file.fileName(), m_path, &m_why)) {
        m_file.remove();
        return false;
    }
    m_finished = true;
    safefile::syncFolder(m_path);
    return true;
}

} // namespace pw
