#pragma once

#include "db/dberror.h"

#include <QString>

#include <functional>
#include <optional>

namespace pw {

class Database;

// What went wrong for one employee in printing or clearing, told to whoever started it before the
// work goes on or stops.
struct StepProblem {
    enum Kind {
        ListUnreadable, // the employee list could not be read (error); the work stops
        NotListed,      // no list row holds exactly this name; nothing is done for it
        LogUnusable,    // the employee's time log cannot be opened (error)
        NotCleared,     // the log could not be cleared, so it is unchanged (error)
        CardUnreadable, // the log could not be read for the card: nothing of the card was printed
        CardNotSaved,   // the card was not printed, and could not be saved as a PDF file either (why)
        RunNotSaved,    // the PDF file of a run's cards could not be saved (why)
    };
    Kind kind = ListUnreadable;
    QString employee; // empty when the list itself could not be read
    DbError error;
    QString why;
};

// Whoever started the work on one employee or all of them: shows how far a run has come, tells
// each problem, and follows each employee's log as the work opens it.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    // A run over every employee begins with this many steps, and ends.
    virtual void begin(int steps) { Q_UNUSED(steps); }
    virtual void end() {}
    // Before each employee's step, `done` steps being done. False when the user asked to stop: the
    // run stops before this employee.
    virtual bool step(int done, const QString &employee)
    {
        Q_UNUSED(done);
        Q_UNUSED(employee);
        return true;
    }
    virtual void problem(const StepProblem &problem) = 0;
    // The work is about to open this listed employee's log.
    virtual void logOpened(const QString &employee) { Q_UNUSED(employee); }
    // The employee's card was printed (or sent elsewhere), or the log cleared.
    virtual void stepDone(const QString &employee) { Q_UNUSED(employee); }
};

// What one employee's step came to.
enum class StepResult {
    Done,    // done, or nothing to do for this employee (an empty log prints no card)
    Skipped, // refused for this employee alone, and told; a run goes on
    Stop,    // a failure of the company database, or the user declined to go on: a run ends
};

// What a run over every employee came to.
struct RunOutcome {
    int done = 0;
    int total = 0;
    bool cancelled = false; // the user stopped it
    bool failed = false;    // a step stopped it
};

namespace runs {

// Walks every name of the employee list in stored order (a name listed twice, twice), each step
// announced to the observer first.
RunOutcome walkEmployees(Database &db, RunObserver &observer, const std::function<StepResult(const QString &)> &each);

// The first steps of every employee's work: the name must be listed (a name that is not is refused
// rather than worked on with another employee's log), and its log must open. Nothing comes back
// when the employee's work may go on; otherwise what the step came to, the problem told.
std::optional<StepResult> openListedLog(Database &db, const QString &employee, RunObserver &observer, bool *empty);

} // namespace runs
} // namespace pw
