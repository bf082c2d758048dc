#include "domain/csvfile.h"

#include "platform/safefile.h"

namespace pw {

namespace {

// The records are handed to the file in blocks of about this many bytes.
constexpr qsizetype kBlock = 1 << 16;

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
    m_block.reserve(2 * kBlock);
    add(header);
    return true;
}

void CsvFile::add(const QString &record)
{
    m_block += record.toUtf8();
    m_block += "\r\n";
    if (m_block.size() >= kBlock)
        writeBlock();
}

void CsvFile::writeBlock()
{
    m_written = m_written && m_file.write(m_block) == m_block.size();
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
