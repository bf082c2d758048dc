#include "platform/qt/qtprogramend.h"

#include <QCoreApplication>

namespace pw {

void QtProgramEnd::end(int exitCode)
{
    // The event loop may not be running yet (a failure found during start-up); main() checks
    // ended() before entering it.
    m_ended = true;
    m_code = exitCode;
    QCoreApplication::exit(exitCode);
}

} // namespace pw
