#include "ui/managementtab.h"

#include "db/recordset.h"
#include "domain/clearing.h"
#include "domain/companysettings.h"
#include "domain/employees.h"
#include "domain/timecard.h"
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
#include <QFileInfo>
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

const QString kPrint = QStringLiteral("Print");
const QString kClear = QStringLiteral("Clear");
const QString kDeleteError = QStringLiteral("Delete Error");

// Moves the employee browser onto a row of the list, from its first row unless it is there already.
void moveOnto(RecordSet &list, qint64 rowid)
{
    if (list.currentRowid() == rowid)
        return;
    list.moveFirst();
    while (!list.eof() && list.currentRowid() != rowid)
        list.moveNext();
}

} // namespace

ManagementTab::ManagementTab(Database &db, const Seams &seams, CompanySettings &settings, QWidget *parent)
    : QWidget(parent), m_db(db), m_seams(seams), m_settings(settings)
{
    m_listRecords = new RecordSet(m_db, this);
    m_logRecords = new RecordSet(m_db, this);
    m_logRecords->setObjectName(QStringLiteral("manuse"));
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
    connect(m_propertiesButton, &QPushButton::clicked, this, &ManagementTab::propertiesRequested);
}

void ManagementTab::buildLayout()
{
    m_panel = named(new QFrame(this), "Picture1");
    (new QVBoxLayout(this))->addWidget(m_panel);

    auto *employeeFrame = named(new QGroupBox(QStringLiteral("Select an Employee:"), m_panel), "Frame3");
    m_listBrowser = named(new RecordBrowser(*m_listRecords, QStringLiteral("Browser"), employeeFrame), "mandata");

    // The employee's fields; the grid panel lies over them while it is shown.
    m_employeeFields = named(new QWidget(employeeFrame), "employeeFields");
    m_nameEdit = named(new QLineEdit(m_employeeFields), "manlist", QStringLiteral("Employee name"));
    setLocked(m_nameEdit, true);
    auto *wageCaption = new QLabel(QStringLiteral("$/hr:"), m_employeeFields);
    m_wageEdit = named(new QLineEdit(m_employeeFields), "emoney", QStringLiteral("Wage per hour"));
    wageCaption->setBuddy(m_wageEdit);
    auto *notesCaption = new QLabel(QStringLiteral("Notes:"), m_employeeFields);
    m_notesEdit = named(new QPlainTextEdit(m_employeeFields), "Text1", QStringLiteral("Notes"));
    m_notesEdit->setTabChangesFocus(true);
    notesCaption->setBuddy(m_notesEdit);
    auto *hoursCaption = new QLabel(QStringLiteral("Hours:"), m_employeeFields);
    m_hoursLabel = named(new QLabel(QStringLiteral("0.00"), m_employeeFields), "manehours", QStringLiteral("Employee's hours"));
    auto *dollar = new QLabel(QStringLiteral("$"), m_employeeFields);
    m_wagesLabel = named(new QLabel(QStringLiteral("0.00"), m_employeeFields), "manemoney",
                         QStringLiteral("Employee's estimated wages"));
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
    m_grid = named(new QTableView(m_gridPanel), "DBGrid1", QStringLiteral("Employee's time log"));
    m_grid->setModel(m_gridModel);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    auto *gridLayout = new QVBoxLayout(m_gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(m_grid);
    m_gridPanel->hide();

    m_gridToggle = named(new ClickLabel(QStringLiteral("Toggle Employee Grid"), employeeFrame), "Label8",
                         QStringLiteral("Toggle Employee Grid"));
    m_gridToggle->setToolTip(QStringLiteral("Click here to view an Employee's data in a Data Grid."));
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

    auto *functions = named(new QGroupBox(QStringLiteral("Functions:"), m_panel), "Frame4");
    m_addButton = makeButton(functions, "Command5", QStringLiteral("Add New"), QStringLiteral("Add a new Employee"));
    m_deleteButton = makeButton(functions, "Deleteemp", QStringLiteral("Delete"), QStringLiteral("Delete an Employee"));
    m_clearLogButton = makeButton(functions, "Command4", QStringLiteral("Clear Log"), QStringLiteral("Clear an Employee's logs"));
    m_printLogButton = makeButton(functions, "Command3", QStringLiteral("Print Log"), QStringLiteral("Print an Employee's Time Card"));
    m_changePasswordButton = makeButton(functions, "ChgPass", QStringLiteral("Chg Pass"),
                                        QStringLiteral("Change an Employee's password"));
    m_totalsButton = makeButton(functions, "Command1", QStringLiteral("Get Hrs/$"),
                                QStringLiteral("Get the Employee's total number of hours and pay."));
    m_propertiesButton = makeButton(functions, "Command2", QStringLiteral("Properties"), QStringLiteral("Change Punchwell's properties"));
    auto *functionsLayout = new QVBoxLayout(functions);
    for (QPushButton *b : {m_addButton, m_deleteButton, m_clearLogButton, m_printLogButton, m_changePasswordButton,
                           m_totalsButton, m_propertiesButton})
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
    m_listRecords->setRecordSource(QStringLiteral("datalist"));
    if (DbError e = m_listRecords->refresh())
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
        if (DbError e = m_listRecords->refresh())
            reportUpdateFailure(e);
    }
}

DbError ManagementTab::openManagedLog(const QString &name)
{
    m_logRecords->setRecordSource(name);
    const DbError e = m_logRecords->refresh();
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
    if (DbError e = openManagedLog(name))
        return e;
    if (m_logRecords->eof()) {
        m_hoursLabel->setText(QStringLiteral("0"));
        return {};
    }
    const auto totals = countTotals(m_db, name, m_wageEdit->text(), m_seams.clock.localNow());
    if (!totals)
        return totals.error();
    m_hoursLabel->setText(totals->text.hours);
    m_wagesLabel->setText(totals->text.wage);
    // After an open shift the view stays where reading it again put it, on its first entry.
    if (!totals->count.openShift)
        m_logRecords->moveLast();
    return {};
}

void ManagementTab::onTotalsClicked()
{
    const QString name = m_nameEdit->text();
    if (DbError e = showTotals(name))
        reportLogFailure(m_seams.dialogs, window(), name, e, kBoxTitle);
}

// The cards of an all-employees run: on the default printer while it takes them; once it fails,
// the user is asked once, and the rest of the run goes into one PDF file.
struct ManagementTab::CardRun {
    QString endingDay; // the ending date, ISO, for the file's name
    bool asked = false;
    std::unique_ptr<timecard::CardFile> file;
};

ManagementTab::Walked ManagementTab::walkEmployees(const QString &title, const std::function<Step()> &each)
{
    Walked walked;
    const auto names = employeeNames(m_db);
    walked.total = names ? int(names->size()) : 0;
    std::unique_ptr<Progress> progress = m_seams.dialogs.progress(window(), title, walked.total);
    m_listRecords->moveFirst();
    while (!m_listRecords->eof()) {
        if (!progress->step(walked.done, m_nameEdit->text())) {
            walked.cancelled = true;
            break;
        }
        // The step's lookup may leave the browser on the employee's row; the walk goes on after the
        // row it was on, whatever the lookup found.
        const qint64 row = m_listRecords->currentRowid();
        const Step step = each();
        ++walked.done;
        if (step == Step::Stop) {
            walked.failed = true;
            break;
        }
        moveOnto(*m_listRecords, row);
        m_listRecords->moveNext();
    }
    progress->finish();
    return walked;
}

void ManagementTab::onPrintClicked()
{
    const LocalDateTime now = m_seams.clock.localNow();
    const Dialogs::Button answer = m_seams.dialogs.message(
        window(), QStringLiteral("Would you like to print all employees? (default:  print current employee only)"),
        kPrint, Dialogs::Icon::None, Dialogs::Yes | Dialogs::No | Dialogs::Cancel, Dialogs::Yes);
    if (answer != Dialogs::Yes && answer != Dialogs::No)
        return;
    const QString ending = reportboxes::askEndingDate(m_seams.dialogs, window(),
                                                      QStringLiteral("Print Punchwell through this ending date: "), now);
    if (ending.isEmpty())
        return;
    // Refused before any card is printed.
    const auto endingDate = reportboxes::readEndingDate(m_seams.dialogs, window(), ending, kPrint, now);
    if (!endingDate)
        return;

    if (answer == Dialogs::No) {
        printCard(ending, nullptr);
        return;
    }
    CardRun run;
    run.endingDay = endingDate->date().toString(Qt::ISODate);
    const Walked walked = walkEmployees(kPrint, [&] { return printCard(ending, &run); });
    if (run.file) {
        const timecard::Sent saved = run.file->close();
        if (saved.status != timecard::Sent::Printed)
            m_seams.dialogs.inform(window(), QStringLiteral("The time cards could not be saved: %1.").arg(saved.why), kPrint,
                                   Dialogs::Icon::Exclamation);
    }
    m_listRecords->moveFirst();
    if (walked.cancelled)
        m_seams.dialogs.inform(window(),
                               QStringLiteral("Printing was stopped after %1 of %2 employees.").arg(walked.done).arg(walked.total),
                               kPrint, Dialogs::Icon::Information);
}

ManagementTab::Step ManagementTab::printCard(const QString &endingText, CardRun *run)
{
    const QString name = m_nameEdit->text();
    const LocalDateTime printedAt = m_seams.clock.localNow();
    const auto ending = reportboxes::readEndingDate(m_seams.dialogs, window(), endingText, kPrint, printedAt);
    if (!ending)
        return Step::Stop;

    // The employee must be in the list; a name that is not is refused rather than printed with
    // another employee's log.
    const auto listed = findEmployee(m_db, name);
    if (!listed) {
        reportLogFailure(m_seams.dialogs, window(), name, listed.error(), kPrint);
        return Step::Stop;
    }
    if (!listed->has_value()) {
        reportboxes::refuseName(m_seams.dialogs, window());
        return Step::Skipped;
    }
    moveOnto(*m_listRecords, (*listed)->rowid);

    if (DbError e = openManagedLog(name)) {
        reportLogFailure(m_seams.dialogs, window(), name, e, kPrint);
        // A listed employee without a log is this employee's problem; anything else is the file's.
        return e.number == ErrTableMissing ? Step::Skipped : Step::Stop;
    }
    if (m_logRecords->eof())
        return Step::Done; // an empty log prints no card

    timecard::CardRequest card;
    card.heading = {timecard::kDataFor, m_settings.company(), name};
    card.table = name;
    card.ending = ending;
    card.now = printedAt;
    if (!run) {
        if (reportboxes::sendCard(m_seams.dialogs, m_db, m_seams.printers, window(), card, kPrint)
            == reportboxes::CardSent::Failed)
            return Step::Stop;
    } else if (!run->file) {
        const timecard::Sent printed = timecard::printOnDefault(m_db, m_seams.printers, card);
        if (printed.status == timecard::Sent::Unreadable) {
            reportboxes::reportUnreadable(m_seams.dialogs, window(), name, printed.error, kPrint);
            return Step::Stop;
        }
        if (printed.status == timecard::Sent::NotPrinted) {
            // Asked once for the whole run: this card and the rest go into one file, or none is
            // printed.
            if (run->asked)
                return Step::Stop;
            run->asked = true;
            const QString text = QStringLiteral("The time card of %1 was not printed: %2.\n\nWould you like to save "
                                                "this time card and the rest of this run's as one PDF file instead?")
                                     .arg(name, printed.why);
            if (m_seams.dialogs.message(window(), text, kPrint, Dialogs::Icon::Exclamation, Dialogs::Yes | Dialogs::No,
                                        Dialogs::Yes)
                != Dialogs::Yes)
                return Step::Stop;
            QString path = m_seams.dialogs.saveFileName(
                window(), QStringLiteral("Save the time cards as one PDF file"),
                QDir::current().filePath(QStringLiteral("Time cards up to %1.pdf").arg(run->endingDay)),
                QStringLiteral("PDF files (*.pdf)"));
            if (path.isEmpty())
                return Step::Stop;
            if (QFileInfo(path).suffix().isEmpty())
                path += QStringLiteral(".pdf");
            run->file = std::make_unique<timecard::CardFile>(m_seams.printers, path);
        }
    }
    if (run && run->file) {
        if (DbError e = run->file->add(m_db, card)) {
            reportboxes::reportUnreadable(m_seams.dialogs, window(), name, e, kPrint);
            return Step::Stop;
        }
    }

    m_logRecords->moveLast();
    Q_EMIT cardPrinted();
    return Step::Done;
}

void ManagementTab::onClearClicked()
{
    const LocalDateTime now = m_seams.clock.localNow();
    // No, the employee shown, is the default, as the question itself says: Enter must never clear
    // every employee's log.
    const Dialogs::Button answer = m_seams.dialogs.message(
        window(), QStringLiteral("Would you like to clear the log for all employees? (default: clear current employee only)"),
        kClear, Dialogs::Icon::None, Dialogs::Yes | Dialogs::No | Dialogs::Cancel, Dialogs::No);
    if (answer != Dialogs::Yes && answer != Dialogs::No)
        return;

    if (answer == Dialogs::Yes)
        m_listRecords->moveFirst();
    const QString ending = reportboxes::askEndingDate(m_seams.dialogs, window(), QStringLiteral("Clear log until this date: "), now);
    bool failed = false;
    Walked walked;
    // Refused before anything is deleted.
    if (!ending.isEmpty() && reportboxes::readEndingDate(m_seams.dialogs, window(), ending, kClear, now)) {
        if (answer == Dialogs::No) {
            failed = clearLog(ending) == Step::Stop;
        } else {
            walked = walkEmployees(kClear, [&] { return clearLog(ending); });
            failed = walked.failed;
        }
    }
    // The tab shows the first employee afterwards, also when nothing was cleared. A failure has had
    // its box already: reading the list again would only say so again.
    if (DbError e = m_listRecords->refresh(); e && !failed)
        reportUpdateFailure(e);
    if (walked.cancelled)
        m_seams.dialogs.inform(window(),
                               QStringLiteral("Clearing was stopped after %1 of %2 employees.").arg(walked.done).arg(walked.total),
                               kClear, Dialogs::Icon::Information);
}

ManagementTab::Step ManagementTab::clearLog(const QString &endingText)
{
    const QString name = m_nameEdit->text();
    const auto ending = reportboxes::readEndingDate(m_seams.dialogs, window(), endingText, kClear, m_seams.clock.localNow());
    if (!ending)
        return Step::Stop;

    const auto listed = findEmployee(m_db, name);
    if (!listed) {
        reportLogFailure(m_seams.dialogs, window(), name, listed.error(), kClear);
        return Step::Stop;
    }
    if (!listed->has_value()) {
        reportboxes::refuseName(m_seams.dialogs, window());
        return Step::Skipped;
    }
    if (DbError e = openManagedLog(name)) {
        reportLogFailure(m_seams.dialogs, window(), name, e, kClear);
        return e.number == ErrTableMissing ? Step::Skipped : Step::Stop;
    }

    // The dated deletion and the removal of a leading clock-out are one change: stored together,
    // or the log stays as it was.
    const auto cleared = clearing::clearBefore(m_db, name, *ending);
    if (!cleared) {
        reportFailure(m_seams.dialogs, window(), kClear,
                      QStringLiteral("The log of %1 could not be cleared, so it is unchanged").arg(name), cleared.error());
        return cleared.error().number == ErrTableMissing ? Step::Skipped : Step::Stop;
    }

    // Both views of the log show what is left: the logged-on employee's view (it may be the same
    // log) and the Management grid.
    Q_EMIT logCleared();
    openManagedLog(name);
    return Step::Done;
}

void ManagementTab::onDeleteClicked()
{
    const QString name = m_nameEdit->text();
    if (isManager(name)) {
        m_seams.dialogs.inform(window(), QStringLiteral("Sorry, cannot delete the Manager"), kDeleteError,
                               Dialogs::Icon::Exclamation);
        return;
    }

    const auto listed = findEmployee(m_db, name);
    if (!listed) {
        reportFailure(m_seams.dialogs, window(), kDeleteError, QStringLiteral("Sorry, the list of employees cannot be read"),
                      listed.error());
        return;
    }
    if (!listed->has_value()) {
        m_seams.dialogs.inform(window(), QStringLiteral("Sorry, the Name doesn't appear to exist.  Try again."),
                               kDeleteError, Dialogs::Icon::Exclamation);
        return;
    }

    const Dialogs::Button answer = m_seams.dialogs.message(
        window(),
        QStringLiteral("Deleting an employee is permanent.  He/She will no longer be able to use the Punchwell "
                       "Program unless you add them again. Do you want to continue ?"),
        QStringLiteral("Punchwell Warning"), Dialogs::Icon::Critical, Dialogs::Yes | Dialogs::No, Dialogs::No);
    if (answer != Dialogs::Yes)
        return;

    // The log is emptied and the list rows removed together, or nothing changes at all.
    if (DbError e = deleteEmployee(m_db, name)) {
        reportFailure(m_seams.dialogs, window(), kDeleteError, QStringLiteral("Sorry, the Employee could not be deleted"), e,
                      QStringLiteral("  Nothing was changed."));
        return;
    }
    Q_EMIT employeeDeleted(name);
    m_seams.dialogs.inform(window(), QStringLiteral("Employee has been deleted."), QStringLiteral("Information"),
                           Dialogs::Icon::Information);
    if (DbError e = m_listRecords->refresh())
        reportUpdateFailure(e);
    // The grid stays on the emptied log; a log that was missing leaves it empty.
    openManagedLog(name);
}

} // namespace pw
