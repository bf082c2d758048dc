#pragma once

#include <QObject>
#include <QString>

namespace pw {

// Who works in the main window: the employee logged on, the wage per hour as stored (text, read as
// a number only when wages are counted), and whether the management functions are open, which they
// are only between a Manager password logon and the next leaving of the main window.
class Session : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The management functions open only to the Manager, and only after a password logon.
    void logOn(const QString &name, const QString &wage, bool passwordGiven);
    void logOff();

    bool isLoggedOn() const { return m_loggedOn; }
    const QString &name() const { return m_name; }
    const QString &wage() const { return m_wage; }
    bool managementOpen() const { return m_loggedOn && m_management; }

Q_SIGNALS:
    void loggedOn();
    void loggedOff();

private:
    QString m_name;
    QString m_wage;
    bool m_loggedOn = false;
    bool m_management = false;
};

} // namespace pw
