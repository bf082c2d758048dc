// The choice of engine for a company's location.
#include "db/engine.h"

#include "db/postgresengine.h"
#include "db/sqliteengine.h"

#include <algorithm>
#include <array>

namespace pw {

std::unique_ptr<Engine> Engine::forLocation(const QString &location, OpenFor use)
{
    // A server's company is only read where it is only read: nothing there is the copy's to change.
    if (PostgresEngine::isServerLocation(location))
        return std::make_unique<PostgresEngine>(location);
    return std::make_unique<SqliteEngine>(location, use);
}

namespace {

// One engine of each kind, for their rules on names; neither is ever opened.
const std::array<std::unique_ptr<Engine>, 2> &everyEngine()
{
    static const std::array<std::unique_ptr<Engine>, 2> engines{
        std::make_unique<SqliteEngine>(QStringLiteral("Employee.mdb")),
        std::make_unique<PostgresEngine>(QStringLiteral("postgresql:///punchwell"))};
    return engines;
}

} // namespace

bool Engine::anyEngineReserves(const QString &name)
{
    const auto &engines = everyEngine();
    return std::any_of(engines.begin(), engines.end(), [&](const auto &e) { return e->reservesName(name); });
}

bool Engine::everyEngineHolds(const QString &name)
{
    const auto &engines = everyEngine();
    return std::all_of(engines.begin(), engines.end(), [&](const auto &e) { return e->canHoldName(name); });
}

} // namespace pw
