#pragma once

#include <QString>

namespace pw {

struct CommandLine;

// What `punchwell --verify-records` found: the exit code and its one line (the standard output when
// the records verify, the standard error otherwise).
struct VerifyCommandResult {
    int exitCode = 0;
    QString line;
};

// Checks the records of the company chosen as for a normal start (a path that is not absolute is
// taken from folder), reading only, against its journal and perhaps a noted seal.
VerifyCommandResult verifyRecordsCommand(const CommandLine &line, const QString &folder);

} // namespace pw
