#pragma once

#include "domain/printing.h"
#include "platform/datetimecodec.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace pw {

class Dialogs;
class Progress;

// The boxes that printing and clearing share.
namespace reportboxes {

// The input box for an ending date: the prompt "Enter an ending date:" and, as its default text,
// "now" in the general date format. Returns the typed text, empty when cancelled or cleared.
QString askEndingDate(Dialogs &dialogs, QWidget *parent, const QString &title, const LocalDateTime &now);

// The typed ending date read as a date-time. Text that does not read as one is refused with a box
// (exclamation icon, the given title) and nothing comes back.
std::optional<LocalDateTime> readEndingDate(Dialogs &dialogs, QWidget *parent, const QString &text,
                                            const QString &title, const LocalDateTime &now);

// What printing or clearing shows while it works: a progress window for a run, a box for each
// problem (titled as given), and the questions that send a card the printer did not take to a PDF
// file instead. The window that started the work follows each log through the two hooks.
class RunBoxes : public printing::PrintObserver {
    Q_DECLARE_TR_FUNCTIONS(pw::reportboxes::RunBoxes)

public:
    RunBoxes(Dialogs &dialogs, QWidget *parent, const QString &title);
    ~RunBoxes() override;

    std::function<void(const QString &employee)> onLogOpened;
    std::function<void(const QString &employee)> onStepDone;

    void begin(int steps) override;
    void end() override;
    bool step(int done, const QString &employee) override;
    void problem(const StepProblem &problem) override;
    void logOpened(const QString &employee) override;
    void stepDone(const QString &employee) override;
    QString pdfForCard(const QString &employee, const QString &why) override;
    QString pdfForRun(const QString &employee, const QString &why, const QDate &endingDay) override;

    // After a run the user stopped, the sentence that says so with the employees done (%1) and all
    // of them (%2): "Printing was stopped after 2 of 5 employees."
    void tellStopped(const QString &sentence, const RunOutcome &run);

private:
    Dialogs &m_dialogs;
    QWidget *m_parent;
    QString m_title;
    std::unique_ptr<Progress> m_progress;
};

} // namespace reportboxes
} // namespace pw
