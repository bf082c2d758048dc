#include "testlib/accessfixture.h"

#include <QFileInfo>

namespace pw::test {

namespace {

constexpr double Jan1st2024 = 45292.0;

} // namespace

QVariantList fixtureEntry(const QString &employee, int i)
{
    const bool in = i % 2 == 0;
    QVariant activity;
    if (in)
        activity = i % 14 == 0 ? QVariant() : i % 10 == 0 ? QVariant(QStringLiteral(" ")) : QVariant(QStringLiteral("Task %1").arg(i));
    // Shifts of 8 hours, 16 hours apart, at whole seconds.
    const double day = Jan1st2024 + (i / 2) + (in ? 7.0 / 24 : 15.0 / 24) + (i % 60) / 86400.0;
    return {employee, day, in ? QStringLiteral("Clocked In") : QStringLiteral("Clocked Out"), activity};
}

AccessCompanyFixture AccessCompanyFixture::make(int count, int entries, const QString &company)
{
    AccessCompanyFixture f;
    f.settings = {company, 0, 0, 0};
    for (int e = 0; e < count; ++e) {
        const QString name = e == 0 ? QStringLiteral("Manager") : QStringLiteral("Employee %1").arg(e, 3, 10, QLatin1Char('0'));
        f.employees.append({name, QStringLiteral("%1.50").arg(10 + e), QVariant(), e == 0 ? QVariant(QString()) : QVariant()});
        QList<QVariantList> log;
        log.reserve(entries);
        for (int i = 0; i < entries; ++i)
            log.append(fixtureEntry(name, i));
        f.addLog(name, log);
    }
    return f;
}

void AccessCompanyFixture::addLog(const QString &table, const QList<QVariantList> &rows)
{
    if (!logs.contains(table))
        logOrder.append(table);
    logs[table] = rows;
}

JetWriter AccessCompanyFixture::writer() const
{
    JetWriter w;
    if (!settings.isEmpty()) {
        const int t = w.addTable(QStringLiteral("Company Data"), JetWriter::companyDataColumns());
        w.addRow(t, settings);
    }
    QList<JetWriter::Column> list = JetWriter::datalistColumns();
    list[0].size = 64; // room for the names the add dialog refuses
    const int t = w.addTable(QStringLiteral("datalist"), list);
    QList<JetWriter::Column> logColumns = JetWriter::logColumns();
    logColumns[0].size = 64;
    for (const QVariantList &row : employees)
        w.addRow(t, row);
    for (const QString &table : logOrder) {
        const int log = w.addTable(table, logColumns);
        for (const QVariantList &row : logs[table])
            w.addRow(log, row);
    }
    return w;
}

bool saveCompanyWithFault(const QString &fault, const QString &path)
{
    auto fixture = AccessCompanyFixture::make(3, 200);
    if (fault == QLatin1String("date"))
        fixture.logs[QStringLiteral("Employee 001")][2][1] = 2958466.0 + 1.5;
    if (fault == QLatin1String("surrogate"))
        fixture.logs[QStringLiteral("Employee 002")][4][3] = QString(QChar(0xd800)) + QStringLiteral("Filing");
    JetWriter writer = fixture.writer();
    if (fault == QLatin1String("no datalist")) {
        writer = JetWriter();
        writer.addRow(writer.addTable(QStringLiteral("Company Data"), JetWriter::companyDataColumns()),
                      {QStringLiteral("Acme"), 0, 0, 0});
        writer.addRow(writer.addTable(QStringLiteral("Kim"), JetWriter::logColumns()), fixtureEntry(QStringLiteral("Kim"), 0));
    }
    if (fault == QLatin1String("password"))
        writer.setPassword(QStringLiteral("secret"));
    if (fault == QLatin1String("version"))
        writer.setVersionByte(0x42);
    if (!writer.save(path))
        return false;
    if (fault == QLatin1String("catalog")) {
        // Bytes 14 and 15 of page 1, the catalog's definition: the page and row of its usage map.
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.seek(4096 + 14) || file.write("\xff\xff", 2) != 2)
            return false;
    }
    return fault != QLatin1String("cut") || truncateFile(path, QFileInfo(path).size() / 4096 / 2 * 4096);
}

} // namespace pw::test
