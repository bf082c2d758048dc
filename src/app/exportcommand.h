#pragma once

#include <QString>

namespace pw {

class Clock;
struct CommandLine;

// What `punchwell --export-hours FILE` or `--export-history FILE` did: the exit code and its one
// line (the standard output on success, the standard error otherwise).
struct ExportCommandResult {
    int exitCode = 0;
    QString line;
};

// Exports every employee's hours through the command line's ending date (the company's "now" when
// it gives none) to its file, without windows. The company is chosen as for a normal start and only
// read; a path that is not absolute is taken from folder. On any failure no file is written.
ExportCommandResult exportHoursCommand(const CommandLine &line, const QString &folder, const Clock &workstation);

// Exports the company's journal of changes to the command line's file, the same way; a company
// without a journal, or whose journal does not verify, gets no file.
ExportCommandResult exportHistoryCommand(const CommandLine &line, const QString &folder);

} // namespace pw
