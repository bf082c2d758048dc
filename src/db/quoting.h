#pragma once

#include <QString>

namespace pw {

// The one way an identifier (a table or field name) enters SQL: every '"' is doubled and the whole
// name is wrapped in '"'. Employee names are table names, so "O'Neil \"Bob\"; DROP TABLE datalist"
// names a table and does nothing else. Never use QSqlDriver::escapeIdentifier for names: it splits
// them at '.'.
QString quoteIdentifier(const QString &name);

} // namespace pw
