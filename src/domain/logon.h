#pragma once

#include "db/dberror.h"

#include <QString>

namespace pw {

class Database;

// Logging an employee on: the chosen name, then the password of an employee who has one.
namespace logon {

// What choosing a name came to.
struct Choice {
    enum Outcome {
        LoggedOn,       // no password: the employee works at once
        PasswordAsked,  // the employee has a password, which must be typed first
        NotListed,      // no list row has exactly this name
        ListUnreadable, // the employee list could not be read (error says why)
        LogUnusable,    // whether the employee's time log exists could not be found out (error)
        LogMissing,     // the listed employee's time log is gone: nobody can work on it
    };
    Outcome outcome = NotListed;
    DbError error;
    QString name;
    QString wage; // the wage per hour, as stored

    bool accepted() const { return outcome == LoggedOn || outcome == PasswordAsked; }

private:
    friend Choice choose(Database &db, const QString &name);
    friend bool passwordAccepted(const Choice &choice, const QString &typed);
    QString m_password; // as stored when the name was chosen
};

// The first list row of exactly this name decides; an empty text and a Null alike mean no password.
Choice choose(Database &db, const QString &name);

// Whether what was typed is the chosen employee's password, compared exactly (letter case and
// blanks count), as it was stored when the name was chosen.
bool passwordAccepted(const Choice &choice, const QString &typed);

} // namespace logon

// Where the company is, for messages: the file's full path, or the database and its server.
Location companyLocation(const Database &db);

} // namespace pw
