#include "domain/companysettings.h"

#include "db/database.h"
#include "domain/journaling.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace pw {

CompanySettings::CompanySettings(Database &db, QObject *parent) : QObject(parent), m_db(db) {}

DbResult<bool> CompanySettings::load()
{
    auto stored = CompanyData(m_db).read();
    if (!stored)
        return stored.error();
    if (!stored->has_value())
        return false;
    const Settings &s = **stored;
    if (m_company != s.company) {
        m_company = s.company;
        Q_EMIT companyChanged(m_company);
    }
    // In this order, as the switches have always been put into effect.
    apply(Switch::Edits, switchIsOn(s.edits));
    apply(Switch::Money, switchIsOn(s.money));
    apply(Switch::Subs, switchIsOn(s.subs));
    return true;
}

void CompanySettings::apply(Switch which, bool on)
{
    if (m_on[index(which)] == on)
        return;
    m_on[index(which)] = on;
    Q_EMIT switchChanged(which, on);
}

DbError CompanySettings::setSwitch(Switch which, bool on)
{
    // The row is stored before anything follows the switch.
    Database::Transaction t(m_db);
    if (!t.ok())
        return t.beginError();
    CompanyData data(m_db);
    const auto was = data.read();
    if (!was)
        return was.error();
    if (DbError e = data.setSwitch(which, on))
        return e;
    // {"money":0} before and {"money":1} after: the field, and its stored value (null for Null).
    const QString field = switchField(which);
    auto text = [&field](const QJsonValue &value) {
        return QString::fromUtf8(QJsonDocument(QJsonObject{{field, value}}).toJson(QJsonDocument::Compact));
    };
    std::optional<QString> before;
    if (*was) {
        const Settings &s = **was;
        const QVariant &stored = which == Switch::Subs ? s.subs : which == Switch::Money ? s.money : s.edits;
        before = text(stored.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue::fromVariant(stored));
    }
    if (DbError e = journaling::record(m_db, journaling::kSwitch, std::nullopt, before, text(on ? 1 : 0)))
        return e;
    if (DbError e = t.commit())
        return e;
    apply(which, on);
    return {};
}

DbError CompanySettings::storeCompany(const QString &company)
{
    Database::Transaction t(m_db);
    if (!t.ok())
        return t.beginError();
    if (DbError e = CompanyData(m_db).storeCompany(company))
        return e;
    if (DbError e = journaling::record(m_db, journaling::kCompany, std::nullopt, std::nullopt, company))
        return e;
    return t.commit();
}

} // namespace pw
