#include "app/commandtext.h"

#include "db/companycopy.h"
#include "ui/errortext.h"

namespace pw {

namespace {

// A failure's words as one line of the terminal: line breaks and runs of blanks each one blank.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

} // namespace

QString CommandText::copied(const Location &from, const Location &to, const CopyReport &report)
{
    return tr("Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.")
        .arg(ErrorText::location(from), ErrorText::location(to), QString::number(report.tables),
             QString::number(report.rows));
}

QString CommandText::broughtOver(const QString &accessFile, const Location &to)
{
    return tr("Brought the company over from %1 to %2, read both back and found them equal.")
        .arg(accessFile, ErrorText::location(to));
}

QString CommandText::copyFailed(const DbError &e)
{
    return oneLine(ErrorText::copyFailure(e));
}

QString CommandText::sourceUnreadable(const Location &from, const DbError &e)
{
    return oneLine(ErrorText::notCopied(tr("%1 cannot be read: %2").arg(ErrorText::location(from), ErrorText::numbered(e))));
}

QString CommandText::accessNotCopied(const DbError &e)
{
    return oneLine(ErrorText::notCopied(ErrorText::accessFailure(e, ErrorText::Start::InLine)));
}

} // namespace pw
