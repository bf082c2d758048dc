#include "ui/reportboxes.h"

#include "platform/dialogs.h"
#include "platform/formats.h"
#include "platform/typeddatetime.h"
#include "ui/storageerror.h"

#include <QDir>

namespace pw::reportboxes {

QString askEndingDate(Dialogs &dialogs, QWidget *parent, const QString &title, const LocalDateTime &now)
{
    return dialogs.input(parent, RunBoxes::tr("Enter an ending date:"), title, formats::generalDate(now));
}

std::optional<LocalDateTime> readEndingDate(Dialogs &dialogs, QWidget *parent, const QString &text,
                                            const QString &title, const LocalDateTime &now)
{
    if (auto ending = formats::parseTypedDateTime(text))
        return ending;
    dialogs.inform(parent,
                   RunBoxes::tr("\"%1\" is not a date.  Please type the ending date as a date and time, "
                                "such as %2, or as a date alone.  Nothing was done.")
                       .arg(text, formats::generalDate(now)),
                   title, Dialogs::Icon::Exclamation);
    return std::nullopt;
}

namespace {

// A file name for the card in the folder the program started in, where a run's file is offered
// too; characters that cannot be part of a file name become "_".
QString suggestedPdf(const QString &employee)
{
    QString name = employee.trimmed();
    for (QChar &c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return QDir::current().filePath(RunBoxes::tr("Time card %1.pdf").arg(name));
}

} // namespace

RunBoxes::RunBoxes(Dialogs &dialogs, QWidget *parent, const QString &title)
    : m_dialogs(dialogs), m_parent(parent), m_title(title)
{
}

RunBoxes::~RunBoxes() = default;

void RunBoxes::begin(int steps)
{
    m_progress = m_dialogs.progress(m_parent, m_title, steps);
}

void RunBoxes::end()
{
    if (m_progress)
        m_progress->finish();
}

bool RunBoxes::step(int done, const QString &employee)
{
    return !m_progress || m_progress->step(done, employee);
}

void RunBoxes::problem(const StepProblem &p)
{
    switch (p.kind) {
    case StepProblem::ListUnreadable:
        if (p.employee.isEmpty())
            reportFailure(m_dialogs, m_parent, m_title, tr("The list of employees cannot be read"), p.error);
        else
            reportLogFailure(m_dialogs, m_parent, p.employee, p.error, m_title);
        break;
    case StepProblem::NotListed:
        m_dialogs.inform(m_parent, tr("Please enter a valid Name or click on the Combo Box."),
                         tr("Log In Error"), Dialogs::Icon::Exclamation);
        break;
    case StepProblem::LogUnusable:
        reportLogFailure(m_dialogs, m_parent, p.employee, p.error, m_title);
        break;
    case StepProblem::NotCleared:
        reportFailure(m_dialogs, m_parent, m_title,
                      tr("The log of %1 could not be cleared, so it is unchanged").arg(p.employee), p.error);
        break;
    case StepProblem::CardUnreadable:
        reportFailure(m_dialogs, m_parent, m_title,
                      tr("The time card of %1 was not printed: the time log cannot be read").arg(p.employee),
                      p.error);
        break;
    case StepProblem::CardNotSaved:
        m_dialogs.inform(m_parent, tr("The time card of %1 could not be saved either: %2.").arg(p.employee, p.why),
                         m_title, Dialogs::Icon::Exclamation);
        break;
    case StepProblem::RunNotSaved:
        m_dialogs.inform(m_parent, tr("The time cards could not be saved: %1.").arg(p.why), m_title,
                         Dialogs::Icon::Exclamation);
        break;
    }
}

void RunBoxes::logOpened(const QString &employee)
{
    if (onLogOpened)
        onLogOpened(employee);
}

void RunBoxes::stepDone(const QString &employee)
{
    if (onStepDone)
        onStepDone(employee);
}

QString RunBoxes::pdfForCard(const QString &employee, const QString &why)
{
    const QString text = tr("The time card of %1 was not printed: %2.\n\nWould you like to save the time card as a "
                            "PDF file instead?")
                             .arg(employee, why);
    if (m_dialogs.message(m_parent, text, m_title, Dialogs::Icon::Exclamation, Dialogs::Yes | Dialogs::No, Dialogs::Yes)
        != Dialogs::Yes)
        return {};
    return m_dialogs.saveFileName(m_parent, tr("Save the time card of %1 as a PDF file").arg(employee),
                                  suggestedPdf(employee), tr("PDF files (*.pdf)"));
}

QString RunBoxes::pdfForRun(const QString &employee, const QString &why, const QDate &endingDay)
{
    const QString text = tr("The time card of %1 was not printed: %2.\n\nWould you like to save "
                            "this time card and the rest of this run's as one PDF file instead?")
                             .arg(employee, why);
    if (m_dialogs.message(m_parent, text, m_title, Dialogs::Icon::Exclamation, Dialogs::Yes | Dialogs::No, Dialogs::Yes)
        != Dialogs::Yes)
        return {};
    return m_dialogs.saveFileName(
        m_parent, tr("Save the time cards as one PDF file"),
        QDir::current().filePath(tr("Time cards up to %1.pdf").arg(endingDay.toString(Qt::ISODate))),
        tr("PDF files (*.pdf)"));
}

void RunBoxes::tellStopped(const QString &sentence, const RunOutcome &run)
{
    if (run.cancelled)
        m_dialogs.inform(m_parent, sentence.arg(QString::number(run.done), QString::number(run.total)), m_title,
                         Dialogs::Icon::Information);
}

} // namespace pw::reportboxes
