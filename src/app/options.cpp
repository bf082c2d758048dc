// The command line and the workstation's configuration file.
#include "app/options.h"

#include "db/postgresengine.h"
#include "platform/typeddatetime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace pw {

namespace {

CommandLine wrong(OptionsFault::Kind why, const QString &argument = {})
{
    CommandLine line;
    line.mode = CommandLine::Mode::Wrong;
    line.fault.kind = why;
    line.fault.argument = argument;
    return line;
}

// What is wrong with a configuration file, at a line of it.
WorkstationConfig wrongConfig(OptionsFault::Kind why, const QString &path, int line = 0, const QString &text = {})
{
    WorkstationConfig config;
    config.fault.kind = why;
    config.fault.file = path;
    config.fault.line = line;
    config.fault.text = text;
    return config;
}

// idle_logoff's seconds, or 0 when the text is not a whole number from 1 to kMaxIdleLogoff.
int idleLogoffSeconds(const QString &value)
{
    static const QRegularExpression digits(QStringLiteral("\\A[0-9]{1,9}\\z"));
    if (!digits.match(value).hasMatch())
        return 0;
    const int seconds = value.toInt();
    return seconds <= kMaxIdleLogoff ? seconds : 0;
}

} // namespace

bool needsNoWindows(const QStringList &arguments)
{
    // Qt's own options (-platform, -style, ...) begin with one dash; QApplication takes them away
    // before the command line is read for good. Anything else that is not a run of the windows is
    // told on the terminal.
    for (const QString &a : arguments)
        if (a.size() > 1 && a.startsWith(QLatin1Char('-')) && a[1] != QLatin1Char('-') && a != QLatin1String("-h"))
            return false;
    return parseCommandLine(arguments).mode != CommandLine::Mode::Run;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool database = false, copy = false, help = false, exportHours = false, through = false, verify = false;
    bool history = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            help = true;
        } else if (a == QLatin1String("--database") || a.startsWith(QLatin1String("--database="))) {
            if (database)
                return wrong(OptionsFault::DatabaseTwice, a);
            database = true;
            if (a.contains(QLatin1Char('='))) {
                line.database = a.section(QLatin1Char('='), 1);
            } else {
                if (i + 1 >= arguments.size())
                    return wrong(OptionsFault::DatabaseWithoutLocation, a);
                line.database = arguments[++i];
            }
            if (line.database.isEmpty())
                return wrong(OptionsFault::DatabaseWithoutLocation, a);
        } else if (a == QLatin1String("--copy-company")) {
            if (copy)
                return wrong(OptionsFault::CopyTwice, a);
            copy = true;
            if (i + 2 >= arguments.size())
                return wrong(OptionsFault::CopyWithoutLocations, a);
            line.copyFrom = arguments[++i];
            line.copyTo = arguments[++i];
            if (line.copyFrom.isEmpty() || line.copyTo.isEmpty())
                return wrong(OptionsFault::CopyWithoutLocations, a);
        } else if (a == QLatin1String("--export-hours")) {
            if (exportHours)
                return wrong(OptionsFault::ExportTwice, a);
            exportHours = true;
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return wrong(OptionsFault::ExportWithoutFile, a);
            line.exportFile = arguments[++i];
        } else if (a == QLatin1String("--export-history")) {
            if (history)
                return wrong(OptionsFault::HistoryTwice, a);
            history = true;
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return wrong(OptionsFault::HistoryWithoutFile, a);
            line.historyFile = arguments[++i];
        } else if (a == QLatin1String("--through")) {
            if (through)
                return wrong(OptionsFault::ThroughTwice, a);
            through = true;
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return wrong(OptionsFault::ThroughWithoutDate, a);
            const QString typed = arguments[++i];
            line.through = formats::parseTypedDateTime(typed);
            if (!line.through)
                return wrong(OptionsFault::ThroughNotADateTime, typed);
        } else if (a == QLatin1String("--verify-records")) {
            verify = true;
        } else if (a == QLatin1String("--seal")) {
            const QString noted = i + 1 < arguments.size() ? arguments[++i] : QString();
            static const QRegularExpression sixteenHex(QStringLiteral("\\A[0-9A-Fa-f]{16}\\z"));
            if (line.seal || !sixteenHex.match(noted).hasMatch())
                return wrong(OptionsFault::SealNotHex, noted);
            line.seal = noted;
        } else if (a.startsWith(QLatin1Char('-'))) {
            return wrong(OptionsFault::UnknownOption, a);
        } else {
            return wrong(OptionsFault::UnexpectedArgument, a);
        }
    }
    if (help) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (copy && database)
        return wrong(OptionsFault::CopyWithDatabase);
    if (copy && exportHours)
        return wrong(OptionsFault::ExportWithCopy);
    if (through && !exportHours)
        return wrong(OptionsFault::ThroughWithoutExport);
    if (history && (copy || exportHours))
        return wrong(OptionsFault::HistoryWithOther,
                     copy ? QStringLiteral("--copy-company") : QStringLiteral("--export-hours"));
    if (verify && (copy || exportHours || history))
        return wrong(OptionsFault::VerifyWithOther);
    if (line.seal && !verify)
        return wrong(OptionsFault::SealWithoutVerify);
    if (verify) {
        line.mode = CommandLine::Mode::Verify;
        return line;
    }
    line.mode = copy ? CommandLine::Mode::Copy : exportHours ? CommandLine::Mode::ExportHours : CommandLine::Mode::Run;
    if (history)
        line.mode = CommandLine::Mode::ExportHistory;
    return line;
}

QString resolveLocation(const QString &given, const QString &folder)
{
    if (PostgresEngine::isServerLocation(given))
        return given;
    return QDir::cleanPath(QDir(folder).absoluteFilePath(given));
}

WorkstationConfig readConfig(const QString &configPath)
{
    QFile file(configPath);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return wrongConfig(OptionsFault::ConfigUnreadable, configPath, 0, file.errorString());
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return wrongConfig(OptionsFault::ConfigNotUtf8, configPath);

    QString group;
    WorkstationConfig config;
    bool urlFound = false, idleFound = false;
    int number = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        ++number;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return wrongConfig(OptionsFault::ConfigNotAGroup, configPath, number, line);
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        // A secret is never shown, not even as the line it is on.
        const QString firstWord = line.section(QRegularExpression(QStringLiteral("[\\s=:]")), 0, 0);
        if (PostgresEngine::isSecretParameter(firstWord))
            return wrongConfig(OptionsFault::ConfigHoldsSecret, configPath, number, firstWord.trimmed().toLower());
        if (equals < 0)
            return wrongConfig(OptionsFault::ConfigNotKeyValue, configPath, number, line);
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        auto is = [](const QString &name, const char *expected) {
            return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
        };
        if (is(group, "database") && is(key, "url")) {
            if (urlFound)
                return wrongConfig(OptionsFault::ConfigUrlTwice, configPath, number);
            urlFound = true;
            config.databaseUrl = value;
            if (value.isEmpty())
                return wrongConfig(OptionsFault::ConfigUrlEmpty, configPath, number);
        } else if (is(group, "workstation") && is(key, "idle_logoff")) {
            if (idleFound)
                return wrongConfig(OptionsFault::ConfigIdleLogoffTwice, configPath, number);
            idleFound = true;
            config.idleLogoffSeconds = idleLogoffSeconds(value);
            if (config.idleLogoffSeconds == 0)
                return wrongConfig(OptionsFault::ConfigIdleLogoffNotSeconds, configPath, number, value);
        }
    }
    return config;
}

ConfigValue readDatabaseUrl(const QString &configPath)
{
    const WorkstationConfig config = readConfig(configPath);
    return {config.databaseUrl, config.fault};
}

CompanyLocation chooseLocation(const QString &option, const QString &folder)
{
    if (!option.isEmpty())
        return {resolveLocation(option, folder), {}};
    const QString config = QDir(folder).absoluteFilePath(QString::fromLatin1(kConfigFile));
    const ConfigValue configured = readDatabaseUrl(config);
    if (configured.fault)
        return {{}, configured.fault};
    if (!configured.value.isEmpty())
        return {resolveLocation(configured.value, folder), {}};
    return {QDir(folder).absoluteFilePath(QString::fromLatin1(kCompanyFile)), {}};
}

} // namespace pw
