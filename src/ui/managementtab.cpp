#include "ui/managementtab.h"

#include "domain/clearing.h"
#include "domain/companysettings.h"
#include "domain/employees.h"
#include "domain/hoursexport.h"
#include "domain/printing.h"
#include "domain/recordviews.h"
#include "domain/totals.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/formats.h"
#include "ui/clicklabel.h"
#include "ui/loggridmodel.h"
#include "ui/recordbrowser.h"
#include "ui/reportboxes.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace pw {

namespace {

// The titles of the boxes each function shows.
const char *const kPrint = QT_TRANSLATE_NOOP("pw::ManagementTab", "Print");
const char *const kClear = QT_TRANSLATE_NOOP("pw::ManagementTab", "Clear");
const char *const kDeleteError = QT_TRANSLATE_NOOP("pw::ManagementTab", "Delete Error");
const char *const kExport = QT_TRANSLATE_NOOP("pw::ManagementTab", "Export");
const char *const kManagedWagesTip = QT_TRANSLATE_NOOP("pw::ManagementTab", "Employee's estimated wages");

// What the journal says of the records an export was made from: their seal, or why there is none.
QString sealNote(const history::Seal &seal)
{
    switch (seal.status) {
    case history::Seal::Sealed:
        return ManagementTab::tr("seal %1").arg(seal.digits);
    case history::Seal::NoJournal:
        return ManagementTab::tr("the records have no journal yet");
    case history::Seal::Broken:
        break;
    }
    if (seal.brokenAt > 0)
        return ManagementTab::tr("the records' journal is broken: they do not verify from row %1 on").arg(seal.brokenAt);
    return ManagementTab::tr("the records' journal is broken: they do not verify");
}

} // namespace

ManagementTab::ManagementTab(Database &db, const Seams &seams, CompanySettings &settings, QWidget *parent)
    : QWidget(parent), m_db(db), m_seams(seams), m_settings(settings)
{
    m_employees = new EmployeeView(m_db, this);
    m_managedLog = new LogView(m_db, this);
    m_managedLog->setObjectName(QStringLiteral("manuse"));
    m_gridModel = new LogGridModel(m_db, this);
    buildLayout();

    connect(m_listBrowser, &RecordBrowser::failed, this, &ManagementTab::reportUpdateFailure);
    connect(m_gridToggle, &ClickLabel::clicked, this, &ManagementTab::onGridToggled);
    connect(m_addButton, &QPushButton::clicked, this, [this] {
        m_nameEdit->setEnabled(false);
        Q_EMIT addRequested();
    });
    connect(m_deleteButton, &QPushButton::clicked, this, &ManagementTab::onDeleteClicked);
    connect(m_clearLogButton, &QPushButton::clicked, this, &ManagementTab::onClearClicked);
    connect(m_printLogButton, &QPushButton::clicked, this, &ManagementTab::onPrintClicked);
    connect(m_changePasswordButton, &QPushButton::clicked, this, &ManagementTab::passwordChangeRequested);
    connect(m_totalsButton, &QPushButton::clicked, this, &ManagementTab::onTotalsClicked);
    connect(m_historyButton, &QPushButton::clicked, this, [this] { Q_EMIT historyRequested(m_nameEdit->text()); });
    connect(m_whosInButton, &QPushButton::clicked, this, &ManagementTab::whosInRequested);
    connect(m_propertiesButton, &QPushButton::clicked, this, &ManagementTab::propertiesRequested);
    connect(m_exportButton, &QPushButton::clicked, this, &ManagementTab::onExportClicked);
}

void ManagementTab::buildLayout()
{
    m_panel = named(new QFrame(this), "Picture1");
    (new QVBoxLayout(this))->addWidget(m_panel);

    auto *employeeFrame = named(new QGroupBox(tr("Select an Employee:"), m_panel), "Frame3");
    m_listBrowser = named(new RecordBrowser(*m_employees, tr("Browser"), employeeFrame), "mandata");

    // The employee's fields; the grid panel lies over them while it is shown.
    m_employeeFields = named(new QWidget(employeeFrame), "employeeFields");
    m_nameEdit = named(new QLineEdit(m_employeeFields), "manlist", tr("Employee name"));
    setLocked(m_nameEdit, true);
    auto *wageCaption = new QLabel(tr("$/hr:"), m_employeeFields);
    m_wageEdit = named(new QLineEdit(m_employeeFields), "emoney", tr("Wage per hour"));
    wageCaption->setBuddy(m_wageEdit);
    auto *notesCaption = new QLabel(tr("Notes:"), m_employeeFields);
    m_notesEdit = named(new QPlainTextEdit(m_employeeFields), "Text1", tr("Notes"));
    m_notesEdit->setTabChangesFocus(true);
    notesCaption->setBuddy(m_notesEdit);
    auto *hoursCaption = new QLabel(tr("Hours:"), m_employeeFields);
    m_hoursLabel = named(new QLabel(QStringLiteral("0.00"), m_employeeFields), "manehours", tr("Employee's hours"));
    auto *dollar = new QLabel(QStringLiteral("$"), m_employeeFields);
    m_wagesLabel = named(new QLabel(QStringLiteral("0.00"), m_employeeFields), "manemoney", tr(kManagedWagesTip));
    auto *fields = new QGridLayout(m_employeeFields);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(m_nameEdit, 0, 0, 1, 4);
    fields->addWidget(wageCaption, 1, 0);
    fields->addWidget(m_wageEdit, 1, 1, 1, 3);
    fields->addWidget(notesCaption, 2, 0, Qt::AlignTop);
    fields->addWidget(m_notesEdit, 2, 1, 1, 3);
    fields->addWidget(hoursCaption, 3, 0);
    fields->addWidget(m_hoursLabel, 3, 1);
    fields->addWidget(dollar, 3, 2, Qt::AlignRight);
    fields->addWidget(m_wagesLabel, 3, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    m_listBrowser->bind(QStringLiteral("Ename"), m_nameEdit);
    m_listBrowser->bind(QStringLiteral("Ewage"), m_wageEdit);
    m_listBrowser->bind(QStringLiteral("Ecomment"), m_notesEdit);

    m_gridPanel = named(new QFrame(employeeFrame), "Picture3");
    m_grid = named(new QTableView(m_gridPanel), "DBGrid1", tr("Employee's time log"));
    m_grid->setModel(m_gridModel);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    auto *gridLayout = new QVBoxLayout(m_gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(m_grid);
    m_gridPanel->hide();

    m_gridToggle = named(new ClickLabel(tr("Toggle Employee Grid"), employeeFrame), "Label8",
                         tr("Toggle Employee Grid"));
    m_gridToggle->setToolTip(tr("Click here to view an Employee's data in a Data Grid."));
    QFont underline = m_gridToggle->font();
    underline.setUnderline(true);
    m_gridToggle->setFont(underline);

    // The fields and the grid panel share one place of their own, so the rows around it keep their
    // spacing (a grid cell holding two widgets loses the spacing above it).
    auto *fieldsOrGrid = new QGridLayout;
    fieldsOrGrid->addWidget(m_employeeFields, 0, 0);
    fieldsOrGrid->addWidget(m_gridPanel, 0, 0);
    auto *employeeLayout = new QVBoxLayout(employeeFrame);
    employeeLayout->addWidget(m_listBrowser);
    employeeLayout->addLayout(fieldsOrGrid, 1);
    employeeLayout->addWidget(m_gridToggle);

    auto *functions = named(new QGroupBox(tr("Functions:"), m_panel), "Frame4");
    m_addButton = makeButton(functions, "Command5", tr("Add New"), tr("Add a new Employee"));
    m_deleteButton = makeButton(functions, "Deleteemp", tr("Delete"), tr("Delete an Employee"));
    m_clearLogButton = makeButton(functions, "Command4", tr("Clear Log"), tr("Clear an Employee's logs"));
    m_printLogButton = makeButton(functions, "Command3", tr("Print Log"), tr("Print an Employee's Time Card"));
    m_changePasswordButton = makeButton(functions, "ChgPass", tr("Chg Pass"),
                                        tr("Change an Employee's password"));
    m_totalsButton = makeButton(functions, "Command1", tr("Get Hrs/$"),
                                tr("Get the Employee's total number of hours and pay."));
    m_historyButton = makeButton(functions, "cmdhistory", tr("History"),
                                 tr("Show every change to the employee's records"));
    m_whosInButton = makeButton(functions, "cmdwhosin", tr("Who's In"), tr("Show who is clocked in now"));
    m_propertiesButton = makeButton(functions, "Command2", tr("Properties"), tr("Change Punchwell's properties"));
    m_exportButton = makeButton(functions, "cmdexport", tr("Export"),
                                tr("Save every employee's hours through an ending date for payroll"));
    auto *functionsLayout = new QVBoxLayout(functions);
    for (QPushButton *b : {m_addButton, m_deleteButton, m_clearLogButton, m_printLogButton, m_changePasswordButton,
                           m_totalsButton, m_historyButton, m_whosInButton, m_propertiesButton, m_exportButton})
        functionsLayout->addWidget(b);
    functionsLayout->addStretch();

    auto *panel = new QHBoxLayout(m_panel);
    panel->addWidget(employeeFrame, 1);
    panel->addWidget(functions);
    m_panel->hide();
}

void ManagementTab::reportUpdateFailure(const DbError &error)
{
    pw::reportUpdateFailure(m_seams.dialogs, window(), error);
}

void ManagementTab::load()
{
    m_employees->setRecordSource(QStringLiteral("datalist"));
    if (DbError e = m_employees->refresh())
        reportUpdateFailure(e);
}

void ManagementTab::setPanelVisible(bool visible)
{
    m_panel->setVisible(visible);
}

QString ManagementTab::shownEmployee() const
{
    return m_nameEdit->text();
}

void ManagementTab::addDialogClosed(bool added)
{
    m_nameEdit->setEnabled(true);
    if (added) {
        if (DbError e = m_employees->refresh())
            reportUpdateFailure(e);
    }
}

DbError ManagementTab::openManagedLog(const QString &name)
{
    m_managedLog->setRecordSource(name);
    const DbError e = m_managedLog->refresh();
    if (e)
        m_gridModel->clear();
    else
        m_gridModel->setTable(name);
    // A date-time on one line: as wide as the widest the general date format gives.
    if (const int column = m_gridModel->dateColumn(); column >= 0) {
        const QString widest = formats::generalDate(QDateTime(QDate(2026, 12, 28), QTime(22, 58, 58)));
        m_grid->setColumnWidth(column, m_grid->fontMetrics().horizontalAdvance(widest) + 16);
    }
    return e;
}

void ManagementTab::onGridToggled()
{
    // The chosen employee's log is read again on every click; one that cannot be opened leaves the
    // grid empty. For a listed employee that is worth a word; an empty or unlisted name is not.
    const QString name = m_nameEdit->text();
    if (DbError e = openManagedLog(name)) {
        const auto listed = findEmployee(m_db, name);
        if (!listed || listed->has_value())
            reportLogFailure(m_seams.dialogs, window(), name, e, kBoxTitle);
    }
    const bool show = m_gridPanel->isHidden();
    m_gridPanel->setVisible(show);
    m_employeeFields->setVisible(!show);
}

DbError ManagementTab::showTotals(const QString &name)
{
    m_wagesLabel->setText(QStringLiteral("0"));
    m_wagesLabel->setToolTip(tr(kManagedWagesTip));
    if (DbError e = openManagedLog(name))
        return e;
    if (m_managedLog->eof()) {
        m_hoursLabel->setText(QStringLiteral("0"));
        return {};
    }
    const auto totals = countTotals(m_db, name, m_wageEdit->text(), m_seams.clock.localNow());
    if (!totals)
        return totals.error();
    m_hoursLabel->setText(totals->text.hours);
    m_wagesLabel->setText(totals->text.wage);
    m_wagesLabel->setToolTip(wagesToolTip(tr(kManagedWagesTip), totals->text.problem));
    // After an open shift the view stays where reading it again put it, on its first entry.
    if (!totals->count.openShift)
        m_managedLog->moveLast();
    return {};
}

void ManagementTab::onTotalsClicked()
{
    const QString name = m_nameEdit->text();
    if (DbError e = showTotals(name))
        reportLogFailure(m_seams.dialogs, window(), name, e, kBoxTitle);
}

void ManagementTab::onPrintClicked()
{
    const LocalDateTime now = m_seams.clock.localNow();
    const Dialogs::Button answer = m_seams.dialogs.message(
        window(), tr("Would you like to print all employees? (default:  print current employee only)"),
        tr(kPrint), Dialogs::Icon::None, Dialogs::Yes | Dialogs::No | Dialogs::Cancel, Dialogs::Yes);
    if (answer != Dialogs::Yes && answer != Dialogs::No)
        return;
    const QString ending = reportboxes::askEndingDate(m_seams.dialogs, window(),
                                                      tr("Print Punchwell through this ending date: "), now);
    if (ending.isEmpty())
        return;
    // Refused before any card is printed.
    const auto endingDate = reportboxes::readEndingDate(m_seams.dialogs, window(), ending, tr(kPrint), now);
    if (!endingDate)
        return;

    // The grid follows each employee's log as the cards are made, ending on the last card's.
    reportboxes::RunBoxes boxes(m_seams.dialogs, window(), tr(kPrint));
    boxes.onLogOpened = [this](const QString &name) { openManagedLog(name); };
    boxes.onStepDone = [this](const QString &) {
        m_managedLog->moveLast();
        Q_EMIT cardPrinted();
    };
    if (answer == Dialogs::No) {
        printing::printEmployee(m_db, m_seams.printers, m_seams.clock, m_settings.company(), m_nameEdit->text(),
                                *endingDate, boxes);
        return;
    }
    const RunOutcome run = printing::printAll(m_db, m_seams.printers, m_seams.clock, m_settings.company(), *endingDate, boxes);
    m_employees->moveFirst();
    boxes.tellStopped(tr("Printing was stopped after %1 of %2 employees."), run);
}

void ManagementTab::onClearClicked()
{
    const LocalDateTime now = m_seams.clock.localNow();
    // No, the employee shown, is the default, as the question itself says: Enter must never clear
    // every employee's log.
    const Dialogs::Button answer = m_seams.dialogs.message(
        window(), tr("Would you like to clear the log for all employees? (default: clear current employee only)"),
        tr(kClear), Dialogs::Icon::None, Dialogs::Yes | Dialogs::No | Dialogs::Cancel, Dialogs::No);
    if (answer != Dialogs::Yes && answer != Dialogs::No)
        return;

    const QString shown = m_nameEdit->text();
    if (answer == Dialogs::Yes)
        m_employees->moveFirst();
    const QString ending = reportboxes::askEndingDate(m_seams.dialogs, window(), tr("Clear log until this date: "), now);
    reportboxes::RunBoxes boxes(m_seams.dialogs, window(), tr(kClear));
    // Both views of a cleared log show what is left: the logged-on employee's (it may be the same
    // log) and the Management grid.
    boxes.onLogOpened = [this](const QString &name) { openManagedLog(name); };
    boxes.onStepDone = [this](const QString &name) {
        Q_EMIT logCleared();
        openManagedLog(name);
    };
    bool failed = false;
    RunOutcome run;
    // Refused before anything is deleted.
    if (!ending.isEmpty()) {
        if (const auto endingDate = reportboxes::readEndingDate(m_seams.dialogs, window(), ending, tr(kClear), now)) {
            if (answer == Dialogs::No) {
                failed = clearing::clearEmployee(m_db, shown, *endingDate, boxes) == StepResult::Stop;
            } else {
                run = clearing::clearEveryone(m_db, *endingDate, boxes);
                failed = run.failed;
            }
        }
    }
    // The tab shows the first employee afterwards, also when nothing was cleared. A failure has had
    // its box already: reading the list again would only say so again.
    if (DbError e = m_employees->refresh(); e && !failed)
        reportUpdateFailure(e);
    boxes.tellStopped(tr("Clearing was stopped after %1 of %2 employees."), run);
}

void ManagementTab::onDeleteClicked()
{
    const QString name = m_nameEdit->text();
    const DeleteCheck check = checkDeletion(m_db, name);
    switch (check.refusal) {
    case DeleteRefusal::None:
        break;
    case DeleteRefusal::Manager:
        m_seams.dialogs.inform(window(), tr("Sorry, cannot delete the Manager"), tr(kDeleteError),
                               Dialogs::Icon::Exclamation);
        return;
    case DeleteRefusal::ListUnreadable:
        reportFailure(m_seams.dialogs, window(), tr(kDeleteError), tr("Sorry, the list of employees cannot be read"),
                      check.error);
        return;
    case DeleteRefusal::NotListed:
        m_seams.dialogs.inform(window(), tr("Sorry, the Name doesn't appear to exist.  Try again."),
                               tr(kDeleteError), Dialogs::Icon::Exclamation);
        return;
    }

    const Dialogs::Button answer = m_seams.dialogs.message(
        window(),
        tr("Deleting an employee is permanent.  He/She will no longer be able to use the Punchwell "
           "Program unless you add them again. Do you want to continue ?"),
        tr("Punchwell Warning"), Dialogs::Icon::Critical, Dialogs::Yes | Dialogs::No, Dialogs::No);
    if (answer != Dialogs::Yes)
        return;

    // The log is emptied and the list rows removed together, or nothing changes at all.
    if (DbError e = deleteEmployee(m_db, name)) {
        reportFailure(m_seams.dialogs, window(), tr(kDeleteError), tr("Sorry, the Employee could not be deleted"), e,
                      tr("  Nothing was changed."));
        return;
    }
    Q_EMIT employeeDeleted(name);
    m_seams.dialogs.inform(window(), tr("Employee has been deleted."), tr("Information"),
                           Dialogs::Icon::Information);
    if (DbError e = m_employees->refresh())
        reportUpdateFailure(e);
    // The grid stays on the emptied log; a log that was missing leaves it empty.
    openManagedLog(name);
}

void ManagementTab::onExportClicked()
{
    const LocalDateTime now = m_seams.clock.localNow();
    const QString ending = reportboxes::askEndingDate(m_seams.dialogs, window(),
                                                      tr("Export Punchwell through this ending date: "), now);
    if (ending.isEmpty())
        return;
    // Refused before any file is asked for.
    const auto endingDate = reportboxes::readEndingDate(m_seams.dialogs, window(), ending, tr(kExport), now);
    if (!endingDate)
        return;
    const QString path = m_seams.dialogs.saveFileName(
        window(), tr("Save every employee's hours as a CSV file"),
        tr("hours-%1.csv").arg(endingDate->date().toString(Qt::ISODate)), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const hoursexport::Outcome done = hoursexport::exportHours(m_db, path, *endingDate, now);
    switch (done.status) {
    case hoursexport::Outcome::Saved:
        m_seams.dialogs.inform(window(),
                               tr("The hours of %1 (%2) were saved in %3 (%4).")
                                   .arg(done.employees == 1 ? tr("1 employee")
                                                            : tr("%1 employees").arg(done.employees),
                                        done.shifts == 1 ? tr("1 shift")
                                                         : tr("%1 shifts").arg(done.shifts),
                                        QDir::toNativeSeparators(path), sealNote(done.seal)),
                               tr(kExport), Dialogs::Icon::Information);
        return;
    case hoursexport::Outcome::Unreadable:
        reportFailure(m_seams.dialogs, window(), tr(kExport), tr("Sorry, the hours could not be exported"), done.error,
                      tr("  No file was saved."));
        return;
    case hoursexport::Outcome::NotSaved:
        m_seams.dialogs.inform(window(),
                               tr("Sorry, the hours could not be saved in %1: %2")
                                   .arg(QDir::toNativeSeparators(path), done.why),
                               tr(kExport), Dialogs::Icon::Exclamation);
        return;
    }
}

} // namespace pw
