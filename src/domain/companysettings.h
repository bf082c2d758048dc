#pragma once

#include "db/companydata.h"
#include "db/dberror.h"

#include <QObject>
#include <QString>

#include <array>

namespace pw {

class Database;

// The company name and the three company-wide switches, as the running program uses them: read
// from "Company Data" when the program starts (and whenever the properties dialog opens), written
// back at once when a switch changes. Windows follow switchChanged; nobody reads a switch from
// a check box.
class CompanySettings : public QObject {
    Q_OBJECT

public:
    explicit CompanySettings(Database &db, QObject *parent = nullptr);

    // Reads the settings row. False when there is none yet (a first run). Each switch that reads
    // differently from before is announced by switchChanged.
    DbResult<bool> load();

    const QString &company() const { return m_company; }
    bool isOn(Switch which) const { return m_on[index(which)]; }

    // Stores the switch as 1 or 0, then announces it. A switch that cannot be stored keeps its state.
    DbError setSwitch(Switch which, bool on);
    // The first run: stores the settings row with the company name exactly as typed.
    DbError storeCompany(const QString &company);

Q_SIGNALS:
    void switchChanged(pw::Switch which, bool on);
    void companyChanged(const QString &company);

private:
    static int index(Switch which) { return int(which); }
    void apply(Switch which, bool on);

    Database &m_db;
    QString m_company;
    std::array<bool, 3> m_on{};
};

} // namespace pw
