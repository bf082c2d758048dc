#include "domain/employeename.h"

#include "domain/characters.h"

namespace pw {

NameFaults employeeNameFaults(const QString &name)
{
    NameFaults faults;
    faults.empty = name.isEmpty();
    faults.tooLong = characters(name) > kMaxEmployeeName;
    // SQLite ends a name at NUL, and a lone surrogate has no UTF-8 form to store.
    faults.badCharacter = name.contains(QChar(0)) || !QStringView(name).isValidUtf16();
    return faults;
}

} // namespace pw
