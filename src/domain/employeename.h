#pragma once

#include <QString>

namespace pw {

// The longest name an employee may have, in characters.
inline constexpr int kMaxEmployeeName = 20;

// What is wrong with an employee's name on its own, before any database is asked. The add dialog
// refuses a name with any of these; names an earlier file holds with them are kept as they are.
struct NameFaults {
    bool empty = false;
    bool tooLong = false;      // more than kMaxEmployeeName characters as a person counts them
    bool badCharacter = false; // a character no table name can hold: NUL, or broken UTF-16

    bool any() const { return empty || tooLong || badCharacter; }
};
NameFaults employeeNameFaults(const QString &name);

} // namespace pw
