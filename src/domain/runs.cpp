#include "domain/runs.h"

#include "db/employeelist.h"
#include "db/recordset.h"

namespace pw::runs {

RunOutcome walkEmployees(Database &db, RunObserver &observer, const std::function<StepResult(const QString &)> &each)
{
    RunOutcome run;
    const auto names = EmployeeList(db).names();
    if (!names) {
        observer.problem({StepProblem::ListUnreadable, QString(), names.error(), {}});
        run.failed = true;
        return run;
    }
    run.total = int(names->size());
    observer.begin(run.total);
    for (const QString &name : *names) {
        if (!observer.step(run.done, name)) {
            run.cancelled = true;
            break;
        }
        const StepResult step = each(name);
        ++run.done;
        if (step == StepResult::Stop) {
            run.failed = true;
            break;
        }
    }
    observer.end();
    return run;
}

std::optional<StepResult> openListedLog(Database &db, const QString &employee, RunObserver &observer, bool *empty)
{
    const auto listed = EmployeeList(db).find(employee);
    if (!listed) {
        observer.problem({StepProblem::ListUnreadable, employee, listed.error(), {}});
        return StepResult::Stop;
    }
    if (!listed->has_value()) {
        observer.problem({StepProblem::NotListed, employee, {}, {}});
        return StepResult::Skipped;
    }
    observer.logOpened(employee);
    // Opened as the windows open a log, so a log that cannot be used is told in the same words.
    RecordSet log(db);
    log.setRecordSource(employee);
    if (DbError e = log.refresh()) {
        observer.problem({StepProblem::LogUnusable, employee, e, {}});
        // A listed employee without a log is this employee's problem; anything else is the file's.
        return e.number == ErrTableMissing ? StepResult::Skipped : StepResult::Stop;
    }
    *empty = log.eof();
    return std::nullopt;
}

} // namespace pw::runs
