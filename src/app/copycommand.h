#pragma once

#include <QString>

namespace pw {

// What `punchwell --copy-company FROM TO` did: the exit code, and the one line that says so
// (for the standard output on success, the standard error otherwise).
struct CopyCommandResult {
    int exitCode = 0;
    QString line;
};

// Copies the company at FROM into TO (each a postgresql:// address or a file's path, taken from
// folder when it is not absolute) and checks the copy, without windows. TO must hold no company;
// on any failure it is left as it was.
CopyCommandResult copyCompanyCommand(const QString &from, const QString &to, const QString &folder);

} // namespace pw
