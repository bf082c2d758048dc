#pragma once

#include "db/dberror.h"

#include <QCoreApplication>
#include <QString>

namespace pw {

struct CopyReport;

// The program's lines on a terminal, composed in this one place; where a line says what a box
// says, it takes ErrorText's words. Each sentence is marked for translation in the context
// "pw::CommandText".
class CommandText {
    Q_DECLARE_TR_FUNCTIONS(pw::CommandText)

public:
    // --copy-company: what was done.
    static QString copied(const Location &from, const Location &to, const CopyReport &report);
    static QString broughtOver(const QString &accessFile, const Location &to);
    // --copy-company: why nothing was, in one line. A failure of the copy itself, or the source's
    // failure to open, or an Access-format file that was not brought over.
    static QString copyFailed(const DbError &e);
    static QString sourceUnreadable(const Location &from, const DbError &e);
    static QString accessNotCopied(const DbError &e);
};

} // namespace pw
