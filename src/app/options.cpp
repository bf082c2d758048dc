// The command line and the workstation's configuration file.
#include "app/options.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace pw {

namespace {

bool isServerAddress(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

CommandLine wrong(const QString &why)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Wrong;
    line.error = why;
    return line;
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
    bool database = false, copy = false, help = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            help = true;
        } else if (a == QLatin1String("--database") || a.startsWith(QLatin1String("--database="))) {
            if (database)
                return wrong(QStringLiteral("--database is given twice"));
            database = true;
            if (a.contains(QLatin1Char('='))) {
                line.database = a.section(QLatin1Char('='), 1);
            } else {
                if (i + 1 >= arguments.size())
                    return wrong(QStringLiteral("--database needs a location: a postgresql:// address or a file's path"));
                line.database = arguments[++i];
            }
            if (line.database.isEmpty())
                return wrong(QStringLiteral("--database needs a location: a postgresql:// address or a file's path"));
        } else if (a == QLatin1String("--copy-company")) {
            if (copy)
                return wrong(QStringLiteral("--copy-company is given twice"));
            copy = true;
            if (i + 2 >= arguments.size())
                return wrong(QStringLiteral("--copy-company needs two locations: FROM and TO"));
            line.copyFrom = arguments[++i];
            line.copyTo = arguments[++i];
            if (line.copyFrom.isEmpty() || line.copyTo.isEmpty())
                return wrong(QStringLiteral("--copy-company needs two locations: FROM and TO"));
        } else if (a.startsWith(QLatin1Char('-'))) {
            return wrong(QStringLiteral("unknown option %1").arg(a));
        } else {
            return wrong(QStringLiteral("unexpected argument \"%1\"").arg(a));
        }
    }
    if (help) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (copy && database)
        return wrong(QStringLiteral("--copy-company names both companies itself; leave out --database"));
    line.mode = copy ? CommandLine::Mode::Copy : CommandLine::Mode::Run;
    return line;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: punchwell [--database LOCATION]\n"
        "       punchwell --copy-company FROM TO\n"
        "       punchwell --help\n"
        "\n"
        "Punchwell, the time clock of a small company.\n"
        "\n"
        "  --database LOCATION      use the company at LOCATION: a database on a PostgreSQL\n"
        "                           server, postgresql://USER@HOST:PORT/DBNAME?sslmode=require,\n"
        "                           or the path of an SQLite file\n"
        "  --copy-company FROM TO   copy every table and row of the company at FROM into TO\n"
        "                           (each a postgresql:// address or a file's path), check the\n"
        "                           copy and end, without windows; TO must hold no company yet\n"
        "  -h, --help               show this text and end\n"
        "\n"
        "Without --database, the company is the one named by url in the group [database] of\n"
        "the file Punchwell.conf in the folder Punchwell starts in:\n"
        "\n"
        "  [database]\n"
        "  url = postgresql://clock@office-pc/acme\n"
        "\n"
        "and without that file, Employee.mdb in that folder. A password never goes on the\n"
        "command line or into Punchwell.conf: PostgreSQL's own places hold it (~/.pgpass,\n"
        "PGPASSFILE, PGPASSWORD or a service file).\n");
}

QString resolveLocation(const QString &given, const QString &folder)
{
    if (isServerAddress(given))
        return given;
    return QDir::cleanPath(QDir(folder).absoluteFilePath(given));
}

ConfigValue readDatabaseUrl(const QString &configPath)
{
    QFile file(configPath);
    if (!file.exists())
        return {};
    const QString where = QDir::toNativeSeparators(configPath);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("the file %1 cannot be read: %2").arg(where, file.errorString())};
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return {{}, QStringLiteral("the file %1 is not UTF-8 text").arg(where)};

    QString group;
    QString url;
    bool found = false;
    int number = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        ++number;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return {{}, QStringLiteral("line %1 of %2 is not a group: %3").arg(number).arg(where, line)};
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return {{}, QStringLiteral("line %1 of %2 is not \"key = value\": %3").arg(number).arg(where, line)};
        if (group.compare(QLatin1String("database"), Qt::CaseInsensitive) != 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (key.compare(QLatin1String("url"), Qt::CaseInsensitive) != 0)
            continue;
        if (found)
            return {{}, QStringLiteral("%1 gives url in [database] more than once").arg(where)};
        found = true;
        url = line.mid(equals + 1).trimmed();
        if (url.isEmpty())
            return {{}, QStringLiteral("%1 gives an empty url in [database]").arg(where)};
    }
    return {url, {}};
}

CompanyLocation chooseLocation(const QString &option, const QString &folder)
{
    if (!option.isEmpty())
        return {resolveLocation(option, folder), {}};
    const QString config = QDir(folder).absoluteFilePath(QString::fromLatin1(kConfigFile));
    const ConfigValue configured = readDatabaseUrl(config);
    if (!configured.error.isEmpty())
        return {{}, configured.error};
    if (!configured.value.isEmpty())
        return {resolveLocation(configured.value, folder), {}};
    return {QDir(folder).absoluteFilePath(QString::fromLatin1(kCompanyFile)), {}};
}

} // namespace pw
