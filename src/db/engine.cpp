// The choice of engine for a company's location.
#include "db/engine.h"

#include "db/postgresengine.h"
#include "db/sqliteengine.h"

namespace pw {

std::unique_ptr<Engine> Engine::forLocation(const QString &location)
{
    if (PostgresEngine::isServerLocation(location))
        return std::make_unique<PostgresEngine>(location);
    return std::make_unique<SqliteEngine>(location);
}

} // namespace pw
