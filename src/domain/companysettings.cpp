#include "domain/companysettings.h"

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
    if (DbError e = CompanyData(m_db).setSwitch(which, on))
        return e;
    apply(which, on);
    return {};
}

DbError CompanySettings::storeCompany(const QString &company)
{
    return CompanyData(m_db).storeCompany(company);
}

} // namespace pw
