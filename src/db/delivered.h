#pragma once

namespace pw {

// The delivered database as SQL text (from data/employee.sql, built into the program).
extern const char *const kDeliveredSql;

} // namespace pw
