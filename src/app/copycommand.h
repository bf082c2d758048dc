#pragma once

#include <QString>

namespace pw {

// What `punchwell --copy-company FROM TO` did: the exit code, the one line that says so (for the
// standard output on success, the standard error otherwise), and after a company brought over from
// an Access-format file, the report of what was carried over.
struct CopyCommandResult {
    int exitCode = 0;
    QString line;
    QString report;
};

// Copies the company at FROM into TO and checks the copy, without windows. FROM is an Access-format
// file (read through the Jet reader and brought over as Punchwell keeps a company), a Punchwell
// file or a postgresql:// address; TO is a new file, or a file or server database holding no
// company. Paths that are not absolute are taken from folder. TO is written in one transaction and
// compared with FROM before anything is reported; on any failure it is left as it was, and a new
// file appears whole or not at all.
CopyCommandResult copyCompanyCommand(const QString &from, const QString &to, const QString &folder);

} // namespace pw
