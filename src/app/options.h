#pragma once

#include "platform/datetimecodec.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace pw {

// What is wrong with the command line or with Punchwell.conf; CommandText has the words.
struct OptionsFault {
    enum Kind {
        None,
        // The command line. argument: the option or argument concerned.
        DatabaseTwice,
        DatabaseWithoutLocation,
        CopyTwice,
        CopyWithoutLocations,
        CopyWithDatabase,
        ExportTwice,
        ExportWithoutFile,
        ExportWithCopy,
        ThroughTwice,
        ThroughWithoutDate,
        ThroughWithoutExport,
        ThroughNotADateTime,
        VerifyWithOther,  // --verify-records with --copy-company or an export
        SealWithoutVerify,
        SealNotHex,       // argument: what was given
        HistoryTwice,
        HistoryWithoutFile,
        HistoryWithOther, // argument: the other option that does something of its own
        UnknownOption,
        UnexpectedArgument,
        // Punchwell.conf. file: its path; line and text: the line concerned.
        ConfigUnreadable, // text: the system's reason
        ConfigNotUtf8,
        ConfigNotAGroup,
        ConfigNotKeyValue,
        ConfigUrlTwice,
        ConfigUrlEmpty,
        ConfigHoldsSecret, // text: the secret parameter's name, never its value
        ConfigIdleLogoffNotSeconds, // text: the value as written
        ConfigIdleLogoffTwice,
    };
    Kind kind = None;
    QString argument;
    QString file;
    int line = 0;
    QString text;

    explicit operator bool() const { return kind != None; }
};

// What the command line asks for.
struct CommandLine {
    enum class Mode {
        Run,   // the windows, on the company at `database` (or the one configured)
        Copy,  // --copy-company FROM TO: no windows
        ExportHours, // --export-hours FILE [--through DATETIME]: no windows
        Verify,      // --verify-records [--seal HEX]: no windows
        ExportHistory, // --export-history FILE: no windows
        Help,  // --help
        Wrong, // something that is not an option of the program: `fault` says what
    };
    Mode mode = Mode::Run;
    QString database; // --database LOCATION; empty when not given
    QString copyFrom, copyTo;
    QString exportFile;                  // --export-hours FILE
    std::optional<LocalDateTime> through; // --through DATETIME; nothing: now
    std::optional<QString> seal;          // --seal HEX: 16 hex digits
    QString historyFile;                  // --export-history FILE
    OptionsFault fault;
};

// The arguments after the program's name. Accepted: --database LOCATION (or
// --database=LOCATION), --copy-company FROM TO, --export-hours FILE with perhaps --through DATETIME
// (ISO 8601 or as a person types one in the system's locale), --export-history FILE,
// --verify-records with perhaps --seal HEX (16 hex digits), --help (or -h). Options are never
// abbreviated, and nothing else is taken.
CommandLine parseCommandLine(const QStringList &arguments);

// Whether the arguments ask for something that needs no windows (copying, the help, or telling
// what is wrong with them), so the program can run without a display.
bool needsNoWindows(const QStringList &arguments);

// The configuration file of a workstation, in the folder Punchwell starts in.
inline constexpr const char *kConfigFile = "Punchwell.conf";
// The company file in the start folder when nothing else is configured.
inline constexpr const char *kCompanyFile = "Employee.mdb";

// Where the company is, and what said so.
struct CompanyLocation {
    QString location;   // a postgresql:// URI, or an SQLite file's absolute path
    OptionsFault fault; // why no location could be chosen (a configuration file that cannot be used)
    bool ok() const { return !fault; }
};

// The first that is given wins: the --database option; the key url in the group [database] of
// Punchwell.conf in the folder; Employee.mdb in the folder. A path that is not absolute is taken
// from the folder.
CompanyLocation chooseLocation(const QString &option, const QString &folder);

// A location as given (a URI, or a path taken from the folder when it is not absolute).
QString resolveLocation(const QString &given, const QString &folder);

// The longest idle_logoff, in seconds: a day.
inline constexpr int kMaxIdleLogoff = 24 * 60 * 60;

// What a workstation's Punchwell.conf says: url in the group [database] (empty when not given) and
// idle_logoff in the group [workstation], the seconds without a key press or a click after which
// the main window is left as "Exit" leaves it (0 when not given). An error when the file cannot be
// read, a key is there more than once, the url is empty or idle_logoff is not a whole number of
// seconds from 1 to kMaxIdleLogoff. Lines are "key = value"; group and key names are matched
// without regard to letter case; blanks around the key and the value do not count; lines starting
// with ';' or '#' are comments; other groups and keys are passed over. The url is taken exactly as
// written, commas and quotes included. A file that is not there says nothing.
struct WorkstationConfig {
    QString databaseUrl;
    int idleLogoffSeconds = 0;
    OptionsFault fault;
};
WorkstationConfig readConfig(const QString &configPath);

// The url of readConfig(), with any fault of the file.
struct ConfigValue {
    QString value;
    OptionsFault fault;
};
ConfigValue readDatabaseUrl(const QString &configPath);

} // namespace pw
