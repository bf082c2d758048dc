#include "domain/printing.h"

#include "platform/clock.h"
#include "platform/lineprinter.h"

#include <QFileInfo>

#include <memory>

namespace pw::printing {

QString pdfPath(const QString &typed)
{
    return QFileInfo(typed).suffix().isEmpty() ? typed + QStringLiteral(".pdf") : typed;
}

Sent sendCard(Database &db, PrinterFactory &printers, const timecard::CardRequest &card, PrintObserver &observer)
{
    const QString employee = card.heading.employee;
    const timecard::Sent printed = timecard::printOnDefault(db, printers, card);
    if (printed.status == timecard::Sent::Printed)
        return Sent::Printed;
    if (printed.status == timecard::Sent::Unreadable) {
        observer.problem({StepProblem::CardUnreadable, employee, printed.error, {}});
        return Sent::Failed;
    }
    const QString path = observer.pdfForCard(employee, printed.why);
    if (path.isEmpty())
        return Sent::NotPrinted;
    const timecard::Sent saved = timecard::saveAsPdf(db, printers, card, pdfPath(path));
    if (saved.status == timecard::Sent::Unreadable) {
        observer.problem({StepProblem::CardUnreadable, employee, saved.error, {}});
        return Sent::Failed;
    }
    if (saved.status == timecard::Sent::NotPrinted) {
        observer.problem({StepProblem::CardNotSaved, employee, {}, saved.why});
        return Sent::NotPrinted;
    }
    return Sent::SavedAsPdf;
}

namespace {

timecard::CardRequest dataCard(const QString &company, const QString &employee, const LocalDateTime &ending,
                               const LocalDateTime &now)
{
    timecard::CardRequest card;
    card.heading = {timecard::kDataFor, company, employee};
    card.table = employee;
    card.ending = ending;
    card.now = now;
    return card;
}

// The cards of a run: on the default printer while it takes them; once it fails, the observer is
// asked once, and the rest of the run goes into one PDF file.
class CardRun {
public:
    CardRun(Database &db, PrinterFactory &printers, const Clock &clock, const QString &company, const LocalDateTime &ending,
            PrintObserver &observer)
        : m_db(db), m_printers(printers), m_clock(clock), m_company(company), m_ending(ending), m_observer(observer)
    {
    }

    StepResult print(const QString &employee)
    {
        const LocalDateTime printedAt = m_clock.localNow();
        bool empty = false;
        if (auto refused = runs::openListedLog(m_db, employee, m_observer, &empty))
            return *refused;
        if (empty)
            return StepResult::Done;
        const timecard::CardRequest card = dataCard(m_company, employee, m_ending, printedAt);
        if (!m_file) {
            const timecard::Sent printed = timecard::printOnDefault(m_db, m_printers, card);
            if (printed.status == timecard::Sent::Unreadable) {
                m_observer.problem({StepProblem::CardUnreadable, employee, printed.error, {}});
                return StepResult::Stop;
            }
            if (printed.status == timecard::Sent::NotPrinted) {
                // Asked once for the whole run: this card and the rest go into one file, or none
                // is printed.
                if (m_asked)
                    return StepResult::Stop;
                m_asked = true;
                const QString path = m_observer.pdfForRun(employee, printed.why, m_ending.date());
                if (path.isEmpty())
                    return StepResult::Stop;
                m_file = std::make_unique<timecard::CardFile>(m_printers, pdfPath(path));
            }
        }
        if (m_file) {
            if (DbError e = m_file->add(m_db, card)) {
                m_observer.problem({StepProblem::CardUnreadable, employee, e, {}});
                return StepResult::Stop;
            }
        }
        m_observer.stepDone(employee);
        return StepResult::Done;
    }

    void finish()
    {
        if (!m_file)
            return;
        const timecard::Sent saved = m_file->close();
        if (saved.status != timecard::Sent::Printed)
            m_observer.problem({StepProblem::RunNotSaved, QString(), {}, saved.why});
    }

private:
    Database &m_db;
    PrinterFactory &m_printers;
    const Clock &m_clock;
    QString m_company;
    LocalDateTime m_ending;
    PrintObserver &m_observer;
    bool m_asked = false;
    std::unique_ptr<timecard::CardFile> m_file;
};

} // namespace

Sent printEmployee(Database &db, PrinterFactory &printers, const Clock &clock, const QString &company,
                   const QString &employee, const LocalDateTime &ending, PrintObserver &observer)
{
    const LocalDateTime printedAt = clock.localNow();
    bool empty = false;
    if (runs::openListedLog(db, employee, observer, &empty))
        return Sent::Failed;
    if (empty)
        return Sent::Nothing;
    const Sent sent = sendCard(db, printers, dataCard(company, employee, ending, printedAt), observer);
    if (sent != Sent::Failed)
        observer.stepDone(employee);
    return sent;
}

Sent printOwn(Database &db, PrinterFactory &printers, const Clock &clock, const QString &company, const QString &employee,
              const QString &table, PrintObserver &observer)
{
    const auto card = timecard::ownCard(db, table, company, employee, clock.localNow());
    if (!card) {
        observer.problem({StepProblem::LogUnusable, employee, card.error(), {}});
        return Sent::Failed;
    }
    if (!card->has_value())
        return Sent::Nothing;
    const Sent sent = sendCard(db, printers, **card, observer);
    if (sent != Sent::Failed)
        observer.stepDone(employee);
    return sent;
}

RunOutcome printAll(Database &db, PrinterFactory &printers, const Clock &clock, const QString &company,
                    const LocalDateTime &ending, PrintObserver &observer)
{
    CardRun run(db, printers, clock, company, ending, observer);
    const RunOutcome outcome = runs::walkEmployees(db, observer, [&](const QString &name) { return run.print(name); });
    run.finish();
    return outcome;
}

} // namespace pw::printing
