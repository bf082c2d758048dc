// The choice of engine for a company's location.
#include "db/engine.h"

#include "db/postgresengine.h"
#include "db/sqliteengine.h"

namespace pw {

std::unique_ptr<Engine> Engine::forLocation(const QString &location, OpenFor use)
{
    // A server's company is only read where it is only read: nothing there is the copy's to change.
    if (PostgresEngine::isServerLocation(location))
        return std::make_unique<PostgresEngine>(location);
    return std::make_unique<SqliteEngine>(location, use);
}

} // namespace pw
