#include "db/companydata.h"

#include "db/database.h"
#include "db/quoting.h"

namespace pw {

QString switchField(Switch s)
{
    switch (s) {
    case Switch::Subs: return QStringLiteral("subs");
    case Switch::Money: return QStringLiteral("money");
    case Switch::Edits: return QStringLiteral("edits");
    }
    return {};
}

bool switchIsOn(const QVariant &stored)
{
    if (!stored.isValid() || stored.isNull())
        return false;
    bool ok = false;
    const double v = stored.toDouble(&ok);
    return ok && v == 1.0;
}

DbResult<std::optional<Settings>> CompanyData::read()
{
    const auto rows = m_db.query(QStringLiteral("SELECT company, subs, money, edits FROM %1 ORDER BY %2 LIMIT 1")
                                     .arg(quoteIdentifier(kSettingsTable), m_db.orderKey()));
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<Settings>();
    const QVariantList &row = rows->rows.first();
    Settings s;
    s.company = row[0].toString();
    s.subs = row[1];
    s.money = row[2];
    s.edits = row[3];
    return std::optional<Settings>(s);
}

DbResult<QList<QVariantList>> CompanyData::rows()
{
    const auto rows = m_db.query(QStringLiteral("SELECT company, subs, money, edits FROM %1 ORDER BY %2")
                                     .arg(quoteIdentifier(kSettingsTable), m_db.orderKey()));
    if (!rows)
        return rows.error();
    return rows->rows;
}

DbError CompanyData::storeCompany(const QString &company)
{
    return m_db.exec(QStringLiteral("INSERT INTO %1 (Company) VALUES (?)").arg(quoteIdentifier(kSettingsTable)),
                              {company});
}

DbError CompanyData::setSwitch(Switch which, bool on)
{
    const QString sql = QStringLiteral("UPDATE %3 SET %1 = ? WHERE %2 = (SELECT %2 FROM %3 ORDER BY %2 LIMIT 1)")
                            .arg(quoteIdentifier(switchField(which)), m_db.orderKey(), quoteIdentifier(kSettingsTable));
    return m_db.exec(sql, {on ? 1 : 0});
}

} // namespace pw
